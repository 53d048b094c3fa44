#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "csvContain": every listed word must be one of the "/"-separated parts of the value
// (empty parts dropped); else HE60009E.
class CLCCbCValidCsvContain : public CLCCbCValidItem {
public:
    CLCCbCValidCsvContain(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
};
