#include "foundation/CLCDebugDump.h"
#include "foundation/FoundationTestFolder.h"
#include <gtest/gtest.h>
#include <regex>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> vecNames;
    for (const auto& entry : fs::directory_iterator(folder))
        vecNames.push_back(entry.path().filename().string());
    return vecNames;
}

// Whether logging is already on depends on earlier tests in this process, so
// the check runs in a fresh copy of the test program.
TEST(DebugLogDeathTest, WithoutTheVariableNoFileIsMade)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CTestFolder folder;
    CEnvVar home("HOME"), debugSwitch(CLCDebugDump::kDebugSwitch);
    EXPECT_EXIT(
        {
            setenv("HOME", folder.Path().c_str(), 1);
            unsetenv(CLCDebugDump::kDebugSwitch);
            CLCDebugDump::InitDebugDump();
            CLC_LOG("Fn", "message");
            const bool bQuiet = !CLCDebugDump::IsOutput() && fs::is_empty(folder.Path());
            std::exit(bQuiet ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST(DebugLog, WritesTheFourLineEntry)
{
    CTestFolder folder;
    CEnvVar home("HOME"), debugSwitch(CLCDebugDump::kDebugSwitch);
    setenv("HOME", folder.Path().c_str(), 1);
    setenv(CLCDebugDump::kDebugSwitch, "", 1);   // present, even empty, switches it on
    CLCDebugDump::InitDebugDump();
    ASSERT_TRUE(CLCDebugDump::IsOutput());

    CLCDebugDump::OutputLog("/src/a.cpp", 42, "CLCCsvConvDataCbC::ReadFile", "想定しないエラーが発生しました。");
    CLCDebugDump::OutputLog("/src/b.cpp", 7, "Terminate", nullptr);
    CLCDebugDump::OutputLog(nullptr, 1, "Fn", "dropped");
    CLCDebugDump::OutputLog("/src/c.cpp", 1, nullptr, "dropped");

    const std::vector<std::string> vecNames = FilesIn(folder.Path());
    ASSERT_EQ(vecNames.size(), 1u);
    EXPECT_TRUE(std::regex_match(vecNames[0], std::regex(R"(_OVK_TESVANT_\d{8}\.log)"))) << vecNames[0];
    EXPECT_EQ(folder / vecNames[0], CLCDebugDump::OutputPath());

    const std::string strLog = ReadBytes(folder / vecNames[0]);
    const std::regex reStamp(R"(--(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}) CLCCsvConvDataCbC::ReadFile--\n[^]*--(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}) Terminate--\n[^]*)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(strLog, m, reStamp)) << strLog;
    const std::string strExpected =
        "--" + m[1].str() + " CLCCsvConvDataCbC::ReadFile--\n"
        "想定しないエラーが発生しました。\n"
        "[File:/src/a.cpp Line:42]\n"
        "\n"
        "--" + m[2].str() + " Terminate--\n"
        "[File:/src/b.cpp Line:7]\n"
        "\n";
    EXPECT_EQ(strLog, strExpected);
}

TEST(DebugLog, LongNamesAreNotCut)
{
    CTestFolder folder;
    CEnvVar home("HOME"), debugSwitch(CLCDebugDump::kDebugSwitch);
    setenv("HOME", folder.Path().c_str(), 1);
    setenv(CLCDebugDump::kDebugSwitch, "1", 1);
    CLCDebugDump::InitDebugDump();
    const std::string strFunction(600, 'f');
    const std::string strSource = "/" + std::string(600, 's') + ".cpp";
    CLCDebugDump::OutputLog(strSource.c_str(), 3, strFunction.c_str(), "m");

    const std::string strLog = ReadBytes(CLCDebugDump::OutputPath());
    ASSERT_GT(strLog.size(), 22u);
    EXPECT_EQ(strLog.substr(21), " " + strFunction + "--\nm\n[File:" + strSource + " Line:3]\n\n");
}

TEST(DebugLog, StaysOnWhenTheVariableGoes)
{
    CTestFolder folder;
    CEnvVar home("HOME"), debugSwitch(CLCDebugDump::kDebugSwitch);
    setenv("HOME", folder.Path().c_str(), 1);
    setenv(CLCDebugDump::kDebugSwitch, "1", 1);
    CLCDebugDump::InitDebugDump();
    unsetenv(CLCDebugDump::kDebugSwitch);
    CLCDebugDump::InitDebugDump();
    EXPECT_TRUE(CLCDebugDump::IsOutput());
    CLCDebugDump::OutputLog("/src/a.cpp", 1, "Fn", "m");
    EXPECT_EQ(FilesIn(folder.Path()).size(), 1u);
}

// On this build the log and the container dump lie in the home folder, and
// the log switch turns all three dumps on under their bare step names.
TEST(DebugLog, DumpsFollowTheLogSwitch)
{
    CTestFolder folder;
    CEnvVar home("HOME");
    setenv("HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(CLCDebugDump::LogFolder(), folder.Path().string());
    using Stage = CLCDebugDump::DumpStage;
    const std::pair<Stage, const char*> kStages[] = {{Stage::ConvertHierarchy, "ConvertHierarchy"},
                                                     {Stage::MappingConvDefine, "MappingConvDefine"},
                                                     {Stage::CreateAutoItem, "CreateAutoItem"}};
    for (const auto& [stage, szLabel] : kStages) {
        EXPECT_EQ(CLCDebugDump::IsDumpOn(stage), CLCDebugDump::IsOutput());
        EXPECT_EQ(CLCDebugDump::DumpLabel(stage), szLabel);
    }
}

} // namespace
