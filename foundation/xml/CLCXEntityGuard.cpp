#include "foundation/xml/CLCXEntityGuard.h"
#include "foundation/xml/CLCXTranscode.h"
#include <string>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLString.hpp>

XERCES_CPP_NAMESPACE_USE

std::unique_ptr<SecurityManager> CLCXEntityGuard::CreateSecurityManager()
{
    auto pSecurity = std::make_unique<SecurityManager>();
    pSecurity->setEntityExpansionLimit(kExpansionLimit);
    return pSecurity;
}

void CLCXEntityGuard::setDocumentLocator(const Locator* const pLocator)
{
    m_pLocator = pLocator;
}

void CLCXEntityGuard::internalEntityDecl(const XMLCh* const szName, const XMLCh* const szValue)
{
    if (XMLString::stringLen(szValue) <= kMaxEntityText)
        return;
    const std::string strMessage = "entity '" + XMLChToChar(szName).str() + "' has a replacement text longer than "
        + std::to_string(kMaxEntityText) + " characters; this is the limit imposed by the application";
    const CharToXMLCh message(strMessage.c_str());
    if (m_pLocator != nullptr)
        throw SAXParseException(message.c_str(), *m_pLocator);
    throw SAXParseException(message.c_str(), nullptr, nullptr, 0, 0);
}
