#include "cbc/CLCCbCValidLength.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class LengthRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(LengthRule, JudgesOneValue)
{
    RuleTest::ExpectCase("length", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, LengthRule, ::testing::Values(
    SKindCase{"exactShort", "13", "", "123456789012", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"exact", "13", "", "1234567890123", CBC_MSG_NONE, kPass},
    SKindCase{"maxReached", "", "30", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", CBC_MSG_NONE, kPass},
    SKindCase{"maxExceeded", "", "30", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", CBC_MSG_NONE, "9999-00001-HE60010E"},
    SKindCase{"kanjiCountsOne", "2", "", "\xE6\xB3\x95\xE4\xBA\xBA", CBC_MSG_NONE, kPass},
    SKindCase{"outsideBmpCountsTwo", "2", "", "\xF0\xA0\x80\x8B", CBC_MSG_NONE, kPass},
    SKindCase{"outsideBmpIsNotOne", "1", "", "\xF0\xA0\x80\x8B", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"listFirst", "4 6", "", "abcd", CBC_MSG_NONE, kPass},
    SKindCase{"listSecond", "4 6", "", "abcdef", CBC_MSG_NONE, kPass},
    SKindCase{"listOther", "4 6", "", "abcde", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"parameterWinsOverMax", "3", "10", "ab", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"absentCountsZero", "", "0", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"emptyExact", "1", "", "", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"neitherGiven", "", "", "a", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
