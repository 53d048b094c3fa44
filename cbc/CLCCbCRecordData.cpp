#include "cbc/CLCCbCRecordData.h"
#include "cbc/CLCCbCCsvFile.h"

#include <cstring>
#include <stdexcept>

CLCCbCRecordData::CLCCbCRecordData(const std::vector<std::string>& vecColumns, long long lLineNo)
    : CLCCbCRecordData(vecColumns.data(), vecColumns.size(), lLineNo)
{
}

CLCCbCRecordData::CLCCbCRecordData(const std::string* pColumns, size_t nColumns, long long lLineNo)
    : m_lLineNo(lLineNo)
{
    const size_t nStarts = nColumns * sizeof(uint32_t);
    size_t nSize = nStarts;
    for (size_t i = 0; i < nColumns; ++i)
        nSize += std::strlen(pColumns[i].c_str()) + 1;
    // A record is one line of a file the size limits keep far below 4 GiB.
    if (nSize > UINT32_MAX)
        throw std::length_error("record too long");
    m_pBlock = std::make_unique<char[]>(nSize);
    m_nColumns = static_cast<uint32_t>(nColumns);
    uint32_t nAt = static_cast<uint32_t>(nStarts);
    for (size_t i = 0; i < nColumns; ++i) {
        std::memcpy(m_pBlock.get() + i * sizeof(uint32_t), &nAt, sizeof nAt);
        // A column ends at its first zero byte, as its c_str() does.
        const size_t nLength = std::strlen(pColumns[i].c_str());
        std::memcpy(m_pBlock.get() + nAt, pColumns[i].c_str(), nLength + 1);
        nAt += static_cast<uint32_t>(nLength + 1);
    }
}

CLCCbCRecordData::CLCCbCRecordData(const CLCCbCCsvFile& file, long lIndex, long long lLineNo)
    : m_pFile(&file), m_lIndex(lIndex), m_lLineNo(lLineNo)
{
}

long CLCCbCRecordData::GetColumnNumber() const
{
    return m_pFile != nullptr ? m_pFile->GetColumnCount(m_lIndex) : static_cast<long>(m_nColumns);
}

const char* CLCCbCRecordData::GetColumnValue(long lColumn) const
{
    if (m_pFile != nullptr)
        return m_pFile->GetItem(m_lIndex, lColumn);
    if (lColumn < 0 || static_cast<unsigned long>(lColumn) >= m_nColumns)
        return nullptr;
    uint32_t nAt = 0;
    std::memcpy(&nAt, m_pBlock.get() + static_cast<size_t>(lColumn) * sizeof(uint32_t), sizeof nAt);
    return m_pBlock.get() + nAt;
}
