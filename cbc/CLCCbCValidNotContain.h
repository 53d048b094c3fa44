#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>
#include <vector>

// "notContain": the value must equal none of the listed words (HE60009E). An empty
// list is fatal.
class CLCCbCValidNotContain : public CLCCbCValidItem {
public:
    CLCCbCValidNotContain(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::vector<std::string> m_vecWords;   // of the parameter, split once
};
