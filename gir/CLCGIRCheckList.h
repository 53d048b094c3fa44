#pragma once
#include <string>
#include <utility>
#include <vector>

class CLCGIRContainer;

// Index from item identifier (itemId of the edit definition) to the containers
// that carry it. Keys in byte order; equal keys keep their insertion order.
// The containers are borrowed.
class CLCGIRCheckList {
public:
    CLCGIRCheckList() = default;
    virtual ~CLCGIRCheckList() = default;

    // False (nothing stored) for a null container or an empty itemId.
    bool AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer);
    // In insertion order; empty when none.
    std::vector<CLCGIRContainer*> FindCheckList(const std::string& strItemId);
    long GetCheckListNumber() const { return static_cast<long>(m_vecEntries.size()); }
    // Key of the i-th pair in key order; logs and answers "" for a bad index.
    std::string GetItemIdByIndex(long i);
    // Container of the i-th pair; logs and throws std::exception for a bad index.
    CLCGIRContainer* GetContainerByIndex(long i);
    void ClearCheckList();

private:
    void Sort();

    // Appended unsorted, stably sorted by key on the next read.
    std::vector<std::pair<std::string, CLCGIRContainer*>> m_vecEntries;
    bool m_bSorted = true;
};
