#include "gir/CLCGIRCheckList.h"
#include "foundation/CLCDebugDump.h"
#include <cstdint>
#include <stdexcept>

bool CLCGIRCheckList::AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer)
{
    if (pContainer == nullptr || strItemId.empty())
        return false;
    auto& hit = m_aHits[(reinterpret_cast<std::uintptr_t>(&strItemId) >> 4) % m_aHits.size()];
    if (hit.first != &strItemId || hit.second->first != strItemId)
        hit = {&strItemId, m_mapBuckets.try_emplace(strItemId).first};
    hit.second->second.push_back(pContainer);
    ++m_lCount;
    m_bFlat = false;
    return true;
}

void CLCGIRCheckList::Flatten()
{
    if (m_bFlat)
        return;
    m_vecFlat.clear();
    m_vecFlat.reserve(static_cast<size_t>(m_lCount));
    for (const auto& [strItemId, vecContainers] : m_mapBuckets) {
        for (CLCGIRContainer* pContainer : vecContainers)
            m_vecFlat.emplace_back(&strItemId, pContainer);
    }
    m_bFlat = true;
}

std::vector<CLCGIRContainer*> CLCGIRCheckList::FindCheckList(const std::string& strItemId)
{
    const auto it = m_mapBuckets.find(strItemId);
    return it != m_mapBuckets.end() ? it->second : std::vector<CLCGIRContainer*>();
}

std::string CLCGIRCheckList::GetItemIdByIndex(long i)
{
    if (i < 0 || i >= GetCheckListNumber()) {
        CLC_LOG("CLCGIRCheckList::GetItemIdByIndex", "無効なインデックスが渡されました。");
        return "";
    }
    Flatten();
    return *m_vecFlat[static_cast<size_t>(i)].first;
}

CLCGIRContainer* CLCGIRCheckList::GetContainerByIndex(long i)
{
    if (i < 0 || i >= GetCheckListNumber()) {
        CLC_LOG("CLCGIRCheckList::GetContainerByIndex", "無効なインデックスが渡されました。");
        throw std::runtime_error("check list index out of range");
    }
    Flatten();
    return m_vecFlat[static_cast<size_t>(i)].second;
}

void CLCGIRCheckList::ClearCheckList()
{
    m_mapBuckets.clear();
    m_aHits.fill({});
    m_lCount = 0;
    m_vecFlat.clear();
    m_bFlat = true;
}
