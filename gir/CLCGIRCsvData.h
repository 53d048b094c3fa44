#pragma once
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCRecordData.h"
#include <deque>
#include <memory>
#include <string>
#include <vector>

// One CSV file of a GIR folder: read as Shift_JIS (CP932), split by the CSV
// dialect of CLCCbCCsvFile into records of trimmed columns. Records are numbered
// 1, 2, ... among the kept records; a record of one empty column (a blank line)
// is dropped without a number. Any other record is kept whatever its width: the
// structure check reports the width.
//
// Each record is kept once, as a CLCCbCRecordData: the base's record table,
// which no reader of a GIR file uses, stays empty (GetRecordCount and GetItem
// of the base answer nothing), so the largest return is held once in memory.
//
// Files are read and parsed strictly one after the other (one record counter for
// the process).
class CLCGIRCsvData : public CLCCbCCsvFile {
public:
    explicit CLCGIRCsvData(std::string strFilePath);
    ~CLCGIRCsvData() override;

    // Reads and decodes the file into the pending text. A size that cannot be
    // read, an unreadable or empty file record the fatal row; a NUL byte or bytes
    // that are not CP932 record nothing (the caller reports them against the
    // file): see GetReadStatus.
    bool ReadFile();
    // Splits the pending text into records and releases it; an empty text
    // records the fatal row. Every record is counted, but only the first
    // nKeepRecords are kept: a file with more keeps none (GetRecordNumber 0),
    // since its records would only be refused.
    bool Parse(size_t nKeepRecords = static_cast<size_t>(-1));
    bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord) override;

    // What the last ReadFile found.
    CsvText GetReadStatus() const { return m_eReadStatus; }
    // The pending text; valid until Parse.
    const char* GetCsvFileReadData() const { return m_strCsvText.c_str(); }
    std::string GetCsvFileName() const { return m_strFilePath; }
    long GetRecordNumber() const { return static_cast<long>(m_vRecord.size()); }
    // What the parse counted, whether or not the records were kept: all
    // records, those of six columns, and whether any had another width.
    long GetReadRecordCount() const { return m_lReadRecords; }
    long GetSixColumnRecordCount() const { return m_lSixColumnRecords; }
    bool HasOtherWidthRecord() const { return m_bOtherWidth; }
    // Both indexes 0-based and within the file (callers check first).
    long GetColumnNumber(long lRecord) const;
    const char* GetColumnValue(long lRecord, long lColumn) override;
    // Record number of the record at lRecord (1-based position).
    long long GetRecordLineNo(long lRecord) const;
    // Frees the records (GetRecordNumber answers 0 afterwards).
    void ReleaseRecords() { std::deque<CLCCbCRecordData>().swap(m_vRecord); }
    // Frees the first record; the others move one place forward.
    void DropFirstRecord() { m_vRecord.pop_front(); }

    using CLCCbCCsvFile::Parse;
    using CLCCbCCsvFile::ReadFile;

private:
    static long m_lLineCnt;

    std::string m_strCsvText;
    // Records in file order; a deque builds them in place, one allocation per
    // block of records rather than per record, and never moves them.
    std::deque<CLCCbCRecordData> m_vRecord;
    std::string m_strFilePath;
    CsvText m_eReadStatus = CsvText::Ok;
    // The trimmed columns of the record being read; the strings are reused
    // from record to record, so a column costs no allocation of its own.
    std::vector<std::string> m_vecFields;
    size_t m_nFields = 0;
    size_t m_nKeepRecords = static_cast<size_t>(-1);
    long m_lReadRecords = 0;
    long m_lSixColumnRecords = 0;
    bool m_bOtherWidth = false;
};
