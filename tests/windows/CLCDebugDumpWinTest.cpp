// The Windows debug log: "TESVANT_OUTPUT" switches it on, the file lies in the
// temporary folder, the writer leaves the process locale alone; the three
// container dumps have switches of their own.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <clocale>
#include <locale>
#include <regex>

namespace {

using Stage = CLCDebugDump::DumpStage;

std::string TodaysLog()
{
    return CLCMacOSNative::appendFilePath(CLCMacOSNative::temporaryDirectory().c_str(),
                                          CLCCbCCommon::Now("'_OVK_TESVANT_'yyyyMMdd'.log'", nullptr).c_str());
}

// Must run before any case turns the log on: once on, it stays on.
WIN_TEST(LogIsOffWithoutTheVariable)
{
    wintest::CEnvVar logSwitch("TESVANT_OUTPUT");
    logSwitch.Unset();
    const std::string strBefore = wintest::ReadBytes(TodaysLog());
    CLCDebugDump::InitDebugDump();
    CLC_LOG("CLCTest::Off", "dropped");
    CHECK(!CLCDebugDump::IsOutput());
    CHECK_EQ(wintest::ReadBytes(TodaysLog()), strBefore);
}

WIN_TEST(LogAppendsEntriesInTheTemporaryFolder)
{
    wintest::CEnvVar logSwitch("TESVANT_OUTPUT");
    logSwitch.Set("");
    CLCDebugDump::InitDebugDump();
    CHECK(CLCDebugDump::IsOutput());
    CHECK_EQ(std::string(CLCDebugDump::OutputPath()), TodaysLog());
    CHECK_EQ(CLCDebugDump::LogFolder(), CLCMacOSNative::temporaryDirectory());

    const std::string strLocale = std::setlocale(LC_ALL, nullptr);
    const std::string strGlobal = std::locale().name();
    const size_t nBefore = wintest::ReadBytes(TodaysLog()).size();
    CLCDebugDump::OutputLog("C:\\src\\a.cpp", 42, "CLCGIRXmlGenerator::MakeXMLData", "\xE6\x83\xB3\xE5\xAE\x9A");
    CLCDebugDump::OutputLog("C:\\src\\b.cpp", 7, "CLCTest::NoMessage", nullptr);
    CHECK_EQ(std::string(std::setlocale(LC_ALL, nullptr)), strLocale);
    CHECK_EQ(std::locale().name(), strGlobal);

    const std::string strAdded = wintest::ReadBytes(TodaysLog()).substr(nBefore);
    const std::regex reEntries(
        "--\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} CLCGIRXmlGenerator::MakeXMLData--\n\xE6\x83\xB3\xE5\xAE\x9A\n"
        "\\[File:C:\\\\src\\\\a\\.cpp Line:42\\]\n\n"
        "--\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} CLCTest::NoMessage--\n\\[File:C:\\\\src\\\\b\\.cpp Line:7\\]\n\n");
    CHECK(std::regex_match(strAdded, reEntries));
    if (!std::regex_match(strAdded, reEntries))
        wintest::Fail(__FILE__, __LINE__, wintest::Show(strAdded));
}

struct SDump {
    Stage stage;
    const char* szSwitch;
    const char* szLabel;
};
const SDump kDumps[] = {
    {Stage::ConvertHierarchy, "TESVANT_DUMP_CONVER", "CLCGIRDataManager::ConvertHierarchy"},
    {Stage::MappingConvDefine, "TESVANT_DUMP_MAPPING", "CLCGIRDataManager::MappingConvDefine"},
    {Stage::CreateAutoItem, "TESVANT_DUMP_AUTOITEM", "CLCGIRDataManager::CreateAutoItem"},
};

WIN_TEST(EachDumpHasItsOwnSwitch)
{
    for (const SDump& c : kDumps) {
        wintest::CEnvVar dumpSwitch(c.szSwitch);
        dumpSwitch.Unset();
        CHECK(!CLCDebugDump::IsDumpOn(c.stage));   // the log being on does not switch it
        dumpSwitch.Set("0");
        CHECK(CLCDebugDump::IsDumpOn(c.stage));
        for (const SDump& other : kDumps) {
            if (other.stage != c.stage && std::getenv(other.szSwitch) == nullptr)
                CHECK(!CLCDebugDump::IsDumpOn(other.stage));
        }
        CHECK_EQ(CLCDebugDump::DumpLabel(c.stage), c.szLabel);
    }
}

} // namespace
