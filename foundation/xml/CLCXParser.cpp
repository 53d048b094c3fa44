#include "foundation/xml/CLCXParser.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXTranscode.h"
#include <xercesc/sax/SAXParseException.hpp>

void CLCXParser::RecordFailure(const char* szFile, int nLine, const char* szFunction, const char* szMessage) noexcept
{
    try {
        CLCValidResult::instance()->SetFatalError();
    } catch (...) {
        // Nothing left to record with; the caller still answers false.
    }
    CLCDebugDump::OutputLog(szFile, nLine, szFunction, szMessage);
}

std::string CLCXParser::ParseFailureText(const XERCES_CPP_NAMESPACE::SAXParseException& e) noexcept
{
    try {
        std::string strText = kUnexpectedError;
        strText += '\n';
        strText += XMLChToChar(e.getMessage()).str();
        strText += " (行番号: " + std::to_string(e.getLineNumber()) + ", 列番号: " + std::to_string(e.getColumnNumber()) + ")";
        return strText;
    } catch (...) {
        return kUnexpectedError;
    }
}
