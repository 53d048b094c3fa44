#pragma once
#include <array>
#include <map>
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
    CLCGIRCheckList(const CLCGIRCheckList&) = delete;
    CLCGIRCheckList& operator=(const CLCGIRCheckList&) = delete;

    // False (nothing stored) for a null container or an empty itemId.
    bool AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer);
    // In insertion order; empty when none.
    std::vector<CLCGIRContainer*> FindCheckList(const std::string& strItemId);
    long GetCheckListNumber() const { return m_lCount; }
    // Key of the i-th pair in key order; logs and answers "" for a bad index.
    std::string GetItemIdByIndex(long i);
    // Container of the i-th pair; logs and throws std::exception for a bad index.
    CLCGIRContainer* GetContainerByIndex(long i);
    void ClearCheckList();

private:
    using Buckets = std::map<std::string, std::vector<CLCGIRContainer*>>;

    // The pairs in key order, made on the first read by index after a change.
    void Flatten();

    // One bucket per key (a few hundred keys for a whole return): no pair is
    // ever moved or its key copied again, whatever the number of containers.
    Buckets m_mapBuckets;
    // In front of the map, by the address of the caller's text (a node's
    // settings keep one text per item id); the key is still compared.
    std::array<std::pair<const std::string*, Buckets::iterator>, 64> m_aHits{};
    long m_lCount = 0;
    std::vector<std::pair<const std::string*, CLCGIRContainer*>> m_vecFlat;
    bool m_bFlat = true;
};
