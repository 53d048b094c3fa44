#include "cbc/CLCCbCValidNotContain.h"

CLCCbCValidNotContain::CLCCbCValidNotContain(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidNotContain::SetParam(const char* szValue)
{
    m_vecWords = SplitWords(szValue != nullptr ? szValue : "");
}

CLCCbCMessage_t CLCCbCValidNotContain::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidNotContain::_validate", [&]() {
        const std::vector<std::string>& vecWords = m_vecWords;
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidNotContain::_validate");
        if (szValue == nullptr)
            return CBC_MSG_NONE;
        for (const std::string& strWord : vecWords) {
            if (strWord == szValue)
                return HE60009E;
        }
        return CBC_MSG_NONE;
    });
}
