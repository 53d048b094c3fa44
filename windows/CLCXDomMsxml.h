#pragma once
#include "windows/CLCComPtr.h"
#include <functional>
#include <string>
#include <vector>

struct IXMLDOMDocument;
struct IXMLDOMNode;

// The navigable DOM document of the Windows build over MSXML 6 (a
// DOMDocument60 object through COM): the operations, results and cursor rules
// of the libxml2 body, which the GIR code knows as CLCXDomNsxml. Strings are
// UTF-8 here and UTF-16 inside. COM must be initialised on the calling thread.
// Differences the Windows build keeps: Parse puts the cursor on the root
// element; GetAttribute on a node without attributes (the document node)
// answers "". Parse records the collector's fatal row, logs and answers false
// on failure, holding no document then; the cursor operations answer -1, ""
// or an empty list for a miss, and a failure inside them, a failed MSXML
// call included, is logged ("想定外エラー発生") and thrown as
// std::runtime_error.
class CLCXDomMsxml {
public:
    CLCXDomMsxml();
    ~CLCXDomMsxml();
    CLCXDomMsxml(const CLCXDomMsxml&) = delete;
    CLCXDomMsxml& operator=(const CLCXDomMsxml&) = delete;

    // Makes a new, empty document object (no current node).
    bool Initialize();
    // Loads UTF-8 text whatever encoding its declaration names; makes the
    // document object first when there is none.
    bool Parse(const char* szXmlText);
    void Terminate();

    std::string GetNodeName();
    std::string GetAttribute(const char* szName);
    bool HasChild();
    long MoveFirstChild();
    long MoveNextSibling();
    long MoveParent();
    long MoveRoot();
    // XPath selected from the document node: 0 / -1 (cursor unchanged) for no
    // document, an invalid expression or an index outside the selection.
    long GetNodeCount(const char* szXPath);
    long MoveNode(const char* szXPath, long lIndex);
    // Scans of the current node's element children in document order; the
    // cursor ends where it started.
    std::vector<std::string> GetChildAttributes(const char* szName);
    std::vector<std::string> GetChildNodeNames();
    // To the first element child that matches: 0; -1 with the cursor unchanged.
    long MoveChildAttribute(const char* szName, const char* szValue);
    long MoveChildNodeName(const char* szName);
    // The same among the children of the current node's parent, the node
    // itself included.
    long MoveSiblingNodeName(const char* szName);

    // Passes the HRESULT of every MSXML call of the cursor operations through
    // fnHook (tests inject failures); an empty function ends it.
    static void SetCallHookForTest(std::function<long(long)> fnHook);

private:
    CLCComPtr<IXMLDOMDocument> m_pDocument;   // null before Initialize or after a failed Parse
    CLCComPtr<IXMLDOMNode> m_pCurrent;        // inside m_pDocument
};
