#include "cbc/CLCCbCDataManager.h"
#include "cbc/CLCCbCAppendixTable.h"
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvAppendixTable.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCDataDefineNode.h"
#include "cbc/CLCCbCDefinition.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXSax.h"
#include "gir/CLCGIRAppendixTable.h"
#include "gir/CLCGIRCsvAppendixTable.h"
#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

// The report roads of the data manager: loading a CSV with its definition,
// the checks, the integrity checks and the conversions.

namespace {

// 19 MiB: the largest document a filing may carry.
constexpr size_t kMaxXmlBytes = 0x1300000;

constexpr long kArgumentLine = 9999;
// The check definitions of the conversions' forms.
constexpr unsigned short kAppendixCheckId = 203;
constexpr unsigned short kGIRAppendixCheckId = 214;

constexpr long kHojinNoColumn = 9;      // AIA120 corporate number
constexpr long kGIRHojinNoColumn = 5;   // AIA540 corporate number
constexpr long kMessageRefIdColumn = 4; // 0-based: CSV column 5
constexpr size_t kHojinNoLength = 13;

using CrossCheck = CLCCbCMessage_t (CLCCbCCsvCbCReport::*)();

struct SCrossCheck {
    CrossCheck pfnCheck;
    bool bSecondSchemaOnly;
    // Guards the conversion: a constituent entity whose country has no
    // summary would be dropped, one whose country has two written twice,
    // and a summary without entities is an incomplete CbcReports element.
    bool bCountry;
};

constexpr SCrossCheck kCrossChecks[] = {
    {&CLCCbCCsvCbCReport::ReportingEntityDocRefIdCheck, false, false},
    {&CLCCbCCsvCbCReport::ReportingEntityMessageRefIdCheck, true, false},
    {&CLCCbCCsvCbCReport::ReportsSummaryDocRefIdCheck, false, false},
    {&CLCCbCCsvCbCReport::AdditionalInfoDocRefIdCheck, false, false},
    {&CLCCbCCsvCbCReport::MessageSpecCurrencyCheck, false, false},
    {&CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck, false, true},
    {&CLCCbCCsvCbCReport::ReportsConstEntitiesResCountryCodeCheck, false, true},
    {&CLCCbCCsvCbCReport::MessageSpecResCountryCodeCheck, false, false},
    {&CLCCbCCsvCbCReport::ResCountryCodeOverlapCheck, false, true},
    {&CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck2, false, false},
    {&CLCCbCCsvCbCReport::DocRefIdOverlapCheck, false, false},
    {&CLCCbCCsvCbCReport::CorrDocRefIdOverlapCheck, false, false},
    {&CLCCbCCsvCbCReport::ReportingEntityMessageTypeIndicCheck, true, false},
    {&CLCCbCCsvCbCReport::ReportsSummaryMessageTypeIndicCheck, true, false},
    {&CLCCbCCsvCbCReport::AdditionalInfoMessageTypeIndicCheck, true, false},
    {&CLCCbCCsvCbCReport::CbcReportYearCheck, true, false},
};
static_assert(sizeof(kCrossChecks) / sizeof(kCrossChecks[0]) == 16, "the sixteen cross checks");

void RecordUnexpected(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResult::instance()->SetFatalError();
}

// A failed step must leave the caller a reason: when nothing was recorded
// (a writer that gave up without a row), the fatal row is.
void EnsureReported(const char* szFunction)
{
    if (CLCValidResult::instance()->Rows().empty())
        RecordUnexpected(szFunction);
}

// Keeps the first failure: 0 stays 0 only while every result is 0.
bool Passed(CLCCbCMessage_t result, bool& bAll)
{
    if (result == HE60000E)
        return false;
    if (result != CBC_MSG_NONE)
        bAll = false;
    return true;
}

} // namespace

bool CLCCbCDataManager::LoadCsvWithDefinition(const char* szRootName, unsigned short usDefinitionId, bool bCheck)
{
    constexpr const char* kFunction = "CLCCbCDataManager::LoadCsvWithDefinition";
    return Guarded(kFunction, [&] {
        if (szRootName == nullptr || std::strcmp(szRootName, "AIA120") != 0) {
            RecordUnexpected(kFunction);
            return false;
        }
        m_pCsvAppendixTable = std::make_unique<CLCCbCCsvAppendixTable>();
        if (!m_pCsvAppendixTable->ReadFile(m_strCsvPath.c_str()))
            return false;
        m_pDefinition = std::make_unique<CLCCbCDefinition>();
        return m_pDefinition->CreateDefinition(szRootName, usDefinitionId, m_strSoftName.c_str(),
                                               m_strSakuseiName.c_str(), bCheck);
    });
}

bool CLCCbCDataManager::LoadCsvWithDefinition2(const char* szRootName, unsigned short usDefinitionId, bool bCheck)
{
    constexpr const char* kFunction = "CLCCbCDataManager::LoadCsvWithDefinition2";
    return Guarded(kFunction, [&] {
        m_usDefinitionId = usDefinitionId;
        if (szRootName == nullptr || std::strcmp(szRootName, "CBC_OECD") != 0) {
            RecordUnexpected(kFunction);
            return false;
        }
        m_pCsvCbCReport = std::make_unique<CLCCbCCsvCbCReport>();
        // The layout bounds of the records depend on the definition in force.
        m_pCsvCbCReport->SetDefinitionId(usDefinitionId);
        if (!m_pCsvCbCReport->ReadFile(m_strCsvPath.c_str()))
            return false;
        m_pDefinition = std::make_unique<CLCCbCDefinition>();
        return m_pDefinition->CreateDefinition2(szRootName, usDefinitionId, m_pCsvCbCReport.get(), bCheck);
    });
}

bool CLCCbCDataManager::LoadCsvWithGIRApxTblDef(const char* szRootName, unsigned short usDefinitionId, bool bCheck)
{
    constexpr const char* kFunction = "CLCCbCDataManager::LoadCsvWithGIRApxTblDef";
    return Guarded(kFunction, [&] {
        if (szRootName == nullptr || std::strcmp(szRootName, "AIA540") != 0) {
            RecordUnexpected(kFunction);
            return false;
        }
        m_pGIRCsvAppendixTable = std::make_unique<CLCGIRCsvAppendixTable>();
        if (!m_pGIRCsvAppendixTable->ReadFile(m_strCsvPath.c_str()))
            return false;
        m_pDefinition = std::make_unique<CLCCbCDefinition>();
        return m_pDefinition->CreateGIRApxTblDef(szRootName, usDefinitionId, m_strSoftName.c_str(),
                                                 m_strSakuseiName.c_str(), bCheck);
    });
}

bool CLCCbCDataManager::ValidateCsv()
{
    constexpr const char* kFunction = "CLCCbCDataManager::ValidateCsv";
    return Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        // A step out of order (nothing loaded) cannot check anything.
        if (pDefinition == nullptr || !m_pCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        const unsigned uResult = pDefinition->ValidateCsv(m_pCsvAppendixTable.get());
        if (uResult == HE60000E)
            return false;
        // Duplicates are reported even when the rules found errors.
        const bool bUnique = m_pCsvAppendixTable->ValidOverlapColumn(kHojinNoColumn, HE60015E);
        return uResult == 0 && bUnique;
    });
}

bool CLCCbCDataManager::ValidateGIRApxTblCsv()
{
    constexpr const char* kFunction = "CLCCbCDataManager::ValidateGIRApxTblCsv";
    return Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        if (pDefinition == nullptr || !m_pGIRCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        const unsigned uResult = pDefinition->ValidateCsv(m_pGIRCsvAppendixTable.get());
        if (uResult == HE60000E)
            return false;
        const bool bUnique = m_pGIRCsvAppendixTable->ValidOverlapColumn(kGIRHojinNoColumn, HE60015E);
        return uResult == 0 && bUnique;
    });
}

bool CLCCbCDataManager::RunCrossChecks(bool bCountriesOnly)
{
    const bool bSecondSchema = m_usDefinitionId == 209;
    bool bAll = true;
    for (const SCrossCheck& check : kCrossChecks) {
        if (check.bSecondSchemaOnly && !bSecondSchema)
            continue;
        if (bCountriesOnly && !check.bCountry)
            continue;
        if (!Passed((m_pCsvCbCReport.get()->*check.pfnCheck)(), bAll))
            return false;
    }
    return bAll;
}

bool CLCCbCDataManager::ValidateCsv2()
{
    constexpr const char* kFunction = "CLCCbCDataManager::ValidateCsv2";
    return Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        if (pDefinition == nullptr || !m_pCsvCbCReport) {
            RecordUnexpected(kFunction);
            return false;
        }
        // The cross checks read the sections, which only records that passed
        // their rules have entered.
        if (pDefinition->ValidateCsv2(m_pCsvCbCReport.get()) != 0)
            return false;
        return RunCrossChecks(false);
    });
}

bool CLCCbCDataManager::ReportIntegrityCheck()
{
    constexpr const char* kFunction = "CLCCbCDataManager::ReportIntegrityCheck";
    return Guarded(kFunction, [&] {
        if (!m_pCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        CLCCbCAppendixTable* const sections[] = {
            m_pCsvAppendixTable->GetCbCFinalParentCompany(),
            m_pCsvAppendixTable->GetCbCCountryReport(),
            m_pCsvAppendixTable->GetCbCBusinessOverView(),
        };
        const std::string* const flags[] = {&m_strTodokede, &m_strCbC, &m_strMf};
        const std::string* const numbers[] = {&m_strTodokedeHojinNo, &m_strCbCHojinNo, &m_strMfHojinNo};

        bool bAll = true;
        for (long i = 0; i < 3; ++i) {
            if (!Passed(sections[i]->ValidContentOffered(*flags[i], i + 1), bAll))
                return false;
        }
        for (long i = 0; i < 3; ++i) {
            if (numbers[i]->empty())
                continue;
            if (!Passed(sections[i]->ValidHojinNo(*numbers[i], kHojinNoColumn), bAll))
                return false;
        }
        return bAll;
    });
}

bool CLCCbCDataManager::GIRApxTblRptIntegrityChk()
{
    constexpr const char* kFunction = "CLCCbCDataManager::GIRApxTblRptIntegrityChk";
    return Guarded(kFunction, [&] {
        if (!m_pGIRCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        CLCCbCAppendixTable* pSection = m_pGIRCsvAppendixTable->GetGIRAppendixTable();
        bool bAll = true;
        if (!Passed(pSection->ValidContentOffered(m_strGIRTeikyouNo, 1), bAll))
            return false;
        if (m_strGIRHojinNo.size() == kHojinNoLength &&
            !Passed(pSection->ValidHojinNo(m_strGIRHojinNo, kGIRHojinNoColumn), bAll))
            return false;
        return bAll;
    });
}

bool CLCCbCDataManager::CbCReportIntegrityCheck()
{
    constexpr const char* kFunction = "CLCCbCDataManager::CbCReportIntegrityCheck";
    return Guarded(kFunction, [&] {
        if (m_strHojinNo.empty())
            return true;
        if (!m_pCsvCbCReport) {
            RecordUnexpected(kFunction);
            return false;
        }
        CLCCbCCbCReport* pMessageSpec = m_pCsvCbCReport->GetCbCMessageSpec();
        const char* szMessageRefId = pMessageSpec->GetColumnValue(0, kMessageRefIdColumn);
        if (szMessageRefId == nullptr) {
            RecordUnexpected(kFunction);
            return false;
        }
        // The corporate number stands after "JP", the year and, in the first
        // schema, one more character.
        const size_t nOffset = m_usDefinitionId == 209 ? 6 : 7;
        const std::string strMessageRefId(szMessageRefId);
        const std::string strNumber =
            strMessageRefId.size() > nOffset ? strMessageRefId.substr(nOffset, kHojinNoLength) : std::string();
        if (strNumber == m_strHojinNo)
            return true;
        CLCValidResult::instance()->SetResult(HE60009E, static_cast<long>(pMessageSpec->GetLineNo(0)),
                                              kMessageRefIdColumn + 1, -1);
        return false;
    });
}

namespace {

// A row about one record of the CSV, not about an argument or the file.
bool IsRecordRow(const _ResultTable& row)
{
    return row.line > 0 && row.line < kArgumentLine;
}

void Restore(const std::vector<_ResultTable>& vecRows)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->ClearResult();
    for (const _ResultTable& row : vecRows)
        pResult->SetResult(row.message, static_cast<long>(row.line), static_cast<long>(row.column),
                           static_cast<long>(row.column2));
}

} // namespace

void CLCCbCDataManager::ExplainRefusedValues(CLCCbCCsvFile* pCsv,
                                             const std::function<bool(CLCCbCDefinition&)>& fnBuild)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    const std::vector<_ResultTable> vecRefused = pResult->Rows();
    if (pCsv == nullptr || std::none_of(vecRefused.begin(), vecRefused.end(), IsRecordRow))
        return;
    try {
        // The check records its rows on the collector like any check: they
        // are gathered alone and then put in place of the writer's.
        pResult->ClearResult();
        CLCCbCDefinition check;
        bool bTold = fnBuild(check);
        for (const _ResultTable& row : vecRefused) {
            if (bTold && IsRecordRow(row))
                bTold = check.ValidateRecord(pCsv, static_cast<long>(row.line - 1)) != HE60000E;
        }
        const std::vector<_ResultTable> vecCheck = bTold ? pResult->Rows() : std::vector<_ResultTable>();
        std::vector<_ResultTable> vecRows;
        for (const _ResultTable& row : vecRefused) {
            const size_t nBefore = vecRows.size();
            if (IsRecordRow(row)) {
                std::copy_if(vecCheck.begin(), vecCheck.end(), std::back_inserter(vecRows),
                             [&](const _ResultTable& told) {
                                 return told.line == row.line && told.column == row.column;
                             });
            }
            if (vecRows.size() == nBefore)
                vecRows.push_back(row);
        }
        Restore(vecRows);
    } catch (...) {
        Restore(vecRefused);
    }
}

bool CLCCbCDataManager::FinishXml(const char* szFunction, bool bOk, std::string& strXml)
{
    if (!bOk || strXml.empty()) {
        strXml.clear();
        EnsureReported(szFunction);
        return false;
    }
    if (strXml.size() > kMaxXmlBytes) {
        strXml.clear();
        CLCValidResult::instance()->SetResult(HE60021E, 0, 0, -1);
        return false;
    }

    CLCXSax sax;
    const bool bWellFormed =
        sax.Initialize()
        && sax.Parse({"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><DATA>", strXml, "</DATA>"},
                     "CbC", "UTF-8");
    sax.Terminate();
    if (!bWellFormed) {
        strXml.clear();
        EnsureReported(szFunction);
        return false;
    }

    const auto fnWrite = [&] { return WriteOutput(m_strOutputPath.c_str(), strXml); };
    if (!m_strOutputPath.empty() && !Guarded("CLCCbCDataManager::OutputFileConvData", fnWrite)) {
        strXml.clear();
        return false;
    }
    return true;
}

bool CLCCbCDataManager::MakeData(std::string& strXml)
{
    constexpr const char* kFunction = "CLCCbCDataManager::MakeData";
    const bool bResult = Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        if (pDefinition == nullptr || !m_pCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        bool bOk = true;
        strXml = pDefinition->MakeReportData(m_pCsvAppendixTable.get(), &bOk);
        if (!bOk) {
            ExplainRefusedValues(m_pCsvAppendixTable.get(), [&](CLCCbCDefinition& check) {
                return check.CreateDefinition("AIA120", kAppendixCheckId, m_strSoftName.c_str(),
                                              m_strSakuseiName.c_str(), true);
            });
        }
        return FinishXml(kFunction, bOk, strXml);
    });
    if (!bResult)
        strXml.clear();
    return bResult;
}

bool CLCCbCDataManager::MakeGIRApxTblData(std::string& strXml)
{
    constexpr const char* kFunction = "CLCCbCDataManager::MakeGIRApxTblData";
    const bool bResult = Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        if (pDefinition == nullptr || !m_pGIRCsvAppendixTable) {
            RecordUnexpected(kFunction);
            return false;
        }
        bool bOk = true;
        strXml = pDefinition->MakeGIRApxTblData(m_pGIRCsvAppendixTable.get(), &bOk);
        if (!bOk) {
            ExplainRefusedValues(m_pGIRCsvAppendixTable.get(), [&](CLCCbCDefinition& check) {
                return check.CreateGIRApxTblDef("AIA540", kGIRAppendixCheckId, m_strSoftName.c_str(),
                                                m_strSakuseiName.c_str(), true);
            });
        }
        return FinishXml(kFunction, bOk, strXml);
    });
    if (!bResult)
        strXml.clear();
    return bResult;
}

bool CLCCbCDataManager::MakeData2(std::string& strXml)
{
    constexpr const char* kFunction = "CLCCbCDataManager::MakeData2";
    const bool bResult = Guarded(kFunction, [&] {
        CLCCbCDefinition* pDefinition = m_pDefinition.get();
        if (pDefinition == nullptr || !m_pCsvCbCReport) {
            RecordUnexpected(kFunction);
            return false;
        }
        bool bOk = true;
        strXml = pDefinition->MakeReportData2(m_pCsvCbCReport.get(), &bOk);
        if (!bOk) {
            ExplainRefusedValues(m_pCsvCbCReport.get(), [&](CLCCbCDefinition& check) {
                return check.CreateDefinition2("CBC_OECD", m_usDefinitionId == 208 ? 209 : 205,
                                               m_pCsvCbCReport.get(), true);
            });
        }
        // The writer files the records into the sections first; a record
        // that these checks refuse would be dropped or written twice.
        if (bOk && !RunCrossChecks(true)) {
            strXml.clear();
            return false;
        }
        return FinishXml(kFunction, bOk, strXml);
    });
    if (!bResult)
        strXml.clear();
    return bResult;
}
