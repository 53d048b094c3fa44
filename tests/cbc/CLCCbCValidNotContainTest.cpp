#include "cbc/CLCCbCValidNotContain.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class NotContainRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(NotContainRule, JudgesOneValue)
{
    RuleTest::ExpectCase("notContain", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, NotContainRule, ::testing::Values(
    SKindCase{"word", "1 2", "", "1", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"other", "1 2", "", "3", CBC_MSG_NONE, kPass},
    SKindCase{"empty", "1 2", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"absent", "1 2", "", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"emptyParameter", "", "", "3", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
