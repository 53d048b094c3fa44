#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// A corporate number of an appendix table, written inside gen:hojinbango.
// It has no per-page limit. Writes nothing in a CbC report.
class CLCCbCDataDefBango : public CLCCbCDataDefineNode {
public:
    void AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                    std::string& strOut) override;
};
