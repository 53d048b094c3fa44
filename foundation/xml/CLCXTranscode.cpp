#include "foundation/xml/CLCXTranscode.h"
#include <cstring>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

XERCES_CPP_NAMESPACE_USE

namespace {
constexpr const char* kUtf8 = "UTF-8";
const XMLCh kEmpty[] = {0};

// Names and values of the definitions are mostly ASCII, which is the same
// text in both forms: copied unit by unit, without the transcoder.
template <typename TTo, typename TFrom>
TTo* AsciiCopy(const TFrom* pText, XMLSize_t ulLength)
{
    for (XMLSize_t i = 0; i < ulLength; ++i) {
        if (static_cast<unsigned>(pText[i]) >= 0x80)
            return nullptr;
    }
    auto* pCopy = static_cast<TTo*>(XMLPlatformUtils::fgMemoryManager->allocate((ulLength + 1) * sizeof(TTo)));
    for (XMLSize_t i = 0; i < ulLength; ++i)
        pCopy[i] = static_cast<TTo>(pText[i]);
    pCopy[ulLength] = 0;
    return pCopy;
}
} // namespace

XMLChToChar::XMLChToChar(const XMLCh* pText)
{
    if (pText == nullptr || *pText == 0)
        return;
    const XMLSize_t ulLength = XMLString::stringLen(pText);
    m_pText = AsciiCopy<XMLByte>(pText, ulLength);
    if (m_pText != nullptr) {
        m_ulLength = ulLength;
        return;
    }
    TranscodeToStr text(pText, kUtf8);
    m_ulLength = text.length();
    m_pText = text.adopt();
}

XMLChToChar::~XMLChToChar()
{
    if (m_pText != nullptr)
        XMLPlatformUtils::fgMemoryManager->deallocate(m_pText);
}

const char* XMLChToChar::c_str() const
{
    return m_pText != nullptr ? reinterpret_cast<const char*>(m_pText) : "";
}

std::string XMLChToChar::str() const
{
    return std::string(c_str(), m_ulLength);
}

CharToXMLCh::CharToXMLCh(const char* szUtf8)
    : CharToXMLCh(szUtf8, szUtf8 != nullptr ? std::strlen(szUtf8) : 0)
{
}

CharToXMLCh::CharToXMLCh(const char* pUtf8, XMLSize_t ulLength)
{
    if (pUtf8 == nullptr || ulLength == 0)
        return;
    m_pText = AsciiCopy<XMLCh>(reinterpret_cast<const unsigned char*>(pUtf8), ulLength);
    if (m_pText != nullptr)
        return;
    TranscodeFromStr text(reinterpret_cast<const XMLByte*>(pUtf8), ulLength, kUtf8);
    m_pText = text.adopt();
}

CharToXMLCh::~CharToXMLCh()
{
    if (m_pText != nullptr)
        XMLPlatformUtils::fgMemoryManager->deallocate(m_pText);
}

const XMLCh* CharToXMLCh::c_str() const
{
    return m_pText != nullptr ? m_pText : kEmpty;
}
