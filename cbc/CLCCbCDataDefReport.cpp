#include "cbc/CLCCbCDataDefReport.h"
#include "cbc/CLCCbCAppendixTable.h"
#include "cbc/CLCCbCCbCReport.h"
#include "foundation/CLCCbCCommon.h"

namespace {
std::string Escaped(const std::string& strText)
{
    std::string strOut;
    CLCCbCCommon::ConvEntityRefs(strText.c_str(), static_cast<unsigned long>(strText.size()), strOut);
    return strOut;
}
} // namespace

void CLCCbCDataDefReport::Initialize(const std::string& strId, const std::string& strVR, int nPageRec,
                                     const std::string& strSoftNM, const std::string& strSakuseiNM)
{
    m_strId = strId;
    m_strVR = strVR;
    m_lPageRec = nPageRec;
    m_strSoftNM = strSoftNM;
    m_strSakuseiNM = strSakuseiNM;
    m_lPageNo = 0;
}

void CLCCbCDataDefReport::Initialize2(const std::string& strId, const std::string& strVR, int nColumnNum,
                                      const std::string& strDumyFlg)
{
    m_strId = strId;
    m_strVR = strVR;
    m_nColumnNum = nColumnNum;
    m_strDumyFlg = strDumyFlg;
}

void CLCCbCDataDefReport::ResetCounter()
{
    for (const auto& pChild : m_vChildren)
        pChild->ResetCounter();
}

std::string CLCCbCDataDefReport::WriteNode(CLCCbCAppendixTable* pSection, bool* pOk, Pattern pPattern)
{
    std::string strText;
    AppendPages(pSection, pOk, pPattern, strText);
    return strText;
}

void CLCCbCDataDefReport::AppendPages(CLCCbCAppendixTable* pSection, bool* pOk, Pattern pPattern,
                                      std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefReport::WriteNode", pOk);
            return;
        }
        const long lCount = pSection->GetRecordCount();
        size_t nPage = strOut.size();   // where the current page's body starts
        long lInPage = 0;
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            WriteChildren(pSection, lRecord, pOk, pPattern, strOut);
            if (!*pOk) {
                strOut.resize(nMark);
                return;
            }
            ++lInPage;
            if (lInPage != m_lPageRec && lRecord != lCount - 1)
                continue;

            ResetCounter();
            // A page without content is not written and takes no number.
            if (strOut.size() != nPage) {
                ++m_lPageNo;
                std::string strDate;
                std::string strUnused;
                CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", nullptr, strDate, strUnused);
                const std::string strPage = std::to_string(m_lPageNo);
                strOut.insert(nPage, Concat({"<", m_strId, " VR=\"", m_strVR, "\" id=\"", m_strId, "-", strPage,
                                             "\" page=\"", strPage, "\" sakuseiDay=\"", strDate, "\" sakuseiNM=\"",
                                             Escaped(m_strSakuseiNM), "\" softNM=\"", Escaped(m_strSoftNM), "\">"}));
                strOut.append("</").append(m_strId).append(">");
                nPage = strOut.size();
            }
            lInPage = 0;
        }
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefReport::WriteNode", pOk);
    }
}

void CLCCbCDataDefReport::ReportElement(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    WriteChildren2(pSection, lRecord, pOk, strOut);
    if (!*pOk || strOut.size() == nMark || !m_strDumyFlg.empty())
        return;
    if (m_strCloseTag.empty()) {
        m_strOpenTag = Concat({"<cbc:", m_strId, ">"});
        m_strCloseTag = Concat({"</cbc:", m_strId, ">"});
    }
    WrapElement(strOut, nMark, strOut.size(), m_strOpenTag, m_strCloseTag);
}

std::string CLCCbCDataDefReport::WriteNode2(CLCCbCCbCReport* pSection, bool* pOk)
{
    std::string strText;
    AppendReports(pSection, pOk, strText);
    return strText;
}

void CLCCbCDataDefReport::AppendReports(CLCCbCCbCReport* pSection, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
            return;
        }
        const long lCount = pSection->GetRecordCount();
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            ReportElement(pSection, lRecord, pOk, strOut);
            if (!*pOk) {
                strOut.resize(nMark);
                return;
            }
        }
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
    }
}

std::string CLCCbCDataDefReport::WriteNode2(CLCCbCCbCReport* pSection, int nRecord, bool* pOk)
{
    return WriteNode2(pSection, static_cast<long>(nRecord), pOk);
}

void CLCCbCDataDefReport::AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
            return;
        }
        ReportElement(pSection, lRecord, pOk, strOut);
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
    }
}
