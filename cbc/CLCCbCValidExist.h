#pragma once
#include "cbc/CLCCbCValidItem.h"

// "exist": passes a non-empty value; else the message (default HE60001E).
class CLCCbCValidExist : public CLCCbCValidItem {
public:
    CLCCbCValidExist(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    CLCCbCMessage_t m_message;
};
