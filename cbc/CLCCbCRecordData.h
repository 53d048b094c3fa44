#pragma once
#include <string>
#include <vector>

// One kept CSV record: its trimmed columns and its record number (the 1-based
// position among the kept records of its file; blank lines are not counted).
class CLCCbCRecordData {
public:
    CLCCbCRecordData(std::vector<std::string> vecColumns, long long lLineNo);
    virtual ~CLCCbCRecordData() = default;

    // The text of column n (0-based); null when n is outside the record. The
    // pointer lives as long as the record.
    const char* GetColumnValue(long lColumn) const;
    long long GetLineNo() const { return m_lLineNo; }
    long GetColumnNumber() const { return static_cast<long>(m_vecColumns.size()); }

private:
    std::vector<std::string> m_vecColumns;
    long long m_lLineNo;
};
