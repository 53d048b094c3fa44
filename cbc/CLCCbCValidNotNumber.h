#pragma once
#include "cbc/CLCCbCValidItem.h"

// "notNumber": refuses an empty value or one made of ASCII digits only (HE60009E).
class CLCCbCValidNotNumber : public CLCCbCValidItem {
public:
    CLCCbCValidNotNumber(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;
};
