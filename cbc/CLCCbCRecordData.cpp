#include "cbc/CLCCbCRecordData.h"

#include <utility>

CLCCbCRecordData::CLCCbCRecordData(std::vector<std::string> vecColumns, long long lLineNo)
    : m_vecColumns(std::move(vecColumns)), m_lLineNo(lLineNo)
{
}

const char* CLCCbCRecordData::GetColumnValue(long lColumn) const
{
    if (lColumn < 0 || static_cast<size_t>(lColumn) >= m_vecColumns.size())
        return nullptr;
    return m_vecColumns[static_cast<size_t>(lColumn)].c_str();
}
