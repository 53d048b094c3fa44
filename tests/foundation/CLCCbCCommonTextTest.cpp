#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>
#include <regex>
#include <utility>

namespace {

struct STrimCase { const char* szName; std::string strIn; std::string strOut; };
void PrintTo(const STrimCase& c, std::ostream* os) { *os << c.szName; }
class StringTrim : public ::testing::TestWithParam<STrimCase> {};

TEST_P(StringTrim, RemovesUnicodeSpaceAtBothEndsOnly)
{
    EXPECT_EQ(CLCCbCCommon::StringTrim(GetParam().strIn.c_str()), GetParam().strOut);
}

INSTANTIATE_TEST_SUITE_P(Cases, StringTrim, ::testing::Values(
    STrimCase{"ascii", " \t\r\nabc \r\n", "abc"},
    STrimCase{"ideographicSpace", "\xE3\x80\x80\xE3\x81\x82\xE3\x80\x80", "\xE3\x81\x82"},
    STrimCase{"nextLineAndNbsp", "\xC2\x85\xC2\xA0x\xC2\xA0\xC2\x85", "x"},
    STrimCase{"formFeedVerticalTab", "\x0B\x0Cx\x0C\x0B", "x"},
    STrimCase{"lineSeparator", "\xE2\x80\xA8x\xE2\x80\xA9", "x"},
    STrimCase{"innerKept", " a \xE3\x80\x80 b ", "a \xE3\x80\x80 b"},
    STrimCase{"onlySpace", " \xE3\x80\x80\t", ""},
    STrimCase{"empty", "", ""},
    STrimCase{"zeroWidthSpaceIsNotSpace", "\xE2\x80\x8Bx", "\xE2\x80\x8Bx"},
    STrimCase{"invalidUtf8Kept", " \xFF\xE3\x80 ", "\xFF\xE3\x80"},
    // Characters that share a first or last byte with a space are kept.
    STrimCase{"hiraganaLikeIdeographicSpace", "\xE3\x81\x82x\xE3\x81\x82", "\xE3\x81\x82x\xE3\x81\x82"},
    STrimCase{"bracketLikeIdeographicSpace", "\xE3\x80\x8Cx\xE3\x80\x8D", "\xE3\x80\x8Cx\xE3\x80\x8D"},
    STrimCase{"hyphenLikeEnQuad", "\xE2\x80\x90x\xE2\x80\x90", "\xE2\x80\x90x\xE2\x80\x90"},
    STrimCase{"kanjiEndingLikeEnQuad", "\xE6\x97\xA5\xE6\x80\x80", "\xE6\x97\xA5\xE6\x80\x80"},
    STrimCase{"spaceAfterKanji", "\xE6\x97\xA5\xE2\x80\x83", "\xE6\x97\xA5"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(StringTrimNull, GivesEmpty)
{
    EXPECT_EQ(CLCCbCCommon::StringTrim(nullptr), "");
}

struct SSplitCase { const char* szName; std::string strText, strDelims; std::vector<std::string> vecOut; };
void PrintTo(const SSplitCase& c, std::ostream* os) { *os << c.szName; }
class StringSplit : public ::testing::TestWithParam<SSplitCase> {};

TEST_P(StringSplit, EveryDelimiterEndsAField)
{
    const SSplitCase& c = GetParam();
    EXPECT_EQ(CLCCbCCommon::stringSplit(c.strText, c.strDelims), c.vecOut);
}

INSTANTIATE_TEST_SUITE_P(Cases, StringSplit, ::testing::Values(
    SSplitCase{"emptyText", "", ",", {""}},
    SSplitCase{"noDelimiters", "abc", "", {"abc"}},
    SSplitCase{"twoDelimiters", "a;b,c", ",;", {"a", "b", "c"}},
    SSplitCase{"emptyFieldsKept", "a,,b,", ",", {"a", "", "b", ""}},
    SSplitCase{"onlyDelimiter", ",", ",", {"", ""}},
    SSplitCase{"noDelimiterInText", "abc", ",", {"abc"}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(ConvEntityRefs, EscapesTheFiveAndAppends)
{
    std::string strOut = "x";
    const char kData[] = {'a', '<', 'b', '&', '"', '\'', '>', '\0', 'c'};
    CLCCbCCommon::ConvEntityRefs(kData, 5, strOut);
    EXPECT_EQ(strOut, "xa&lt;b&amp;&quot;");
    strOut.clear();
    CLCCbCCommon::ConvEntityRefs(kData, sizeof(kData), strOut);
    EXPECT_EQ(strOut, std::string("a&lt;b&amp;&quot;&apos;&gt;\0c", 29));
}

TEST(ConvEntityRefs, CopiesTheTextBetweenTheFiveWhole)
{
    const std::pair<std::string, std::string> kCases[] = {
        {"", ""},
        {"plain text of some length", "plain text of some length"},
        {"<<", "&lt;&lt;"},
        {"a>", "a&gt;"},
        {"\xE6\x97\xA5&\xE6\x9C\xAC", "\xE6\x97\xA5&amp;\xE6\x9C\xAC"},
        {"'quoted' \"both\"", "&apos;quoted&apos; &quot;both&quot;"},
    };
    for (const auto& [strIn, strOut] : kCases) {
        std::string strText;
        CLCCbCCommon::ConvEntityRefs(strIn.c_str(), static_cast<unsigned long>(strIn.size()), strText);
        EXPECT_EQ(strText, strOut) << strIn;
    }
}

TEST(IsNumber, AsciiDigitsOnly)
{
    EXPECT_TRUE(CLCCbCCommon::isNumber(""));
    EXPECT_TRUE(CLCCbCCommon::isNumber("0123456789"));
    EXPECT_FALSE(CLCCbCCommon::isNumber("\xEF\xBC\x91"));   // full-width 1
    EXPECT_FALSE(CLCCbCCommon::isNumber("-1"));
    EXPECT_FALSE(CLCCbCCommon::isNumber("1 "));
}

TEST(Now, EmptyPicturesGiveEmptyText)
{
    EXPECT_EQ(CLCCbCCommon::Now(nullptr, nullptr), "");
    EXPECT_EQ(CLCCbCCommon::Now("", ""), "");
}

TEST(Now, FormatsTheCallersPictures)
{
    const std::regex reLog(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
    EXPECT_TRUE(std::regex_match(CLCCbCCommon::Now("yyyy'-'MM'-'dd", "HH':'mm':'ss"), reLog));
    EXPECT_TRUE(std::regex_match(CLCCbCCommon::Now("yyyy'/'MM'/'dd", nullptr), std::regex(R"(\d{4}/\d{2}/\d{2})")));
    EXPECT_TRUE(std::regex_match(CLCCbCCommon::Now(nullptr, "'T'HH':'mm':'ss"), std::regex(R"(T\d{2}:\d{2}:\d{2})")));
    EXPECT_TRUE(std::regex_match(CLCCbCCommon::Now("'_OVK_TESVANT_'yyyyMMdd'.log'", ""),
                                 std::regex(R"(_OVK_TESVANT_\d{8}\.log)")));
    EXPECT_EQ(CLCCbCCommon::Now("'it''s'", nullptr), "it's");
}

TEST(NowParts, FormatsBothPicturesWithoutTheSpace)
{
    std::string strDate = "old", strTime = "old";
    CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", "'T'HH':'mm':'ss", strDate, strTime);
    EXPECT_TRUE(std::regex_match(strDate, std::regex(R"(\d{4}-\d{2}-\d{2})"))) << strDate;
    EXPECT_TRUE(std::regex_match(strTime, std::regex(R"(T\d{2}:\d{2}:\d{2})"))) << strTime;
    CLCCbCCommon::NowParts(nullptr, "", strDate, strTime);
    EXPECT_EQ(strDate, "");
    EXPECT_EQ(strTime, "");
}

} // namespace
