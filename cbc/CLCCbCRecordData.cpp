#include "cbc/CLCCbCRecordData.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
// Layout of the buffer: the column count, then each column's start (offsets
// from the buffer's beginning), all uint32_t, then the texts.
uint32_t ReadUint32(const std::string& strData, size_t nAt)
{
    uint32_t u;
    std::memcpy(&u, strData.data() + nAt, sizeof u);
    return u;
}

void AppendUint32(std::string& strData, uint32_t u)
{
    strData.append(reinterpret_cast<const char*>(&u), sizeof u);
}
} // namespace

CLCCbCRecordData::CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo) : m_lLineNo(lLineNo)
{
    size_t nSize = sizeof(uint32_t) * (vecColumns.size() + 1);
    for (const std::string& strColumn : vecColumns)
        nSize += strColumn.size() + 1;
    if (nSize > UINT32_MAX)
        throw std::length_error("record too large");
    // Always on the heap, even for the shortest record: a moved record keeps
    // its texts where the pointers already handed out point.
    m_strData.reserve(std::max<size_t>(nSize, sizeof(std::string)));
    AppendUint32(m_strData, static_cast<uint32_t>(vecColumns.size()));
    uint32_t uStart = static_cast<uint32_t>(sizeof(uint32_t) * (vecColumns.size() + 1));
    for (const std::string& strColumn : vecColumns) {
        AppendUint32(m_strData, uStart);
        uStart += static_cast<uint32_t>(strColumn.size() + 1);
    }
    for (const std::string& strColumn : vecColumns)
        m_strData.append(strColumn.c_str(), strColumn.size() + 1);
}

long CLCCbCRecordData::GetColumnNumber() const
{
    return static_cast<long>(ReadUint32(m_strData, 0));
}

const char* CLCCbCRecordData::GetColumnValue(long lColumn) const
{
    if (lColumn < 0 || lColumn >= GetColumnNumber())
        return nullptr;
    return m_strData.data() + ReadUint32(m_strData, sizeof(uint32_t) * (static_cast<size_t>(lColumn) + 1));
}
