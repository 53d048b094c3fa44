#include "gir/CLCGIRCheckList.h"
#include "foundation/CLCDebugDump.h"
#include <algorithm>
#include <stdexcept>

namespace {
bool KeyLess(const std::pair<std::string, CLCGIRContainer*>& a, const std::pair<std::string, CLCGIRContainer*>& b)
{
    return a.first < b.first;
}
} // namespace

bool CLCGIRCheckList::AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer)
{
    if (pContainer == nullptr || strItemId.empty())
        return false;
    if (!m_vecEntries.empty() && strItemId < m_vecEntries.back().first)
        m_bSorted = false;
    m_vecEntries.emplace_back(strItemId, pContainer);
    return true;
}

void CLCGIRCheckList::Sort()
{
    if (m_bSorted)
        return;
    // Stable: containers of one item keep the order in which they were added.
    std::stable_sort(m_vecEntries.begin(), m_vecEntries.end(), KeyLess);
    m_bSorted = true;
}

std::vector<CLCGIRContainer*> CLCGIRCheckList::FindCheckList(const std::string& strItemId)
{
    Sort();
    std::vector<CLCGIRContainer*> vecFound;
    auto range = std::equal_range(m_vecEntries.begin(), m_vecEntries.end(),
                                  std::make_pair(strItemId, static_cast<CLCGIRContainer*>(nullptr)), KeyLess);
    for (auto it = range.first; it != range.second; ++it)
        vecFound.push_back(it->second);
    return vecFound;
}

std::string CLCGIRCheckList::GetItemIdByIndex(long i)
{
    if (i < 0 || i >= GetCheckListNumber()) {
        CLC_LOG("CLCGIRCheckList::GetItemIdByIndex", "無効なインデックスが渡されました。");
        return "";
    }
    Sort();
    return m_vecEntries[static_cast<size_t>(i)].first;
}

CLCGIRContainer* CLCGIRCheckList::GetContainerByIndex(long i)
{
    if (i < 0 || i >= GetCheckListNumber()) {
        CLC_LOG("CLCGIRCheckList::GetContainerByIndex", "無効なインデックスが渡されました。");
        throw std::runtime_error("check list index out of range");
    }
    Sort();
    return m_vecEntries[static_cast<size_t>(i)].second;
}

void CLCGIRCheckList::ClearCheckList()
{
    m_vecEntries.clear();
    m_bSorted = true;
}
