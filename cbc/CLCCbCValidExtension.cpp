#include "cbc/CLCCbCValidExtension.h"

CLCCbCValidExtension::CLCCbCValidExtension(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidExtension::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidExtension::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidExtension::_validate", [&]() {
        std::vector<std::string> vecWords = SplitWords(m_strParam);
        if (vecWords.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidExtension::_validate");
        if (szValue == nullptr)
            return HE60003E;
        std::string strValue(szValue);
        size_t nDot = strValue.rfind('.');
        if (nDot == std::string::npos)
            return HE60003E;
        std::string strExtension = strValue.substr(nDot);
        for (const std::string& strWord : vecWords) {
            if (strWord == strExtension)
                return CBC_MSG_NONE;
        }
        return HE60003E;
    });
}
