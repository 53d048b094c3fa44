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
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include <algorithm>
#include <climits>
#include <new>

namespace {

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

// Bytes XML 1.0 refuses in a document, as they can stand in UTF-8 text: the
// control characters other than TAB, LF and CR, and U+FFFE and U+FFFF
// (EF BF BE, EF BF BF). NUL never reaches a value: the CSV reader refuses it.
bool IsRefusedAt(const unsigned char* p, const unsigned char* pEnd)
{
    const unsigned char c = *p;
    if (c < 0x20)
        return c != '\t' && c != '\n' && c != '\r';
    return c == 0xEF && pEnd - p >= 3 && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF);
}

bool HoldsRefused(const char* szValue, size_t nLength)
{
    const auto* p = reinterpret_cast<const unsigned char*>(szValue);
    const unsigned char* pEnd = p + nLength;
    for (; p != pEnd; ++p) {
        if ((*p < 0x20 || *p == 0xEF) && IsRefusedAt(p, pEnd))
            return true;
    }
    return false;
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
    CLC_LOG(szFunction, kUnexpectedError);
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
        CLC_LOG("CLCCbCDataDefineNode::CreateNode", kUnexpectedError);
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
        CLC_LOG("CLCCbCDataDefineNode::CreateNode2", kUnexpectedError);
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

std::string CLCCbCDataDefineNode::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                            Pattern pPattern)
{
    std::string strText;
    AppendNode(pSection, lRecord, pOk, pPattern, strText);
    return strText;
}

void CLCCbCDataDefineNode::ResetCounter() {}

std::string CLCCbCDataDefineNode::WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    std::string strText;
    AppendNode2(pSection, lRecord, pOk, strText);
    return strText;
}

void CLCCbCDataDefineNode::AppendNode(CLCCbCAppendixTable* /*pSection*/, long /*lRecord*/, bool* /*pOk*/,
                                      Pattern /*pPattern*/, std::string& /*strOut*/)
{
}

void CLCCbCDataDefineNode::AppendNode2(CLCCbCCbCReport* /*pSection*/, long /*lRecord*/, bool* /*pOk*/,
                                       std::string& /*strOut*/)
{
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

bool CLCCbCDataDefineNode::AppendValue(const char* szValue, long long llLine, long lColumn, bool* pOk,
                                       std::string& strOut)
{
    const size_t nLength = std::char_traits<char>::length(szValue);
    if (HoldsRefused(szValue, nLength)) {
        CLCValidResult::instance()->SetResult(HE60011E, static_cast<long>(llLine), lColumn + 1, -1);
        *pOk = false;
        return false;
    }
    CLCCbCCommon::ConvEntityRefs(szValue, static_cast<unsigned long>(nLength), strOut);
    return true;
}

bool CLCCbCDataDefineNode::MakeNodeValue(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                         std::string& strOut)
{
    if (m_lColumn < 0)
        return true;
    const char* szValue = pSection->GetColumnValue(lRecord, m_lColumn);
    if (szValue == nullptr) {
        *pOk = false;
        return false;
    }
    return AppendValue(szValue, pSection->GetLineNo(lRecord), m_lColumn, pOk, strOut);
}

bool CLCCbCDataDefineNode::MakeNodeValue2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk,
                                          std::string& strOut)
{
    if (m_lColumn < 0) {
        strOut += m_strValue;
        return true;
    }
    const char* szValue = pSection->GetColumnValue(lRecord, m_lColumn);
    if (szValue == nullptr) {
        *pOk = false;
        return false;
    }
    return AppendValue(szValue, pSection->GetLineNo(lRecord), m_lColumn, pOk, strOut);
}

void CLCCbCDataDefineNode::WriteChildren(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                         Pattern pPattern, std::string& strOut)
{
    const size_t nMark = strOut.size();
    for (const auto& pChild : m_vChildren) {
        pChild->AppendNode(pSection, lRecord, pOk, pPattern, strOut);
        if (!*pOk) {
            strOut.resize(nMark);
            return;
        }
    }
}

void CLCCbCDataDefineNode::WriteChildren2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    for (const auto& pChild : m_vChildren) {
        pChild->AppendNode2(pSection, lRecord, pOk, strOut);
        if (!*pOk) {
            strOut.resize(nMark);
            return;
        }
    }
}

void CLCCbCDataDefineNode::WrapElement(std::string& strOut, size_t nMark, size_t nValue, std::string_view svHead,
                                       std::string_view svTail)
{
    // A leaf has no children to move; an inner element moves its own text
    // once, never the document.
    if (nValue != nMark)
        std::rotate(strOut.begin() + static_cast<std::ptrdiff_t>(nMark),
                    strOut.begin() + static_cast<std::ptrdiff_t>(nValue), strOut.end());
    strOut.insert(nMark, svHead);
    strOut.append(svTail);
}

void CLCCbCDataDefineNode::WriteAppendixElement(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                                Pattern pPattern, std::string_view svInner,
                                                const char* szFixedValue, std::string& strOut)
{
    const size_t nMark = strOut.size();
    WriteChildren(pSection, lRecord, pOk, pPattern, strOut);
    if (!*pOk)
        return;
    const size_t nValue = strOut.size();
    if (szFixedValue != nullptr)
        strOut += szFixedValue;
    else if (!MakeNodeValue(pSection, lRecord, pOk, strOut)) {
        strOut.resize(nMark);
        return;
    }
    if (strOut.size() == nMark)
        return;
    if (m_strCloseTag.empty()) {
        m_strOpenTag = svInner.empty() ? Concat({"<", m_strId, ">"}) : Concat({"<", m_strId, "><", svInner, ">"});
        m_strCloseTag = svInner.empty() ? Concat({"</", m_strId, ">"})
                                        : Concat({"</", svInner, "></", m_strId, ">"});
    }
    WrapElement(strOut, nMark, nValue, m_strOpenTag, m_strCloseTag);
}
