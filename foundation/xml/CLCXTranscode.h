#pragma once
#include <string>
#include <xercesc/util/XercesDefs.hpp>

// Holders of one string transcoded by xerces-c, always as UTF-8 so that the
// result never depends on the process locale. Each holder owns its string and
// gives it back to the library's memory manager on destruction. The library
// must be initialised while a holder lives. Text that cannot be transcoded
// (broken UTF-8 or UTF-16) throws the library's TranscodingException.
class XMLChToChar {
public:
    // Null gives "".
    explicit XMLChToChar(const XMLCh* pText);
    ~XMLChToChar();
    XMLChToChar(const XMLChToChar&) = delete;
    XMLChToChar& operator=(const XMLChToChar&) = delete;

    const char* c_str() const;   // zero-terminated UTF-8, valid while the holder lives
    std::string str() const;

private:
    XMLByte* m_pText = nullptr;
    XMLSize_t m_ulLength = 0;
};

class CharToXMLCh {
public:
    // Null counts as "".
    explicit CharToXMLCh(const char* szUtf8);
    CharToXMLCh(const char* pUtf8, XMLSize_t ulLength);
    ~CharToXMLCh();
    CharToXMLCh(const CharToXMLCh&) = delete;
    CharToXMLCh& operator=(const CharToXMLCh&) = delete;

    const XMLCh* c_str() const;   // zero-terminated UTF-16, valid while the holder lives

private:
    XMLCh* m_pText = nullptr;
};
