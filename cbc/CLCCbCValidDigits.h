#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "digits": at most max digits, an optional sign and the leading zeros aside
// (HE60010E), so that an integer stays within what every schema validator
// reads. Only ASCII digits count: the value's form is "format"'s to judge. No
// value and the empty value pass; no max is fatal.
class CLCCbCValidDigits : public CLCCbCValidItem {
public:
    CLCCbCValidDigits(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szMax);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strMax;
};
