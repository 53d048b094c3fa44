#pragma once
#include "cbc/CLCCbCCsvFile.h"
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One CSV file of a GIR folder: read as Shift_JIS (CP932), split by the CSV
// dialect of CLCCbCCsvFile into records of trimmed columns. Records are numbered
// 1, 2, ... among the kept records; a record of one empty column (a blank line)
// is dropped without a number. Any other record is kept whatever its width: the
// structure check reports the width.
//
// The records are kept where they stand in the decoded text: the parse unquotes
// and trims each field in place and ends it with a zero byte, and keeps only
// where each field starts and how long it is. The base's record table, which no
// reader of a GIR file uses, stays empty (GetRecordCount and GetItem of the base
// answer nothing).
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
    // Splits the pending text into records; an empty text records the fatal
    // row. Every record is counted, but only the first nKeepRecords are kept: a
    // file with more keeps none (GetRecordNumber 0), since its records would
    // only be refused.
    bool Parse(size_t nKeepRecords = static_cast<size_t>(-1));
    // Takes a copy of szText as the pending text and parses it; a null text
    // records the fatal row.
    bool Parse(const char* szText) override;

    // What the last ReadFile found.
    CsvText GetReadStatus() const { return m_eReadStatus; }
    // The pending text; empty once parsed.
    const char* GetCsvFileReadData() const { return m_strCsvText.c_str(); }
    std::string GetCsvFileName() const { return m_strFilePath; }
    long GetRecordNumber() const { return static_cast<long>(m_vecRecordEnd.size()); }
    // What the parse counted, whether or not the records were kept: all
    // records, those of six columns, and whether any had another width.
    long GetReadRecordCount() const { return m_lReadRecords; }
    long GetSixColumnRecordCount() const { return m_lSixColumnRecords; }
    bool HasOtherWidthRecord() const { return m_bOtherWidth; }
    // Record indexes are 0-based and within the file (callers check first).
    long GetColumnNumber(long lRecord) const
    {
        return static_cast<long>(m_vecRecordEnd[static_cast<size_t>(lRecord)] - FirstField(lRecord));
    }
    // The column's text, ended by a zero byte; null for a column outside the
    // record. Valid until the records are released.
    const char* GetColumnValue(long lRecord, long lColumn) override;
    // The same text with its length; empty for a column outside the record.
    std::string_view GetColumnText(long lRecord, long lColumn) const
    {
        if (lColumn < 0 || lColumn >= GetColumnNumber(lRecord))
            return std::string_view();
        const SField& field = FieldAt(FirstField(lRecord) + static_cast<size_t>(lColumn));
        return std::string_view(m_strText.data() + field.nAt, field.nLength);
    }
    // Record number of the record at lRecord (1-based position).
    long long GetRecordLineNo(long lRecord) const { return m_llFirstLineNo + lRecord + 1; }
    // Frees what it can of the records before lRecord, which are not to be
    // read again: a file's records go while its nodes are made.
    void ReleaseRecordsBefore(long lRecord);
    // Frees the records and their text (GetRecordNumber answers 0 afterwards).
    void ReleaseRecords();

    using CLCCbCCsvFile::Parse;
    using CLCCbCCsvFile::ReadFile;

private:
    struct SFieldSink;
    struct SField {
        uint32_t nAt;       // offset in m_strText
        uint32_t nLength;
    };

    // The fields are kept in blocks, so that they are never moved as they
    // grow and can be freed block by block: the first as large as a small
    // file needs, the others of kBlockFields.
    static constexpr size_t kBlockShift = 12;
    static constexpr size_t kBlockFields = size_t(1) << kBlockShift;

    // Moves the kept fields (nBytes with their zero bytes) into a text of
    // their own and frees the rest.
    void KeepFieldsOnly(size_t nBytes);
    // Appends the fields of a kept record.
    void AppendFields(const SField* pFields, size_t nFields);
    // Frees every field and record end.
    void ReleaseFields();
    size_t FirstField(long lRecord) const
    {
        return lRecord == 0 ? 0 : m_vecRecordEnd[static_cast<size_t>(lRecord) - 1];
    }
    SField& FieldAt(size_t nField) const
    {
        if (nField < m_nFirstBlock)
            return m_vecBlock[0][nField];
        nField -= m_nFirstBlock;
        return m_vecBlock[1 + (nField >> kBlockShift)][nField & (kBlockFields - 1)];
    }

    static long m_lLineCnt;

    std::string m_strCsvText;       // read, not yet parsed
    std::string m_strText;          // parsed: holds the kept fields
    // The kept records' fields, in file order, and the room left in the last block.
    std::vector<std::unique_ptr<SField[]>> m_vecBlock;
    size_t m_nFirstBlock = 0;
    size_t m_nFields = 0;
    size_t m_nFreeFields = 0;
    size_t m_nReleasedBlocks = 0;
    std::vector<uint32_t> m_vecRecordEnd;   // per kept record: one past its last field
    long long m_llFirstLineNo = 0;  // the record counter when the parse began
    std::string m_strFilePath;
    CsvText m_eReadStatus = CsvText::Ok;
    size_t m_nKeepRecords = static_cast<size_t>(-1);
    long m_lReadRecords = 0;
    long m_lSixColumnRecords = 0;
    bool m_bOtherWidth = false;
};
