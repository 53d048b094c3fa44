#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "extension": the extension (from the last "." on, dot included) must be one of the
// listed words, compared byte for byte; else HE60003E. An empty list is fatal.
class CLCCbCValidExtension : public CLCCbCValidItem {
public:
    CLCCbCValidExtension(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
};
