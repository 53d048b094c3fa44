#include "cbc/CLCCbCDefinition.h"
#include "cbc/CLCCbCDefinitionSupport.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCDataDefReport.h"
#include "cbc/CLCCbCDataDefineNode.h"
#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include <climits>
#include <cstring>
#include <new>

// The CbC report (CBC_OECD): definitions 205, 206, 208 and 209.

namespace {

using namespace cbcdef;

// Positions of the report nodes of a conversion definition.
enum EReport : size_t { kMessageSpec, kReportingEntity, kSummary, kConstEntities, kAdditionalInfo, kReportCount };

constexpr long kSummaryCountryColumn = 4;   // CSV column 5, ResCountryCode
constexpr long kEntityCountryColumn = 1;    // CSV column 2, ResCountryCode

constexpr const char* kNamespacesV1 =
    " xmlns:stf=\"urn:oecd:ties:stf:v4\" xmlns:cbc=\"urn:oecd:ties:cbc:v1\""
    " xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"";
constexpr const char* kNamespacesV2 =
    " xmlns:stf=\"urn:oecd:ties:cbcstf:v5\" xmlns:cbc=\"urn:oecd:ties:cbc:v2\""
    " xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"";

} // namespace

bool CLCCbCDefinition::CreateDefinition2(const char* szRootName, unsigned short usDefinitionId,
                                         CLCCbCCsvCbCReport* pCsv, bool bValidate)
{
    constexpr const char* kFunction = "CLCCbCDefinition::CreateDefinition2";
    try {
        m_nDefinitionId = usDefinitionId;
        if (szRootName == nullptr) {
            RecordUnexpected(kFunction);
            return false;
        }
        bool bForMake = false;
        if (usDefinitionId == 206 || usDefinitionId == 208) {
            bForMake = true;
        } else if (usDefinitionId != 205 && usDefinitionId != 209) {
            RecordUnexpected(kFunction);
            return false;
        }
        CLCXDom dom;
        if (!ParseDefinition(kFunction, usDefinitionId, dom))
            return false;   // the cause is recorded
        if (!MoveToRoot(dom)) {
            RecordUnexpected(kFunction);
            return false;
        }
        m_strRootNode = dom.GetAttribute("rootNode");
        m_strAttr = dom.GetAttribute("attr");
        m_strAttrValueRec = dom.GetAttribute("attrValueRec");
        const std::string strAttrValueColumn = dom.GetAttribute("attrValueColumn");
        if (!strAttrValueColumn.empty())
            m_lAttrValueColumn = static_cast<long>(CLCCbCValidItem::DecimalValue(strAttrValueColumn.c_str()) - 1);

        if (dom.MoveFirstChild() == 0) {
            do {
                // Only report elements count: comments never shift a report's place.
                if (dom.GetNodeName() != "report")
                    continue;
                int nColumnNum = 0;
                // The check definitions name no root, so their reports keep empty names.
                if (m_strRootNode == szRootName) {
                    m_strReportId = dom.GetAttribute("reportId");
                    m_strReportVR = dom.GetAttribute("reportVR");
                    nColumnNum = ClampToInt(CLCCbCValidItem::DecimalValue(dom.GetAttribute("columnNum").c_str()));
                    m_strDumyFlg = dom.GetAttribute("dumyFlg");
                }
                m_vReports.push_back(std::make_unique<CLCCbCDataDefReport>());
                CLCCbCDataDefReport& report = *m_vReports.back();
                report.Initialize2(m_strReportId, m_strReportVR, nColumnNum, m_strDumyFlg);
                if (!PlaceItems(kFunction, dom, report, bForMake, bValidate, true, pCsv))
                    return false;
            } while (dom.MoveNextSibling() == 0);
        }
        dom.Terminate();
        return true;
    } catch (const std::bad_alloc&) {
        RecordUnexpected(kFunction, kNewFailed);
    } catch (...) {
        RecordUnexpected(kFunction);
    }
    return false;
}

unsigned CLCCbCDefinition::ValidateCsv2(CLCCbCCsvFile* pCsv)
{
    constexpr const char* kFunction = "CLCCbCDefinition::ValidateCsv2";
    try {
        if (pCsv == nullptr) {
            RecordUnexpected(kFunction);
            return HE60000E;
        }
        unsigned uResult = 0;
        const long lCount = static_cast<long>(pCsv->GetRecordCount());
        for (long lRecord = 0; lRecord < lCount; ++lRecord) {
            const char* szKind = pCsv->GetColumnValue(lRecord, 0);
            const long long llKind = CLCCbCValidItem::DecimalValue(szKind != nullptr ? szKind : "");
            if (llKind < 1 || static_cast<unsigned long long>(llKind) > m_vReports.size()) {
                RecordUnexpected(kFunction);
                return HE60000E;
            }
            const unsigned uRecord = m_vReports[static_cast<size_t>(llKind - 1)]->ValidateCsv(pCsv, lRecord);
            if (uRecord == HE60000E)
                return HE60000E;
            if (uRecord != 0) {
                uResult = uRecord;
                continue;   // a failing record takes no part in the cross checks
            }
            if (!pCsv->DistributeRecord(lRecord))
                return HE60000E;
        }
        return uResult;
    } catch (...) {
        RecordUnexpected(kFunction);
        return HE60000E;
    }
}

std::string CLCCbCDefinition::MakeReportData2(CLCCbCCsvFile* pCsvFile, bool* pOk)
{
    constexpr const char* kFunction = "CLCCbCDefinition::MakeReportData2";
    try {
        auto* pCsv = dynamic_cast<CLCCbCCsvCbCReport*>(pCsvFile);
        if (pCsv == nullptr || pOk == nullptr || m_vReports.size() < kReportCount)
            return FailWrite(kFunction, pOk);
        if (!DistributeAll(pCsv)) {
            *pOk = false;
            return std::string();
        }
        CLCCbCCbCReport* pMessageSpec = pCsv->GetCbCMessageSpec();
        CLCCbCCbCReport* pReportingEntity = pCsv->GetCbCReportingEntity();
        CLCCbCCbCReport* pSummary = pCsv->GetCbCReportsSummary();
        CLCCbCCbCReport* pEntities = pCsv->GetCbCReportsConstEntities();
        CLCCbCCbCReport* pAdditionalInfo = pCsv->GetCbCAdditionalInfo();

        std::string strBody = m_vReports[kMessageSpec]->WriteNode2(pMessageSpec, pOk);
        if (pReportingEntity->GetRecordCount() == 0 && pSummary->GetRecordCount() == 0 &&
            pEntities->GetRecordCount() == 0 && pAdditionalInfo->GetRecordCount() == 0) {
            strBody += "<cbc:CbcBody/>";
        } else {
            strBody += "<cbc:CbcBody>";
            strBody += m_vReports[kReportingEntity]->WriteNode2(pReportingEntity, pOk);
            const long lSummaries = pSummary->GetRecordCount();
            const long lEntities = pEntities->GetRecordCount();
            for (long lSummary = 0; lSummary < lSummaries && *pOk; ++lSummary) {
                strBody += "<cbc:CbcReports>";
                strBody += m_vReports[kSummary]->WriteNode2(pSummary, lSummary, pOk);
                const char* szCountry = pSummary->GetColumnValue(lSummary, kSummaryCountryColumn);
                if (szCountry == nullptr) {
                    *pOk = false;
                    break;
                }
                // The entities of the summary's country, in file order.
                for (long lEntity = 0; lEntity < lEntities && *pOk; ++lEntity) {
                    const char* szEntityCountry = pEntities->GetColumnValue(lEntity, kEntityCountryColumn);
                    if (szEntityCountry != nullptr && std::strcmp(szEntityCountry, szCountry) == 0)
                        strBody += m_vReports[kConstEntities]->WriteNode2(pEntities, lEntity, pOk);
                }
                strBody += "</cbc:CbcReports>";
            }
            strBody += m_vReports[kAdditionalInfo]->WriteNode2(pAdditionalInfo, pOk);
            strBody += "</cbc:CbcBody>";
        }
        if (!*pOk)
            return std::string();

        // The version is CSV text like any other value: escaped, so that it
        // cannot end the attribute.
        const char* szVersion = pCsv->GetColumnValue(m_strAttrValueRec.c_str(), 0, m_lAttrValueColumn);
        if (szVersion == nullptr) {
            *pOk = false;
            return std::string();
        }
        std::string strVersion;
        CLCCbCCommon::ConvEntityRefs(szVersion, static_cast<unsigned long>(std::strlen(szVersion)), strVersion);
        m_strAttr = strVersion;

        const std::string strRoot = "cbc:" + m_strRootNode;
        return CLCCbCDataDefineNode::Concat({"<", strRoot, " version=\"", strVersion, "\"",
                                             m_nDefinitionId == 208 ? kNamespacesV2 : kNamespacesV1, ">", strBody,
                                             "</", strRoot, ">"});
    } catch (const std::bad_alloc&) {
        RecordUnexpected(kFunction, "メモリ確保に失敗しました。");
        if (pOk != nullptr)
            *pOk = false;
        return std::string();
    } catch (...) {
        return FailWrite(kFunction, pOk);
    }
}
