#pragma once
#include <string>
#include <vector>

// The GIR folder naming scheme: seven whole-name patterns (ECMAScript) and the
// four tables the folder checks use. Built on first use.
namespace CLCGIRFilePatterns {
extern const char* const kP1MessageSpec;       // "01_MessageSpec\.[^\.]+"
extern const char* const kP2GLOBEBody;         // "02_GLOBEBody"
extern const char* const kP3FilingInfo;
extern const char* const kP4GeneralSection;
extern const char* const kP5Summary;
extern const char* const kP6JurisdictionSection;
extern const char* const kP7UTPRAttribution;

// P1 to P7 in order: the groups of the per-file error texts.
const std::vector<std::string>& GroupPatterns();
} // namespace CLCGIRFilePatterns

const std::vector<std::string>& NotExistFileRefFolderValidTable();
const std::vector<std::string>& ExistUnknownFileRefFolderValidTable();
const std::vector<std::string>& NotExistFileSubFolderValidTable();
const std::vector<std::string>& ExistUnknownFileSubFolderValidTable();
