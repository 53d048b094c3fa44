#pragma once
#include "cbc/CLCCbCBusinessOverView.h"
#include "cbc/CLCCbCCountryReport.h"
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCFinalParentCompany.h"
#include "cbc/CLCCbCRecordData.h"
#include <memory>
#include <string>
#include <vector>

// The appendix-table CSV of form AIA120: nine columns per record, columns 1
// to 3 flags ("1" in, "2" out) for the final parent company, country report
// and business overview sections, column 9 the corporate number. The object
// owns its records; the sections borrow them and fill through DistributeRecord.
class CLCCbCCsvAppendixTable : public CLCCbCCsvFile {
public:
    static constexpr long kMaxRecords = 5000;

    CLCCbCCsvAppendixTable();
    ~CLCCbCCsvAppendixTable() override;

    // Exactly nine columns, or a blank line; HE60012E at 0/0 otherwise.
    bool ValidateRecord(std::vector<std::string>& vecColumns) override;
    // HE60013E without records, HE60014E above kMaxRecords, both at 0/0.
    bool ValidateCsv() override;
    // Files the record into every section whose flag is "1". A flag other than
    // "1" or "2" is HE60009E at the record and its column; no "1" at all is
    // HE60009E at the record, columns 1 to 3.
    bool DistributeRecord(long lIndex) override;
    // HE60015E-style rows at every record whose non-empty value in the 1-based
    // column occurs more than once; false when any was reported.
    bool ValidOverlapColumn(long lColumn, CLCCbCMessage_t message) override;
    CLCCbCAppendixTable* GetCbCFinalParentCompany() override { return &m_FinalParentCompany; }
    CLCCbCAppendixTable* GetCbCCountryReport() override { return &m_CountryReport; }
    CLCCbCAppendixTable* GetCbCBusinessOverView() override { return &m_BusinessOverView; }
    bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord) override;

protected:
    // Accepts a record of exactly nColumns columns or a blank line.
    static bool ValidateWidth(const std::vector<std::string>& vecColumns, size_t nColumns);

    std::vector<std::unique_ptr<CLCCbCRecordData>> m_vRecord;

private:
    CLCCbCFinalParentCompany m_FinalParentCompany;
    CLCCbCCountryReport m_CountryReport;
    CLCCbCBusinessOverView m_BusinessOverView;
    // Record numbers of this file, one counter per object.
    long long m_lLineCnt = 0;
};
