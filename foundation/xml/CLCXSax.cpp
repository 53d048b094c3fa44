#include "foundation/xml/CLCXSax.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/xml/CLCXEntityGuard.h"
#include "foundation/xml/CLCXReaderMemory.h"
#include "foundation/xml/CLCXTranscode.h"
#include <algorithm>
#include <cstring>
#include <new>
#include <vector>
#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/sax/InputSource.hpp>
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
// Serves the pieces one after the other, as a memory source serves one text.
class CPiecesStream : public BinInputStream {
public:
    explicit CPiecesStream(const std::vector<std::string_view>& vecPieces) : m_vecPieces(vecPieces) {}

    XMLFilePos curPos() const override { return m_ullPos; }
    const XMLCh* getContentType() const override { return nullptr; }
    XMLSize_t readBytes(XMLByte* const pToFill, const XMLSize_t ulMaxToRead) override
    {
        XMLSize_t ulDone = 0;
        while (ulDone < ulMaxToRead && m_nPiece < m_vecPieces.size()) {
            const std::string_view piece = m_vecPieces[m_nPiece];
            const size_t nCount = std::min<size_t>(piece.size() - m_nOffset, ulMaxToRead - ulDone);
            std::memcpy(pToFill + ulDone, piece.data() + m_nOffset, nCount);
            ulDone += nCount;
            m_nOffset += nCount;
            if (m_nOffset == piece.size()) {
                ++m_nPiece;
                m_nOffset = 0;
            }
        }
        m_ullPos += ulDone;
        return ulDone;
    }

private:
    const std::vector<std::string_view>& m_vecPieces;
    size_t m_nPiece = 0;
    size_t m_nOffset = 0;
    XMLFilePos m_ullPos = 0;
};

class CPiecesInputSource : public InputSource {
public:
    CPiecesInputSource(std::vector<std::string_view> vecPieces, const XMLCh* szBufferId)
        : InputSource(szBufferId), m_vecPieces(std::move(vecPieces))
    {
    }
    BinInputStream* makeStream() const override { return new CPiecesStream(m_vecPieces); }

private:
    std::vector<std::string_view> m_vecPieces;
};

void Configure(SAX2XMLReader& reader, bool bValidation)
{
    reader.setFeature(XMLUni::fgSAX2CoreValidation, bValidation);
    // Validation stays on, but only against a grammar the text brings: without
    // one every element would cost a validity message that the handler drops.
    reader.setFeature(XMLUni::fgXercesDynamic, bValidation);
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
    return CreateReader(true, false);
}

bool CLCXSax::Initialize2()
{
    return CreateReader(false, false);
}

bool CLCXSax::InitializeWellFormed()
{
    return CreateReader(false, true);
}

bool CLCXSax::CreateReader(bool bValidation, bool bWellFormedOnly)
{
    // The scanner is chosen when the reader is made.
    if (m_pReader && m_bWellFormedOnly != bWellFormedOnly)
        Terminate();
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
        auto pMemory = std::make_unique<CLCXReaderMemory>();
        auto pSecurity = CLCXEntityGuard::CreateSecurityManager();
        auto pGuard = std::make_unique<CLCXEntityGuard>();
        std::unique_ptr<SAX2XMLReader> pReader(XMLReaderFactory::createXMLReader(pMemory.get()));
        if (bWellFormedOnly)
            pReader->setProperty(XMLUni::fgXercesScannerName, const_cast<XMLCh*>(XMLUni::fgWFXMLScanner));
        Configure(*pReader, bValidation);
        // Caller-chosen text must not reach files or the network, nor expand without bound.
        pReader->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
        // The well-formedness scanner skips any document type unread, so it
        // knows the five predefined entities alone, each one character long;
        // the library would count every &amp; against the expansion limit,
        // and a large document of our own would fail for its escapes.
        if (!bWellFormedOnly)
            pReader->setProperty(XMLUni::fgXercesSecurityManager, pSecurity.get());
        pReader->setDeclarationHandler(pGuard.get());
        pReader->setContentHandler(pGuard.get());   // for its locator only
        m_pMemory = std::move(pMemory);
        m_pSecurity = std::move(pSecurity);
        m_pEntityGuard = std::move(pGuard);
        m_pReader = std::move(pReader);
        m_bWellFormedOnly = bWellFormedOnly;
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
    m_pMemory.reset();
    XMLPlatformUtils::Terminate();
}

bool CLCXSax::Parse(const char* szData, const char* szBufferId, const char* szEncoding)
{
    if (!m_pReader || szData == nullptr || szBufferId == nullptr || szEncoding == nullptr) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
        return false;
    }
    try {
        const CharToXMLCh bufferId(szBufferId);
        MemBufInputSource source(reinterpret_cast<const XMLByte*>(szData), std::strlen(szData), bufferId.c_str(), false);
        return ParseSource(source, szEncoding);
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
        return false;
    }
}

bool CLCXSax::Parse(std::initializer_list<std::string_view> pieces, const char* szBufferId, const char* szEncoding)
{
    if (!m_pReader || szBufferId == nullptr || szEncoding == nullptr) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
        return false;
    }
    try {
        std::vector<std::string_view> vecPieces;
        for (std::string_view piece : pieces) {
            const size_t nZero = piece.find('\0');
            vecPieces.push_back(piece.substr(0, nZero));
            if (nZero != std::string_view::npos)
                break;
        }
        const CharToXMLCh bufferId(szBufferId);
        CPiecesInputSource source(std::move(vecPieces), bufferId.c_str());
        return ParseSource(source, szEncoding);
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXSax::Parse", kUnexpectedError);
        return false;
    }
}

bool CLCXSax::ParseSource(InputSource& source, const char* szEncoding)
{
    // Ignores warnings and validity errors, throws on the first fatal error.
    DefaultHandler handler;
    m_pReader->setErrorHandler(&handler);
    bool bResult = false;
    try {
        const CharToXMLCh encoding(szEncoding);
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
