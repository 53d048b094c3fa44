#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One kept CSV record: its trimmed columns and its record number (the 1-based
// position among the kept records of its file; blank lines are not counted).
class CLCCbCRecordData {
public:
    CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo);
    // The first nColumns strings from pColumns.
    CLCCbCRecordData(const std::string* pColumns, size_t nColumns, long long lLineNo);
    virtual ~CLCCbCRecordData() = default;
    CLCCbCRecordData(const CLCCbCRecordData&) = default;
    CLCCbCRecordData& operator=(const CLCCbCRecordData&) = default;
    // A moved record keeps its texts where they were.
    CLCCbCRecordData(CLCCbCRecordData&&) noexcept = default;
    CLCCbCRecordData& operator=(CLCCbCRecordData&&) noexcept = default;

    // The text of column n (0-based); null when n is outside the record. The
    // pointer lives as long as the record.
    const char* GetColumnValue(long lColumn) const;
    long long GetLineNo() const { return m_lLineNo; }
    long GetColumnNumber() const;

private:
    // The columns in one buffer, behind a table of where each begins, each
    // ended by a zero byte: one allocation per record, so the largest files
    // are held at little more than their text.
    std::string m_strData;
    long long m_lLineNo;
};
