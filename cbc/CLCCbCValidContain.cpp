#include "cbc/CLCCbCValidContain.h"

CLCCbCValidContain::CLCCbCValidContain(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message), m_message(message)
{
}

void CLCCbCValidContain::SetParam(const char* szValue)
{
    m_vecWords = SplitWords(szValue != nullptr ? szValue : "");
}

CLCCbCMessage_t CLCCbCValidContain::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidContain::_validate", [&]() {
        const std::vector<std::string>& vecWords = m_vecWords;
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidContain::_validate");
        if (szValue != nullptr) {
            for (const std::string& strWord : vecWords) {
                if (strWord == szValue)
                    return CBC_MSG_NONE;
            }
        }
        return m_message != CBC_MSG_NONE ? m_message : HE60009E;
    });
}
