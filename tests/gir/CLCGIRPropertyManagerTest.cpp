#include "gir/CLCGIRPropertyManager.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/FoundationTestFolder.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kEditName = "CbCDataConvDefine_AIA520.xml";
const char* const kCheckName = "CbCValidateDefine_AIA520.xml";
const char* const kListName = "CbCElementDefine_AIA520.lst";

// Every GIR row of the collector as "file:line:column:message".
std::vector<std::string> Rows()
{
    std::vector<std::string> vecRows;
    for (const auto& [strFile, vecFileRows] : CLCValidResultGIR::instance()->FileRows())
        for (const _ResultTable& row : vecFileRows)
            vecRows.push_back(strFile + ":" + std::to_string(row.line) + ":" + std::to_string(row.column) + ":" +
                              CLCCbCCommon::ConvEnID2Code(row.message));
    return vecRows;
}

const std::vector<std::string> kFatalOnly = {std::string(CLCValidResultGIR::kOtherFile) + ":0:0:HE60000E"};

class GIRPropertyManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
        CLCValidResult::destroy();
        CLCGIRPropertyManager::destroy();
        // The debug log goes to a file of this test, so its texts can be read back.
        setenv("HOME", m_home.Path().c_str(), 1);
        setenv(CLCDebugDump::kDebugSwitch, "1", 1);
        CLCDebugDump::InitDebugDump();
        unsetenv("TESVANT_DEFINITION_DIR");
    }
    void TearDown() override
    {
        CLCGIRPropertyManager::destroy();
        CLCValidResult::destroy();
    }

    std::string Log() const { return ReadBytes(CLCDebugDump::OutputPath()); }

    // Points the loader at a folder of this test holding the given files.
    void UseDefinitions(const std::vector<std::pair<std::string, std::string>>& vecFiles)
    {
        for (const auto& [strName, strBytes] : vecFiles)
            WriteBytes(m_definitions / strName, strBytes);
        setenv("TESVANT_DEFINITION_DIR", m_definitions.Path().c_str(), 1);
    }

    static CLCGIRPropertyManager* Manager() { return CLCGIRPropertyManager::instance(); }

    CEnvVar m_restoreHome{"HOME"}, m_restoreSwitch{CLCDebugDump::kDebugSwitch},
        m_restoreDefinitions{"TESVANT_DEFINITION_DIR"};
    CTestFolder m_home, m_definitions;
};

TEST_F(GIRPropertyManager, LoadsTheShippedDefinitionsThroughTheLoader)
{
    EXPECT_TRUE(Manager()->LoadEditDefinition(210));
    EXPECT_TRUE(Manager()->LoadCheckDefinition(211));
    EXPECT_TRUE(Manager()->LoadElementList(212));
    EXPECT_TRUE(Rows().empty());

    CLCXDomNsxml* pEdit = Manager()->GetEditDefDomData();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetNodeName(), "GLOBE_OECD");   // the cursor stands on the root after loading
    EXPECT_EQ(pEdit->GetNodeCount("//*[@itemId]"), 577);
    ASSERT_EQ(pEdit->MoveChildNodeName("MessageSpec"), 0);
    ASSERT_EQ(pEdit->MoveChildAttribute("itemId", "MS00004"), 0);
    EXPECT_EQ(pEdit->GetNodeName(), "MessageRefId");

    CLCXDomNsxml* pCheck = Manager()->GetCheckDefDomData();
    ASSERT_NE(pCheck, nullptr);
    EXPECT_EQ(pCheck->GetNodeName(), "GIRValidateDefine");
    EXPECT_EQ(pCheck->GetNodeCount("//singleItemCheck/item"), 2260);

    EXPECT_TRUE(Manager()->FindElementList("MessageRefId"));
    EXPECT_TRUE(Manager()->FindElementList("Art6.3.4.c.ii"));
    EXPECT_FALSE(Manager()->FindElementList("GLOBEBody"));    // structural: no CSV row names it
    EXPECT_FALSE(Manager()->FindElementList("messagerefid"));
    EXPECT_FALSE(Manager()->FindElementList(""));
    EXPECT_NE(Log().find("検索文字列が設定されていません。"), std::string::npos);
}

TEST_F(GIRPropertyManager, IdZeroIsRefusedWithoutARow)
{
    EXPECT_FALSE(Manager()->LoadCheckDefinition(0));
    EXPECT_FALSE(Manager()->LoadEditDefinition(0));
    EXPECT_FALSE(Manager()->LoadElementList(0));
    EXPECT_TRUE(Rows().empty());
    const std::string strLog = Log();
    EXPECT_NE(strLog.find(" CLCGIRCheckDefManager::CreateGIRCheckDefinition--\n"
                          "定義読込みに必要な情報が準備されていません。\n"),
              std::string::npos) << strLog;
    EXPECT_NE(strLog.find(" CLCGIREditDefManager::CreateGIREditDefinition--\n"
                          "引数エラー。定義読込みに必要な情報が準備されていません。\n"),
              std::string::npos) << strLog;
    EXPECT_NE(strLog.find(" CLCGIRElementListManager::CreateGIRElementList--\n"
                          "引数エラー。定義読込みに必要な情報が準備されていません。\n"),
              std::string::npos) << strLog;
}

struct SLoadCase {
    const char* szName;
    bool (CLCGIRPropertyManager::*pfnLoad)(unsigned short);
    unsigned short usId;
    const char* szFile;
};

void PrintTo(const SLoadCase& c, std::ostream* pOut)
{
    *pOut << c.szName;
}

class GIRDefinitionFileFault : public GIRPropertyManager, public ::testing::WithParamInterface<SLoadCase> {};

TEST_P(GIRDefinitionFileFault, MissingFileGivesTheFatalRow)
{
    UseDefinitions({});
    EXPECT_FALSE((Manager()->*GetParam().pfnLoad)(GetParam().usId));
    EXPECT_EQ(Rows(), kFatalOnly);
    EXPECT_NE(Log().find("想定しないエラーが発生しました。"), std::string::npos);
}

TEST_P(GIRDefinitionFileFault, EmptyFileGivesTheFatalRow)
{
    UseDefinitions({{GetParam().szFile, ""}});
    EXPECT_FALSE((Manager()->*GetParam().pfnLoad)(GetParam().usId));
    EXPECT_EQ(Rows(), kFatalOnly);
}

INSTANTIATE_TEST_SUITE_P(
    EachManager, GIRDefinitionFileFault,
    ::testing::Values(SLoadCase{"Check", &CLCGIRPropertyManager::LoadCheckDefinition, 211, kCheckName},
                      SLoadCase{"Edit", &CLCGIRPropertyManager::LoadEditDefinition, 210, kEditName},
                      SLoadCase{"ElementList", &CLCGIRPropertyManager::LoadElementList, 212, kListName}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(GIRPropertyManager, ParseFailureIsPassedOn)
{
    UseDefinitions({{kCheckName, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<GIRValidateDefine>"}});
    EXPECT_FALSE(Manager()->LoadCheckDefinition(211));
    EXPECT_EQ(Rows(), kFatalOnly);
}

TEST_F(GIRPropertyManager, SecondLoadReplacesTheDocument)
{
    UseDefinitions({{kCheckName, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n"
                                 "<GIRValidateDefine><correlationCheck><valid/><valid/></correlationCheck>"
                                 "</GIRValidateDefine>"}});
    ASSERT_TRUE(Manager()->LoadCheckDefinition(211));
    EXPECT_EQ(Manager()->GetCheckDefDomData()->GetNodeCount("//correlationCheck/valid"), 2);

    // Shift_JIS text is decoded before parsing: a katakana attribute arrives as UTF-8.
    UseDefinitions({{kCheckName, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                                 "<GIRValidateDefine VR=\"\x83\x65\x83\x58\x83\x67\">"
                                 "<correlationCheck><valid/></correlationCheck></GIRValidateDefine>\r\n"}});
    ASSERT_TRUE(Manager()->LoadCheckDefinition(211));
    CLCXDomNsxml* pCheck = Manager()->GetCheckDefDomData();
    EXPECT_EQ(pCheck->GetNodeCount("//correlationCheck/valid"), 1);
    EXPECT_EQ(pCheck->GetAttribute("VR"), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88");   // テスト
    EXPECT_TRUE(Rows().empty());
}

TEST_F(GIRPropertyManager, DestroyDropsTheLoadedDefinitions)
{
    ASSERT_TRUE(Manager()->LoadEditDefinition(210));
    ASSERT_TRUE(Manager()->LoadElementList(212));
    CLCGIRPropertyManager::destroy();
    CLCGIRPropertyManager::destroy();   // nothing left: no effect
    EXPECT_EQ(Manager()->GetEditDefDomData()->GetNodeCount("//*"), 0);
    EXPECT_EQ(Manager()->GetEditDefDomData()->GetNodeName(), "");
    EXPECT_FALSE(Manager()->FindElementList("MessageRefId"));
}

// ------------------------------------------------------------ element list 212

struct SListCase {
    const char* szName;
    std::string strBytes;
    std::vector<std::string> vecFound;
    std::vector<std::string> vecMissing;
};

void PrintTo(const SListCase& c, std::ostream* pOut)
{
    *pOut << c.szName;
}

class GIRElementList : public GIRPropertyManager, public ::testing::WithParamInterface<SListCase> {};

TEST_P(GIRElementList, ReadsEveryLineAfterTheComment)
{
    const SListCase& c = GetParam();
    UseDefinitions({{kListName, c.strBytes}});
    ASSERT_TRUE(Manager()->LoadElementList(212));
    for (const std::string& strName : c.vecFound)
        EXPECT_TRUE(Manager()->FindElementList(strName)) << strName;
    for (const std::string& strName : c.vecMissing)
        EXPECT_FALSE(Manager()->FindElementList(strName)) << strName;
    EXPECT_TRUE(Rows().empty());
}

// The comment line is Shift_JIS ("※改行タグは[\n]を使用すること").
const std::string kComment = "\x81\xA6\x89\xFC\x8D\x73\x83\x5E\x83\x4F\x82\xCD[\\n]\x82\xF0\x8E\x67\x97\x70\x82\xB7\x82\xE9\x82\xB1\x82\xC6";

INSTANTIATE_TEST_SUITE_P(
    Lines, GIRElementList,
    ::testing::Values(
        SListCase{"LineFeeds", kComment + "\nName\nTIN\n", {"Name", "TIN"}, {"", "Nam", "Name\r", "tin"}},
        SListCase{"CarriageReturnLineFeeds", kComment + "\r\nName\r\nTIN\r\n", {"Name", "TIN"}, {"Name\r", "TIN\r"}},
        SListCase{"OnlyOneCarriageReturnIsDropped", kComment + "\nName\r\r\n", {"Name\r"}, {"Name"}},
        SListCase{"LastLineWithoutLineFeed", kComment + "\nName\nTIN", {"Name", "TIN"}, {}},
        SListCase{"CommentIsSkippedWhateverItHolds", "MessageRefId\nName\n", {"Name"}, {"MessageRefId"}},
        SListCase{"NamesAreNotTrimmed", kComment + "\n Name\nTIN \n", {" Name", "TIN "}, {"Name", "TIN"}},
        SListCase{"EmptyLineIsNeverFound", kComment + "\n\nName\n", {"Name"}, {""}},
        SListCase{"OnlyTheComment", kComment, {}, {"Name", kComment}},
        SListCase{"OnlyTheCommentWithLineFeed", kComment + "\r\n", {}, {"Name"}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(GIRPropertyManager, SecondListLoadReplacesTheNames)
{
    UseDefinitions({{kListName, kComment + "\nName\n"}});
    ASSERT_TRUE(Manager()->LoadElementList(212));
    UseDefinitions({{kListName, kComment + "\nTIN\n"}});
    ASSERT_TRUE(Manager()->LoadElementList(212));
    EXPECT_TRUE(Manager()->FindElementList("TIN"));
    EXPECT_FALSE(Manager()->FindElementList("Name"));

    // A failed reload leaves no names of the earlier one behind.
    UseDefinitions({{kListName, ""}});
    EXPECT_FALSE(Manager()->LoadElementList(212));
    EXPECT_FALSE(Manager()->FindElementList("TIN"));
}

} // namespace
