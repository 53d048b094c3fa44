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
    // nothing for it. The same text as AppendNode.
    virtual std::string WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern);
    // Starts a new page: the per-page write counters return to 0.
    virtual void ResetCounter();
    // CbC report element of one record of the section. The same text as
    // AppendNode2.
    virtual std::string WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk);

    // The writers proper: they append the element to strOut, so that a page
    // or a document is built in one buffer instead of copied up level by
    // level. A writer that fails clears the ok flag and leaves strOut as it
    // was. The base writes nothing.
    virtual void AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                            std::string& strOut);
    virtual void AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut);

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

    // Appends a CSV value escaped. A character that XML 1.0 does not allow in
    // a document (a control character other than TAB, LF and CR, U+FFFE,
    // U+FFFF) cannot be written: HE60011E at the value's record (llLine) and
    // 0-based column, ok cleared, false.
    static bool AppendValue(const char* szValue, long long llLine, long lColumn, bool* pOk, std::string& strOut);

protected:
    // Appends the escaped value of the node's column in the record; nothing
    // without a column. A column the record lacks clears the ok flag (no
    // row); so does a value the document cannot hold (AppendValue).
    bool MakeNodeValue(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, std::string& strOut);
    // As MakeNodeValue; without a column the fixed value, as it stands.
    bool MakeNodeValue2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut);

    // The children's elements appended; nothing once the ok flag is cleared.
    void WriteChildren(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                       std::string& strOut);
    void WriteChildren2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut);
    // strOut holds the children from nMark to nValue and the value after them:
    // they become head, value, children, tail.
    static void WrapElement(std::string& strOut, size_t nMark, size_t nValue, std::string_view svHead,
                            std::string_view svTail);
    // The shape every appendix-table element shares: children first, then the
    // value (szFixedValue when given, else the column's), nothing when both
    // are empty, else <id><inner>value children</inner></id> (no inner
    // element when svInner is empty).
    void WriteAppendixElement(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                              std::string_view svInner, const char* szFixedValue, std::string& strOut);

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
    // The element's tags, made on the first write (the id never changes
    // once the definition is built, and a node writes one family only), and room for a start tag that carries
    // an attribute value.
    std::string m_strOpenTag;
    std::string m_strCloseTag;
    std::string m_strHead;

private:
    bool ReadRules(CLCXDom* pDom, bool bValidate);
};
