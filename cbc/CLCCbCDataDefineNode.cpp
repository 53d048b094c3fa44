#include "cbc/CLCCbCDataDefineNode.h"
#include "cbc/CLCCbCAppendixTable.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCDataDefBango.h"
#include "cbc/CLCCbCDataDefKubun.h"
#include "cbc/CLCCbCDataDefNormal.h"
#include "cbc/CLCCbCDataDefSplit.h"
#include "cbc/CLCCbCDataDefTimeStamp.h"
#include "cbc/CLCCbCValidItem.h"
#include "cbc/CLCCbCValidator.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include <climits>
#include <new>

namespace {

constexpr const char* kUnexpected = "想定しないエラーが発生しました。";
constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

// A decimal attribute (atol-like), clamped to long.
long DecimalAttribute(const std::string& strText)
{
    const long long llValue = CLCCbCValidItem::DecimalValue(strText.c_str());
    if (llValue > LONG_MAX)
        return LONG_MAX;
    if (llValue < LONG_MIN)
        return LONG_MIN;
    return static_cast<long>(llValue);
}

// "column" and "attrValueColumn" are 1-based in the file; -1 means none.
long ZeroBasedColumn(const std::string& strText)
{
    const long lValue = DecimalAttribute(strText);
    return lValue > 0 ? lValue - 1 : -1;
}

std::string Escaped(const char* szValue)
{
    std::string strOut;
    CLCCbCCommon::ConvEntityRefs(szValue, static_cast<unsigned long>(std::char_traits<char>::length(szValue)), strOut);
    return strOut;
}

// Appendix kinds, then CbC kinds; keywords are compared exactly.
std::unique_ptr<CLCCbCDataDefineNode> NewAppendixNode(const std::string& strType)
{
    if (strType == "Normal")
        return std::make_unique<CLCCbCDataDefNormal>();
    if (strType == "Kubun")
        return std::make_unique<CLCCbCDataDefKubun>();
    if (strType == "Bango")
        return std::make_unique<CLCCbCDataDefBango>();
    return nullptr;
}

std::unique_ptr<CLCCbCDataDefineNode> NewReportNode(const std::string& strType)
{
    if (strType == "Normal")
        return std::make_unique<CLCCbCDataDefNormal>();
    if (strType == "Timestamp")
        return std::make_unique<CLCCbCDataDefTimeStamp>();
    if (strType == "Split")
        return std::make_unique<CLCCbCDataDefSplit>();
    return nullptr;
}

} // namespace

CLCCbCDataDefineNode::CLCCbCDataDefineNode() = default;
CLCCbCDataDefineNode::~CLCCbCDataDefineNode() = default;

std::string CLCCbCDataDefineNode::Concat(std::initializer_list<std::string_view> parts)
{
    size_t nSize = 0;
    for (std::string_view part : parts)
        nSize += part.size();
    std::string strText;
    strText.reserve(nSize);
    for (std::string_view part : parts)
        strText.append(part.data(), part.size());
    return strText;
}

void CLCCbCDataDefineNode::RecordUnexpected(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpected);
    CLCValidResult::instance()->SetFatalError();
}

std::string CLCCbCDataDefineNode::FailWrite(const char* szFunction, bool* pOk)
{
    RecordUnexpected(szFunction);
    if (pOk != nullptr)
        *pOk = false;
    return std::string();
}

std::unique_ptr<CLCCbCDataDefineNode> CLCCbCDataDefineNode::CreateNode(CLCXDom* pDom, bool bValidate)
{
    try {
        if (pDom == nullptr) {
            RecordUnexpected("CLCCbCDataDefineNode::CreateNode");
            return nullptr;
        }
        std::unique_ptr<CLCCbCDataDefineNode> pNode = NewAppendixNode(pDom->GetAttribute("type"));
        if (!pNode) {
            RecordUnexpected("CLCCbCDataDefineNode::CreateNode");
            return nullptr;
        }
        if (!pNode->Initialize(pDom, bValidate))
            return nullptr;
        return pNode;
    } catch (const std::bad_alloc&) {
        CLC_LOG("CLCCbCDataDefineNode::CreateNode", kNewFailed);
    } catch (...) {
        CLC_LOG("CLCCbCDataDefineNode::CreateNode", kUnexpected);
    }
    CLCValidResult::instance()->SetFatalError();
    return nullptr;
}

std::unique_ptr<CLCCbCDataDefineNode> CLCCbCDataDefineNode::CreateNode2(CLCXDom* pDom,
                                                                        CLCCbCCsvCbCReport* pCsvReport,
                                                                        bool bValidate)
{
    try {
        if (pDom == nullptr) {
            RecordUnexpected("CLCCbCDataDefineNode::CreateNode2");
            return nullptr;
        }
        std::unique_ptr<CLCCbCDataDefineNode> pNode = NewReportNode(pDom->GetAttribute("type"));
        if (!pNode) {
            RecordUnexpected("CLCCbCDataDefineNode::CreateNode2");
            return nullptr;
        }
        if (!pNode->Initialize2(pDom, pCsvReport, bValidate))
            return nullptr;
        return pNode;
    } catch (const std::bad_alloc&) {
        CLC_LOG("CLCCbCDataDefineNode::CreateNode2", kNewFailed);
    } catch (...) {
        CLC_LOG("CLCCbCDataDefineNode::CreateNode2", kUnexpected);
    }
    CLCValidResult::instance()->SetFatalError();
    return nullptr;
}

bool CLCCbCDataDefineNode::ReadRules(CLCXDom* pDom, bool bValidate)
{
    if (!bValidate || !pDom->HasChild())
        return true;
    m_pValidator = std::make_unique<CLCCbCValidator>();
    return m_pValidator->Initialize(m_lColumn, pDom);
}

bool CLCCbCDataDefineNode::Initialize(CLCXDom* pDom, bool bValidate)
{
    try {
        if (pDom == nullptr) {
            RecordUnexpected("CLCCbCDataDefineNode::Initialize");
            return false;
        }
        m_strId = pDom->GetAttribute("id");
        m_strParent = pDom->GetAttribute("parent");
        m_lRepeat = DecimalAttribute(pDom->GetAttribute("repeat"));
        m_lColumn = ZeroBasedColumn(pDom->GetAttribute("column"));
        return ReadRules(pDom, bValidate);
    } catch (...) {
        RecordUnexpected("CLCCbCDataDefineNode::Initialize");
        return false;
    }
}

bool CLCCbCDataDefineNode::Initialize2(CLCXDom* pDom, CLCCbCCsvCbCReport* pCsvReport, bool bValidate)
{
    try {
        if (pDom == nullptr) {
            RecordUnexpected("CLCCbCDataDefineNode::Initialize2");
            return false;
        }
        m_pCsvReport = pCsvReport;
        m_strId = pDom->GetAttribute("id");
        m_strParent = pDom->GetAttribute("parent");
        m_strValue = pDom->GetAttribute("value");
        m_strAttr = pDom->GetAttribute("attr");
        m_strAttrValue = pDom->GetAttribute("attrValue");
        m_strRequiredChild = pDom->GetAttribute("requiredChild");
        m_strAttrValueRec = pDom->GetAttribute("attrValueRec");
        m_strNameSpace = pDom->GetAttribute("nameSpace");
        m_strEmptyTag = pDom->GetAttribute("emptyTag");
        const std::string strAttrValueColumn = pDom->GetAttribute("attrValueColumn");
        if (!strAttrValueColumn.empty())
            m_lAttrValueColumn = DecimalAttribute(strAttrValueColumn) - 1;
        m_lColumn = ZeroBasedColumn(pDom->GetAttribute("column"));
        return ReadRules(pDom, bValidate);
    } catch (...) {
        RecordUnexpected("CLCCbCDataDefineNode::Initialize2");
        return false;
    }
}

unsigned CLCCbCDataDefineNode::ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord)
{
    try {
        if (m_pValidator) {
            const CLCCbCMessage_t result = m_pValidator->ValidateCsv(pCsv, lRecord, -1);
            if (result != CBC_MSG_NONE)
                return result;
        }
        unsigned uLast = 0;
        for (const auto& pChild : m_vChildren) {
            const unsigned uResult = pChild->ValidateCsv(pCsv, lRecord);
            if (uResult == HE60000E)
                return HE60000E;
            if (uResult != 0)
                uLast = uResult;
        }
        return uLast;
    } catch (...) {
        RecordUnexpected("CLCCbCDataDefineNode::ValidateCsv");
        return HE60000E;
    }
}

std::string CLCCbCDataDefineNode::WriteNode(CLCCbCAppendixTable* /*pSection*/, long /*lRecord*/, bool* /*pOk*/,
                                            Pattern /*pPattern*/)
{
    return std::string();
}

void CLCCbCDataDefineNode::ResetCounter() {}

std::string CLCCbCDataDefineNode::WriteNode2(CLCCbCCbCReport* /*pSection*/, long /*lRecord*/, bool* /*pOk*/)
{
    return std::string();
}

bool CLCCbCDataDefineNode::LocateNodeForValidate(std::unique_ptr<CLCCbCDataDefineNode>& pNode)
{
    if (!pNode)
        return false;
    m_vChildren.push_back(std::move(pNode));
    return true;
}

bool CLCCbCDataDefineNode::LocateNodeForMake(std::unique_ptr<CLCCbCDataDefineNode>& pNode, bool bFound)
{
    if (!pNode)
        return false;
    if (pNode->m_strParent == m_strId) {
        m_vChildren.push_back(std::move(pNode));
        return true;
    }
    // The latest subtree first, so that a repeated id means the one placed last.
    for (auto it = m_vChildren.rbegin(); it != m_vChildren.rend(); ++it) {
        if ((*it)->LocateNodeForMake(pNode, bFound))
            return true;
    }
    return false;
}

std::string CLCCbCDataDefineNode::MakeNodeValue(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk)
{
    if (m_lColumn < 0)
        return std::string();
    const char* szValue = pSection->GetColumnValue(lRecord, m_lColumn);
    if (szValue == nullptr) {
        *pOk = false;
        return std::string();
    }
    return Escaped(szValue);
}

std::string CLCCbCDataDefineNode::MakeNodeValue2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    if (m_lColumn < 0)
        return m_strValue;
    const char* szValue = pSection->GetColumnValue(lRecord, m_lColumn);
    if (szValue == nullptr) {
        *pOk = false;
        return std::string();
    }
    return Escaped(szValue);
}

std::string CLCCbCDataDefineNode::WriteChildren(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                                Pattern pPattern)
{
    std::string strText;
    for (const auto& pChild : m_vChildren) {
        strText += pChild->WriteNode(pSection, lRecord, pOk, pPattern);
        if (!*pOk)
            return std::string();
    }
    return strText;
}

std::string CLCCbCDataDefineNode::WriteChildren2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    std::string strText;
    for (const auto& pChild : m_vChildren) {
        strText += pChild->WriteNode2(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
    }
    return strText;
}

std::string CLCCbCDataDefineNode::WriteAppendixElement(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                                       Pattern pPattern, std::string_view svInner,
                                                       const char* szFixedValue)
{
    const std::string strChildren = WriteChildren(pSection, lRecord, pOk, pPattern);
    if (!*pOk)
        return std::string();
    const std::string strValue =
        szFixedValue != nullptr ? std::string(szFixedValue) : MakeNodeValue(pSection, lRecord, pOk);
    if (!*pOk)
        return std::string();
    if (strValue.empty() && strChildren.empty())
        return std::string();
    if (svInner.empty())
        return Concat({"<", m_strId, ">", strValue, strChildren, "</", m_strId, ">"});
    return Concat({"<", m_strId, "><", svInner, ">", strValue, strChildren, "</", svInner, "></", m_strId, ">"});
}
