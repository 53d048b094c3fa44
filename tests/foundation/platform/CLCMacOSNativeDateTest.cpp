#include "foundation/platform/CLCMacOSNative.h"
#include <gtest/gtest.h>

namespace {

struct SDateCase { const char* szName; const char* szText; bool bAccepted; CLCDate date; };
void PrintTo(const SDateCase& c, std::ostream* os) { *os << c.szName; }
class DateParser : public ::testing::TestWithParam<SDateCase> {};

TEST_P(DateParser, AcceptsOnlyRealDatesInTheKnownForms)
{
    const SDateCase& c = GetParam();
    CLCDate date;
    ASSERT_EQ(dateStringToDate(c.szText, date), c.bAccepted) << c.szText;
    EXPECT_EQ(CLCMacOSNative::dateTimeChange(c.szText), c.bAccepted);
    if (!c.bAccepted)
        return;
    EXPECT_EQ(date.year, c.date.year);
    EXPECT_EQ(date.month, c.date.month);
    EXPECT_EQ(date.day, c.date.day);
    EXPECT_EQ(date.hour, c.date.hour);
    EXPECT_EQ(date.minute, c.date.minute);
    EXPECT_EQ(date.second, c.date.second);
}

INSTANTIATE_TEST_SUITE_P(Gregorian, DateParser, ::testing::Values(
    SDateCase{"hyphens", "2025-01-31", true, {2025, 1, 31}},
    SDateCase{"dots", "2025.01.31", true, {2025, 1, 31}},
    SDateCase{"slashes", "2025/01/31", true, {2025, 1, 31}},
    SDateCase{"withTime", "2025/01/31 10:20:30", true, {2025, 1, 31, 10, 20, 30}},
    SDateCase{"oneDigitFields", "2025/1/5", true, {2025, 1, 5}},
    SDateCase{"leapDay", "2024-02-29", true, {2024, 2, 29}},
    SDateCase{"leapCentury", "2000-02-29", true, {2000, 2, 29}},
    SDateCase{"lastSecond", "2025-12-31 23:59:59", true, {2025, 12, 31, 23, 59, 59}},
    SDateCase{"feb30", "2025/02/30", false, {}},
    SDateCase{"noLeapDay", "2025-02-29", false, {}},
    SDateCase{"noLeapCentury", "1900-02-29", false, {}},
    SDateCase{"month13", "2025-13-01", false, {}},
    SDateCase{"month0", "2025-00-10", false, {}},
    SDateCase{"day0", "2025-01-00", false, {}},
    SDateCase{"day32", "2025-01-32", false, {}},
    SDateCase{"year0", "0000-01-01", false, {}},
    SDateCase{"twoDigitYear", "25-01-31", false, {}},
    SDateCase{"fiveDigitYear", "20250-01-31", false, {}},
    SDateCase{"threeDigitMonth", "2025-001-31", false, {}},
    SDateCase{"hour24", "2025-01-31 24:00:00", false, {}},
    SDateCase{"minute60", "2025-01-31 10:60:00", false, {}},
    SDateCase{"timeWithoutSeconds", "2025-01-31 10:20", false, {}},
    SDateCase{"trailingSpace", "2025-01-31 ", false, {}},
    SDateCase{"leadingSpace", " 2025-01-31", false, {}},
    SDateCase{"empty", "", false, {}},
    SDateCase{"letters", "2025-Jan-31", false, {}},
    SDateCase{"fullWidthDigits", "\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x92\xEF\xBC\x95-01-31", false, {}}),
    [](const auto& info) { return std::string(info.param.szName); });

INSTANTIATE_TEST_SUITE_P(JapaneseEra, DateParser, ::testing::Values(
    SDateCase{"reiwa", "令和7年1月31日", true, {2025, 1, 31}},
    SDateCase{"reiwaGannen", "令和元年5月1日", true, {2019, 5, 1}},
    SDateCase{"reiwaSlashes", "令和07/01/31", true, {2025, 1, 31}},
    SDateCase{"heiseiWithTime", "平成31年4月30日 23:59:59", true, {2019, 4, 30, 23, 59, 59}},
    SDateCase{"showaLastDay", "昭和64年1月7日", true, {1989, 1, 7}},
    SDateCase{"heiseiFirstDay", "平成元年1月8日", true, {1989, 1, 8}},
    SDateCase{"taisho", "大正15年12月24日", true, {1926, 12, 24}},
    SDateCase{"meiji", "明治45年7月29日", true, {1912, 7, 29}},
    SDateCase{"heiseiAfterItsEnd", "平成31年5月1日", false, {}},
    SDateCase{"reiwaBeforeItsStart", "令和元年4月30日", false, {}},
    SDateCase{"showaAfterItsEnd", "昭和64年1月8日", false, {}},
    SDateCase{"meijiBeforeItsStart", "明治元年1月1日", false, {}},
    SDateCase{"year0", "令和0年1月1日", false, {}},
    SDateCase{"feb30", "令和7年2月30日", false, {}},
    SDateCase{"unknownEra", "天保3年1月1日", false, {}},
    SDateCase{"noEra", "2025年1月31日", false, {}},
    SDateCase{"threeDigitYear", "令和100年1月1日", false, {}},
    SDateCase{"trailingText", "令和7年1月31日頃", false, {}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(DateCompare, OrdersAndReportsWhichTextFailed)
{
    EXPECT_EQ(CLCMacOSNative::dateTimeComp("2025-01-30", "2025-01-31"), 2);
    EXPECT_EQ(CLCMacOSNative::dateTimeComp("2025-01-31", "令和7年1月31日"), 0);
    EXPECT_EQ(CLCMacOSNative::dateTimeComp("2025-01-31 00:00:01", "2025-01-31"), 1);
    EXPECT_EQ(CLCMacOSNative::dateTimeComp("2025/02/30", "2025-01-31"), -1);
    EXPECT_EQ(CLCMacOSNative::dateTimeComp("2025-01-31", "x"), -2);
    EXPECT_EQ(CLCMacOSNative::dateTimeChange(nullptr), false);
}

} // namespace
