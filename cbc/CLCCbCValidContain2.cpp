#include "cbc/CLCCbCValidContain2.h"
#include <algorithm>
#include <string_view>

CLCCbCValidContain2::CLCCbCValidContain2(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidContain2::SetParam(const char* szValue)
{
    m_vecWords = SplitWords(szValue != nullptr ? szValue : "");
}

CLCCbCMessage_t CLCCbCValidContain2::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidContain2::_validate", [&]() {
        const std::vector<std::string>& vecWords = m_vecWords;
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidContain2::_validate");
        if (szValue == nullptr)
            return HE60009E;
        const std::string_view svValue(szValue);
        if (svValue.empty())
            return CBC_MSG_NONE;
        if (svValue.front() == '/' || svValue.back() == '/' || svValue.find("//") != std::string_view::npos)
            return HE60009E;
        // No part is empty here: every "/" stands between two words.
        for (size_t nStart = 0; nStart <= svValue.size();) {
            const size_t nEnd = std::min(svValue.find('/', nStart), svValue.size());
            if (std::find(vecWords.begin(), vecWords.end(), svValue.substr(nStart, nEnd - nStart)) == vecWords.end())
                return HE60009E;
            nStart = nEnd + 1;
        }
        return CBC_MSG_NONE;
    });
}
