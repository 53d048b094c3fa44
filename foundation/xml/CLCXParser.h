#pragma once
#include <string>
#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class SAXParseException;
XERCES_CPP_NAMESPACE_END

// Base of the xerces-c parsers. The base versions do nothing and answer false.
// The derived parsers initialise the library once per parser they create and
// terminate it once when that parser goes.
class CLCXParser {
public:
    CLCXParser() = default;
    virtual ~CLCXParser() = default;
    virtual bool Initialize() { return false; }
    virtual void Terminate() {}
    virtual bool Parse(const char* /*szData*/, const char* /*szBufferId*/, const char* /*szEncoding*/) { return false; }

    CLCXParser(const CLCXParser&) = delete;
    CLCXParser& operator=(const CLCXParser&) = delete;

protected:
    // The one place a parser failure is reported: the collector's fatal row and
    // a log entry. Never throws.
    static void RecordFailure(const char* szFile, int nLine, const char* szFunction, const char* szMessage) noexcept;
    // The log text of a failed parse: the unexpected-error text, the library's
    // message and its line and column. Never throws.
    static std::string ParseFailureText(const XERCES_CPP_NAMESPACE::SAXParseException& e) noexcept;
};
