#pragma once
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCRecordData.h"
#include <memory>
#include <string>
#include <vector>

namespace RuleTest {

// A CSV file that keeps every record of more than one column, so the rules can
// be run over real Shift_JIS files without a report layout.
class CRuleTestCsv : public CLCCbCCsvFile {
public:
    bool ValidateRecord(std::vector<std::string>& /*vecColumns*/) override { return true; }
    bool ValidateCsv() override { return true; }
    bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord) override
    {
        return HandOverField(strField, vecColumns, bEndOfRecord, m_lLineCnt, m_vecRecords);
    }

private:
    long long m_lLineCnt = 0;
    std::vector<std::unique_ptr<CLCCbCRecordData>> m_vecRecords;
};

} // namespace RuleTest
