#include "cbc/CLCCbCValidItem.h"
#include "RuleTestCsv.h"
#include "RuleTestSupport.h"
#include "gir/CLCGIRContainer.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {
using RuleTest::kFatalText;
using RulePtr = std::unique_ptr<CLCCbCValidItem>;

RulePtr Make(long lColumn, const char* szType, const char* szValue = "", const char* szMax = "",
             CLCCbCMessage_t message = CBC_MSG_NONE)
{
    return RulePtr(CLCCbCValidItem::CreateItem(lColumn, szType, szValue, "", szMax, message));
}

// Records as a Shift_JIS file: 1 "a,b,c", 2 "x,,z", 3 "only,two".
class CsvFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        RuleTest::FreshCbCCollector();
        std::string strPath = m_folder.Write("rules.csv", "a,b,c\r\n\r\nx,,z\r\nonly,two\r\n");
        ASSERT_TRUE(m_csv.ReadFile(strPath.c_str()));
        ASSERT_EQ(m_csv.GetRecordCount(), 3u);
    }
    std::string Text() { return CLCValidResult::instance()->MakeResult(); }

    CTestFolder m_folder;
    RuleTest::CRuleTestCsv m_csv;
};

TEST(CreateItem, KnowsTheEighteenKeywordsExactly)
{
    const char* aszKeywords[] = {"exist", "notExist", "extension", "existPath", "length", "number",
                                 "contain", "notContain", "charset", "checkDigits", "format", "codeCheck",
                                 "notNumber", "contain2", "csvContain", "duplicate", "existFolder", "digits"};
    for (const char* szKeyword : aszKeywords) {
        RuleTest::FreshCbCCollector();
        EXPECT_TRUE(Make(-1, szKeyword)) << szKeyword;
        EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "") << szKeyword;
    }
}

TEST(CreateItem, RefusesUnknownKeywordsAndNullParameters)
{
    struct SBad {
        const char* szType;
        const char* szValue;
        const char* szMin;
        const char* szMax;
    };
    const SBad aBad[] = {{"Exist", "", "", ""}, {"", "", "", ""},         {"exist ", "", "", ""},
                         {nullptr, "", "", ""},  {"exist", nullptr, "", ""}, {"exist", "", nullptr, ""},
                         {"exist", "", "", nullptr}};
    for (const SBad& bad : aBad) {
        RuleTest::FreshCbCCollector();
        CLCValidResult::instance()->SetResult(HE60009E, 3, 1, -1);   // wiped by the fatal row
        RulePtr pRule(CLCCbCValidItem::CreateItem(0, bad.szType, bad.szValue, bad.szMin, bad.szMax, CBC_MSG_NONE));
        EXPECT_FALSE(pRule);
        EXPECT_EQ(CLCValidResult::instance()->MakeResult(), kFatalText) << (bad.szType ? bad.szType : "(null)");
    }
}

TEST(ArgumentPath, ReportsTheCallersLineAndColumn)
{
    RuleTest::FreshCbCCollector();
    RulePtr pRule = Make(-1, "exist");
    EXPECT_EQ(pRule->Validate("", 9999, 3), HE60001E);
    EXPECT_EQ(pRule->Validate("x", 9999, 4), CBC_MSG_NONE);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "9999-00003-HE60001E");
}

TEST(ArgumentPath, FailingOuterRuleSwitchesTheRuleOff)
{
    RuleTest::FreshCbCCollector();
    RulePtr pRule = Make(-1, "length", "13");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(-1, "exist", "", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->Validate("", 9999, 6), CBC_MSG_NONE);
    EXPECT_EQ(pRule->Validate("123", 9999, 6), HE60007E);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "9999-00006-HE60007E");
}

TEST(ArgumentPath, FatalOuterRuleIsFatal)
{
    RuleTest::FreshCbCCollector();
    RulePtr pRule = Make(-1, "exist");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(-1, "format", "unknown", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->Validate("", 9999, 1), HE60000E);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), kFatalText);
}

TEST(ArgumentPath, EveryOuterRuleMustPass)
{
    RuleTest::FreshCbCCollector();
    RulePtr pRule = Make(-1, "number");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(-1, "exist", "", "", "", CBC_MSG_NONE));
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(-1, "notContain", "skip", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->Validate("skip", 9999, 1), CBC_MSG_NONE);
    EXPECT_EQ(pRule->Validate("1a", 9999, 2), HE60008E);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "9999-00002-HE60008E");
}

TEST_F(CsvFixture, RowsAreOneBased)
{
    RulePtr pRule = Make(1, "exist");
    for (long lRecord = 0; lRecord < 3; ++lRecord)
        pRule->ValidateCsv(&m_csv, lRecord, -1);
    EXPECT_EQ(Text(), "0002-00002-HE60001E");
}

TEST_F(CsvFixture, AssistColumnIsTheSecondColumnUnchanged)
{
    RulePtr pRule = Make(1, "exist");
    pRule->SetAssistColNum(5);
    EXPECT_EQ(pRule->ValidateCsv(&m_csv, 1, -1), HE60001E);
    EXPECT_EQ(Text(), "0002-02:05-HE60001E");
}

TEST_F(CsvFixture, MissingColumnPassesEveryRule)
{
    RulePtr pRule = Make(2, "exist");
    EXPECT_EQ(pRule->ValidateCsv(&m_csv, 2, -1), CBC_MSG_NONE);   // "only,two" has no third column
    EXPECT_EQ(pRule->ValidateCsv(&m_csv, 7, -1), CBC_MSG_NONE);   // no such record
    EXPECT_EQ(Text(), "");
}

TEST_F(CsvFixture, OuterRuleReadsItsOwnColumn)
{
    // Column 2 must exist only where column 1 is "x".
    RulePtr pRule = Make(1, "exist");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(0, "contain", "x", "", "", CBC_MSG_NONE));
    for (long lRecord = 0; lRecord < 3; ++lRecord)
        pRule->ValidateCsv(&m_csv, lRecord, -1);
    EXPECT_EQ(Text(), "0002-00002-HE60001E");
}

TEST_F(CsvFixture, MissingOuterColumnIsFatal)
{
    RulePtr pRule = Make(0, "exist");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(2, "exist", "", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->ValidateCsv(&m_csv, 0, -1), CBC_MSG_NONE);
    EXPECT_EQ(pRule->ValidateCsv(&m_csv, 2, -1), HE60000E);
    EXPECT_EQ(Text(), kFatalText);
}

TEST_F(CsvFixture, NullCsvIsFatal)
{
    RulePtr pRule = Make(0, "exist");
    EXPECT_EQ(pRule->ValidateCsv(static_cast<CLCCbCCsvFile*>(nullptr), 0, -1), HE60000E);
    EXPECT_EQ(Text(), kFatalText);
}

TEST_F(CsvFixture, ShiftJisValuesAreJudgedAsUtf8)
{
    // 法人 then halfwidth katakana ｶ, as Shift_JIS bytes.
    std::string strPath = m_folder.Write("sjis.csv", "\x96\x40\x90\x6C,\xB6\r\nok,\x96\x40\r\n");
    RuleTest::CRuleTestCsv csv;
    ASSERT_TRUE(csv.ReadFile(strPath.c_str()));
    RulePtr pName = Make(0, "length", "2");
    RulePtr pKana = Make(1, "charset", "levraString");
    for (long lRecord = 0; lRecord < 2; ++lRecord) {
        pName->ValidateCsv(&csv, lRecord, -1);
        pKana->ValidateCsv(&csv, lRecord, -1);
    }
    EXPECT_EQ(Text(), "0001-00002-HE60011E");
}

class GirPaths : public ::testing::Test {
protected:
    void SetUp() override { m_pResult = RuleTest::FreshGIRCollector(); }
    void TearDown() override { CLCValidResult::destroy(); }

    static std::unique_ptr<CLCGIRContainer> Node(const std::string& strValue)
    {
        return std::make_unique<CLCGIRContainer>(2, 3, 0, 12, "03_Summary_1.csv", "Summary", strValue, "attr1", "",
                                                 "", "6");
    }

    CLCValidResultGIR* m_pResult = nullptr;
};

TEST_F(GirPaths, ArgumentRowsGoUnderTheFileName)
{
    RulePtr pRule = Make(-1, "length", "13");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(-1, "exist", "", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->ValidateParamGIR("その他", "", 99999999, 2), CBC_MSG_NONE);
    EXPECT_EQ(pRule->ValidateParamGIR("その他", "123", 99999999, 2), HE60007E);
    EXPECT_EQ(RuleTest::GIRText("その他"), "99999999-00002-HE60007E");
    EXPECT_TRUE(m_pResult->Rows().empty());
}

TEST_F(GirPaths, NodeRowsCarryTheNodesFileLineAndTheColumnUnchanged)
{
    auto pNode = Node("");
    RulePtr pValue = Make(2, "exist");
    RulePtr pAttr = Make(3, "contain", "A B");
    EXPECT_EQ(pValue->ValidateCsv(pNode.get()), HE60001E);
    EXPECT_EQ(pAttr->ValidateCsv(pNode.get()), HE60009E);
    EXPECT_EQ(RuleTest::GIRText("03_Summary_1.csv"), "00000012-00002-HE60001E,00000012-00003-HE60009E");
}

TEST_F(GirPaths, NodeOuterRuleReadsItsOwnColumn)
{
    auto pNode = Node("");
    RulePtr pRule = Make(2, "exist");
    pRule->AddOuterItem(CLCCbCValidItem::CreateItem(1, "contain", "Other", "", "", CBC_MSG_NONE));
    EXPECT_EQ(pRule->ValidateCsv(pNode.get()), CBC_MSG_NONE);
    EXPECT_EQ(RuleTest::GIRText("03_Summary_1.csv"), "");
}

TEST_F(GirPaths, NodeColumnOutsideOneToSixIsFatal)
{
    auto pNode = Node("value");
    for (long lColumn : {0L, 7L}) {
        RulePtr pRule = Make(lColumn, "notExist");
        EXPECT_EQ(pRule->ValidateCsv(pNode.get()), HE60000E) << lColumn;
    }
    EXPECT_EQ(RuleTest::GIRText("その他"), "00000000-00000-HE60000E");
    EXPECT_EQ(RuleTest::GIRText("03_Summary_1.csv"), "");
}

TEST_F(GirPaths, NullNodeIsFatal)
{
    RulePtr pRule = Make(2, "exist");
    EXPECT_EQ(pRule->ValidateCsv(static_cast<CLCGIRContainer*>(nullptr)), HE60000E);
    EXPECT_EQ(RuleTest::GIRText("その他"), "00000000-00000-HE60000E");
}
} // namespace
