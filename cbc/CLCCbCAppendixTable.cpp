#include "cbc/CLCCbCAppendixTable.h"

#include "cbc/CLCCbCRecordData.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

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

long long CLCCbCAppendixTable::GetLineNo(long lRecord) const
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vecRecords.size())
        return 0;
    return m_vecRecords[static_cast<size_t>(lRecord)]->GetLineNo();
}

CLCCbCMessage_t CLCCbCAppendixTable::ReportRecords(CLCCbCMessage_t msg, long lColumn,
                                                   const std::function<bool(const std::string&)>& fnHit)
{
    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (long r = 0; r < GetRecordCount(); ++r) {
        if (!fnHit(Value(r, lColumn)))
            continue;
        CLCValidResult::instance()->SetResult(msg, static_cast<long>(GetLineNo(r)), lColumn, -1);
        result = msg;
    }
    return result;
}

CLCCbCMessage_t CLCCbCAppendixTable::Fatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResult::instance()->SetFatalError();
    return HE60000E;
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
            CLCValidResult::instance()->SetResult(HE60017E, static_cast<long>(GetLineNo(r)), lColumn, -1);
        return HE60017E;
    } catch (...) {
        return Fatal("CLCCbCAppendixTable::ValidContentOffered");
    }
}

CLCCbCMessage_t CLCCbCAppendixTable::ValidHojinNo(const std::string& strHojinNo, long lColumn)
{
    try {
        return ReportRecords(HE60018E, lColumn, [&](const std::string& strValue) { return strValue == strHojinNo; });
    } catch (...) {
        return Fatal("CLCCbCAppendixTable::ValidHojinNo");
    }
}
