#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <cstdint>
#include <string>

// "format": the whole value must match the pattern of the format keyword (and for
// "date" be a calendar date); else HE60009E. An unknown keyword is fatal.
class CLCCbCValidFormat : public CLCCbCValidItem {
public:
    CLCCbCValidFormat(long lColumn, CLCCbCMessage_t message);
    // Maps the format keyword to its pattern and kind; an unknown keyword
    // leaves both empty.
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strPattern;
    int32_t m_lFormatKind = 0;
};
