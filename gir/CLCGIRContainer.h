#pragma once
#include "gir/CLCGIRNodePool.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The sixteen settings of one element of the edit definition, in field order.
struct CLCGIREditConf {
    enum Field {
        ItemId, NameSpace, DataType, MinOccur, MaxOccur, Attr, AttrValueColumn, AttrValue,
        Attr2, AttrValueColumn2, AttrValue2, Attr3, AttrValueColumn3, AttrValue3, AutoItem, Value,
        kFieldCount
    };
    std::array<std::string, kFieldCount> astrValue;
};

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

    static void* operator new(std::size_t nBytes) { return CLCGIRNodePool::NewNode(nBytes); }
    static void operator delete(void* p, std::size_t nBytes) noexcept { CLCGIRNodePool::DeleteNode(p, nBytes); }

    long GetGLOBE_OECD_HierarchyNumber() const { return m_lGLOBE_OECD_HierarchyNumber; }
    void SetGLOBE_OECD_HierarchyNumber(long l) { m_lGLOBE_OECD_HierarchyNumber = l; }
    long GetGLOBEBody_HierarchyNumber() const { return m_lGLOBEBody_HierarchyNumber; }
    void SetGLOBEBody_HierarchyNumber(long l) { m_lGLOBEBody_HierarchyNumber = l; }
    long GetGLOBEBody_HierarchyBranchNumber() const { return m_lGLOBEBody_HierarchyBranchNumber; }
    void SetGLOBEBody_HierarchyBranchNumber(long l) { m_lGLOBEBody_HierarchyBranchNumber = l; }
    long GetCSVLineNumber() const { return m_lCSV_LineNumber; }
    void SetCSVLineNumber(long l) { m_lCSV_LineNumber = l; }

    // The six CSV columns of a record (element name, value, three attributes,
    // hierarchy number), each copied once into place.
    void AssignColumns(std::string_view svName, std::string_view svValue, std::string_view svAttribute1,
                       std::string_view svAttribute2, std::string_view svAttribute3, std::string_view svHierarchy);

    // The file name is shared by every node made from one file (ShareCSVFileName).
    const std::string& GetCSVFileName() const { return m_pCSVFileName ? *m_pCSVFileName : EmptyText(); }
    void SetCSVFileName(std::string s);
    void ShareCSVFileName(const CLCGIRContainer& other) { m_pCSVFileName = other.m_pCSVFileName; }
    const std::string& GetElementName() const { return m_strElementName; }
    void SetElementName(std::string s) { m_strElementName = std::move(s); }
    const std::string& GetElementValue() const { return m_strElementValue; }
    void SetElementValue(std::string s) { m_strElementValue = std::move(s); }
    const std::string& GetAttribute1Value() const { return Attribute(0); }
    void SetAttribute1Value(std::string s) { SetAttribute(0, std::move(s)); }
    const std::string& GetAttribute2Value() const { return Attribute(1); }
    void SetAttribute2Value(std::string s) { SetAttribute(1, std::move(s)); }
    const std::string& GetAttribute3Value() const { return Attribute(2); }
    void SetAttribute3Value(std::string s) { SetAttribute(2, std::move(s)); }
    const std::string& GetHierarchyNumber() const { return m_strHierarchyNumber; }
    void SetHierarchyNumber(std::string s) { m_strHierarchyNumber = std::move(s); }

#define CLC_GIR_CONF_FIELD(Name)                                                                            \
    const std::string& GetConf##Name() const { return Conf(CLCGIREditConf::Name); }                         \
    void SetConf##Name(std::string s) { SetConf(CLCGIREditConf::Name, std::move(s)); }
    CLC_GIR_CONF_FIELD(ItemId)
    CLC_GIR_CONF_FIELD(NameSpace)
    CLC_GIR_CONF_FIELD(DataType)
    CLC_GIR_CONF_FIELD(MinOccur)
    CLC_GIR_CONF_FIELD(MaxOccur)
    CLC_GIR_CONF_FIELD(Attr)
    CLC_GIR_CONF_FIELD(AttrValueColumn)
    CLC_GIR_CONF_FIELD(AttrValue)
    CLC_GIR_CONF_FIELD(Attr2)
    CLC_GIR_CONF_FIELD(AttrValueColumn2)
    CLC_GIR_CONF_FIELD(AttrValue2)
    CLC_GIR_CONF_FIELD(Attr3)
    CLC_GIR_CONF_FIELD(AttrValueColumn3)
    CLC_GIR_CONF_FIELD(AttrValue3)
    CLC_GIR_CONF_FIELD(AutoItem)
    CLC_GIR_CONF_FIELD(Value)
#undef CLC_GIR_CONF_FIELD

    // The sixteen Conf values in field order (itemId ... value).
    void SetEditConf(std::string strConfItemId, std::string strConfNameSpace, std::string strConfDataType,
                     std::string strConfMinOccur, std::string strConfMaxOccur, std::string strConfAttr,
                     std::string strConfAttrValueColumn, std::string strConfAttrValue, std::string strConfAttr2,
                     std::string strConfAttrValueColumn2, std::string strConfAttrValue2, std::string strConfAttr3,
                     std::string strConfAttrValueColumn3, std::string strConfAttrValue3,
                     std::string strConfAutoItem, std::string strConfValue);
    // The settings object of an element, shared with every other node of it.
    void SetEditConf(std::shared_ptr<const CLCGIREditConf> pConf) { m_pConf = std::move(pConf); }
    const std::shared_ptr<const CLCGIREditConf>& GetEditConf() const { return m_pConf; }

    // Attribute settings by attribute number 1 to 3; any other number logs and
    // throws std::exception.
    const std::string& GetConfAttrFromTargetAtter(long n) const;
    const std::string& GetConfAttrValueColumnFromTargetAtter(long n) const;
    const std::string& GetConfAttrValueFromTargetAtter(long n) const;

    // The value CSV column n (1 to 6) gave the node; any other n logs and
    // throws std::exception.
    const std::string& GetValueFromCsvColumnNumber(long n) const;

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
    // This node's place in its parent's list, in constant time; -1 without
    // a parent or when the parent does not list it.
    long GetSelfIndex() const;
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

    static const std::string& EmptyText();
    const std::string& Conf(CLCGIREditConf::Field eField) const
    {
        return m_pConf ? m_pConf->astrValue[eField] : EmptyText();
    }
    // Copies the shared settings before changing one of them.
    void SetConf(CLCGIREditConf::Field eField, std::string strValue);
    const std::string& Attribute(size_t n) const { return m_pAttributes ? (*m_pAttributes)[n] : EmptyText(); }
    void SetAttribute(size_t n, std::string strValue);

    // What every walk over the tree reads comes first, so that a step from
    // node to node touches as few cache lines as it can.
    std::shared_ptr<const CLCGIREditConf> m_pConf;
    std::vector<std::unique_ptr<CLCGIRContainer>> m_vecChild;
    CLCGIRContainer* m_pParentContainer = nullptr;
    // This node's place in its parent's list, kept by every change of the
    // list: sibling steps over a parent with many children stay constant-time.
    size_t m_nIndexHint = 0;
    std::string m_strElementName;
    long m_lGLOBE_OECD_HierarchyNumber = -1;
    long m_lGLOBEBody_HierarchyNumber = -1;
    long m_lGLOBEBody_HierarchyBranchNumber = -1;
    long m_lCSV_LineNumber = -1;
    // A node is kept for every CSV record: what is the same for many nodes is
    // shared, and the three attribute values (mostly empty) take room only when set.
    std::shared_ptr<const std::string> m_pCSVFileName;
    std::string m_strElementValue;
    std::unique_ptr<std::array<std::string, 3>> m_pAttributes;
    std::string m_strHierarchyNumber;
};
