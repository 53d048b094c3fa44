#pragma once
#include <memory>
#include <string>
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

private:
    std::vector<std::unique_ptr<CLCGIRContainer>> m_vecContainers;
};
