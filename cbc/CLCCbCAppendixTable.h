#pragma once
#include "foundation/CLCCbCMessage.h"
#include <functional>
#include <string>
#include <vector>

class CLCCbCRecordData;

// One section of an appendix-table CSV. The records are borrowed from the CSV
// object that owns them. The integrity checks return 0 (passed), HE60000E
// (fatal row recorded) or the message they recorded; their column argument is
// 1-based: column n is read at index n-1 and reported as n.
class CLCCbCAppendixTable {
public:
    CLCCbCAppendixTable() = default;
    virtual ~CLCCbCAppendixTable() = default;

    virtual void AddRecord(CLCCbCRecordData* pRecord);
    virtual long GetRecordCount();
    // The text at (record, column), both 0-based; null outside the section.
    virtual const char* GetColumnValue(long lRecord, long lColumn);
    // Flag "1": the section must hold records (HE60016E at line 0 otherwise).
    // Flag "2": it must hold none (HE60017E at each record's line otherwise).
    virtual CLCCbCMessage_t ValidContentOffered(const std::string& strFlag, long lColumn);
    // HE60018E at every record whose column holds the corporate number.
    virtual CLCCbCMessage_t ValidHojinNo(const std::string& strHojinNo, long lColumn);
    // The record's number; 0 when the index is outside the section.
    long long GetLineNo(long lRecord) const;

protected:
    // The 1-based column of a record; "" when the record has no such column.
    std::string Value(long lRecord, long lColumn);
    // Records msg at the line of every record whose column fnHit picks; msg
    // when it recorded any, else none.
    CLCCbCMessage_t ReportRecords(CLCCbCMessage_t msg, long lColumn,
                                  const std::function<bool(const std::string&)>& fnHit);
    // Logs "想定しないエラーが発生しました。" under szFunction, records the fatal
    // row and answers HE60000E.
    static CLCCbCMessage_t Fatal(const char* szFunction);

    std::vector<CLCCbCRecordData*> m_vecRecords;
};
