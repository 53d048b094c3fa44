#include "cbc/CLCCbCValidDigits.h"

CLCCbCValidDigits::CLCCbCValidDigits(long lColumn, CLCCbCMessage_t message) : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidDigits::SetParam(const char* szMax)
{
    m_strMax = szMax != nullptr ? szMax : "";
}

CLCCbCMessage_t CLCCbCValidDigits::_validate(const char* szValue)
{
    if (m_strMax.empty())
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidDigits::_validate");
    if (szValue == nullptr)
        return CBC_MSG_NONE;
    const char* p = szValue;
    if (*p == '+' || *p == '-')
        ++p;
    while (*p == '0')
        ++p;
    long long llDigits = 0;
    for (; *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9')
            ++llDigits;
    }
    return llDigits <= DecimalValue(m_strMax.c_str()) ? CBC_MSG_NONE : HE60010E;
}
