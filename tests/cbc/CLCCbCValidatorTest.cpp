#include "cbc/CLCCbCValidator.h"
#include "RuleTestCsv.h"
#include "RuleTestSupport.h"
#include "foundation/xml/CLCXDom.h"
#include <gtest/gtest.h>
#include <string>

namespace {
using RuleTest::kFatalText;

// ---- Argument tables -------------------------------------------------------

struct SArgCase {
    const char* szName;
    CLCArgValid_t kind;
    std::string strValue;   // "{dir}" stands for the test's folder
    long lPosition;
    const char* szExpected;
};

class ArgumentKinds : public ::testing::TestWithParam<SArgCase> {
protected:
    void SetUp() override
    {
        m_folder.Write("in.csv", "a,b\r\n");
        m_folder.Write("in.CSV", "a,b\r\n");
        m_folder.Write("in.txt", "a,b\r\n");
        m_folder.Write("empty.csv", "");
        m_folder.Write("in.xml", "<a/>");
        m_folder.Write("any.bin", "x");
    }
    std::string Resolve(std::string strValue) const
    {
        const std::string strKey = "{dir}";
        size_t nPos = strValue.find(strKey);
        if (nPos != std::string::npos)
            strValue.replace(nPos, strKey.size(), m_folder.Path().string());
        return strValue;
    }

    CTestFolder m_folder;
};

TEST_P(ArgumentKinds, GiveTheRowsOfTheirTable)
{
    const SArgCase& c = GetParam();
    RuleTest::FreshCbCCollector();
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(c.kind));
    std::string strValue = Resolve(c.strValue);
    CLCCbCMessage_t result = validator.Validate(strValue.c_str(), 9999, c.lPosition);
    std::string strText = CLCValidResult::instance()->MakeResult();
    EXPECT_EQ(strText, c.szExpected);
    EXPECT_EQ(result == CBC_MSG_NONE, strText.empty());
}

const std::string k31Chars(31, 'a');
const std::string k30Kanji = [] {
    std::string str;
    for (int i = 0; i < 30; ++i)
        str += "\xE6\xB3\x95";
    return str;
}();

INSTANTIATE_TEST_SUITE_P(Tables, ArgumentKinds, ::testing::Values(
    SArgCase{"csvExisting", ARG_VALID_CSV, "{dir}/in.csv", 1, ""},
    SArgCase{"csvText", ARG_VALID_CSV, "{dir}/in.txt", 1, ""},
    SArgCase{"csvMissingUpper", ARG_VALID_CSV, "{dir}/none.CSV", 1, "9999-00001-HE60004E"},
    SArgCase{"csvWrongExtensionNotLookedUp", ARG_VALID_CSV, "{dir}/none.xls", 1, "9999-00001-HE60003E"},
    SArgCase{"csvEmptyFile", ARG_VALID_CSV, "{dir}/empty.csv", 1, "9999-00001-HE60005E"},
    SArgCase{"csvEmpty", ARG_VALID_CSV, "", 1, "9999-00001-HE60001E"},
    SArgCase{"softName", ARG_VALID_SOFT_NAME, "Tesvant", 2, ""},
    SArgCase{"softNameTooLong", ARG_VALID_SOFT_NAME, k31Chars, 2, "9999-00002-HE60010E"},
    SArgCase{"softNameEmpty", ARG_VALID_SOFT_NAME, "", 2, "9999-00002-HE60001E"},
    SArgCase{"creatorThirtyKanji", ARG_VALID_SAKUSEI_NAME, k30Kanji, 3, ""},
    SArgCase{"creatorTooLong", ARG_VALID_SAKUSEI_NAME, k31Chars, 3, "9999-00003-HE60010E"},
    SArgCase{"creatorHalfwidthKana", ARG_VALID_SAKUSEI_NAME, "\xEF\xBD\xB6", 3, "9999-00003-HE60011E"},
    SArgCase{"outPathEmpty", ARG_VALID_OUT_PATH, "", 4, ""},
    SArgCase{"outPathInFolder", ARG_VALID_OUT_PATH, "{dir}/out.xml", 4, ""},
    SArgCase{"outPathNoFolder", ARG_VALID_OUT_PATH, "{dir}/none/out.xml", 4, "9999-00004-HE60019E"},
    SArgCase{"teikyouOne", ARG_VALID_TEIKYOU_NAIYOU, "1", 5, ""},
    SArgCase{"teikyouThree", ARG_VALID_TEIKYOU_NAIYOU, "3", 5, "9999-00005-HE60009E"},
    SArgCase{"teikyouEmpty", ARG_VALID_TEIKYOU_NAIYOU, "", 5, "9999-00005-HE60001E"},
    SArgCase{"teikyouTwoDigits", ARG_VALID_TEIKYOU_NAIYOU, "12", 5, "9999-00005-HE60007E"},
    SArgCase{"teikyouLetter", ARG_VALID_TEIKYOU_NAIYOU, "a", 5, "9999-00005-HE60008E"},
    SArgCase{"hojinEmptyIsOptional", ARG_VALID_HOJIN_BANGO, "", 6, ""},
    SArgCase{"hojinShort", ARG_VALID_HOJIN_BANGO, "123", 6, "9999-00006-HE60007E"},
    SArgCase{"hojinLetter", ARG_VALID_HOJIN_BANGO, "700001205000a", 6, "9999-00006-HE60008E"},
    SArgCase{"hojinCheckDigit", ARG_VALID_HOJIN_BANGO, "8000012050002", 6, "9999-00006-HE60009E"},
    SArgCase{"hojinValid", ARG_VALID_HOJIN_BANGO, "7000012050002", 6, ""},
    SArgCase{"xmlExisting", ARG_VALID_XML, "{dir}/in.xml", 7, ""},
    SArgCase{"xmlMissing", ARG_VALID_XML, "{dir}/none.XML", 7, "9999-00007-HE60004E"},
    SArgCase{"xmlCsv", ARG_VALID_XML, "{dir}/in.csv", 7, "9999-00007-HE60003E"},
    SArgCase{"csvOnlyUpper", ARG_VALID_CSV_ONLY, "{dir}/in.CSV", 1, ""},
    SArgCase{"csvOnlyRefusesText", ARG_VALID_CSV_ONLY, "{dir}/in.txt", 1, "9999-00001-HE60003E"},
    SArgCase{"csvOnlyEmptyFile", ARG_VALID_CSV_ONLY, "{dir}/empty.csv", 1, "9999-00001-HE60005E"},
    SArgCase{"csvWriteNew", ARG_VALID_CSV_WRITE, "{dir}/none/new.csv", 1, ""},
    SArgCase{"csvWriteText", ARG_VALID_CSV_WRITE, "{dir}/new.txt", 1, "9999-00001-HE60003E"},
    SArgCase{"csvWriteEmpty", ARG_VALID_CSV_WRITE, "", 2, "9999-00002-HE60001E"},
    SArgCase{"fileAny", ARG_VALID_FILE, "{dir}/any.bin", 1, ""},
    SArgCase{"fileMissing", ARG_VALID_FILE, "{dir}/none.bin", 1, "9999-00001-HE60004E"},
    SArgCase{"fileEmpty", ARG_VALID_FILE, "", 1, "9999-00001-HE60001E"}),
    [](const ::testing::TestParamInfo<SArgCase>& info) { return std::string(info.param.szName); });

TEST(ArgumentKindsRefused, FolderKindAndOutOfRangeKindsAreFatal)
{
    for (int nKind : {0, 8, 12, -1}) {
        RuleTest::FreshCbCCollector();
        CLCValidResult::instance()->SetResult(HE60009E, 1, 1, -1);
        CLCCbCValidator validator;
        EXPECT_FALSE(validator.Initialize(static_cast<CLCArgValid_t>(nKind))) << nKind;
        EXPECT_EQ(CLCValidResult::instance()->MakeResult(), kFatalText) << nKind;
        // Nothing was built: every value passes.
        EXPECT_EQ(validator.Validate("", 9999, 1), CBC_MSG_NONE);
    }
}

TEST(ArgumentKindsRefused, InitializeStartsFromAnEmptyList)
{
    RuleTest::FreshCbCCollector();
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(ARG_VALID_TEIKYOU_NAIYOU));
    ASSERT_TRUE(validator.Initialize(ARG_VALID_OUT_PATH));
    EXPECT_EQ(validator.Validate("", 9999, 4), CBC_MSG_NONE);   // "exist" of kind 5 is gone
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "");
}

// ---- Rules from a check definition -----------------------------------------

class DefinitionRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        RuleTest::FreshCbCCollector();
        // Records: 1 "A,,x,", 2 "B,v,,", 3 "A,v" (two columns only).
        std::string strPath = m_folder.Write("def.csv", "A,,x,\r\nB,v,,\r\nA,v\r\n");
        ASSERT_TRUE(m_csv.ReadFile(strPath.c_str()));
        ASSERT_EQ(m_csv.GetRecordCount(), 3u);
    }
    void TearDown() override { m_dom.Terminate(); }

    // Parses <check><item>...</item></check> and stands on the item.
    bool LoadItem(const std::string& strItemBody)
    {
        m_strXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><check><item name=\"t\">" + strItemBody +
                   "</item></check>";
        if (!m_dom.Initialize() || !m_dom.Parse(m_strXml.c_str(), "CbC", "UTF-8"))
            return false;
        return m_dom.MoveFirstChild() == 0 && m_dom.GetNodeName() == "item";
    }
    std::string RunAll(CLCCbCValidator& validator)
    {
        for (long lRecord = 0; lRecord < static_cast<long>(m_csv.GetRecordCount()); ++lRecord)
            validator.ValidateCsv(&m_csv, lRecord, -1);
        return CLCValidResult::instance()->MakeResult();
    }

    CTestFolder m_folder;
    RuleTest::CRuleTestCsv m_csv;
    CLCXDom m_dom;
    std::string m_strXml;
};

TEST_F(DefinitionRules, RowsAreOneBasedWithTheAssistColumnSecond)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\" assist=\"3\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(m_dom.GetNodeName(), "item");
    EXPECT_EQ(RunAll(validator), "0001-02:03-HE60001E");
}

TEST_F(DefinitionRules, ColumnAttributeNamesAnAbsoluteColumn)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\" column=\"3\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(0, &m_dom));
    EXPECT_EQ(RunAll(validator), "0002-00003-HE60001E");
}

TEST_F(DefinitionRules, MessageIdReplacesTheDefault)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\" messageId=\"HE60031E\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(RunAll(validator), "0001-00002-HE60031E");
}

TEST_F(DefinitionRules, UnknownMessageIdKeepsTheDefault)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\" messageId=\"HE69999E\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(RunAll(validator), "0001-00002-HE60001E");
}

TEST_F(DefinitionRules, FailingOuterRuleSwitchesTheRuleOffWithoutARow)
{
    // Column 2 must be empty where column 1 is "B"; elsewhere that rule is
    // off, and the second rule of the list still runs.
    ASSERT_TRUE(LoadItem("<valid id=\"notExist\"><outer id=\"contain\" value=\"B\" column=\"1\"/></valid>"
                         "<valid id=\"length\" max=\"0\" column=\"3\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(m_dom.GetNodeName(), "item");
    EXPECT_EQ(RunAll(validator), "0001-00003-HE60010E,0002-00002-HE60002E");
}

TEST_F(DefinitionRules, OnlyTheFirstFailingRuleOfAColumnReports)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\"/><valid id=\"length\" value=\"5\"/>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(RunAll(validator), "0001-00002-HE60001E,0002-00002-HE60007E,0003-00002-HE60007E");
}

TEST_F(DefinitionRules, MissingOuterColumnIsFatal)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\"><outer id=\"exist\" column=\"4\"/></valid>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(0, &m_dom));
    EXPECT_EQ(RunAll(validator), kFatalText);
}

TEST_F(DefinitionRules, OuterWithoutColumnIsIgnored)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\"><outer id=\"contain\" value=\"never\"/>"
                         "<outer id=\"contain\" value=\"never\" column=\"0\"/></valid>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(RunAll(validator), "0001-00002-HE60001E");
}

TEST_F(DefinitionRules, OtherElementsAreSkipped)
{
    ASSERT_TRUE(LoadItem("<note id=\"exist\"/><!-- a comment --><valid id=\"exist\"><rem/></valid>"));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(m_dom.GetNodeName(), "item");
    EXPECT_EQ(RunAll(validator), "0001-00002-HE60001E");
}

TEST_F(DefinitionRules, ItemWithoutRulesPassesEverything)
{
    ASSERT_TRUE(LoadItem(""));
    CLCCbCValidator validator;
    ASSERT_TRUE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(m_dom.GetNodeName(), "item");
    EXPECT_EQ(RunAll(validator), "");
}

TEST_F(DefinitionRules, UnknownKeywordLeavesExactlyTheFatalRow)
{
    CLCValidResult::instance()->SetResult(HE60009E, 4, 2, -1);
    ASSERT_TRUE(LoadItem("<valid id=\"exist\"/><valid id=\"exists\"/>"));
    CLCCbCValidator validator;
    EXPECT_FALSE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), kFatalText);
}

TEST_F(DefinitionRules, UnknownOuterKeywordIsFatal)
{
    ASSERT_TRUE(LoadItem("<valid id=\"exist\"><outer id=\"Exist\" column=\"1\"/></valid>"));
    CLCCbCValidator validator;
    EXPECT_FALSE(validator.Initialize(1, &m_dom));
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), kFatalText);
}
} // namespace
