#pragma once
#include "cbc/CLCCbCValidItem.h"

// "existFolder": the value must name an existing folder; else the message (default
// HE60040E). An empty or absent value is fatal.
class CLCCbCValidExistFolder : public CLCCbCValidItem {
public:
    CLCCbCValidExistFolder(long lColumn, CLCCbCMessage_t message);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    CLCCbCMessage_t m_message;
};
