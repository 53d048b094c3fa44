#include "cbc/CLCCbCAppendixTable.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

namespace {
constexpr const char* kUnexpected = "想定しないエラーが発生しました。";

CLCCbCMessage_t Fatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpected);
    CLCValidResult::instance()->SetFatalError();
    return HE60000E;
}
} // namespace

void CLCCbCAppendixTable::AddRecord(CLCCbCRecordData* pRecord)
{
    m_vecRecords.push_back(pRecord);
}

long CLCCbCAppendixTable::GetRecordCount()
{
    return static_cast<long>(m_vecRecords.size());
}

const char* CLCCbCAppendixTable::GetColumnValue(long lRecord, long lColumn)
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vecRecords.size())
        return nullptr;
    return m_vecRecords[static_cast<size_t>(lRecord)]->GetColumnValue(lColumn);
}

std::string CLCCbCAppendixTable::Value(long lRecord, long lColumn)
{
    const char* szValue = GetColumnValue(lRecord, lColumn - 1);
    return szValue ? std::string(szValue) : std::string();
}

long long CLCCbCAppendixTable::LineNo(long lRecord) const
{
    return m_vecRecords[static_cast<size_t>(lRecord)]->GetLineNo();
}

CLCCbCMessage_t CLCCbCAppendixTable::ValidContentOffered(const std::string& strFlag, long lColumn)
{
    try {
        if (strFlag == "1" && m_vecRecords.empty()) {
            CLCValidResult::instance()->SetResult(HE60016E, 0, lColumn, -1);
            return HE60016E;
        }
        if (strFlag != "2" || m_vecRecords.empty())
            return CBC_MSG_NONE;
        for (long r = 0; r < GetRecordCount(); ++r)
            CLCValidResult::instance()->SetResult(HE60017E, static_cast<long>(LineNo(r)), lColumn, -1);
        return HE60017E;
    } catch (...) {
        return Fatal("CLCCbCAppendixTable::ValidContentOffered");
    }
}

CLCCbCMessage_t CLCCbCAppendixTable::ValidHojinNo(const std::string& strHojinNo, long lColumn)
{
    try {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < GetRecordCount(); ++r) {
            if (Value(r, lColumn) != strHojinNo)
                continue;
            CLCValidResult::instance()->SetResult(HE60018E, static_cast<long>(LineNo(r)), lColumn, -1);
            result = HE60018E;
        }
        return result;
    } catch (...) {
        return Fatal("CLCCbCAppendixTable::ValidHojinNo");
    }
}
