#pragma once
#include "foundation/xml/CLCXParser.h"
#include <initializer_list>
#include <memory>
#include <string_view>
#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class InputSource;
class SAX2XMLReader;
class SecurityManager;
XERCES_CPP_NAMESPACE_END
class CLCXEntityGuard;
class CLCXReaderMemory;

// A SAX2 parse that proves a text well-formed. Initialize keeps validation on
// (validity errors are ignored anyway); Initialize2 switches validation and the
// external DTD off, for files the caller chose. Both readers resolve no
// external entity (no file, no network) and bound entity expansion: such a
// document fails like a malformed one. What the library leaves behind on an
// error path is freed with the reader.
// Failures record the collector's fatal row, log, and answer false; nothing
// throws out of this class. Each reader created initialises xerces-c once and
// Terminate (or the destructor) terminates it once.
class CLCXSax : public CLCXParser {
public:
    CLCXSax();
    ~CLCXSax() override;
    bool Initialize() override;
    bool Initialize2();
    // For a text this system wrote inside an element of its own (no document
    // type can stand in it): well-formedness alone, by the library's lighter
    // scanner, with the answers Initialize gives such a text, however many
    // predefined entity references it holds. That scanner reads no document
    // type, so no entity of a text can expand and no expansion limit applies.
    bool InitializeWellFormed();
    void Terminate() override;
    // Parses the zero-terminated text from memory in the given encoding (which
    // overrides the XML declaration); true when it is well-formed.
    bool Parse(const char* szData, const char* szBufferId, const char* szEncoding) override;
    // The same for a text given in pieces, read one after the other as one
    // text, so that a wrapper around a large document needs no copy of it.
    // As with one text, the text ends at its first zero byte.
    bool Parse(std::initializer_list<std::string_view> pieces, const char* szBufferId, const char* szEncoding);

private:
    bool CreateReader(bool bValidation, bool bWellFormedOnly);
    // The parse of Parse: the reader, its arguments and the source checked by
    // the caller.
    bool ParseSource(XERCES_CPP_NAMESPACE::InputSource& source, const char* szEncoding);

    std::unique_ptr<CLCXReaderMemory> m_pMemory;                         // outlives the reader
    std::unique_ptr<XERCES_CPP_NAMESPACE::SecurityManager> m_pSecurity;   // outlives the reader
    std::unique_ptr<CLCXEntityGuard> m_pEntityGuard;                     // outlives the reader
    std::unique_ptr<XERCES_CPP_NAMESPACE::SAX2XMLReader> m_pReader;      // null before initialisation
    bool m_bWellFormedOnly = false;                                      // the reader's scanner
};
