#pragma once
#include <string>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

// The navigable DOM document of the GIR definitions (libxml2 body). Misses
// answer -1 or empty results; platform failures inside the cursor operations
// are logged and thrown as std::runtime_error.
class CLCXDomNsxml {
public:
    CLCXDomNsxml() = default;
    ~CLCXDomNsxml();
    CLCXDomNsxml(const CLCXDomNsxml&) = delete;
    CLCXDomNsxml& operator=(const CLCXDomNsxml&) = delete;

    bool Initialize();
    bool Parse(const char* szXmlText);
    void Terminate();

    std::string GetNodeName();
    std::string GetAttribute(const char* szName);
    bool HasChild();
    long MoveFirstChild();
    long MoveNextSibling();
    long MoveParent();
    long MoveRoot();
    long GetNodeCount(const char* szXPath);
    long MoveNode(const char* szXPath, long lIndex);
    std::vector<std::string> GetChildAttributes(const char* szName);
    std::vector<std::string> GetChildNodeNames();
    long MoveChildAttribute(const char* szName, const char* szValue);
    long MoveChildNodeName(const char* szName);

private:
    _xmlDoc* m_pDocument = nullptr;   // owned
    _xmlNode* m_pCurrent = nullptr;   // points into m_pDocument
};
