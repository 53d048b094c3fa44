#include "gir/CLCGIRContainer.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

CLCGIRContainer::CLCGIRContainer() = default;

CLCGIRContainer::CLCGIRContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                                 long lGLOBEBody_HierarchyBranchNumber, long lCSV_LineNumber,
                                 std::string strCSVFileName, std::string strElementName,
                                 std::string strElementValue, std::string strAttribute1Value,
                                 std::string strAttribute2Value, std::string strAttribute3Value,
                                 std::string strHierarchyNumber)
    : m_strElementName(std::move(strElementName)),
      m_lGLOBE_OECD_HierarchyNumber(lGLOBE_OECD_HierarchyNumber),
      m_lGLOBEBody_HierarchyNumber(lGLOBEBody_HierarchyNumber),
      m_lGLOBEBody_HierarchyBranchNumber(lGLOBEBody_HierarchyBranchNumber),
      m_lCSV_LineNumber(lCSV_LineNumber),
      m_strElementValue(std::move(strElementValue)),
      m_strHierarchyNumber(std::move(strHierarchyNumber))
{
    SetCSVFileName(std::move(strCSVFileName));
    SetAttribute(0, std::move(strAttribute1Value));
    SetAttribute(1, std::move(strAttribute2Value));
    SetAttribute(2, std::move(strAttribute3Value));
}

CLCGIRContainer::CLCGIRContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                                 long lGLOBEBody_HierarchyBranchNumber, long lCSV_LineNumber,
                                 std::string strCSVFileName, std::string strElementName,
                                 std::string strElementValue, std::string strAttribute1Value,
                                 std::string strAttribute2Value, std::string strAttribute3Value,
                                 std::string strHierarchyNumber, std::string strConfItemId,
                                 std::string strConfNameSpace, std::string strConfDataType,
                                 std::string strConfMinOccur, std::string strConfMaxOccur,
                                 std::string strConfAttr, std::string strConfAttrValueColumn,
                                 std::string strConfAttrValue, std::string strConfAttr2,
                                 std::string strConfAttrValueColumn2, std::string strConfAttrValue2,
                                 std::string strConfAttr3, std::string strConfAttrValueColumn3,
                                 std::string strConfAttrValue3, std::string strConfAutoItem,
                                 std::string strConfValue)
    : CLCGIRContainer(lGLOBE_OECD_HierarchyNumber, lGLOBEBody_HierarchyNumber,
                      lGLOBEBody_HierarchyBranchNumber, lCSV_LineNumber, std::move(strCSVFileName),
                      std::move(strElementName), std::move(strElementValue), std::move(strAttribute1Value),
                      std::move(strAttribute2Value), std::move(strAttribute3Value),
                      std::move(strHierarchyNumber))
{
    SetEditConf(std::move(strConfItemId), std::move(strConfNameSpace), std::move(strConfDataType),
                std::move(strConfMinOccur), std::move(strConfMaxOccur), std::move(strConfAttr),
                std::move(strConfAttrValueColumn), std::move(strConfAttrValue), std::move(strConfAttr2),
                std::move(strConfAttrValueColumn2), std::move(strConfAttrValue2), std::move(strConfAttr3),
                std::move(strConfAttrValueColumn3), std::move(strConfAttrValue3),
                std::move(strConfAutoItem), std::move(strConfValue));
}

CLCGIRContainer::~CLCGIRContainer() = default;

void CLCGIRContainer::AssignColumns(std::string_view svName, std::string_view svValue, std::string_view svAttribute1,
                                    std::string_view svAttribute2, std::string_view svAttribute3,
                                    std::string_view svHierarchy)
{
    m_strElementName.assign(svName);
    m_strElementValue.assign(svValue);
    m_strHierarchyNumber.assign(svHierarchy);
    if (svAttribute1.empty() && svAttribute2.empty() && svAttribute3.empty()) {
        m_pAttributes.reset();
        return;
    }
    if (!m_pAttributes)
        m_pAttributes = std::make_unique<std::array<std::string, 3>>();
    (*m_pAttributes)[0].assign(svAttribute1);
    (*m_pAttributes)[1].assign(svAttribute2);
    (*m_pAttributes)[2].assign(svAttribute3);
}

void CLCGIRContainer::SetEditConf(std::string strConfItemId, std::string strConfNameSpace,
                                  std::string strConfDataType, std::string strConfMinOccur,
                                  std::string strConfMaxOccur, std::string strConfAttr,
                                  std::string strConfAttrValueColumn, std::string strConfAttrValue,
                                  std::string strConfAttr2, std::string strConfAttrValueColumn2,
                                  std::string strConfAttrValue2, std::string strConfAttr3,
                                  std::string strConfAttrValueColumn3, std::string strConfAttrValue3,
                                  std::string strConfAutoItem, std::string strConfValue)
{
    auto pConf = std::make_shared<CLCGIREditConf>();
    pConf->astrValue = {std::move(strConfItemId),    std::move(strConfNameSpace),  std::move(strConfDataType),
                        std::move(strConfMinOccur),  std::move(strConfMaxOccur),   std::move(strConfAttr),
                        std::move(strConfAttrValueColumn), std::move(strConfAttrValue), std::move(strConfAttr2),
                        std::move(strConfAttrValueColumn2), std::move(strConfAttrValue2), std::move(strConfAttr3),
                        std::move(strConfAttrValueColumn3), std::move(strConfAttrValue3), std::move(strConfAutoItem),
                        std::move(strConfValue)};
    m_pConf = std::move(pConf);
}

const std::string& CLCGIRContainer::EmptyText()
{
    static const std::string strEmpty;
    return strEmpty;
}

void CLCGIRContainer::SetCSVFileName(std::string s)
{
    if (s.empty())
        m_pCSVFileName.reset();
    else
        m_pCSVFileName = std::make_shared<const std::string>(std::move(s));
}

void CLCGIRContainer::SetConf(CLCGIREditConf::Field eField, std::string strValue)
{
    auto pConf = m_pConf ? std::make_shared<CLCGIREditConf>(*m_pConf) : std::make_shared<CLCGIREditConf>();
    pConf->astrValue[eField] = std::move(strValue);
    m_pConf = std::move(pConf);
}

void CLCGIRContainer::SetAttribute(size_t n, std::string strValue)
{
    if (!m_pAttributes) {
        if (strValue.empty())
            return;
        m_pAttributes = std::make_unique<std::array<std::string, 3>>();
    }
    (*m_pAttributes)[n] = std::move(strValue);
}

namespace {
[[noreturn]] void ThrowBadAttrNumber(const char* szFunction)
{
    CLC_LOG(szFunction, "取得対象に想定外の値が指定されました。");
    throw std::runtime_error("attribute number out of range");
}
} // namespace

const std::string& CLCGIRContainer::GetConfAttrFromTargetAtter(long n) const
{
    switch (n) {
    case 1: return GetConfAttr();
    case 2: return GetConfAttr2();
    case 3: return GetConfAttr3();
    default: ThrowBadAttrNumber("CLCGIRContainer::GetConfAttrFromTargetAtter");
    }
}

const std::string& CLCGIRContainer::GetConfAttrValueColumnFromTargetAtter(long n) const
{
    switch (n) {
    case 1: return GetConfAttrValueColumn();
    case 2: return GetConfAttrValueColumn2();
    case 3: return GetConfAttrValueColumn3();
    default: ThrowBadAttrNumber("CLCGIRContainer::GetConfAttrValueColumnFromTargetAtter");
    }
}

const std::string& CLCGIRContainer::GetConfAttrValueFromTargetAtter(long n) const
{
    switch (n) {
    case 1: return GetConfAttrValue();
    case 2: return GetConfAttrValue2();
    case 3: return GetConfAttrValue3();
    default: ThrowBadAttrNumber("CLCGIRContainer::GetConfAttrValueFromTargetAtter");
    }
}

const std::string& CLCGIRContainer::GetValueFromCsvColumnNumber(long n) const
{
    switch (n) {
    case 1: return m_strElementName;
    case 2: return m_strElementValue;
    case 3: return Attribute(0);
    case 4: return Attribute(1);
    case 5: return Attribute(2);
    case 6: return m_strHierarchyNumber;
    default:
        CLC_LOG("CLCGIRContainer::GetValueFromCsvColumnNumber", "カラム番号に想定外の値が指定されました。");
        throw std::runtime_error("CSV column number out of range");
    }
}

void CLCGIRContainer::AddChild(CLCGIRContainer* pChild)
{
    if (pChild == nullptr) {
        CLC_LOG("CLCGIRContainer::AddChild", "無効な子コンテナが指定されました。");
        return;
    }
    m_vecChild.emplace_back(pChild);
    pChild->m_pParentContainer = this;
    pChild->m_nIndexHint = m_vecChild.size() - 1;
}

CLCGIRContainer* CLCGIRContainer::GetRoot()
{
    CLCGIRContainer* pNode = this;
    while (pNode->m_pParentContainer != nullptr)
        pNode = pNode->m_pParentContainer;
    return pNode;
}

CLCGIRContainer* CLCGIRContainer::GetChild(long n) const
{
    if (m_vecChild.empty())
        return nullptr;
    if (n < 0 || n >= GetChildCount()) {
        CLC_LOG("CLCGIRContainer::GetChild", "無効なインデックスが指定されました。");
        return nullptr;
    }
    return m_vecChild[static_cast<size_t>(n)].get();
}

std::vector<CLCGIRContainer*> CLCGIRContainer::GetChildList() const
{
    std::vector<CLCGIRContainer*> vecChildren;
    vecChildren.reserve(m_vecChild.size());
    for (const auto& pChild : m_vecChild)
        vecChildren.push_back(pChild.get());
    return vecChildren;
}

long CLCGIRContainer::GetSelfIndex() const
{
    return m_pParentContainer != nullptr ? m_pParentContainer->_getSelfChildIndex(this) : -1;
}

CLCGIRContainer* CLCGIRContainer::GetNextSibling() const
{
    if (m_pParentContainer == nullptr)
        return nullptr;
    return m_pParentContainer->_getNextSibling(this);
}

CLCGIRContainer* CLCGIRContainer::GetPrevSibling() const
{
    if (m_pParentContainer == nullptr)
        return nullptr;
    return m_pParentContainer->_getPrevSibling(this);
}

CLCGIRContainer* CLCGIRContainer::_getNextSibling(const CLCGIRContainer* pChild) const
{
    long lIndex = _getSelfChildIndex(pChild);
    if (lIndex < 0 || lIndex + 1 >= GetChildCount())
        return nullptr;
    return m_vecChild[static_cast<size_t>(lIndex + 1)].get();
}

CLCGIRContainer* CLCGIRContainer::_getPrevSibling(const CLCGIRContainer* pChild) const
{
    long lIndex = _getSelfChildIndex(pChild);
    if (lIndex <= 0)
        return nullptr;
    return m_vecChild[static_cast<size_t>(lIndex - 1)].get();
}

long CLCGIRContainer::_getSelfChildIndex(const CLCGIRContainer* pChild) const
{
    // Every change of the list keeps each child's hint at its place, so the
    // hint is the answer; a node that is not listed here fails the comparison.
    if (pChild == nullptr)
        return -1;
    const size_t nHint = pChild->m_nIndexHint;
    if (nHint < m_vecChild.size() && m_vecChild[nHint].get() == pChild)
        return static_cast<long>(nHint);
    return -1;
}

void CLCGIRContainer::AddRelation_ParentChild(CLCGIRContainer* pChild)
{
    if (pChild == nullptr) {
        CLC_LOG("CLCGIRContainer::AddRelation_ParentChild", "無効な子コンテナが指定されました。");
        throw std::runtime_error("null child container");
    }
    AddChild(pChild);
}

bool CLCGIRContainer::InsertContainerByIndex(long i, CLCGIRContainer* pChild)
{
    if (i < 0 || pChild == nullptr || i > GetChildCount())
        return false;
    m_vecChild.emplace(m_vecChild.begin() + i, pChild);
    pChild->m_pParentContainer = this;
    // The move of the later children costs as much as renumbering them.
    for (size_t n = static_cast<size_t>(i); n < m_vecChild.size(); ++n)
        m_vecChild[n]->m_nIndexHint = n;
    return true;
}

bool CLCGIRContainer::InsertPreviousSibling(CLCGIRContainer* pSibling)
{
    if (m_pParentContainer == nullptr)
        return false;
    long lIndex = GetSelfIndex();
    if (lIndex < 0)
        return false;
    return m_pParentContainer->InsertContainerByIndex(lIndex, pSibling);
}

void CLCGIRContainer::AddLastSibling(CLCGIRContainer* pSibling)
{
    if (m_pParentContainer == nullptr || pSibling == nullptr) {
        CLC_LOG("CLCGIRContainer::AddLastSibling", "無効な子コンテナが指定されました。");
        throw std::runtime_error("sibling without a parent");
    }
    m_pParentContainer->AddChild(pSibling);
}

void CLCGIRContainer::ClearChildList()
{
    // The children are owned elsewhere at this point (the flat list); give them up.
    for (auto& pChild : m_vecChild)
        pChild.release();
    m_vecChild.clear();
}

CLCGIRContainer* CLCGIRContainer::FindContainer(const std::string& strName) const
{
    for (const auto& pChild : m_vecChild) {
        if (pChild->m_strElementName == strName)
            return pChild.get();
    }
    return nullptr;
}

std::string CLCGIRContainer::MakeDebugText() const
{
    std::string strText = "[CLCGIRContainer]\n";
    auto number = [&strText](const char* szPicture, long lValue) {
        strText += szPicture;
        strText += std::to_string(lValue);
        strText += '\n';
    };
    auto text = [&strText](const char* szPicture, const std::string& strValue) {
        strText += szPicture;
        strText += strValue;
        strText += '\n';
    };
    number(" 階層番号（GLOBE_OECD配下）（m_lGLOBE_OECD_HierarchyNumber）：", m_lGLOBE_OECD_HierarchyNumber);
    number(" 階層番号（GLOBEBody配下）（m_lGLOBEBody_HierarchyNumber）：", m_lGLOBEBody_HierarchyNumber);
    number(" 階層枝番（GLOBEBody配下）（m_lGLOBEBody_HierarchyBranchNumber）：", m_lGLOBEBody_HierarchyBranchNumber);
    number(" CSV行番号（m_lCSV_LineNumber）：", m_lCSV_LineNumber);
    text(" CSVファイル名（m_strCSVFileName）：", GetCSVFileName());
    text(" 要素名（m_strElementName）：", m_strElementName);
    text(" 要素値（m_strElementValue）：", m_strElementValue);
    text(" 属性値１（m_strAttribute1Value）：", Attribute(0));
    text(" 属性値２（m_strAttribute2Value）：", Attribute(1));
    text(" 属性値３（m_strAttribute3Value）：", Attribute(2));
    text(" 階層番号（m_strHierarchyNumber）：", m_strHierarchyNumber);
    text(" 定義体 itemId値 （項目ID)（m_strConfItemId）：", GetConfItemId());
    text(" 定義体 nameSpace値 （名前空間接頭辞）（m_strConfNameSpace）：", GetConfNameSpace());
    text(" 定義体 dataType値（データ型）（m_strConfDataType）：", GetConfDataType());
    text(" 定義体 minOccur値（最小出現回数）（m_strConfMinOccur）：", GetConfMinOccur());
    text(" 定義体 maxOccur値（最大出現回数）（m_strConfMaxOccur）：", GetConfMaxOccur());
    text(" 定義体 attr属性値（付加属性）（m_strConfAttr）：", GetConfAttr());
    text(" 定義体 attrValueColumn属性値（付加属性値設定カラム番号）（m_strConfAttrValueColumn）：", GetConfAttrValueColumn());
    text(" 定義体 attrValue属性値 （付加属性値）（m_strConfAttrValue）：", GetConfAttrValue());
    text(" 定義体 attr2属性値（付加属性）（m_strConfAttr2）：", GetConfAttr2());
    text(" 定義体 attrValueColumn2属性値（付加属性値設定カラム番号）（m_strConfAttrValueColumn2）：", GetConfAttrValueColumn2());
    text(" 定義体 attrValue2属性値 （付加属性値）（m_strConfAttrValue2）：", GetConfAttrValue2());
    text(" 定義体 attr3属性値（付加属性）（m_strConfAttr3）：", GetConfAttr3());
    text(" 定義体 attrValueColumn3属性値（付加属性値設定カラム番号）（m_strConfAttrValueColumn3）：", GetConfAttrValueColumn3());
    text(" 定義体 attrValue3属性値 （付加属性値）（m_strConfAttrValue3）：", GetConfAttrValue3());
    text(" 定義体 autoItem属性値（自動生成要素フラグ）（m_strConfAutoItem）：", GetConfAutoItem());
    text(" 定義体 value属性値 （要素値）（m_strConfValue）：", GetConfValue());
    number(" 子要素リストの要素数（m_vecChild）：", GetChildCount());
    text(" 親コンテナのポインタ（m_pParentContainer）：", m_pParentContainer != nullptr ? "設定済" : "未設定");
    return strText;
}

void CLCGIRContainer::DebugLog(const std::string& strLabel) const
{
    // Iterative pre-order walk: a deep tree from a malformed folder must not
    // exhaust the stack.
    std::vector<std::pair<const CLCGIRContainer*, std::string>> vecStack;
    vecStack.emplace_back(this, strLabel);
    while (!vecStack.empty()) {
        auto [pNode, strParentTitle] = std::move(vecStack.back());
        vecStack.pop_back();
        std::string strTitle = strParentTitle + " - " + pNode->m_strElementName;
        OutputDebugLog(strTitle, pNode->MakeDebugText());
        for (auto it = pNode->m_vecChild.rbegin(); it != pNode->m_vecChild.rend(); ++it)
            vecStack.emplace_back(it->get(), strTitle);
    }
}

void CLCGIRContainer::OutputDebugLog(const std::string& strTitle, const std::string& strText)
{
    try {
        std::string strDate;
        std::string strTime;
        CLCCbCCommon::NowParts("yyyyMMdd", "HH:mm:ss", strDate, strTime);
        const std::string strFolder = CLCDebugDump::LogFolder();
        if (strFolder.empty())
            return;
        std::filesystem::path path = std::filesystem::u8path(strFolder) /
                                     std::filesystem::u8path("_OVK_GIRCONTAINER_" + strDate + ".log");
        std::ofstream file(path, std::ios::binary | std::ios::app);
        if (!file)
            return;
        file << "-----出力開始 OUTPUT_STYLE[" << strTitle << "] " << strTime << "-----\n\n"
             << strText << "-----\n";
    } catch (...) {
        // A dump that cannot be written is not worth failing the run for.
    }
}
