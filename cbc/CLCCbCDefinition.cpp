#include "cbc/CLCCbCDefinition.h"
#include "cbc/CLCCbCDefinitionSupport.h"
#include "cbc/CLCCbCAppendixTable.h"
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCDataDefReport.h"
#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include "gir/CLCGIRAppendixTable.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

// The appendix tables (AIA120, AIA540) and what both families share; the CbC
// report lives in CLCCbCDefinitionReport.cpp.

namespace {

using namespace cbcdef;

// The flags written for CSV columns 1 to 3 when the records of one section
// are written as their own report.
constexpr const char* ContentFinalParentCompany[] = {"1", "2", "2"};
constexpr const char* ContentCountryReport[] = {"2", "1", "2"};
constexpr const char* ContentBusinessOverView[] = {"2", "2", "1"};

// "pageRec" of the GIR appendix table: empty is 0, anything but a base-10
// number is refused.
bool ParseGIRPageRec(const std::string& strText, long& lPageRec)
{
    lPageRec = 0;
    if (strText.empty())
        return true;
    errno = 0;
    char* pEnd = nullptr;
    const long lValue = std::strtol(strText.c_str(), &pEnd, 10);
    if (errno != 0 || pEnd == strText.c_str() || *pEnd != '\0')
        return false;
    lPageRec = lValue;
    return true;
}

} // namespace

CLCCbCDefinition::CLCCbCDefinition() = default;
CLCCbCDefinition::~CLCCbCDefinition() = default;

bool CLCCbCDefinition::MoveToRoot(CLCXDom& dom)
{
    // Comments and processing instructions may stand before the root.
    for (std::string strName = dom.GetNodeName(); strName.empty() || strName[0] == '#';
         strName = dom.GetNodeName()) {
        if (dom.MoveNextSibling() != 0)
            return false;
    }
    return true;
}

bool CLCCbCDefinition::PlaceItems(const char* szFunction, CLCXDom& dom, CLCCbCDataDefReport& report,
                                  bool bForMake, bool bValidate, bool bReportKinds,
                                  CLCCbCCsvCbCReport* pCsvReport)
{
    if (dom.MoveFirstChild() != 0)
        return true;   // a report without items
    do {
        if (dom.GetNodeName() != "item")
            continue;
        std::unique_ptr<CLCCbCDataDefineNode> pNode =
            bReportKinds ? CLCCbCDataDefineNode::CreateNode2(&dom, pCsvReport, bValidate)
                         : CLCCbCDataDefineNode::CreateNode(&dom, bValidate);
        if (!pNode)
            return false;   // the node recorded the cause
        const bool bPlaced = bForMake ? report.LocateNodeForMake(pNode, false) : report.LocateNodeForValidate(pNode);
        if (!bPlaced) {
            // A parent that comes after its child, or does not exist: the
            // definition cannot be used, and the caller must learn why.
            const std::string strText = std::string(kUnexpectedError) + "\n(item " + pNode->GetId() + ", parent " +
                                        pNode->GetParentName() + ")";
            RecordUnexpected(szFunction, strText.c_str());
            return false;
        }
    } while (dom.MoveNextSibling() == 0);
    if (dom.MoveParent() != 0) {
        RecordUnexpected(szFunction);
        return false;
    }
    return true;
}

bool CLCCbCDefinition::BuildAppendix(const char* szFunction, const char* szReportId, unsigned short usDefinitionId,
                                     const char* szSoftNM, const char* szSakuseiNM, bool bValidate, bool bGIR)
{
    try {
        if (szReportId == nullptr) {
            RecordUnexpected(szFunction);
            return false;
        }
        bool bForMake = false;
        if (usDefinitionId == (bGIR ? 213 : 204)) {
            bForMake = true;
        } else if (usDefinitionId != (bGIR ? 214 : 203)) {
            RecordUnexpected(szFunction);
            return false;
        }
        CLCXDom dom;
        if (!ParseDefinition(szFunction, usDefinitionId, dom))
            return false;   // the cause is recorded
        if (!MoveToRoot(dom) || dom.MoveFirstChild() != 0) {
            RecordUnexpected(szFunction);
            return false;
        }
        bool bFound = false;
        do {
            bFound = dom.GetNodeName() == "report" && dom.GetAttribute("reportId") == szReportId;
        } while (!bFound && dom.MoveNextSibling() == 0);
        // Without its report the definition could check or write nothing.
        if (!bFound) {
            RecordUnexpected(szFunction);
            return false;
        }

        if (!bGIR) {
            m_strProcId = dom.GetAttribute("procId");
            m_strProcVR = dom.GetAttribute("procVR");
        }
        m_strReportId = dom.GetAttribute("reportId");
        m_strReportVR = dom.GetAttribute("reportVR");
        const std::string strPageRec = dom.GetAttribute("pageRec");
        if (!bGIR) {
            m_lPageRec = static_cast<long>(CLCCbCValidItem::DecimalValue(strPageRec.c_str()));
        } else if (!ParseGIRPageRec(strPageRec, m_lPageRec)) {
            RecordUnexpected(szFunction);
            return false;
        }

        m_pReport = std::make_unique<CLCCbCDataDefReport>();
        m_pReport->Initialize(m_strReportId, m_strReportVR, ClampToInt(m_lPageRec), szSoftNM ? szSoftNM : "",
                              szSakuseiNM ? szSakuseiNM : "");
        if (!PlaceItems(szFunction, dom, *m_pReport, bForMake, bValidate, false, nullptr))
            return false;
        dom.Terminate();
        return true;
    } catch (const std::bad_alloc&) {
        RecordUnexpected(szFunction, kNewFailed);
    } catch (...) {
        RecordUnexpected(szFunction);
    }
    return false;
}

bool CLCCbCDefinition::CreateDefinition(const char* szReportId, unsigned short usDefinitionId, const char* szSoftNM,
                                        const char* szSakuseiNM, bool bValidate)
{
    return BuildAppendix("CLCCbCDefinition::CreateDefinition", szReportId, usDefinitionId, szSoftNM, szSakuseiNM,
                         bValidate, false);
}

bool CLCCbCDefinition::CreateGIRApxTblDef(const char* szReportId, unsigned short usDefinitionId,
                                          const char* szSoftNM, const char* szSakuseiNM, bool bValidate)
{
    return BuildAppendix("CreateGIRApxTblDef", szReportId, usDefinitionId, szSoftNM, szSakuseiNM, bValidate, true);
}

unsigned CLCCbCDefinition::ValidateCsv(CLCCbCCsvFile* pCsv)
{
    if (!m_pReport) {
        RecordUnexpected("CLCCbCDefinition::ValidateCsv");
        return HE60000E;
    }
    return ValidateRecords("CLCCbCDefinition::ValidateCsv", pCsv);
}

unsigned CLCCbCDefinition::ValidateRecords(const char* szFunction, CLCCbCCsvFile* pCsv)
{
    try {
        if (pCsv == nullptr) {
            RecordUnexpected(szFunction);
            return HE60000E;
        }
        unsigned uResult = 0;
        const long lCount = static_cast<long>(pCsv->GetRecordCount());
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            const unsigned uRecord = ValidateRecord(pCsv, lRecord);
            if (uRecord == HE60000E)
                return HE60000E;
            if (uRecord != 0) {
                uResult = uRecord;
                continue;   // a failing record is not filed
            }
            if (!pCsv->DistributeRecord(lRecord))
                return HE60000E;
        }
        return uResult;
    } catch (...) {
        RecordUnexpected(szFunction);
        return HE60000E;
    }
}

bool CLCCbCDefinition::DistributeAll(CLCCbCCsvFile* pCsv)
{
    const long lCount = static_cast<long>(pCsv->GetRecordCount());
    for (long lRecord = 0; lRecord < lCount; ++lRecord) {
        if (!pCsv->DistributeRecord(lRecord))
            return false;
    }
    return true;
}

std::string CLCCbCDefinition::MakeReportData(CLCCbCCsvFile* pCsv, bool* pOk)
{
    try {
        if (pCsv == nullptr || pOk == nullptr || !m_pReport)
            return FailWrite("CLCCbCDefinition::MakeReportData", pOk);
        if (!DistributeAll(pCsv)) {
            *pOk = false;
            return std::string();
        }
        CLCCbCAppendixTable* pFinalParent = pCsv->GetCbCFinalParentCompany();
        CLCCbCAppendixTable* pCountry = pCsv->GetCbCCountryReport();
        CLCCbCAppendixTable* pOverView = pCsv->GetCbCBusinessOverView();
        if (pFinalParent == nullptr || pCountry == nullptr || pOverView == nullptr)
            return FailWrite("CLCCbCDefinition::MakeReportData", pOk);

        const long n = static_cast<long>(pCsv->GetRecordCount());
        const long c1 = pFinalParent->GetRecordCount();
        const long c2 = pCountry->GetRecordCount();
        const long c3 = pOverView->GetRecordCount();
        // Every record in the same sections: one report, the records' own flags.
        std::string strText;
        strText.reserve(DocumentRoom(pCsv->GetTextSize()));
        if (c1 == n && ((c2 == n && c3 == n) || (c2 == n && c3 == 0) || (c2 == 0 && c3 == n))) {
            m_pReport->AppendPages(pFinalParent, pOk, nullptr, strText);
            return strText;
        }
        if (c1 == 0 && c2 == n && c3 == n) {
            m_pReport->AppendPages(pCountry, pOk, nullptr, strText);
            return strText;
        }

        struct SPart {
            CLCCbCAppendixTable* pSection;
            const char* const* pPattern;
        };
        const SPart parts[] = {
            {pFinalParent, ContentFinalParentCompany},
            {pCountry, ContentCountryReport},
            {pOverView, ContentBusinessOverView},
        };
        for (const SPart& part : parts) {
            m_pReport->ResetCounter();
            m_pReport->AppendPages(part.pSection, pOk, part.pPattern, strText);
            if (!*pOk)
                return std::string();
        }
        return strText;
    } catch (...) {
        return FailWrite("CLCCbCDefinition::MakeReportData", pOk);
    }
}

std::string CLCCbCDefinition::MakeGIRApxTblData(CLCCbCCsvFile* pCsv, bool* pOk)
{
    try {
        if (pCsv == nullptr || pOk == nullptr || !m_pReport)
            return FailWrite("MakeGIRApxTblData", pOk);
        if (!DistributeAll(pCsv)) {
            *pOk = false;
            return std::string();
        }
        CLCCbCAppendixTable* pSection = pCsv->GetGIRAppendixTable();
        if (pSection == nullptr)
            return FailWrite("MakeGIRApxTblData", pOk);
        std::string strText;
        strText.reserve(DocumentRoom(pCsv->GetTextSize()));
        m_pReport->AppendPages(pSection, pOk, nullptr, strText);
        return *pOk ? strText : std::string();
    } catch (...) {
        return FailWrite("MakeGIRApxTblData", pOk);
    }
}
