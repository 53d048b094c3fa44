#pragma once
#include "foundation/CLCCbCMessage.h"

class CLCGIRDataManager;

// The filer's corporate number inside every message reference id: characters 7
// to 19 of each value of the item must be the number's first 13 characters.
class CLCGIRValidIntegrity {
public:
    CLCGIRValidIntegrity() = default;
    virtual ~CLCGIRValidIntegrity() = default;

    // HE60009E (one row per value that differs, column 2) or 0; 0 also for an
    // empty corporate number, which leaves nothing to compare. HE60000E after
    // recording the fatal row.
    CLCCbCMessage_t Validate(const char* szHojinNo, const char* szItemId, CLCGIRDataManager* pData);
};
