#pragma once
// The OECD schemas as test oracles. They stay in the shared folder beside the
// sources (compile definition TESVANT_OECD_XSD_DIR); the environment variable
// of the same name points elsewhere when that folder is not there.
#include <string>

namespace oecdxsd {

// The folder holding cbc_v1.0.1/, cbc_v2.0/ and the others.
std::string SchemaRoot();

// The main file of a schema folder, e.g. ("cbc_v2.0", "CbcXML_v2.0.xsd").
std::string SchemaPath(const std::string& strFolder, const std::string& strMainFile);

// The message a test skips with when a schema file is missing ("" when present).
std::string MissingSchemaMessage(const std::string& strPath);

// Validates an XML text (UTF-8, declaration optional) against the schema at the
// path with libxml2. The compiled schema is kept per path for the process.
// True when valid; otherwise strErrors holds libxml2's messages, one a line.
bool ValidateXml(const std::string& strSchemaPath, const std::string& strXml, std::string& strErrors);

} // namespace oecdxsd
