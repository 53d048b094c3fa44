#include "cbc/CLCCbCValidNotNumber.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class NotNumberRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(NotNumberRule, JudgesOneValue)
{
    RuleTest::ExpectCase("notNumber", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, NotNumberRule, ::testing::Values(
    SKindCase{"absent", "", "", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"empty", "", "", "", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"digits", "", "", "123", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"mixed", "", "", "12a", CBC_MSG_NONE, kPass}),
    RuleTest::CaseName);
} // namespace
