#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

// One element of the GIR tree: the values of one CSV row (or of a file, the
// folder, the root or an automatic item), the sixteen settings of its element
// in the edit definition, its parent and its children.
//
// A container owns its children: destroying it destroys the whole subtree.
// Every operation that takes a child pointer takes ownership of it only when it
// succeeds (AddChild with a non-null child, AddRelation_ParentChild,
// InsertContainerByIndex / InsertPreviousSibling answering true,
// AddLastSibling returning normally); otherwise the caller still owns it.
// The parent pointer is a plain back link.
class CLCGIRContainer {
public:
    CLCGIRContainer();
    CLCGIRContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                    long lGLOBEBody_HierarchyBranchNumber, long lCSV_LineNumber,
                    std::string strCSVFileName, std::string strElementName, std::string strElementValue,
                    std::string strAttribute1Value, std::string strAttribute2Value,
                    std::string strAttribute3Value, std::string strHierarchyNumber);
    // The same eleven values, then the sixteen Conf values in field order
    // (itemId ... value); used for automatic items.
    CLCGIRContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                    long lGLOBEBody_HierarchyBranchNumber, long lCSV_LineNumber,
                    std::string strCSVFileName, std::string strElementName, std::string strElementValue,
                    std::string strAttribute1Value, std::string strAttribute2Value,
                    std::string strAttribute3Value, std::string strHierarchyNumber,
                    std::string strConfItemId, std::string strConfNameSpace, std::string strConfDataType,
                    std::string strConfMinOccur, std::string strConfMaxOccur, std::string strConfAttr,
                    std::string strConfAttrValueColumn, std::string strConfAttrValue, std::string strConfAttr2,
                    std::string strConfAttrValueColumn2, std::string strConfAttrValue2, std::string strConfAttr3,
                    std::string strConfAttrValueColumn3, std::string strConfAttrValue3,
                    std::string strConfAutoItem, std::string strConfValue);
    virtual ~CLCGIRContainer();

    CLCGIRContainer(const CLCGIRContainer&) = delete;
    CLCGIRContainer& operator=(const CLCGIRContainer&) = delete;

    long GetGLOBE_OECD_HierarchyNumber() const { return m_lGLOBE_OECD_HierarchyNumber; }
    void SetGLOBE_OECD_HierarchyNumber(long l) { m_lGLOBE_OECD_HierarchyNumber = l; }
    long GetGLOBEBody_HierarchyNumber() const { return m_lGLOBEBody_HierarchyNumber; }
    void SetGLOBEBody_HierarchyNumber(long l) { m_lGLOBEBody_HierarchyNumber = l; }
    long GetGLOBEBody_HierarchyBranchNumber() const { return m_lGLOBEBody_HierarchyBranchNumber; }
    void SetGLOBEBody_HierarchyBranchNumber(long l) { m_lGLOBEBody_HierarchyBranchNumber = l; }
    long GetCSVLineNumber() const { return m_lCSV_LineNumber; }
    void SetCSVLineNumber(long l) { m_lCSV_LineNumber = l; }

    std::string GetCSVFileName() const { return m_strCSVFileName; }
    void SetCSVFileName(std::string s) { m_strCSVFileName = std::move(s); }
    std::string GetElementName() const { return m_strElementName; }
    void SetElementName(std::string s) { m_strElementName = std::move(s); }
    std::string GetElementValue() const { return m_strElementValue; }
    void SetElementValue(std::string s) { m_strElementValue = std::move(s); }
    std::string GetAttribute1Value() const { return m_strAttribute1Value; }
    void SetAttribute1Value(std::string s) { m_strAttribute1Value = std::move(s); }
    std::string GetAttribute2Value() const { return m_strAttribute2Value; }
    void SetAttribute2Value(std::string s) { m_strAttribute2Value = std::move(s); }
    std::string GetAttribute3Value() const { return m_strAttribute3Value; }
    void SetAttribute3Value(std::string s) { m_strAttribute3Value = std::move(s); }
    std::string GetHierarchyNumber() const { return m_strHierarchyNumber; }
    void SetHierarchyNumber(std::string s) { m_strHierarchyNumber = std::move(s); }

    std::string GetConfItemId() const { return m_strConfItemId; }
    void SetConfItemId(std::string s) { m_strConfItemId = std::move(s); }
    std::string GetConfNameSpace() const { return m_strConfNameSpace; }
    void SetConfNameSpace(std::string s) { m_strConfNameSpace = std::move(s); }
    std::string GetConfDataType() const { return m_strConfDataType; }
    void SetConfDataType(std::string s) { m_strConfDataType = std::move(s); }
    std::string GetConfMinOccur() const { return m_strConfMinOccur; }
    void SetConfMinOccur(std::string s) { m_strConfMinOccur = std::move(s); }
    std::string GetConfMaxOccur() const { return m_strConfMaxOccur; }
    void SetConfMaxOccur(std::string s) { m_strConfMaxOccur = std::move(s); }
    std::string GetConfAttr() const { return m_strConfAttr; }
    void SetConfAttr(std::string s) { m_strConfAttr = std::move(s); }
    std::string GetConfAttrValueColumn() const { return m_strConfAttrValueColumn; }
    void SetConfAttrValueColumn(std::string s) { m_strConfAttrValueColumn = std::move(s); }
    std::string GetConfAttrValue() const { return m_strConfAttrValue; }
    void SetConfAttrValue(std::string s) { m_strConfAttrValue = std::move(s); }
    std::string GetConfAttr2() const { return m_strConfAttr2; }
    void SetConfAttr2(std::string s) { m_strConfAttr2 = std::move(s); }
    std::string GetConfAttrValueColumn2() const { return m_strConfAttrValueColumn2; }
    void SetConfAttrValueColumn2(std::string s) { m_strConfAttrValueColumn2 = std::move(s); }
    std::string GetConfAttrValue2() const { return m_strConfAttrValue2; }
    void SetConfAttrValue2(std::string s) { m_strConfAttrValue2 = std::move(s); }
    std::string GetConfAttr3() const { return m_strConfAttr3; }
    void SetConfAttr3(std::string s) { m_strConfAttr3 = std::move(s); }
    std::string GetConfAttrValueColumn3() const { return m_strConfAttrValueColumn3; }
    void SetConfAttrValueColumn3(std::string s) { m_strConfAttrValueColumn3 = std::move(s); }
    std::string GetConfAttrValue3() const { return m_strConfAttrValue3; }
    void SetConfAttrValue3(std::string s) { m_strConfAttrValue3 = std::move(s); }
    std::string GetConfAutoItem() const { return m_strConfAutoItem; }
    void SetConfAutoItem(std::string s) { m_strConfAutoItem = std::move(s); }
    std::string GetConfValue() const { return m_strConfValue; }
    void SetConfValue(std::string s) { m_strConfValue = std::move(s); }

    // The sixteen Conf values in field order (itemId ... value).
    void SetEditConf(std::string strConfItemId, std::string strConfNameSpace, std::string strConfDataType,
                     std::string strConfMinOccur, std::string strConfMaxOccur, std::string strConfAttr,
                     std::string strConfAttrValueColumn, std::string strConfAttrValue, std::string strConfAttr2,
                     std::string strConfAttrValueColumn2, std::string strConfAttrValue2, std::string strConfAttr3,
                     std::string strConfAttrValueColumn3, std::string strConfAttrValue3,
                     std::string strConfAutoItem, std::string strConfValue);

    // Attribute settings by attribute number 1 to 3; any other number logs and
    // throws std::exception.
    std::string GetConfAttrFromTargetAtter(long n) const;
    std::string GetConfAttrValueColumnFromTargetAtter(long n) const;
    std::string GetConfAttrValueFromTargetAtter(long n) const;

    // The value CSV column n (1 to 6) gave the node; any other n logs and
    // throws std::exception.
    std::string GetValueFromCsvColumnNumber(long n) const;

    // Tree.
    void AddChild(CLCGIRContainer* pChild);                // null is logged and ignored
    void SetParent(CLCGIRContainer* pParent) { m_pParentContainer = pParent; }
    CLCGIRContainer* GetParent() const { return m_pParentContainer; }
    CLCGIRContainer* GetRoot();
    long GetChildCount() const { return static_cast<long>(m_vecChild.size()); }
    bool HasChild() const { return !m_vecChild.empty(); }
    // Null when there are no children; logs and answers null for a bad index.
    CLCGIRContainer* GetChild(long n) const;
    CLCGIRContainer* GetFirstChild() const { return GetChild(0); }
    // Borrowed pointers, in document order.
    std::vector<CLCGIRContainer*> GetChildList() const;
    CLCGIRContainer* GetNextSibling() const;
    CLCGIRContainer* GetPrevSibling() const;
    CLCGIRContainer* _getNextSibling(const CLCGIRContainer* pChild) const;
    CLCGIRContainer* _getPrevSibling(const CLCGIRContainer* pChild) const;
    long _getSelfChildIndex(const CLCGIRContainer* pChild) const;
    // Null child: logs and throws std::exception.
    void AddRelation_ParentChild(CLCGIRContainer* pChild);
    bool InsertContainerByIndex(long i, CLCGIRContainer* pChild);
    // False when this node has no parent or its parent does not list it.
    bool InsertPreviousSibling(CLCGIRContainer* pSibling);
    // Without a parent (or for a null sibling): logs and throws std::exception.
    void AddLastSibling(CLCGIRContainer* pSibling);
    // Empties the child list without destroying the children: the caller must
    // already hold them elsewhere.
    void ClearChildList();
    CLCGIRContainer* FindContainer(const std::string& strName) const;
    bool IsEqualElementName(const std::string& strName) const { return m_strElementName == strName; }

    // Dump of this node and its subtree (titles label - name - name ...).
    void DebugLog(const std::string& strLabel) const;
    // Appends one entry to $HOME/_OVK_GIRCONTAINER_yyyyMMdd.log; a file that
    // cannot be written is ignored.
    static void OutputDebugLog(const std::string& strTitle, const std::string& strText);

private:
    // The dump text of this node alone.
    std::string MakeDebugText() const;

    long m_lGLOBE_OECD_HierarchyNumber = -1;
    long m_lGLOBEBody_HierarchyNumber = -1;
    long m_lGLOBEBody_HierarchyBranchNumber = -1;
    long m_lCSV_LineNumber = -1;
    std::string m_strCSVFileName;
    std::string m_strElementName;
    std::string m_strElementValue;
    std::string m_strAttribute1Value;
    std::string m_strAttribute2Value;
    std::string m_strAttribute3Value;
    std::string m_strHierarchyNumber;
    std::string m_strConfItemId;
    std::string m_strConfNameSpace;
    std::string m_strConfDataType;
    std::string m_strConfMinOccur;
    std::string m_strConfMaxOccur;
    std::string m_strConfAttr;
    std::string m_strConfAttrValueColumn;
    std::string m_strConfAttrValue;
    std::string m_strConfAttr2;
    std::string m_strConfAttrValueColumn2;
    std::string m_strConfAttrValue2;
    std::string m_strConfAttr3;
    std::string m_strConfAttrValueColumn3;
    std::string m_strConfAttrValue3;
    std::string m_strConfAutoItem;
    std::string m_strConfValue;
    std::vector<std::unique_ptr<CLCGIRContainer>> m_vecChild;
    CLCGIRContainer* m_pParentContainer = nullptr;
    // Where this node last stood in its parent's child list: sibling steps are
    // constant time however many siblings there are. Only a hint; checked on use.
    size_t m_nIndexInParent = 0;
};
