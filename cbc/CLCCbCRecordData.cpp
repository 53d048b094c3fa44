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

void WriteUint32(char* pAt, uint32_t u)
{
    std::memcpy(pAt, &u, sizeof u);
}
} // namespace

CLCCbCRecordData::CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo)
    : CLCCbCRecordData(vecColumns.data(), vecColumns.size(), lLineNo)
{
}

CLCCbCRecordData::CLCCbCRecordData(const std::string* pColumns, size_t nColumns, long long lLineNo)
    : m_lLineNo(lLineNo)
{
    size_t nSize = sizeof(uint32_t) * (nColumns + 1);
    for (size_t i = 0; i < nColumns; ++i)
        nSize += pColumns[i].size() + 1;
    if (nSize > UINT32_MAX)
        throw std::length_error("record too large");
    // Always on the heap, even for the shortest record: a moved record keeps
    // its texts where the pointers already handed out point.
    m_strData.reserve(std::max<size_t>(nSize, sizeof(std::string)));
    m_strData.resize(nSize);
    char* pData = &m_strData[0];
    WriteUint32(pData, static_cast<uint32_t>(nColumns));
    size_t nStart = sizeof(uint32_t) * (nColumns + 1);
    for (size_t i = 0; i < nColumns; ++i) {
        WriteUint32(pData + sizeof(uint32_t) * (i + 1), static_cast<uint32_t>(nStart));
        std::memcpy(pData + nStart, pColumns[i].c_str(), pColumns[i].size() + 1);
        nStart += pColumns[i].size() + 1;
    }
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
