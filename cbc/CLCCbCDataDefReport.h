#pragma once
#include "cbc/CLCCbCDataDefineNode.h"

// The node of one "report" element: the root of its items. On an appendix
// table it writes one page element per pageRec records, numbered on across
// every WriteNode of the same node; in the CbC report it wraps each record's
// items in the report's element (or, with dumyFlg, writes them bare).
class CLCCbCDataDefReport : public CLCCbCDataDefineNode {
public:
    using CLCCbCDataDefineNode::Initialize;
    using CLCCbCDataDefineNode::WriteNode;
    using CLCCbCDataDefineNode::WriteNode2;

    // Appendix report: the page id and VR, records per page (0: one page) and
    // the two names written on every page. The page number starts at 0.
    void Initialize(const std::string& strId, const std::string& strVR, int nPageRec,
                    const std::string& strSoftNM, const std::string& strSakuseiNM);
    // CbC report: element name, VR, column count and dumyFlg.
    void Initialize2(const std::string& strId, const std::string& strVR, int nColumnNum,
                     const std::string& strDumyFlg);

    // The pages of every record of the section; "" without records. A cleared
    // ok flag gives "".
    std::string WriteNode(CLCCbCAppendixTable* pSection, bool* pOk, Pattern pPattern);
    // The report's elements for every record of the section, or for one.
    std::string WriteNode2(CLCCbCCbCReport* pSection, bool* pOk);
    std::string WriteNode2(CLCCbCCbCReport* pSection, int nRecord, bool* pOk);

    // The same texts appended to strOut, which a failure leaves as it was.
    void AppendPages(CLCCbCAppendixTable* pSection, bool* pOk, Pattern pPattern, std::string& strOut);
    void AppendReports(CLCCbCCbCReport* pSection, bool* pOk, std::string& strOut);
    void AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut) override;

    // Resets the write counters of the direct children (a new page).
    void ResetCounter() override;

    long GetPageNo() const { return m_lPageNo; }

private:
    void ReportElement(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut);

    std::string m_strVR;
    std::string m_strSakuseiNM;
    std::string m_strSoftNM;
    long m_lPageRec = 0;
    long m_lPageNo = 0;
    int m_nColumnNum = 0;
    std::string m_strDumyFlg;
};
