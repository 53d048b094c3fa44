#pragma once
#include "cbc/CLCCbCCbCReport.h"
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCRecordData.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The CbC report CSV: records of kinds "1" to "5" (message header, reporting
// entity, reports summary, constituent entities, additional info), their
// layout and count checks, the five sections and the cross-record checks.
//
// The data manager sets the definition id before ReadFile; 208 and 209 select
// the second layout's column bounds and counts. The object owns its records;
// the sections borrow them and stay empty until DistributeRecord has run for
// every record. Each cross check returns 0 (passed), HE60000E (fatal row
// recorded) or the message it recorded at every offending record.
class CLCCbCCsvCbCReport : public CLCCbCCsvFile {
public:
    CLCCbCCsvCbCReport();
    ~CLCCbCCsvCbCReport() override;

    void SetDefinitionId(unsigned short usId) { m_usDefinitionId = usId; }
    unsigned short GetDefinitionId() const { return m_usDefinitionId; }
    // True for the definitions of the second schema (208, 209).
    bool IsSecondLayout() const;

    bool ValidateRecord(std::vector<std::string>& vecColumns) override;
    bool ValidateCsv() override;
    // Files record lIndex into the section of its kind; fatal row otherwise.
    bool DistributeRecord(long lIndex) override;
    CLCCbCCbCReport* GetCbCMessageSpec() override { return &m_MessageSpec; }
    CLCCbCCbCReport* GetCbCReportingEntity() override { return &m_ReportingEntity; }
    CLCCbCCbCReport* GetCbCReportsSummary() override { return &m_ReportsSummary; }
    CLCCbCCbCReport* GetCbCReportsConstEntities() override { return &m_ReportsConstEntities; }
    CLCCbCCbCReport* GetCbCAdditionalInfo() override { return &m_AdditionalInfo; }
    // (record, column), both 0-based, over every kept record; null outside.
    const char* GetColumnValue(long lRecord, long lColumn) override;
    bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord) override;

    // For the name "MessageType": column lColumn (0-based) of the first
    // message-header record; null for any other name. lRecord is not used.
    const char* GetColumnValue(const char* szName, long lRecord, long lColumn);
    // The record such a name reads from (the first message-header record); null
    // for any other name or without one.
    const CLCCbCRecordData* GetNamedRecord(const char* szName) const;

    // The cross-record checks, in the order the data manager runs them.
    CLCCbCMessage_t ReportingEntityDocRefIdCheck();
    CLCCbCMessage_t ReportingEntityMessageRefIdCheck();
    CLCCbCMessage_t ReportsSummaryDocRefIdCheck();
    CLCCbCMessage_t AdditionalInfoDocRefIdCheck();
    CLCCbCMessage_t MessageSpecCurrencyCheck();
    CLCCbCMessage_t ReportsSummaryResCountryCodeCheck();
    CLCCbCMessage_t ReportsConstEntitiesResCountryCodeCheck();
    CLCCbCMessage_t MessageSpecResCountryCodeCheck();
    CLCCbCMessage_t ResCountryCodeOverlapCheck();
    CLCCbCMessage_t ReportsSummaryResCountryCodeCheck2();
    CLCCbCMessage_t DocRefIdOverlapCheck();
    CLCCbCMessage_t CorrDocRefIdOverlapCheck();
    CLCCbCMessage_t ReportingEntityMessageTypeIndicCheck();
    CLCCbCMessage_t ReportsSummaryMessageTypeIndicCheck();
    CLCCbCMessage_t AdditionalInfoMessageTypeIndicCheck();
    CLCCbCMessage_t CbcReportYearCheck();

private:
    unsigned short m_usDefinitionId = 0;
    std::vector<std::unique_ptr<CLCCbCRecordData>> m_vRecord;
    CLCCbCMessageSpec m_MessageSpec;
    CLCCbCReportingEntity m_ReportingEntity;
    CLCCbCReportsSummary m_ReportsSummary;
    CLCCbCReportsConstEntities m_ReportsConstEntities;
    CLCCbCAdditionalInfo m_AdditionalInfo;
    uint32_t m_ulRecordCount[5] = {0, 0, 0, 0, 0};
    uint32_t m_ulHighestKind = 0;
    bool m_bOrder = true;
    // Record numbers of this file (one counter per object, so that two CSV
    // objects can never disturb each other's numbering).
    long long m_lLineCnt = 0;
};
