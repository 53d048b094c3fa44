#include "foundation/CLCCbCCommon.h"
#include "foundation/FoundationTestFolder.h"
#include "support/DefinitionFiles.h"
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The shared table as (identifier, file name) pairs.
const std::vector<std::pair<unsigned short, std::string>> kServed = [] {
    std::vector<std::pair<unsigned short, std::string>> vec;
    for (const deftest::SDefinitionFile& def : deftest::kDefinitionFiles)
        vec.emplace_back(def.usId, def.szFile);
    return vec;
}();

class DefinitionPath : public ::testing::Test {
protected:
    void SetUp() override { setenv("TESVANT_DEFINITION_DIR", m_folder.Path().c_str(), 1); }

    CTestFolder m_folder;
    CEnvVar m_override{"TESVANT_DEFINITION_DIR"};
};

TEST_F(DefinitionPath, EveryServedIdentifierResolvesThroughTheOverrideFolder)
{
    for (const auto& [usId, strName] : kServed)
        WriteBytes(m_folder / strName, "x");
    for (const auto& [usId, strName] : kServed)
        EXPECT_EQ(CLCCbCCommon::LoadResoucePath(usId, "DEFINITION"), m_folder / strName) << usId;
}

TEST_F(DefinitionPath, UnservedIdentifiersGiveNothing)
{
    for (const auto& [usId, strName] : kServed)
        WriteBytes(m_folder / strName, "x");
    for (unsigned short usId : deftest::kUnservedIds)
        EXPECT_EQ(CLCCbCCommon::LoadResoucePath(usId, "DEFINITION"), "") << usId;
}

TEST_F(DefinitionPath, AMissingFileGivesNothing)
{
    // The override is the only place looked at once it is set.
    WriteBytes(m_folder / "CbCValidateDefine.xml", "x");
    fs::create_directory(m_folder / "CbCDataConvDefine.xml");
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(203, "DEFINITION"), m_folder / "CbCValidateDefine.xml");
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(204, "DEFINITION"), "");   // a folder, not a file
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(205, "DEFINITION"), "");
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(212, "DEFINITION"), "");
}

TEST_F(DefinitionPath, ANonAsciiOverrideFolderWorks)
{
    const std::string strFolder = m_folder / "\xE5\xAE\x9A\xE7\xBE\xA9";   // 定義
    fs::create_directory(strFolder);
    WriteBytes(strFolder + "/CbCElementDefine_AIA520.lst", "x");
    setenv("TESVANT_DEFINITION_DIR", strFolder.c_str(), 1);
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(212, "DEFINITION"), strFolder + "/CbCElementDefine_AIA520.lst");
}

TEST_F(DefinitionPath, TextIsTheFileDecodedFromShiftJis)
{
    WriteBytes(m_folder / "CbCValidateDefine.xml", "<a b=\"\x87\x40\"/>");   // ①
    WriteBytes(m_folder / "CbCDataConvDefine.xml", "<a b=\"\x85\x40\"/>");   // no CP932 character
    EXPECT_EQ(CLCCbCCommon::LoadDefinitionText(203), "<a b=\"\xE2\x91\xA0\"/>");
    EXPECT_EQ(CLCCbCCommon::LoadDefinitionText(204), "");
    EXPECT_EQ(CLCCbCCommon::LoadDefinitionText(205), "");   // missing
    EXPECT_EQ(CLCCbCCommon::LoadDefinitionText(207), "");
}

TEST(DefinitionPathDefault, FindsOnlyExistingFilesOfTheTable)
{
    CEnvVar overrideDir("TESVANT_DEFINITION_DIR");
    setenv("TESVANT_DEFINITION_DIR", "", 1);   // empty counts as unset
    for (const auto& [usId, strName] : kServed) {
        const std::string strPath = CLCCbCCommon::LoadResoucePath(usId, "DEFINITION");
        if (strPath.empty())
            continue;   // not shipped in this tree yet
        EXPECT_TRUE(fs::is_regular_file(strPath)) << strPath;
        EXPECT_EQ(fs::path(strPath).filename().string(), strName);
    }
    EXPECT_EQ(CLCCbCCommon::LoadResoucePath(207, "DEFINITION"), "");
}

} // namespace
