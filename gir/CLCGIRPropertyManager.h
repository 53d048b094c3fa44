#pragma once
#include <memory>
#include <string>

class CLCGIRCheckDefManager;
class CLCGIREditDefManager;
class CLCGIRElementListManager;
class CLCXDomNsxml;

// Process-wide owner of the three GIR definitions (check 211, edit 210, element
// list 212). instance() creates it on first use; destroy() frees it with the
// managers and their documents.
class CLCGIRPropertyManager {
public:
    static CLCGIRPropertyManager* instance();
    static void destroy();

    virtual ~CLCGIRPropertyManager();
    CLCGIRPropertyManager(const CLCGIRPropertyManager&) = delete;
    CLCGIRPropertyManager& operator=(const CLCGIRPropertyManager&) = delete;

    // Creates the three managers, empty, in the order check, edit, list.
    void Initialize();
    // Deletes them in the same order.
    void Terminate();

    bool LoadCheckDefinition(unsigned short usId);
    bool LoadEditDefinition(unsigned short usId);
    bool LoadElementList(unsigned short usId);

    // The managers' documents, lent: callers position the shared cursor
    // themselves. Null only after Terminate.
    CLCXDomNsxml* GetCheckDefDomData();
    CLCXDomNsxml* GetEditDefDomData();
    bool FindElementList(const std::string& strName) const;

private:
    CLCGIRPropertyManager() = default;
    static std::unique_ptr<CLCGIRPropertyManager>& Holder();

    std::unique_ptr<CLCGIRCheckDefManager> m_pCheckDef;
    std::unique_ptr<CLCGIREditDefManager> m_pEditDef;
    std::unique_ptr<CLCGIRElementListManager> m_pElementList;
};
