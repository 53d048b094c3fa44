#include "gir/CLCGIRCsvDataManager.h"

#include "gir/CLCGIRCsvData.h"

#include <utility>

CLCGIRCsvDataManager::CLCGIRCsvDataManager() = default;
CLCGIRCsvDataManager::~CLCGIRCsvDataManager() = default;

const char* CLCGIRCsvDataManager::ReadCSVFile(const std::string& strPath)
{
    m_pReadCsvData.reset();
    auto pData = std::make_unique<CLCGIRCsvData>(strPath);
    const bool bRead = pData->ReadFile();
    m_eLastReadStatus = pData->GetReadStatus();
    if (!bRead)
        return nullptr;
    m_pReadCsvData = std::move(pData);
    return m_pReadCsvData->GetCsvFileReadData();
}

CLCGIRCsvData* CLCGIRCsvDataManager::ParseCSVFile(size_t nKeepRecords)
{
    if (!m_pReadCsvData || !m_pReadCsvData->Parse(nKeepRecords))
        return nullptr;
    // A failed push_back leaves the file pending, as it was.
    m_vCsvData.push_back(std::move(m_pReadCsvData));
    return m_vCsvData.back().get();
}

CLCGIRCsvData* CLCGIRCsvDataManager::GetCsvData(int nIndex) const
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_vCsvData.size())
        return nullptr;
    return m_vCsvData[static_cast<size_t>(nIndex)].get();
}
