#pragma once
#include "foundation/xml/CLCXParser.h"
#include <memory>
#include <string>
#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class XercesDOMParser;
class DOMDocument;
class DOMNode;
class SecurityManager;
class InputSource;
XERCES_CPP_NAMESPACE_END
class CLCXReaderMemory;

// A definition file read into a DOM tree and walked with a cursor over elements.
// The parser owns every document it made until Terminate; a failed parse keeps
// the earlier document and cursor. Failures record the collector's fatal row,
// log, and answer false / -1 / ""; nothing throws out of this class. External
// entities are never resolved and entity expansion is bounded. The parser
// created by Initialize initialises xerces-c once and Terminate (or the
// destructor) terminates it once.
class CLCXDom : public CLCXParser {
public:
    CLCXDom();
    ~CLCXDom() override;
    bool Initialize() override;
    void Terminate() override;
    // Parses the zero-terminated text from memory; the encoding overrides the
    // XML declaration.
    bool Parse(const char* szData, const char* szBufferId, const char* szEncoding) override;
    // Parses the file at the UTF-8 path; its XML declaration names the encoding.
    bool Parse(const char* szPath);

    // Texts are UTF-8. "" without a current node; GetAttribute also gives ""
    // when the current node is not an element.
    std::string GetNodeName() const;
    std::string GetAttribute(const char* szName) const;
    // Any child, text included.
    bool HasChild() const;
    // Element moves: 0 when moved, -1 with the cursor unchanged.
    long MoveFirstChild();
    long MoveNextSibling();
    // To the parent node (the document node from the root element): 0; else -1.
    long MoveParent();

private:
    bool ParseSource(const XERCES_CPP_NAMESPACE::InputSource& source);

    XERCES_CPP_NAMESPACE::DOMDocument* m_pDocument = nullptr;                // owned by the parser
    std::unique_ptr<CLCXReaderMemory> m_pMemory;                             // outlives the parser
    std::unique_ptr<XERCES_CPP_NAMESPACE::SecurityManager> m_pSecurity;      // outlives the parser
    std::unique_ptr<XERCES_CPP_NAMESPACE::XercesDOMParser> m_pParser;        // null before Initialize
    XERCES_CPP_NAMESPACE::DOMNode* m_pCurrent = nullptr;                     // inside m_pDocument
};
