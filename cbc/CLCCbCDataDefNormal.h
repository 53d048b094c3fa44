#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// The plain element of both families. On an appendix page it writes at most
// `repeat` times per page; in the CbC report it writes its prefix, its one
// attribute, an empty element where the definition asks for one, and leaves
// itself out when its children lack the required child.
class CLCCbCDataDefNormal : public CLCCbCDataDefineNode {
public:
    std::string WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern) override;
    void ResetCounter() override { m_lCounter = 0; }
    std::string WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk) override;

private:
    // The attribute text ` name="value"`, or "" without an attribute. An
    // attribute value the CSV cannot give clears the ok flag.
    std::string AttributeText(CLCCbCCbCReport* pSection, long lRecord, bool* pOk);

    long m_lCounter = 0;   // writes in the current page
};
