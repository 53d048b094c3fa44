#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>
#include <regex>
#include <stdexcept>

namespace {

TEST(PatternMatch, MatchesTheWholeText)
{
    const char* kPattern = "01_FilingInfo\\.[^\\.]+";
    EXPECT_TRUE(CLCCbCCommon::strPatternMatch("01_FilingInfo.csv", kPattern));
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("01_FilingInfo.csv.bak", kPattern));
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("x01_FilingInfo.csv", kPattern));
    // A second use answers from the cached pattern with the same result.
    EXPECT_TRUE(CLCCbCCommon::strPatternMatch("01_FilingInfo.csv", kPattern));
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("01_FilingInfo.csv.bak", kPattern));
}

TEST(PatternMatch, SearchFindsAnyPart)
{
    EXPECT_TRUE(CLCCbCCommon::StrPatternSearch("03_Summary_12.csv", "_\\d+\\."));
    EXPECT_FALSE(CLCCbCCommon::StrPatternSearch("03_Summary.csv", "_\\d+\\."));
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("03_Summary_12.csv", "_\\d+\\."));
}

TEST(PatternMatch, EmptyTextNeverMatches)
{
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("", ".*"));
    EXPECT_FALSE(CLCCbCCommon::StrPatternSearch("", ""));
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch(nullptr, ".*"));
    // Not even compiled, so a broken pattern does not throw either.
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("", "("));
}

TEST(PatternMatch, BrokenPatternThrowsEveryTime)
{
    EXPECT_THROW(CLCCbCCommon::strPatternMatch("a", "(["), std::exception);
    EXPECT_THROW(CLCCbCCommon::StrPatternSearch("a", "(["), std::exception);
}

TEST(PatternMatch, IsCaseSensitive)
{
    EXPECT_FALSE(CLCCbCCommon::strPatternMatch("A.CSV", "a\\.csv"));
}

// Patterns of fixed characters, sets and counts are matched without the
// library: the answer must be the library's own for every text.
TEST(PatternMatch, SimplePatternsAnswerAsTheLibrary)
{
    const char* const kPatterns[] = {
        "^[J][P][0-9][0-9][0-9][0-9][-][a-zA-Z0-9][a-zA-Z0-9][-][0-9]$",
        "^[0-9][0-9][0-9][0-9][-][0-9][0-9][-][0-9][0-9]$",
        "^[\\+\\-]?[0-9]+$",
        "[A-Z0-9]{2,3}x*",
        "\\d{1,4}\\.[a-c]+",
        "ab?c{2}",
        "^$",
        "[-]",
        "0\\.\\d{1,4}|1\\.0{1,4}|0|1",   // alternatives: left to the library
        "[^a]b",
        "01_MessageSpec\\.[^\\.]+",
        "03_Summary_\\d+\\.[^\\.]+",
        "[^\\.a-c_]{2}",
        "[^]a",
    };
    const char* const kTexts[] = {
        "JP2024-a9-0", "JP2024-a9-", "JP2024-\xE3\x81\x82-0", "2024-03-31", "2024-3-31", "+12", "-", "+",
        "12+", "0012", "AB", "ABC", "AB9xxx", "A", "ABCD", "1.a", "1234.cab", "12345.a", "1.", "ac", "acc",
        "abcc", "abbcc", "-", "--", "0.1234", "1.0", "1.1", "0", "1", "bb", "ab", "\xFF" "b",
        "01_MessageSpec.csv", "01_MessageSpec.", "01_MessageSpec.c.v", "01_MessageSpec.\xE3\x81\x82", "03_Summary_12.csv",
        "03_Summary_.csv", "03_Summary_1a.csv", "03_Summary_1.csv.bak", "_x", "dd", "\xFF\n", "ba",
    };
    // Longer than the matcher keeps on its stack.
    const std::string strLong = "03_Summary_" + std::string(300, '7') + ".csv";
    std::vector<const char*> vecTexts(std::begin(kTexts), std::end(kTexts));
    vecTexts.push_back(strLong.c_str());
    for (const char* szPattern : kPatterns) {
        const std::regex re(szPattern, std::regex::ECMAScript);
        for (const char* szText : vecTexts)
            EXPECT_EQ(CLCCbCCommon::strPatternMatch(szText, szPattern), std::regex_match(szText, re))
                << szPattern << " / " << szText;
        // Search always takes the library's answer.
        EXPECT_EQ(CLCCbCCommon::StrPatternSearch("xx2024-03-31yy", szPattern),
                  std::regex_search("xx2024-03-31yy", re))
            << szPattern;
    }
}

struct SHeadCase { const char* szName; long lValue; };
void PrintTo(const SHeadCase& c, std::ostream* os) { *os << c.szName; }
class HeadNumber : public ::testing::TestWithParam<SHeadCase> {};

TEST_P(HeadNumber, ReadsTheFirstTwoCharacters)
{
    EXPECT_EQ(CLCCbCCommon::GetHeadNumOfFilename(GetParam().szName), GetParam().lValue);
}

INSTANTIATE_TEST_SUITE_P(Cases, HeadNumber, ::testing::Values(
    SHeadCase{"01_MessageSpec.csv", 1}, SHeadCase{"12", 12}, SHeadCase{"7a_x.csv", 7},
    SHeadCase{"9", 9}, SHeadCase{" 5x", 5}, SHeadCase{"-3", -3}, SHeadCase{"123", 12}));

TEST(HeadNumberFailure, ThrowsWhenNoDigitCanBeRead)
{
    for (const char* szName : {"ab_x.csv", "", "+", "_1"})
        EXPECT_THROW(CLCCbCCommon::GetHeadNumOfFilename(szName), std::exception) << szName;
    EXPECT_THROW(CLCCbCCommon::GetHeadNumOfFilename(nullptr), std::exception);
}

struct STailCase { const char* szName; long lValue; };
void PrintTo(const STailCase& c, std::ostream* os) { *os << c.szName; }
class TailNumber : public ::testing::TestWithParam<STailCase> {};

TEST_P(TailNumber, ReadsBetweenLastUnderscoreAndLastDot)
{
    EXPECT_EQ(CLCCbCCommon::GetTailNumOfFilename(GetParam().szName), GetParam().lValue);
}

INSTANTIATE_TEST_SUITE_P(Cases, TailNumber, ::testing::Values(
    STailCase{"05_UTPRAttribution_12.csv", 12},
    STailCase{"02_GeneralSection.csv", -1},
    STailCase{"03_Summary_x.csv", -1},
    STailCase{"03_Summary_007.csv", 7},
    STailCase{"03_Summary_12", -1},            // no dot at all
    STailCase{"a.b_34", 34},                   // last dot before last underscore
    STailCase{"03_Summary_1.2.csv", -1},
    STailCase{"03_Summary_-1.csv", -1},
    STailCase{"", -1},
    STailCase{"03_Summary_9223372036854775807.csv", 9223372036854775807L},
    STailCase{"03_Summary_9223372036854775808.csv", -1},
    STailCase{"03_Summary_99999999999999999999.csv", -1}));

TEST(TailNumberFailure, EmptyNumberPartThrows)
{
    EXPECT_THROW(CLCCbCCommon::GetTailNumOfFilename("03_Summary_.csv"), std::exception);
    EXPECT_EQ(CLCCbCCommon::GetTailNumOfFilename(nullptr), -1);
}

} // namespace
