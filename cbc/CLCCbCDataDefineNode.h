#pragma once
#include <memory>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class CLCCbCAppendixTable;
class CLCCbCCbCReport;
class CLCCbCCsvCbCReport;
class CLCCbCCsvFile;
class CLCCbCValidator;
class CLCXDom;

// One "item" of a CbC definition file. In a check definition it carries the
// rules of its "valid" children and validates one CSV record at a time; in a
// conversion definition the nodes form the element tree of the output and
// each writes its own element for one record.
//
// A node owns its children and its rule list. Failures that no row of the
// data explains (null section, bad definition, exception) record the
// collector's fatal row and a log entry; a writer that fails clears the ok
// flag and answers the empty text, so a document is complete or empty.
class CLCCbCDataDefineNode {
public:
    // Content pattern of an appendix report: the flags written for CSV columns
    // 1 to 3 in place of the record's own (three entries).
    using Pattern = const char* const*;

    CLCCbCDataDefineNode();
    virtual ~CLCCbCDataDefineNode();

    CLCCbCDataDefineNode(const CLCCbCDataDefineNode&) = delete;
    CLCCbCDataDefineNode& operator=(const CLCCbCDataDefineNode&) = delete;

    // A node of the appendix kinds ("Normal", "Kubun", "Bango") or of the CbC
    // kinds ("Normal", "Timestamp", "Split") for the DOM's current "item"
    // element. Null after recording the fatal row (unknown type, bad rules).
    static std::unique_ptr<CLCCbCDataDefineNode> CreateNode(CLCXDom* pDom, bool bValidate);
    static std::unique_ptr<CLCCbCDataDefineNode> CreateNode2(CLCXDom* pDom, CLCCbCCsvCbCReport* pCsvReport,
                                                             bool bValidate);

    // Reads the item's attributes (and, when validating, its rules). False
    // after recording the fatal row.
    virtual bool Initialize(CLCXDom* pDom, bool bValidate);
    bool Initialize2(CLCXDom* pDom, CLCCbCCsvCbCReport* pCsvReport, bool bValidate);

    // Runs the node's rules, then its children's, on one record (0-based).
    // 0 passed, 1 fatal (row recorded), else the last message reported.
    virtual unsigned ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord);

    // Appendix element of one record of the section; "" when the node writes
    // nothing for it. The base writes nothing.
    virtual std::string WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern);
    // Starts a new page: the per-page write counters return to 0.
    virtual void ResetCounter();
    // CbC report element of one record of the section. The base writes nothing.
    virtual std::string WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk);

    // Appends the node as the last child (check definitions: a flat list).
    // Takes ownership when it answers true; false only for a null node.
    bool LocateNodeForValidate(std::unique_ptr<CLCCbCDataDefineNode>& pNode);
    // Hangs the node under the most recently placed node whose id equals its
    // parent, searching this subtree from the last child to the first, depth
    // first. Takes ownership when it answers true; false when no node of the
    // subtree has that id (the node stays with the caller).
    bool LocateNodeForMake(std::unique_ptr<CLCCbCDataDefineNode>& pNode, bool bFound);

    const std::string& GetParentName() const { return m_strParent; }

    // The parts joined into one string sized once: a page or a document may
    // approach the size limit, and every extra copy of it counts.
    static std::string Concat(std::initializer_list<std::string_view> parts);
    const std::string& GetId() const { return m_strId; }

protected:
    // The escaped value of the node's column in the record; "" without a
    // column. A column the record lacks clears the ok flag (no row).
    std::string MakeNodeValue(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk);
    // As MakeNodeValue; without a column the fixed value, as it stands.
    std::string MakeNodeValue2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk);

    // The children's elements, concatenated; "" once the ok flag is cleared.
    std::string WriteChildren(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern);
    std::string WriteChildren2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk);
    // The shape every appendix-table element shares: children first, then the
    // value (szFixedValue when given, else the column's), nothing when both
    // are empty, else <id><inner>value children</inner></id> (no inner
    // element when svInner is empty).
    std::string WriteAppendixElement(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                                     std::string_view svInner, const char* szFixedValue = nullptr);

    // The fatal row and a log entry naming the function.
    static void RecordUnexpected(const char* szFunction);
    // A writer that cannot go on: fatal row, cleared flag, empty text.
    static std::string FailWrite(const char* szFunction, bool* pOk);

    std::unique_ptr<CLCCbCValidator> m_pValidator;   // null without rules
    std::string m_strId;
    std::string m_strParent;
    long m_lColumn = -1;   // 0-based; -1 = none
    long m_lRepeat = 0;    // writes per page; 0 = unlimited
    std::vector<std::unique_ptr<CLCCbCDataDefineNode>> m_vChildren;
    CLCCbCCsvCbCReport* m_pCsvReport = nullptr;   // borrowed
    std::string m_strValue;
    std::string m_strAttr;
    std::string m_strAttrValue;
    std::string m_strRequiredChild;
    std::string m_strAttrValueRec;
    std::string m_strNameSpace;
    std::string m_strEmptyTag;
    long m_lAttrValueColumn = -1;   // 0-based; -1 = none

private:
    bool ReadRules(CLCXDom* pDom, bool bValidate);
};
