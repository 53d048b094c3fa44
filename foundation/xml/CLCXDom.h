#pragma once
#include "foundation/xml/CLCXParser.h"
#include <string>
#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class XercesDOMParser;
class DOMDocument;
class DOMNode;
XERCES_CPP_NAMESPACE_END

// A definition file read into a DOM tree and walked with a cursor over elements.
// Failures record the collector's fatal row, log, and answer false / -1.
class CLCXDom : public CLCXParser {
public:
    CLCXDom() = default;
    ~CLCXDom() override;
    bool Initialize() override;
    void Terminate() override;
    bool Parse(const char* szData, const char* szBufferId, const char* szEncoding) override;
    bool Parse(const char* szPath);

    std::string GetNodeName() const;
    std::string GetAttribute(const char* szName) const;
    bool HasChild() const;
    long MoveFirstChild();
    long MoveNextSibling();
    long MoveParent();

private:
    XERCES_CPP_NAMESPACE::DOMDocument* m_pDocument = nullptr;     // owned by the parser
    XERCES_CPP_NAMESPACE::XercesDOMParser* m_pParser = nullptr;   // owned
    XERCES_CPP_NAMESPACE::DOMNode* m_pCurrent = nullptr;
};
