#include "support/OecdSchema.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace oecdxsd {

namespace {

// Debian 12's libxml2 (2.9) hands the error over non-const.
void CollectError(void* pContext, xmlErrorPtr pError)
{
    auto* pText = static_cast<std::string*>(pContext);
    if (pError == nullptr || pError->message == nullptr)
        return;
    *pText += "line " + std::to_string(pError->line) + ": " + pError->message;
    if (pText->back() != '\n')
        *pText += '\n';
}

struct SSchemaDeleter {
    void operator()(xmlSchemaPtr p) const { xmlSchemaFree(p); }
};
struct SDocDeleter {
    void operator()(xmlDocPtr p) const { xmlFreeDoc(p); }
};
struct SValidDeleter {
    void operator()(xmlSchemaValidCtxtPtr p) const { xmlSchemaFreeValidCtxt(p); }
};

// Null when the schema does not compile; strErrors says why.
xmlSchemaPtr CompiledSchema(const std::string& strPath, std::string& strErrors)
{
    static std::map<std::string, std::unique_ptr<xmlSchema, SSchemaDeleter>> s_schemas;
    auto it = s_schemas.find(strPath);
    if (it != s_schemas.end())
        return it->second.get();
    xmlSchemaParserCtxtPtr pParser = xmlSchemaNewParserCtxt(strPath.c_str());
    if (pParser == nullptr) {
        strErrors = "cannot open " + strPath;
        return nullptr;
    }
    xmlSchemaSetParserStructuredErrors(pParser, &CollectError, &strErrors);
    xmlSchemaPtr pSchema = xmlSchemaParse(pParser);
    xmlSchemaFreeParserCtxt(pParser);
    if (pSchema == nullptr)
        return nullptr;
    return s_schemas.emplace(strPath, std::unique_ptr<xmlSchema, SSchemaDeleter>(pSchema)).first->second.get();
}

} // namespace

std::string SchemaRoot()
{
    if (const char* szDir = std::getenv("TESVANT_OECD_XSD_DIR"); szDir != nullptr && *szDir != '\0')
        return szDir;
    return TESVANT_OECD_XSD_DIR;
}

std::string SchemaPath(const std::string& strFolder, const std::string& strMainFile)
{
    return (std::filesystem::path(SchemaRoot()) / strFolder / strMainFile).string();
}

std::string MissingSchemaMessage(const std::string& strPath)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(strPath, ec))
        return "";
    return "OECD schema folder missing: " + strPath +
           " not found (set TESVANT_OECD_XSD_DIR to the folder holding the OECD schemas)";
}

bool ValidateXml(const std::string& strSchemaPath, const std::string& strXml, std::string& strErrors)
{
    strErrors.clear();
    xmlSchemaPtr pSchema = CompiledSchema(strSchemaPath, strErrors);
    if (pSchema == nullptr) {
        strErrors = "schema does not compile: " + strErrors;
        return false;
    }
    std::unique_ptr<xmlDoc, SDocDeleter> pDoc(xmlReadMemory(strXml.data(), static_cast<int>(strXml.size()), "cbc.xml",
                                                            "UTF-8", XML_PARSE_NONET | XML_PARSE_NOERROR |
                                                                         XML_PARSE_NOWARNING));
    if (!pDoc) {
        strErrors = "not well-formed XML";
        return false;
    }
    std::unique_ptr<xmlSchemaValidCtxt, SValidDeleter> pValid(xmlSchemaNewValidCtxt(pSchema));
    if (!pValid) {
        strErrors = "no validation context";
        return false;
    }
    xmlSchemaSetValidStructuredErrors(pValid.get(), &CollectError,
                                      &strErrors);
    return xmlSchemaValidateDoc(pValid.get(), pDoc.get()) == 0 && strErrors.empty();
}

} // namespace oecdxsd
