#include "cbc/CLCCbCDataDefNormal.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"

std::string CLCCbCDataDefNormal::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                           Pattern pPattern)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefNormal::WriteNode", pOk);
        if (m_lRepeat != 0 && m_lCounter == m_lRepeat)
            return std::string();
        // A call counts whether or not an element results.
        ++m_lCounter;
        return WriteAppendixElement(pSection, lRecord, pOk, pPattern, "");
    } catch (...) {
        return FailWrite("CLCCbCDataDefNormal::WriteNode", pOk);
    }
}

std::string CLCCbCDataDefNormal::AttributeText(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    if (m_strAttr.empty())
        return std::string();
    // A fixed value is definition text and stands as it is.
    if (!m_strAttrValue.empty())
        return " " + m_strAttr + "=\"" + m_strAttrValue + "\"";

    const char* szValue = nullptr;
    if (!m_strAttrValueRec.empty()) {
        if (m_pCsvReport != nullptr)
            szValue = m_pCsvReport->GetColumnValue(m_strAttrValueRec.c_str(), lRecord, m_lAttrValueColumn);
    } else {
        szValue = pSection->GetColumnValue(lRecord, m_lAttrValueColumn);
    }
    if (szValue == nullptr) {
        *pOk = false;
        return std::string();
    }
    std::string strText = " " + m_strAttr + "=\"";
    CLCCbCCommon::ConvEntityRefs(szValue, static_cast<unsigned long>(std::char_traits<char>::length(szValue)),
                                 strText);
    return strText + "\"";
}

std::string CLCCbCDataDefNormal::WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefNormal::WriteNode2", pOk);
        const std::string strChildren = WriteChildren2(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        const std::string strValue = MakeNodeValue2(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();

        const std::string strPrefix = m_strNameSpace.empty() ? std::string("cbc") : m_strNameSpace;
        if (strValue.empty() && strChildren.empty()) {
            if (m_strEmptyTag.empty())
                return std::string();
            // The second schema gives these texts a minimum length of 1: an
            // empty element would be refused there, so the empty value is the
            // CSV's error, reported where it stands.
            if (m_pCsvReport != nullptr && m_pCsvReport->IsSecondLayout()) {
                CLCValidResult::instance()->SetResult(HE60001E, static_cast<long>(pSection->GetLineNo(lRecord)),
                                                      m_lColumn + 1, -1);
                *pOk = false;
                return std::string();
            }
            return "<" + strPrefix + ":" + m_strId + "/>";
        }
        if (!m_strRequiredChild.empty() && strChildren.find(m_strRequiredChild) == std::string::npos)
            return std::string();

        const std::string strAttribute = AttributeText(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        const std::string strName = strPrefix + ":" + m_strId;
        return Concat({"<", strName, strAttribute, ">", strValue, strChildren, "</", strName, ">"});
    } catch (...) {
        return FailWrite("CLCCbCDataDefNormal::WriteNode2", pOk);
    }
}
