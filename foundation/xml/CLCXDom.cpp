#include "foundation/xml/CLCXDom.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/xml/CLCXEntityGuard.h"
#include "foundation/xml/CLCXReaderMemory.h"
#include "foundation/xml/CLCXTranscode.h"
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>

XERCES_CPP_NAMESPACE_USE

namespace {
constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

DOMNode* FirstElement(DOMNode* pNode)
{
    while (pNode != nullptr && pNode->getNodeType() != DOMNode::ELEMENT_NODE)
        pNode = pNode->getNextSibling();
    return pNode;
}

// The file's bytes; false when it is not a readable regular file.
bool ReadBytes(const char* szPath, std::string& strBytes)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::u8path(szPath), ec))
        return false;
    std::ifstream in(std::filesystem::u8path(szPath), std::ios::binary);
    if (!in)
        return false;
    strBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
} // namespace

CLCXDom::CLCXDom() = default;

CLCXDom::~CLCXDom()
{
    Terminate();
}

bool CLCXDom::Initialize()
{
    if (m_pParser)
        return true;
    try {
        XMLPlatformUtils::Initialize();
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Initialize", kUnexpectedError);
        return false;
    }
    const char* szFailure = kUnexpectedError;
    try {
        auto pMemory = std::make_unique<CLCXReaderMemory>();
        auto pSecurity = CLCXEntityGuard::CreateSecurityManager();
        szFailure = kNewFailed;
        auto pParser = std::make_unique<XercesDOMParser>(nullptr, pMemory.get());
        szFailure = kUnexpectedError;
        pParser->setValidationScheme(XercesDOMParser::Val_Always);
        pParser->setDoNamespaces(true);
        pParser->setCreateEntityReferenceNodes(false);
        // Definitions are our own files; these bounds change nothing for them.
        pParser->setDisableDefaultEntityResolution(true);
        pParser->setSecurityManager(pSecurity.get());
        m_pMemory = std::move(pMemory);
        m_pSecurity = std::move(pSecurity);
        m_pParser = std::move(pParser);
        return true;
    } catch (...) {
        XMLPlatformUtils::Terminate();
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Initialize", szFailure);
        return false;
    }
}

void CLCXDom::Terminate()
{
    if (!m_pParser)
        return;
    m_pCurrent = nullptr;
    m_pDocument = nullptr;
    m_pParser.reset();
    m_pSecurity.reset();
    m_pMemory.reset();
    XMLPlatformUtils::Terminate();
}

bool CLCXDom::Parse(const char* szData, const char* szBufferId, const char* szEncoding)
{
    if (!m_pParser || szData == nullptr || szBufferId == nullptr || szEncoding == nullptr) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
        return false;
    }
    try {
        const CharToXMLCh bufferId(szBufferId);
        const CharToXMLCh encoding(szEncoding);
        MemBufInputSource source(reinterpret_cast<const XMLByte*>(szData), std::strlen(szData), bufferId.c_str(), false);
        source.setEncoding(encoding.c_str());
        return ParseSource(source);
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
        return false;
    }
}

bool CLCXDom::Parse(const char* szPath)
{
    if (!m_pParser || szPath == nullptr) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
        return false;
    }
    // Read here rather than by the library, which would decode the path in the
    // process locale.
    try {
        std::string strBytes;
        if (!ReadBytes(szPath, strBytes)) {
            const std::string strText = std::string(kUnexpectedError) + "\nunable to read the file '" + szPath + "'";
            RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", strText.c_str());
            return false;
        }
        const CharToXMLCh path(szPath);
        MemBufInputSource source(reinterpret_cast<const XMLByte*>(strBytes.data()), strBytes.size(), path.c_str(), false);
        return ParseSource(source);
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
        return false;
    }
}

bool CLCXDom::ParseSource(const InputSource& source)
{
    // Ignores warnings and validity errors, throws on the first fatal error.
    std::unique_ptr<HandlerBase> pHandler;
    try {
        pHandler = std::make_unique<HandlerBase>();
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kNewFailed);
        return false;
    }
    bool bResult = false;
    try {
        m_pParser->reset();
        m_pParser->setErrorHandler(pHandler.get());
        m_pParser->parse(source);
        DOMDocument* pDocument = m_pParser->getDocument();
        if (pDocument == nullptr) {
            RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
        } else {
            m_pDocument = pDocument;
            m_pCurrent = pDocument->getFirstChild();
            bResult = true;
        }
    } catch (const SAXParseException& e) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", ParseFailureText(e).c_str());
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::Parse", kUnexpectedError);
    }
    // The parser keeps the document alive until it is deleted.
    try {
        m_pParser->setErrorHandler(nullptr);
        m_pParser->reset();
    } catch (...) {
    }
    return bResult;
}

std::string CLCXDom::GetNodeName() const
{
    if (m_pCurrent == nullptr)
        return "";
    try {
        return XMLChToChar(m_pCurrent->getNodeName()).str();
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::GetNodeName", kUnexpectedError);
        return "";
    }
}

std::string CLCXDom::GetAttribute(const char* szName) const
{
    if (m_pCurrent == nullptr || szName == nullptr || m_pCurrent->getNodeType() != DOMNode::ELEMENT_NODE)
        return "";
    try {
        const auto* pElement = static_cast<const DOMElement*>(m_pCurrent);
        return XMLChToChar(pElement->getAttribute(CharToXMLCh(szName).c_str())).str();
    } catch (...) {
        RecordFailure(__FILE__, __LINE__, "CLCXDom::GetAttribute", kUnexpectedError);
        return "";
    }
}

bool CLCXDom::HasChild() const
{
    return m_pCurrent != nullptr && m_pCurrent->hasChildNodes();
}

long CLCXDom::MoveFirstChild()
{
    if (m_pCurrent == nullptr)
        return -1;
    DOMNode* pChild = FirstElement(m_pCurrent->getFirstChild());
    if (pChild == nullptr)
        return -1;
    m_pCurrent = pChild;
    return 0;
}

long CLCXDom::MoveNextSibling()
{
    if (m_pCurrent == nullptr)
        return -1;
    DOMNode* pSibling = FirstElement(m_pCurrent->getNextSibling());
    if (pSibling == nullptr)
        return -1;
    m_pCurrent = pSibling;
    return 0;
}

long CLCXDom::MoveParent()
{
    if (m_pCurrent == nullptr)
        return -1;
    DOMNode* pParent = m_pCurrent->getParentNode();
    if (pParent == nullptr)
        return -1;
    m_pCurrent = pParent;
    return 0;
}
