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
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefReport::WriteNode", pOk);
        const long lCount = pSection->GetRecordCount();
        std::string strResult;
        std::string strBody;
        long lInPage = 0;
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            strBody += WriteChildren(pSection, lRecord, pOk, pPattern);
            if (!*pOk)
                return std::string();
            ++lInPage;
            if (lInPage != m_lPageRec && lRecord != lCount - 1)
                continue;

            ResetCounter();
            // A page without content is not written and takes no number.
            if (!strBody.empty()) {
                ++m_lPageNo;
                std::string strDate;
                std::string strUnused;
                CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", nullptr, strDate, strUnused);
                const std::string strPage = std::to_string(m_lPageNo);
                const std::string strStart =
                    Concat({"<", m_strId, " VR=\"", m_strVR, "\" id=\"", m_strId, "-", strPage, "\" page=\"",
                            strPage, "\" sakuseiDay=\"", strDate, "\" sakuseiNM=\"", Escaped(m_strSakuseiNM),
                            "\" softNM=\"", Escaped(m_strSoftNM), "\">"});
                strResult.reserve(strResult.size() + strStart.size() + strBody.size() + m_strId.size() + 3);
                strResult += strStart;
                strResult += strBody;
                strResult += "</" + m_strId + ">";
                strBody.clear();
            }
            lInPage = 0;
        }
        return strResult;
    } catch (...) {
        return FailWrite("CLCCbCDataDefReport::WriteNode", pOk);
    }
}

std::string CLCCbCDataDefReport::ReportElement(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    const std::string strItems = WriteChildren2(pSection, lRecord, pOk);
    if (!*pOk || strItems.empty())
        return std::string();
    if (!m_strDumyFlg.empty())
        return strItems;
    return Concat({"<cbc:", m_strId, ">", strItems, "</cbc:", m_strId, ">"});
}

std::string CLCCbCDataDefReport::WriteNode2(CLCCbCCbCReport* pSection, bool* pOk)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
        std::string strResult;
        const long lCount = pSection->GetRecordCount();
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            strResult += ReportElement(pSection, lRecord, pOk);
            if (!*pOk)
                return std::string();
        }
        return strResult;
    } catch (...) {
        return FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
    }
}

std::string CLCCbCDataDefReport::WriteNode2(CLCCbCCbCReport* pSection, int nRecord, bool* pOk)
{
    return WriteNode2(pSection, static_cast<long>(nRecord), pOk);
}

std::string CLCCbCDataDefReport::WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
        return ReportElement(pSection, lRecord, pOk);
    } catch (...) {
        return FailWrite("CLCCbCDataDefReport::WriteNode2", pOk);
    }
}
