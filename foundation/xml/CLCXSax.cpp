#include "foundation/xml/CLCXSax.h"
#include "foundation/xml/CLCXEntityGuard.h"
#include "foundation/xml/CLCXTranscode.h"
#include <cstring>
#include <new>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLUni.hpp>

XERCES_CPP_NAMESPACE_USE

namespace {
constexpr const char* kUnexpectedError = "想定しないエラーが発生しました。";

void Configure(SAX2XMLReader& reader, bool bValidation)
{
    reader.setFeature(XMLUni::fgSAX2CoreValidation, bValidation);
    reader.setFeature(XMLUni::fgSAX2CoreNameSpaces, false);
    reader.setFeature(XMLUni::fgXercesLoadExternalDTD, bValidation);
}
} // namespace

CLCXSax::CLCXSax() = default;

CLCXSax::~CLCXSax()
{
    Terminate();
}

bool CLCXSax::Initialize()
{
    return CreateReader(true);
}

bool CLCXSax::Initialize2()
{
    return CreateReader(false);
}

bool CLCXSax::CreateReader(bool bValidation)
{
    if (m_pReader) {
        try {
            Configure(*m_pReader, bValidation);
            return true;
        } catch (...) {
            RecordFailure(__FILE__, __LINE__, "CLCXSax::Initialize", kUnexpectedError);
            return false;
        }
    }
    try {
        XMLPlatformUtils::Initialize();
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Initialize", kUnexpectedError);
        return false;
    }
    try {
        auto pSecurity = CLCXEntityGuard::CreateSecurityManager();
        auto pGuard = std::make_unique<CLCXEntityGuard>();
        std::unique_ptr<SAX2XMLReader> pReader(XMLReaderFactory::createXMLReader());
        Configure(*pReader, bValidation);
        // Caller-chosen text must not reach files or the network, nor expand without bound.
        pReader->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
        pReader->setProperty(XMLUni::fgXercesSecurityManager, pSecurity.get());
        pReader->setDeclarationHandler(pGuard.get());
        pReader->setContentHandler(pGuard.get());   // for its locator only
        m_pSecurity = std::move(pSecurity);
        m_pEntityGuard = std::move(pGuard);
        m_pReader = std::move(pReader);
        return true;
    } catch (...) {
        XMLPlatformUtils::Terminate();
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Initialize", kUnexpectedError);
        return false;
    }
}

void CLCXSax::Terminate()
{
    if (!m_pReader)
        return;
    m_pReader.reset();
    m_pEntityGuard.reset();
    m_pSecurity.reset();
    XMLPlatformUtils::Terminate();
}

bool CLCXSax::Parse(const char* szData, const char* szBufferId, const char* szEncoding)
{
    if (!m_pReader || szData == nullptr || szBufferId == nullptr || szEncoding == nullptr) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
        return false;
    }
    // Ignores warnings and validity errors, throws on the first fatal error.
    DefaultHandler handler;
    m_pReader->setErrorHandler(&handler);
    bool bResult = false;
    try {
        const CharToXMLCh bufferId(szBufferId);
        const CharToXMLCh encoding(szEncoding);
        MemBufInputSource source(reinterpret_cast<const XMLByte*>(szData), std::strlen(szData), bufferId.c_str(), false);
        source.setEncoding(encoding.c_str());
        m_pReader->parse(source);
        bResult = true;
    } catch (const SAXParseException& e) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", ParseFailureText(e).c_str());
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
    }
    m_pReader->setErrorHandler(nullptr);
    return bResult;
}
