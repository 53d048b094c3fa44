#pragma once
#include "cbc/CLCCbCAppendixTable.h"

// The one section of the GIR appendix table (form AIA540). Its checks read
// the given 1-based column of every record.
class CLCGIRAppendixTable : public CLCCbCAppendixTable {
public:
    // HE60017E at every record whose column differs from the flag; an empty
    // section passes.
    CLCCbCMessage_t ValidContentOffered(const std::string& strFlag, long lColumn) override;
    // HE60018E at every record whose column is 13 characters long and equals
    // the corporate number.
    CLCCbCMessage_t ValidHojinNo(const std::string& strHojinNo, long lColumn) override;
};
