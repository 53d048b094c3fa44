#include "cbc/CLCCbCDataDefNormal.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCValidResult.h"

#include <string_view>

void CLCCbCDataDefNormal::AppendNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk, Pattern pPattern,
                                     std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefNormal::WriteNode", pOk);
            return;
        }
        if (m_lRepeat != 0 && m_lCounter == m_lRepeat)
            return;
        // A call counts whether or not an element results.
        ++m_lCounter;
        WriteAppendixElement(pSection, lRecord, pOk, pPattern, "", nullptr, strOut);
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefNormal::WriteNode", pOk);
    }
}

bool CLCCbCDataDefNormal::AttributeText(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    if (m_strAttr.empty())
        return true;
    // A fixed value is definition text and stands as it is.
    if (!m_strAttrValue.empty()) {
        strOut.append(" ").append(m_strAttr).append("=\"").append(m_strAttrValue).append("\"");
        return true;
    }

    const char* szValue = nullptr;
    long long llLine = 0;
    if (!m_strAttrValueRec.empty()) {
        const CLCCbCRecordData* pRecord =
            m_pCsvReport != nullptr ? m_pCsvReport->GetNamedRecord(m_strAttrValueRec.c_str()) : nullptr;
        if (pRecord != nullptr) {
            szValue = pRecord->GetColumnValue(m_lAttrValueColumn);
            llLine = pRecord->GetLineNo();
        }
    } else {
        szValue = pSection->GetColumnValue(lRecord, m_lAttrValueColumn);
        llLine = pSection->GetLineNo(lRecord);
    }
    if (szValue == nullptr) {
        *pOk = false;
        return false;
    }
    strOut.append(" ").append(m_strAttr).append("=\"");
    if (!AppendValue(szValue, llLine, m_lAttrValueColumn, pOk, strOut))
        return false;
    strOut += '"';
    return true;
}

void CLCCbCDataDefNormal::AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefNormal::WriteNode2", pOk);
            return;
        }
        WriteChildren2(pSection, lRecord, pOk, strOut);
        if (!*pOk)
            return;
        const size_t nValue = strOut.size();
        if (!MakeNodeValue2(pSection, lRecord, pOk, strOut)) {
            strOut.resize(nMark);
            return;
        }
        const std::string_view svPrefix = m_strNameSpace.empty() ? std::string_view("cbc") : m_strNameSpace;
        if (strOut.size() == nMark) {
            if (m_strEmptyTag.empty())
                return;
            // The second schema gives these texts a minimum length of 1: an
            // empty element would be refused there, so the empty value is the
            // CSV's error, reported where it stands.
            if (m_pCsvReport != nullptr && m_pCsvReport->IsSecondLayout()) {
                CLCValidResult::instance()->SetResult(HE60001E, static_cast<long>(pSection->GetLineNo(lRecord)),
                                                      m_lColumn + 1, -1);
                *pOk = false;
                return;
            }
            strOut.append("<").append(svPrefix).append(":").append(m_strId).append("/>");
            return;
        }
        if (!m_strRequiredChild.empty()
            && std::string_view(strOut).substr(nMark, nValue - nMark).find(m_strRequiredChild)
                   == std::string_view::npos) {
            strOut.resize(nMark);
            return;
        }

        m_strHead.assign("<").append(svPrefix).append(":").append(m_strId);
        if (!AttributeText(pSection, lRecord, pOk, m_strHead)) {
            strOut.resize(nMark);
            return;
        }
        m_strHead += '>';
        if (m_strCloseTag.empty())
            m_strCloseTag = Concat({"</", svPrefix, ":", m_strId, ">"});
        WrapElement(strOut, nMark, nValue, m_strHead, m_strCloseTag);
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefNormal::WriteNode2", pOk);
    }
}
