#include "cbc/CLCCbCValidLength.h"
#include "foundation/platform/CLCMacOSNative.h"

CLCCbCValidLength::CLCCbCValidLength(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidLength::SetParam(const char* szValue, const char* szMax)
{
    m_strParam = szValue != nullptr ? szValue : "";
    m_strMax = szMax != nullptr ? szMax : "";
}

CLCCbCMessage_t CLCCbCValidLength::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidLength::_validate", [&]() {
        // UTF-16 code units: a character outside the BMP counts two.
        long long llCount = szValue != nullptr ? CLCMacOSNative::getCharacterLength(szValue) : 0;
        if (m_strParam.find(' ') != std::string::npos) {
            for (const std::string& strWord : SplitWords(m_strParam)) {
                if (llCount == DecimalValue(strWord.c_str()))
                    return CBC_MSG_NONE;
            }
            return HE60007E;
        }
        if (!m_strParam.empty())
            return llCount == DecimalValue(m_strParam.c_str()) ? CBC_MSG_NONE : HE60007E;
        if (!m_strMax.empty())
            return llCount <= DecimalValue(m_strMax.c_str()) ? CBC_MSG_NONE : HE60010E;
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidLength::_validate");
    });
}
