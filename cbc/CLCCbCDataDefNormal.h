#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// The plain element of both families. On an appendix page it writes at most
// `repeat` times per page; in the CbC report it writes its prefix, its one
// attribute, an empty element where the definition asks for one, and leaves
// itself out when its children lack the required child.
class CLCCbCDataDefNormal : public CLCCbCDataDefineNode {
public:
    void AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                    std::string& strOut) override;
    void ResetCounter() override { m_lCounter = 0; }
    void AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut) override;

private:
    // Appends the attribute text ` name="value"`; nothing without an
    // attribute. An attribute value the CSV cannot give, or one the document
    // cannot hold, clears the ok flag.
    bool AttributeText(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut);

    long m_lCounter = 0;   // writes in the current page
};
