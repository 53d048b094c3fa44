#pragma once
#include <set>
#include <string>

// Holds the element names of the GIR element list 212 (the names a CSV row may
// carry in column 1).
class CLCGIRElementListManager {
public:
    CLCGIRElementListManager() = default;
    virtual ~CLCGIRElementListManager() = default;
    CLCGIRElementListManager(const CLCGIRElementListManager&) = delete;
    CLCGIRElementListManager& operator=(const CLCGIRElementListManager&) = delete;

    // Replaces the names by those of the list file usId: every line after the
    // first (a comment), as it stands but for one trailing CR. False for id 0
    // (logged, no row) and for a missing or empty file (fatal row).
    bool CreateGIRElementList(unsigned short usId);

    // True when the list holds strName exactly; the empty name is logged and false.
    bool SearchElementList(const std::string& strName) const;

private:
    std::set<std::string> m_setElementNames;
};
