#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "checkDigits": "hojin": a 13-digit corporate number whose check digit is right
// (HE60008E, HE60007E, HE60009E). An absent value or another parameter is fatal.
class CLCCbCValidCheckDigit : public CLCCbCValidItem {
public:
    CLCCbCValidCheckDigit(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;
    // A string of ASCII digits: HE60007E unless 13 long, HE60009E for a wrong
    // check digit.
    static CLCCbCMessage_t CheckDijit_Hojin(const char* szDigits);

private:
    std::string m_strParam;
};
