#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>
#include <vector>

// "contain2": every "/"-separated part must be one of the listed words; a leading or
// trailing "/" or "//" fails (HE60009E). An empty value passes.
class CLCCbCValidContain2 : public CLCCbCValidItem {
public:
    CLCCbCValidContain2(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::vector<std::string> m_vecWords;   // of the parameter, split once
};
