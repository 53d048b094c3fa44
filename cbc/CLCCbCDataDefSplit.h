#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// A "/"-separated value written as one element per non-empty part. Writes
// nothing in an appendix table.
class CLCCbCDataDefSplit : public CLCCbCDataDefineNode {
public:
    std::string WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk) override;
};
