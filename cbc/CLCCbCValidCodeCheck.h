#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "codeCheck": every "/"-separated part must be a code of the named list ("country",
// "country2", "currency", "currency2"); else HE60009E. Another name is fatal.
class CLCCbCValidCodeCheck : public CLCCbCValidItem {
public:
    CLCCbCValidCodeCheck(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
};
