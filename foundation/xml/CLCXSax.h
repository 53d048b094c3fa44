#pragma once
#include "foundation/xml/CLCXParser.h"
#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class SAX2XMLReader;
class SecurityManager;
XERCES_CPP_NAMESPACE_END

// A SAX2 parse that proves a text well-formed. Initialize keeps validation on
// (validity errors are ignored anyway); Initialize2 is the hardened reader for
// caller-chosen files.
class CLCXSax : public CLCXParser {
public:
    CLCXSax() = default;
    ~CLCXSax() override;
    bool Initialize() override;
    bool Initialize2();
    void Terminate() override;
    bool Parse(const char* szData, const char* szBufferId, const char* szEncoding) override;

private:
    bool CreateReader(bool bValidation);

    XERCES_CPP_NAMESPACE::SAX2XMLReader* m_pReader = nullptr;      // owned
    XERCES_CPP_NAMESPACE::SecurityManager* m_pSecurity = nullptr;  // owned
};
