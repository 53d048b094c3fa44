#include "cbc/CLCCbCCbCReport.h"

#include "cbc/CLCCbCRecordData.h"

void CLCCbCCbCReport::AddRecord(CLCCbCRecordData* pRecord)
{
    m_vecRecords.push_back(pRecord);
}

long CLCCbCCbCReport::GetRecordCount()
{
    return static_cast<long>(m_vecRecords.size());
}

const CLCCbCRecordData* CLCCbCCbCReport::GetRecord(long lRecord) const
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vecRecords.size())
        return nullptr;
    return m_vecRecords[static_cast<size_t>(lRecord)];
}

const char* CLCCbCCbCReport::GetColumnValue(long lRecord, long lColumn)
{
    const CLCCbCRecordData* pRecord = GetRecord(lRecord);
    return pRecord ? pRecord->GetColumnValue(lColumn) : nullptr;
}

long long CLCCbCCbCReport::GetLineNo(long lRecord)
{
    const CLCCbCRecordData* pRecord = GetRecord(lRecord);
    return pRecord ? pRecord->GetLineNo() : 0;
}
