#include "cbc/CLCCbCValidCheckDigit.h"
#include <cstring>

CLCCbCValidCheckDigit::CLCCbCValidCheckDigit(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidCheckDigit::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidCheckDigit::_validate(const char* szValue)
{
    if (m_strParam.empty() || szValue == nullptr)
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidCheckDigit::_validate");
    for (const char* p = szValue; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return HE60008E;
    }
    if (m_strParam != "hojin")
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidCheckDigit::_validate");
    return CheckDijit_Hojin(szValue);
}

CLCCbCMessage_t CLCCbCValidCheckDigit::CheckDijit_Hojin(const char* szDigits)
{
    constexpr size_t kHojinLength = 13;
    if (std::strlen(szDigits) != kHojinLength)
        return HE60007E;
    // Weights 2, 1, 2, 1 ... from the second digit; the first digit checks them.
    int nSum = 0;
    for (size_t i = 1; i < kHojinLength; ++i)
        nSum += (szDigits[i] - '0') * (i % 2 == 1 ? 2 : 1);
    int nCheck = 9 - nSum % 9;
    return szDigits[0] - '0' == nCheck ? CBC_MSG_NONE : HE60009E;
}
