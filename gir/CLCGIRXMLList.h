#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CLCGIRContainer;

// Owner of the GIR containers while the tree is built. Before
// ConvertXMLStructure it holds every container in creation order; after a
// successful conversion only the roots (level 4), which own the rest.
class CLCGIRXMLList {
public:
    CLCGIRXMLList() = default;
    virtual ~CLCGIRXMLList();

    CLCGIRXMLList(const CLCGIRXMLList&) = delete;
    CLCGIRXMLList& operator=(const CLCGIRXMLList&) = delete;

    // Destroys every listed container and empties the list.
    void Clear();
    // Takes ownership; false (caller keeps it) for null.
    bool AddContainer(CLCGIRContainer* pContainer);
    // The same, with the level of its hierarchy number (LevelOf) as the caller
    // read it when making it: ConvertXMLStructure then uses that level rather
    // than read the number again.
    bool AddContainer(CLCGIRContainer* pContainer, long lLevel);
    // Makes room for nContainers in all, so that adding them moves none.
    void Reserve(size_t nContainers);
    long GetContainerNumber() const { return static_cast<long>(m_vecContainers.size()); }
    // Borrowed; null for a bad index.
    CLCGIRContainer* GetContainerByIndex(long i) const;
    // Removes the entry without destroying it: ownership passes to the caller.
    bool RemoveContainerByIndex(long i);
    // Appends one new default container.
    bool CreateXMLStructure();
    // First entry; null when empty.
    CLCGIRContainer* GetRootContainer() const;
    // Links the flat list into a tree by hierarchy number (levels 4 to
    // lMaxLevel, one level deeper than the previous row at most). A bad step or
    // a missing parent records HE60048E (column 6) for the row on the GIR
    // collector; a level out of range records the fatal row. On failure the
    // list keeps every container, unlinked, and answers false.
    bool ConvertXMLStructure(long lMaxLevel);
    // Empties the child list of every listed container.
    void ClearXMLContainerWithChildList();
    void DebugLog(const std::string& strLabel) const;

    // The level a hierarchy number gives: its leading digits, 0 when there
    // are none; saturates instead of overflowing.
    static long LevelOf(std::string_view svLevel);

private:
    static constexpr long kUnknownLevel = -1;

    std::vector<std::unique_ptr<CLCGIRContainer>> m_vecContainers;
    // Per container: its level, or kUnknownLevel when it is to be read.
    std::vector<long> m_vecLevels;
};
