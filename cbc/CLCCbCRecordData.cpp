#include "cbc/CLCCbCRecordData.h"

#include <stdexcept>

CLCCbCRecordData::CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo)
    : m_lLineNo(lLineNo)
{
    size_t nSize = 0;
    for (const std::string& strColumn : vecColumns)
        nSize += strColumn.size() + 1;
    // A record is one line of a file the size limits keep far below 4 GiB.
    if (nSize > UINT32_MAX)
        throw std::length_error("record too long");
    m_strTexts.reserve(nSize);
    m_vecStarts.reserve(vecColumns.size());
    for (const std::string& strColumn : vecColumns) {
        m_vecStarts.push_back(static_cast<uint32_t>(m_strTexts.size()));
        m_strTexts.append(strColumn.c_str()).push_back('\0');
    }
}

const char* CLCCbCRecordData::GetColumnValue(long lColumn) const
{
    if (lColumn < 0 || static_cast<size_t>(lColumn) >= m_vecStarts.size())
        return nullptr;
    return m_strTexts.c_str() + m_vecStarts[static_cast<size_t>(lColumn)];
}
