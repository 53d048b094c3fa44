#include "foundation/CLCGIRFilePatterns.h"

namespace CLCGIRFilePatterns {
const char* const kP1MessageSpec = R"(01_MessageSpec\.[^\.]+)";
const char* const kP2GLOBEBody = R"(02_GLOBEBody)";
const char* const kP3FilingInfo = R"(01_FilingInfo\.[^\.]+)";
const char* const kP4GeneralSection = R"(02_GeneralSection\.[^\.]+)";
const char* const kP5Summary = R"(03_Summary_\d+\.[^\.]+)";
const char* const kP6JurisdictionSection = R"(04_JurisdictionSection_\d+\.[^\.]+)";
const char* const kP7UTPRAttribution = R"(05_UTPRAttribution_\d+\.[^\.]+)";

// The tables are function-local statics so that no unit can read one before it
// is built, whatever the order of static initialisation.
const std::vector<std::string>& GroupPatterns()
{
    static const std::vector<std::string> table = {
        kP1MessageSpec, kP2GLOBEBody, kP3FilingInfo, kP4GeneralSection,
        kP5Summary, kP6JurisdictionSection, kP7UTPRAttribution};
    return table;
}
} // namespace CLCGIRFilePatterns

const std::vector<std::string>& NotExistFileRefFolderValidTable()
{
    using namespace CLCGIRFilePatterns;
    static const std::vector<std::string> table = {
        kP3FilingInfo, kP4GeneralSection, kP5Summary, kP6JurisdictionSection, kP7UTPRAttribution};
    return table;
}

const std::vector<std::string>& ExistUnknownFileRefFolderValidTable()
{
    return CLCGIRFilePatterns::GroupPatterns();
}

const std::vector<std::string>& NotExistFileSubFolderValidTable()
{
    static const std::vector<std::string> table = {CLCGIRFilePatterns::kP1MessageSpec};
    return table;
}

const std::vector<std::string>& ExistUnknownFileSubFolderValidTable()
{
    return CLCGIRFilePatterns::GroupPatterns();
}
