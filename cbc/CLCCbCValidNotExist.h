#pragma once
#include "cbc/CLCCbCValidItem.h"

// "notExist": passes an empty or absent value; else the message (default HE60002E).
class CLCCbCValidNotExist : public CLCCbCValidItem {
public:
    CLCCbCValidNotExist(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    CLCCbCMessage_t m_message;
};
