#pragma once
#include "cbc/CLCCbCValidItem.h"

// "number": every byte an ASCII digit (empty passes); else HE60008E.
class CLCCbCValidNumber : public CLCCbCValidItem {
public:
    CLCCbCValidNumber(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;
};
