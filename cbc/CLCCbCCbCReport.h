#pragma once
#include <vector>

class CLCCbCRecordData;

// One section of the CbC report CSV: the records of one kind, in file order.
// The records are borrowed from the CLCCbCCsvCbCReport that owns them.
class CLCCbCCbCReport {
public:
    CLCCbCCbCReport() = default;
    virtual ~CLCCbCCbCReport() = default;

    virtual void AddRecord(CLCCbCRecordData* pRecord);
    virtual long GetRecordCount();
    // The text at (record, column), both 0-based; null outside the section.
    virtual const char* GetColumnValue(long lRecord, long lColumn);
    // The record's number; 0 when the index is outside the section.
    virtual long long GetLineNo(long lRecord);

    // The record at the index; null outside the section.
    const CLCCbCRecordData* GetRecord(long lRecord) const;

private:
    std::vector<CLCCbCRecordData*> m_vecRecords;
};

// The sections by record kind ("1" to "5"); they add nothing to the base.
class CLCCbCMessageSpec : public CLCCbCCbCReport {};
class CLCCbCReportingEntity : public CLCCbCCbCReport {};
class CLCCbCReportsSummary : public CLCCbCCbCReport {};
class CLCCbCReportsConstEntities : public CLCCbCCbCReport {};
class CLCCbCAdditionalInfo : public CLCCbCCbCReport {};
