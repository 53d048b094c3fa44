#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>
#include <vector>

// "contain": the value must equal one of the listed words; else the message (default
// HE60009E). An empty list is fatal.
class CLCCbCValidContain : public CLCCbCValidItem {
public:
    CLCCbCValidContain(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::vector<std::string> m_vecWords;   // of the parameter, split once
    CLCCbCMessage_t m_message;
};
