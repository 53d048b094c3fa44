#pragma once
#include <memory>
#include <xercesc/sax2/DefaultHandler.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class SecurityManager;
XERCES_CPP_NAMESPACE_END

// Bounds the work a document's own DTD can cause. The library's security
// manager caps the number of entity expansions; this guard caps the size of
// each internal entity's replacement text, so the expanded text of any
// document stays below kExpansionLimit * kMaxEntityText characters. A document
// beyond either bound fails like a malformed one (SAXParseException). No
// legitimate generated or filed document comes near them.
class CLCXEntityGuard : public XERCES_CPP_NAMESPACE::DefaultHandler {
public:
    static constexpr XMLSize_t kExpansionLimit = 10000;
    static constexpr XMLSize_t kMaxEntityText = 1024;

    // A security manager set to kExpansionLimit; the caller keeps it alive as
    // long as the parser that uses it (include SecurityManager.hpp to own it).
    static std::unique_ptr<XERCES_CPP_NAMESPACE::SecurityManager> CreateSecurityManager();

    void setDocumentLocator(const XERCES_CPP_NAMESPACE::Locator* const pLocator) override;
    void internalEntityDecl(const XMLCh* const szName, const XMLCh* const szValue) override;

private:
    const XERCES_CPP_NAMESPACE::Locator* m_pLocator = nullptr;   // the reader's, valid during a parse
};
