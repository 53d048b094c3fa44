#include "cbc/CLCCbCCsvAppendixTable.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <map>
#include <set>

namespace {
constexpr size_t kColumns = 9;

void RecordFatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResult::instance()->SetFatalError();
}
} // namespace

CLCCbCCsvAppendixTable::CLCCbCCsvAppendixTable() = default;
CLCCbCCsvAppendixTable::~CLCCbCCsvAppendixTable() = default;

bool CLCCbCCsvAppendixTable::ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns,
                                        bool bEndOfRecord)
{
    return HandOverField(strField, vecColumns, bEndOfRecord, m_lLineCnt, m_vRecord);
}

bool CLCCbCCsvAppendixTable::ValidateWidth(const std::vector<std::string>& vecColumns, size_t nColumns)
{
    if (vecColumns.size() == nColumns || (vecColumns.size() == 1 && vecColumns[0].empty()))
        return true;
    CLCValidResult::instance()->SetResult(HE60012E, 0, 0, -1);
    return false;
}

bool CLCCbCCsvAppendixTable::ValidateRecord(std::vector<std::string>& vecColumns)
{
    return ValidateWidth(vecColumns, kColumns);
}

bool CLCCbCCsvAppendixTable::ValidateCsv()
{
    if (m_vRecord.empty()) {
        CLCValidResult::instance()->SetResult(HE60013E, 0, 0, -1);
        return false;
    }
    if (m_vRecord.size() > static_cast<size_t>(kMaxRecords)) {
        CLCValidResult::instance()->SetResult(HE60014E, 0, 0, -1);
        return false;
    }
    return true;
}

bool CLCCbCCsvAppendixTable::DistributeRecord(long lIndex)
{
    static constexpr const char* kFunction = "CLCCbCCsvAppendixTable::DistributeRecord";
    try {
        if (lIndex < 0 || static_cast<size_t>(lIndex) >= m_vRecord.size()) {
            RecordFatal(kFunction);
            return false;
        }
        CLCCbCRecordData* pRecord = m_vRecord[static_cast<size_t>(lIndex)].get();
        CLCCbCAppendixTable* sections[] = {&m_FinalParentCompany, &m_CountryReport, &m_BusinessOverView};
        // The checks refuse these flags before a record is filed; a conversion
        // runs no checks, so a flag outside its list is reported here, where
        // it stands, as the user's error it is.
        const long lLine = static_cast<long>(pRecord->GetLineNo());
        bool bIn[3] = {false, false, false};
        for (long c = 0; c < 3; ++c) {
            const char* szFlag = pRecord->GetColumnValue(c);
            const std::string strFlag = szFlag ? szFlag : "";
            if (strFlag != "1" && strFlag != "2") {
                CLCValidResult::instance()->SetResult(HE60009E, lLine, c + 1, -1);
                return false;
            }
            bIn[c] = strFlag == "1";
        }
        // A record in no section: its three flags together are wrong.
        if (!bIn[0] && !bIn[1] && !bIn[2]) {
            CLCValidResult::instance()->SetResult(HE60009E, lLine, 1, 3);
            return false;
        }
        for (size_t s = 0; s < 3; ++s) {
            if (bIn[s])
                sections[s]->AddRecord(pRecord);
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction);
        return false;
    }
}

bool CLCCbCCsvAppendixTable::ValidOverlapColumn(long lColumn, CLCCbCMessage_t message)
{
    try {
        std::map<std::string, std::vector<long long>> mapLines;
        for (const auto& pRecord : m_vRecord) {
            const char* szValue = pRecord->GetColumnValue(lColumn - 1);
            if (szValue != nullptr && *szValue != '\0')
                mapLines[szValue].push_back(pRecord->GetLineNo());
        }
        std::set<long long> setLines;
        for (const auto& entry : mapLines) {
            if (entry.second.size() > 1)
                setLines.insert(entry.second.begin(), entry.second.end());
        }
        for (long long lLine : setLines)
            CLCValidResult::instance()->SetResult(message, static_cast<long>(lLine), lColumn, -1);
        return setLines.empty();
    } catch (...) {
        RecordFatal("CLCCbCCsvAppendixTable::ValidOverlapColumn");
        return false;
    }
}
