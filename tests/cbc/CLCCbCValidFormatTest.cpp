#include "cbc/CLCCbCValidFormat.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kRefused = "9999-00001-HE60009E";

class FormatRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(FormatRule, MatchesTheWholeValue)
{
    RuleTest::ExpectCase("format", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatRule, ::testing::Values(
    SKindCase{"messageRefId", "MessageRefId", "", "JP2024-ABCdef1234567-001", CBC_MSG_NONE, kPass},
    SKindCase{"messageRefIdShort", "MessageRefId", "", "JP2024-ABCdef123456-001", CBC_MSG_NONE, kRefused},
    SKindCase{"messageRefIdPrefixOnly", "MessageRefId", "", "JP2024-ABCdef1234567-001x", CBC_MSG_NONE, kRefused},
    SKindCase{"docRefId", "DocRefId", "", "JP2024-ABCdef1234567-001-0001", CBC_MSG_NONE, kPass},
    SKindCase{"docRefIdWithoutTail", "DocRefId", "", "JP2024-ABCdef1234567-001", CBC_MSG_NONE, kRefused},
    SKindCase{"date", "date", "", "2024-02-29", CBC_MSG_NONE, kPass},
    SKindCase{"dateShortMonth", "date", "", "2023-1-01", CBC_MSG_NONE, kRefused},
    SKindCase{"dateNoCalendarDay", "date", "", "2025-02-30", CBC_MSG_NONE, kRefused},
    SKindCase{"dateNotLeapYear", "date", "", "2023-02-29", CBC_MSG_NONE, kRefused},
    SKindCase{"dateMonth13", "date", "", "2025-13-01", CBC_MSG_NONE, kRefused},
    SKindCase{"dateSlashes", "date", "", "2025/01/31", CBC_MSG_NONE, kRefused},
    SKindCase{"integer", "integer", "", "-120", CBC_MSG_NONE, kPass},
    SKindCase{"integerPlus", "integer", "", "+7", CBC_MSG_NONE, kPass},
    SKindCase{"integerDecimal", "integer", "", "1.0", CBC_MSG_NONE, kRefused},
    SKindCase{"integerSignOnly", "integer", "", "-", CBC_MSG_NONE, kRefused},
    SKindCase{"messageRefId2", "MessageRefId2", "", "JP2024ABCdef1234567001", CBC_MSG_NONE, kPass},
    SKindCase{"messageRefId2Dashed", "MessageRefId2", "", "JP2024-ABCdef1234567-001", CBC_MSG_NONE, kRefused},
    SKindCase{"docRefId2", "DocRefId2", "", "JP2024ABCdef12345670010001", CBC_MSG_NONE, kPass},
    SKindCase{"docRefId2OldForm", "DocRefId2", "", "JP2024-ABCdef1234567-001-0001", CBC_MSG_NONE, kPass},
    SKindCase{"docRefId2Neither", "DocRefId2", "", "JP2024ABCdef1234567001", CBC_MSG_NONE, kRefused},
    SKindCase{"docRefId3", "DocRefId3", "", "JP2024ABCdef12345670010001", CBC_MSG_NONE, kPass},
    SKindCase{"docRefId3NoSecondTry", "DocRefId3", "", "JP2024-ABCdef1234567-001-0001", CBC_MSG_NONE, kRefused},
    SKindCase{"percentageZero", "percentage", "", "0", CBC_MSG_NONE, kPass},
    SKindCase{"percentageOne", "percentage", "", "1", CBC_MSG_NONE, kPass},
    SKindCase{"percentageFourDecimals", "percentage", "", "0.1234", CBC_MSG_NONE, kPass},
    SKindCase{"percentageOneWithZeros", "percentage", "", "1.0000", CBC_MSG_NONE, kPass},
    SKindCase{"percentageFiveDecimals", "percentage", "", "0.12345", CBC_MSG_NONE, kRefused},
    SKindCase{"percentageAboveOne", "percentage", "", "1.1", CBC_MSG_NONE, kRefused},
    SKindCase{"percentageTwo", "percentage", "", "10", CBC_MSG_NONE, kRefused},
    SKindCase{"percentageEmpty", "percentage", "", "", CBC_MSG_NONE, kRefused},
    SKindCase{"messageRefIdGIR", "MessageRefIdGIR", "", "JP2024ABCDEF1234567001", CBC_MSG_NONE, kPass},
    SKindCase{"messageRefIdGIRLower", "MessageRefIdGIR", "", "JP2024ABCdef1234567001", CBC_MSG_NONE, kRefused},
    SKindCase{"docRefIdGIR", "DocRefIdGIR", "", "JP2024ABCDEF12345670010001", CBC_MSG_NONE, kPass},
    SKindCase{"docRefIdGIRNoSecondTry", "DocRefIdGIR", "", "JP2024-ABCDEF1234567-001-0001", CBC_MSG_NONE,
              kRefused},
    SKindCase{"absent", "integer", "", nullptr, CBC_MSG_NONE, kRefused},
    SKindCase{"empty", "integer", "", "", CBC_MSG_NONE, kRefused},
    SKindCase{"unknownKeyword", "time", "", "10:00", CBC_MSG_NONE, RuleTest::kFatalText},
    SKindCase{"keywordIsCaseSensitive", "Date", "", "2024-01-01", CBC_MSG_NONE, RuleTest::kFatalText},
    SKindCase{"emptyKeyword", "", "", "1", CBC_MSG_NONE, RuleTest::kFatalText}),
    RuleTest::CaseName);

// The second try of "DocRefId2" must not stick to the rule: every value gets
// both tries, whatever came before.
TEST(FormatRuleDocRefId2, BothFormsInAnyOrder)
{
    RuleTest::FreshCbCCollector();
    std::unique_ptr<CLCCbCValidItem> pRule(CLCCbCValidItem::CreateItem(-1, "format", "DocRefId2", "", "", CBC_MSG_NONE));
    ASSERT_TRUE(pRule);
    const char* szNew = "JP2024ABCdef12345670010001";
    const char* szOld = "JP2024-ABCdef1234567-001-0001";
    const char* aszValues[] = {szOld, szNew, szOld, szNew, "JP2024", szOld, szNew};
    long lLine = 0;
    for (const char* szValue : aszValues)
        pRule->Validate(szValue, ++lLine, 1);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "0005-00001-HE60009E");
}
} // namespace
