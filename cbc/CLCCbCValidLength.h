#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "length": length in UTF-16 code units: equal to one of the listed lengths or to
// the parameter (HE60007E), else at most max (HE60010E); neither given is fatal.
class CLCCbCValidLength : public CLCCbCValidItem {
public:
    CLCCbCValidLength(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue, const char* szMax);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
    std::string m_strMax;
};
