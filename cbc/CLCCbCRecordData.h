#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One kept CSV record: its trimmed columns and its record number (the 1-based
// position among the kept records of its file; blank lines are not counted).
class CLCCbCRecordData {
public:
    // Keeps a copy of the columns.
    CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo);
    virtual ~CLCCbCRecordData() = default;

    // The text of column n (0-based); null when n is outside the record. The
    // pointer lives as long as the record.
    const char* GetColumnValue(long lColumn) const;
    long long GetLineNo() const { return m_lLineNo; }
    long GetColumnNumber() const { return static_cast<long>(m_nColumns); }

private:
    // One block per record, since a CSV file keeps every record twice (here
    // and in its record table): where each column starts, then the columns
    // one after another, each ending in a zero byte.
    std::unique_ptr<char[]> m_pBlock;
    uint32_t m_nColumns = 0;
    long long m_lLineNo;
};
