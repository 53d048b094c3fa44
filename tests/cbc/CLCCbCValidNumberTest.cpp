#include "cbc/CLCCbCValidNumber.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class NumberRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(NumberRule, JudgesOneValue)
{
    RuleTest::ExpectCase("number", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberRule, ::testing::Values(
    SKindCase{"absent", "", "", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"empty", "", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"digits", "", "", "0123456789", CBC_MSG_NONE, kPass},
    SKindCase{"letter", "", "", "12a", CBC_MSG_NONE, "9999-00001-HE60008E"},
    SKindCase{"sign", "", "", "-1", CBC_MSG_NONE, "9999-00001-HE60008E"},
    SKindCase{"fullWidthDigit", "", "", "\xEF\xBC\x91", CBC_MSG_NONE, "9999-00001-HE60008E"}),
    RuleTest::CaseName);
} // namespace
