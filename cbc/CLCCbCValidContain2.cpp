#include "cbc/CLCCbCValidContain2.h"
#include <algorithm>

CLCCbCValidContain2::CLCCbCValidContain2(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidContain2::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidContain2::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidContain2::_validate", [&]() {
        std::vector<std::string> vecWords = SplitWords(m_strParam);
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidContain2::_validate");
        if (szValue == nullptr)
            return HE60009E;
        std::string strValue(szValue);
        if (!strValue.empty() &&
            (strValue.front() == '/' || strValue.back() == '/' || strValue.find("//") != std::string::npos))
            return HE60009E;
        for (const std::string& strPart : SplitSlashParts(strValue)) {
            if (std::find(vecWords.begin(), vecWords.end(), strPart) == vecWords.end())
                return HE60009E;
        }
        return CBC_MSG_NONE;
    });
}
