#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CLCCbCCsvFile;

// One kept CSV record: its trimmed columns and its record number (the 1-based
// position among the kept records of its file; blank lines are not counted).
class CLCCbCRecordData {
public:
    // Keeps a copy of the columns.
    CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo);
    // Keeps a copy of the first nColumns strings from pColumns.
    CLCCbCRecordData(const std::string* pColumns, size_t nColumns, long long lLineNo);
    // Reads its columns from entry lIndex of the file's record table, which
    // holds them already and outlives the record: the CSV file base keeps its
    // records so, rather than twice.
    CLCCbCRecordData(const CLCCbCCsvFile& file, long lIndex, long long lLineNo);
    virtual ~CLCCbCRecordData() = default;
    // A moved record keeps its texts where they were.
    CLCCbCRecordData(CLCCbCRecordData&&) noexcept = default;
    CLCCbCRecordData& operator=(CLCCbCRecordData&&) noexcept = default;

    // The text of column n (0-based); null when n is outside the record. The
    // pointer lives as long as the record.
    const char* GetColumnValue(long lColumn) const;
    long long GetLineNo() const { return m_lLineNo; }
    long GetColumnNumber() const;

private:
    // A copy is one block: where each column starts, then the columns one
    // after another, each ending in a zero byte.
    std::unique_ptr<char[]> m_pBlock;
    uint32_t m_nColumns = 0;
    const CLCCbCCsvFile* m_pFile = nullptr;   // instead of the block: the row of its table
    long m_lIndex = 0;
    long long m_lLineNo;
};
