#include "cbc/CLCCbCDefinition.h"
#include "cbc/CLCCbCDefinitionSupport.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCDataDefReport.h"
#include "cbc/CLCCbCDataDefineNode.h"
#include "cbc/CLCCbCRecordData.h"
#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include <climits>
#include <string_view>
#include <unordered_map>
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
    return ValidateRecords("CLCCbCDefinition::ValidateCsv2", pCsv);
}

unsigned CLCCbCDefinition::ValidateRecord(CLCCbCCsvFile* pCsv, long lRecord)
{
    constexpr const char* kFunction = "CLCCbCDefinition::ValidateCsv2";
    try {
        if (pCsv == nullptr) {
            RecordUnexpected(kFunction);
            return HE60000E;
        }
        if (m_pReport)
            return m_pReport->ValidateCsv(pCsv, lRecord);
        // A CbC report: the report of the record's kind (column 1).
        const char* szKind = pCsv->GetColumnValue(lRecord, 0);
        const long long llKind = CLCCbCValidItem::DecimalValue(szKind != nullptr ? szKind : "");
        if (llKind < 1 || static_cast<unsigned long long>(llKind) > m_vReports.size()) {
            RecordUnexpected(kFunction);
            return HE60000E;
        }
        return m_vReports[static_cast<size_t>(llKind - 1)]->ValidateCsv(pCsv, lRecord);
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

        // The version is CSV text like any other value: escaped, so that it
        // cannot end the attribute. It is written first but read last, so that
        // a document that fails anyway reports its first failure.
        const std::string strRoot = "cbc:" + m_strRootNode;
        std::string strText;
        strText.reserve(DocumentRoom(pCsv->GetTextSize()));
        strText.append("<").append(strRoot).append(" version=\"");
        const size_t nVersion = strText.size();

        m_vReports[kMessageSpec]->AppendReports(pMessageSpec, pOk, strText);
        if (*pOk && pReportingEntity->GetRecordCount() == 0 && pSummary->GetRecordCount() == 0 &&
            pEntities->GetRecordCount() == 0 && pAdditionalInfo->GetRecordCount() == 0) {
            strText += "<cbc:CbcBody/>";
        } else if (*pOk) {
            strText += "<cbc:CbcBody>";
            m_vReports[kReportingEntity]->AppendReports(pReportingEntity, pOk, strText);
            // The entities of each country in file order, found once rather
            // than by a scan of every entity per summary.
            std::unordered_map<std::string_view, std::vector<long>> mapEntities;
            const long lEntities = pEntities->GetRecordCount();
            for (long lEntity = 0; lEntity < lEntities; ++lEntity) {
                if (const char* szCountry = pEntities->GetColumnValue(lEntity, kEntityCountryColumn))
                    mapEntities[szCountry].push_back(lEntity);
            }
            const long lSummaries = pSummary->GetRecordCount();
            for (long lSummary = 0; lSummary < lSummaries && *pOk; ++lSummary) {
                strText += "<cbc:CbcReports>";
                m_vReports[kSummary]->AppendNode2(pSummary, lSummary, pOk, strText);
                const char* szCountry = pSummary->GetColumnValue(lSummary, kSummaryCountryColumn);
                if (szCountry == nullptr) {
                    *pOk = false;
                    break;
                }
                const auto it = mapEntities.find(szCountry);
                if (it != mapEntities.end()) {
                    for (size_t i = 0; i < it->second.size() && *pOk; ++i)
                        m_vReports[kConstEntities]->AppendNode2(pEntities, it->second[i], pOk, strText);
                }
                strText += "</cbc:CbcReports>";
            }
            if (*pOk)
                m_vReports[kAdditionalInfo]->AppendReports(pAdditionalInfo, pOk, strText);
            strText += "</cbc:CbcBody>";
        }
        if (!*pOk)
            return std::string();

        const CLCCbCRecordData* pVersionRecord = pCsv->GetNamedRecord(m_strAttrValueRec.c_str());
        const char* szVersion = pVersionRecord != nullptr ? pVersionRecord->GetColumnValue(m_lAttrValueColumn)
                                                          : nullptr;
        if (szVersion == nullptr) {
            *pOk = false;
            return std::string();
        }
        std::string strVersion;
        if (!CLCCbCDataDefineNode::AppendValue(szVersion, pVersionRecord->GetLineNo(), m_lAttrValueColumn, pOk,
                                               strVersion))
            return std::string();
        m_strAttr = strVersion;
        strVersion += '"';
        strVersion += m_nDefinitionId == 208 ? kNamespacesV2 : kNamespacesV1;
        strVersion += '>';
        strText.insert(nVersion, strVersion);
        strText.append("</").append(strRoot).append(">");
        return strText;
    } catch (const std::bad_alloc&) {
        RecordUnexpected(kFunction, "メモリ確保に失敗しました。");
        if (pOk != nullptr)
            *pOk = false;
        return std::string();
    } catch (...) {
        return FailWrite(kFunction, pOk);
    }
}
