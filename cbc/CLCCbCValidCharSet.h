#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "charset": every UTF-16 code unit of the value must belong to the named set
// ("levraString", "latinString", "fugoNumber"); else HE60011E. An unknown set
// is fatal. The value is decoded as UTF-8 here, never through the locale;
// text that is not valid UTF-8 is refused with HE60011E.
class CLCCbCValidCharSet : public CLCCbCValidItem {
public:
    CLCCbCValidCharSet(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
};
