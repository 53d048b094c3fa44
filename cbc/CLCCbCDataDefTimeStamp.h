#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// The message's creation time (local, yyyy-MM-ddTHH:mm:ss from one clock
// reading); the item's column and value are not used. Writes nothing in an
// appendix table.
class CLCCbCDataDefTimeStamp : public CLCCbCDataDefineNode {
public:
    void AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut) override;
};
