#pragma once
#include "cbc/CLCCbCValidItem.h"
#include <string>

// "existPath": "file": the file exists (HE60004E), is readable (HE60006E) and not empty
// (HE60005E); "dir": the folder that would hold the path exists (HE60019E).
// Empty values pass; any other parameter is fatal.
class CLCCbCValidExistpath : public CLCCbCValidItem {
public:
    CLCCbCValidExistpath(long lColumn, CLCCbCMessage_t message);
    void SetParam(const char* szValue);
    CLCCbCMessage_t _validate(const char* szValue) override;

private:
    std::string m_strParam;
};
