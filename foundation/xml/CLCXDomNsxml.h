#pragma once
#if defined(TESVANT_DOM_MSXML)
// The Windows build: the GIR code's document is the MSXML one under this name.
#include "windows/CLCXDomMsxml.h"
class CLCXDomNsxml final : public CLCXDomMsxml {};
#else
#include <memory>
#include <string>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

// The navigable DOM document of the GIR definitions (libxml2 body): one parsed
// document and a cursor on one of its nodes. Strings are UTF-8. Every move
// skips nodes that are not elements.
// Parse records the collector's fatal row, logs and answers false on failure;
// it then holds no document. The cursor operations answer -1, "" or an empty
// list for a miss; a failure inside them is logged ("想定外エラー発生") and
// thrown as std::runtime_error, for the caller's catch to record.
class CLCXDomNsxml {
public:
    CLCXDomNsxml();
    ~CLCXDomNsxml();
    CLCXDomNsxml(const CLCXDomNsxml&) = delete;
    CLCXDomNsxml& operator=(const CLCXDomNsxml&) = delete;

    // Replaces the document by an empty one (no current node).
    bool Initialize();
    // Parses UTF-8 text whatever its XML declaration says; no network, white
    // space kept. The cursor starts on the document's first child node.
    bool Parse(const char* szXmlText);
    void Terminate();

    // The current node's name ("prefix:name" for a prefixed element or
    // attribute); "" without a current node or for a node without a name.
    std::string GetNodeName();
    // "" without a current node, for a missing attribute or an empty value;
    // throws when the current node is not an element.
    std::string GetAttribute(const char* szName);
    bool HasChild();
    long MoveFirstChild();
    long MoveNextSibling();
    long MoveParent();
    long MoveRoot();
    // XPath evaluated from the document node. A count of 0 and a move of -1
    // (cursor unchanged) for no document, an invalid expression, a result that
    // is not a node set or an index outside it.
    long GetNodeCount(const char* szXPath);
    long MoveNode(const char* szXPath, long lIndex);
    // Child scans over the current node's element children, in document order;
    // the cursor ends where it started.
    std::vector<std::string> GetChildAttributes(const char* szName);
    std::vector<std::string> GetChildNodeNames();
    // To the first element child that matches: 0; -1 with the cursor unchanged.
    long MoveChildAttribute(const char* szName, const char* szValue);
    long MoveChildNodeName(const char* szName);
    // The same among the children of the current node's parent, the node
    // itself included.
    long MoveSiblingNodeName(const char* szName);

private:
    struct SDocumentFree {
        void operator()(_xmlDoc* pDocument) const;
    };

    std::unique_ptr<_xmlDoc, SDocumentFree> m_pDocument;   // null before a successful parse
    _xmlNode* m_pCurrent = nullptr;                        // inside m_pDocument
};
#endif
