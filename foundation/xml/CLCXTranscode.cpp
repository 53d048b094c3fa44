#include "foundation/xml/CLCXTranscode.h"
#include <cstring>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>

XERCES_CPP_NAMESPACE_USE

namespace {
constexpr const char* kUtf8 = "UTF-8";
const XMLCh kEmpty[] = {0};
} // namespace

XMLChToChar::XMLChToChar(const XMLCh* pText)
{
    if (pText == nullptr || *pText == 0)
        return;
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
