#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// A flag of an appendix table, written inside a kubun_CD element. Under a
// content pattern the flags of CSV columns 1 to 3 come from the pattern.
// Writes nothing in a CbC report.
class CLCCbCDataDefKubun : public CLCCbCDataDefineNode {
public:
    void AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                    std::string& strOut) override;
    void ResetCounter() override { m_lCounter = 0; }

private:
    long m_lCounter = 0;   // writes in the current page
};
