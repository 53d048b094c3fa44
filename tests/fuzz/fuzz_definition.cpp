// The definition loader on a definition file's text: the first byte chooses
// the definition the rest replaces, then the road that loads it runs on a
// shipped example (the GIR definitions are loaded by their managers).
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRPropertyManager.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Example(const char* szName)
{
    return std::string(TESVANT_FUZZ_SOURCE_DIR) + "/examples/" + szName;
}

void LoadGIR(bool (CLCGIRPropertyManager::*pfnLoad)(unsigned short), unsigned short usId)
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    CLCGIRPropertyManager* pManager = CLCGIRPropertyManager::instance();
    pManager->Initialize();
    (pManager->*pfnLoad)(usId);
    CLCGIRPropertyManager::destroy();
    CLCValidResult::destroy();
}

struct SDefinition {
    const char* szFile;
    std::function<void(CLCCsvConvDataCbC&)> fnRoad;
};

const SDefinition kDefinitions[] = {
    {"CbCValidateDefine.xml", [](CLCCsvConvDataCbC& api) {
         api.AppendixTableCsvCheck(Example("appendix_aia120.csv").c_str());
     }},
    {"CbCDataConvDefine.xml", [](CLCCsvConvDataCbC& api) {
         api.CsvConvAppendixTableData(Example("appendix_aia120.csv").c_str(), "Tesvant", "山田太郎", "");
     }},
    {"CbCValidateDefine2.xml", [](CLCCsvConvDataCbC& api) {
         api.CbCReportCsvCheck(Example("cbc_report_v1.csv").c_str());
     }},
    {"CbCDataConvDefine2.xml", [](CLCCsvConvDataCbC& api) {
         api.CsvConvCbCReportData(Example("cbc_report_v1.csv").c_str(), "");
     }},
    {"CbCDataConvDefine3.xml", [](CLCCsvConvDataCbC& api) {
         api.CsvConvCbCReportData2(Example("cbc_report_v2.csv").c_str(), "");
     }},
    {"CbCValidateDefine3.xml", [](CLCCsvConvDataCbC& api) {
         api.CbCReportCsvCheck2(Example("cbc_report_v2.csv").c_str());
     }},
    {"CbCDataConvDefine_AIA520.xml",
     [](CLCCsvConvDataCbC&) { LoadGIR(&CLCGIRPropertyManager::LoadEditDefinition, 210); }},
    {"CbCValidateDefine_AIA520.xml",
     [](CLCCsvConvDataCbC&) { LoadGIR(&CLCGIRPropertyManager::LoadCheckDefinition, 211); }},
    {"CbCElementDefine_AIA520.lst",
     [](CLCCsvConvDataCbC&) { LoadGIR(&CLCGIRPropertyManager::LoadElementList, 212); }},
    {"CbCDataConvDefine_AIA540.xml", [](CLCCsvConvDataCbC& api) {
         api.CsvConvGIRAppendixTableData(Example("appendix_aia540.csv").c_str(), "Tesvant", "山田太郎", "");
     }},
    {"CbCValidateDefine_AIA540.xml", [](CLCCsvConvDataCbC& api) {
         api.GIRAppendixTableCsvCheck(Example("appendix_aia540.csv").c_str(), "1", "");
     }},
};
constexpr size_t kDefinitionCount = sizeof(kDefinitions) / sizeof(kDefinitions[0]);

std::string DefinitionPath(const char* szFile)
{
    return fuzzsupport::Folder() + "/definitions/" + szFile;
}

// The shipped definitions, in a folder the loader is pointed at.
void CopyDefinitions()
{
    fs::create_directories(fuzzsupport::Folder() + "/definitions");
    for (const SDefinition& definition : kDefinitions)
        fs::copy_file(std::string(TESVANT_FUZZ_SOURCE_DIR) + "/definitions/" + definition.szFile,
                      DefinitionPath(definition.szFile), fs::copy_options::overwrite_existing);
    ::setenv("TESVANT_DEFINITION_DIR", (fuzzsupport::Folder() + "/definitions").c_str(), 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static const bool s_bReady = [] {
        CopyDefinitions();
        return true;
    }();
    (void)s_bReady;
    if (nSize == 0)
        return 0;
    // Seeds carry the letter A for the first entry of the table, B for the second, ...
    const SDefinition& definition = kDefinitions[static_cast<uint8_t>(pData[0] - 'A') % kDefinitionCount];
    const std::string strShipped = fuzzsupport::ReadBytes(std::string(TESVANT_FUZZ_SOURCE_DIR) + "/definitions/"
                                                          + definition.szFile);
    fuzzsupport::WriteInput("definitions/" + std::string(definition.szFile), pData + 1, nSize - 1);
    {
        CLCCsvConvDataCbC api;
        definition.fnRoad(api);
    }
    // The next input finds every other definition as shipped.
    fuzzsupport::WriteInput("definitions/" + std::string(definition.szFile), strShipped);
    return 0;
}
