#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <string>
#include <vector>

class CLCCbCAppendixTable;
class CLCCbCCbCReport;
class CLCCbCRecordData;
class CLCGIRAppendixTable;

// Base of every parsed CSV file. It owns the one CSV dialect of the system:
// ReadFile reads and decodes a Shift_JIS file, Parse splits the text into
// fields and hands each to the subclass's ColumnTerm, which keeps the record.
// The record table holds a copy of every kept record's columns in file order;
// the subclass keeps the matching CLCCbCRecordData objects at the same index.
//
// Failures are recorded in CLCValidResult::instance(): a file that cannot be
// read records the fatal row; a NUL byte records HE60012E and bytes that are
// not Shift_JIS (CP932) record HE60011E, both at line 0, column 0.
class CLCCbCCsvFile {
public:
    // What LoadCsvText found in a file.
    enum class CsvText { Ok, Unreadable, Empty, HasNul, NotShiftJis };

    CLCCbCCsvFile() = default;
    virtual ~CLCCbCCsvFile() = default;
    CLCCbCCsvFile(const CLCCbCCsvFile&) = delete;
    CLCCbCCsvFile& operator=(const CLCCbCCsvFile&) = delete;

    // The tokenizer. False when a record end's ColumnTerm refused the record
    // (the rest of the text is not read) or on a null text (fatal row).
    virtual bool Parse(const char* szText);
    virtual bool ValidateRecord(std::vector<std::string>& vecColumns);
    virtual bool ValidateCsv();
    virtual bool DistributeRecord(long lIndex);
    // lColumn is 1-based: column n is read at index n-1 and reported as n.
    virtual bool ValidOverlapColumn(long lColumn, CLCCbCMessage_t message);
    virtual CLCCbCAppendixTable* GetCbCFinalParentCompany();
    virtual CLCCbCAppendixTable* GetCbCCountryReport();
    virtual CLCCbCAppendixTable* GetCbCBusinessOverView();
    virtual CLCCbCCbCReport* GetCbCMessageSpec();
    virtual CLCCbCCbCReport* GetCbCReportingEntity();
    virtual CLCCbCCbCReport* GetCbCReportsSummary();
    virtual CLCCbCCbCReport* GetCbCReportsConstEntities();
    virtual CLCCbCCbCReport* GetCbCAdditionalInfo();
    virtual const char* GetColumnValue(long lRecord, long lColumn);
    // Reads, decodes, parses and checks the whole file; false when any step
    // failed (the cause is already recorded).
    virtual bool ReadFile(const char* szPath);
    virtual bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord);
    virtual CLCGIRAppendixTable* GetGIRAppendixTable();

    unsigned long GetRecordCount() const { return static_cast<unsigned long>(m_vecRecordTable.size()); }
    // Text of the record table at (record, column), both 0-based; null outside it.
    const char* GetItem(long lRecord, long lColumn) const;
    // Columns of the record table's entry; 0 outside the table.
    long GetColumnCount(long lRecord) const;
    // Bytes of text in the record table (no separators).
    size_t GetTextSize() const;

    // Reads a CSV file's bytes and decodes them from CP932 to UTF-8, telling
    // apart a file that cannot be read, an empty one, one with a NUL byte and
    // one that is not Shift_JIS. Records nothing.
    static CsvText LoadCsvText(const char* szPath, std::string& strUtf8);

protected:
    // The record hand-over shared by the subclasses: trims the field into the
    // column list; at a record end asks ValidateRecord and keeps a record of
    // more than one column under the next number of lLineCnt.
    bool HandOverField(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord,
                       long long& lLineCnt, std::vector<std::unique_ptr<CLCCbCRecordData>>& vecRecords);

    std::vector<std::vector<std::string>> m_vecRecordTable;
};
