#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// A "/"-separated value written as one element per non-empty part. Writes
// nothing in an appendix table.
class CLCCbCDataDefSplit : public CLCCbCDataDefineNode {
public:
    void AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut) override;
};
