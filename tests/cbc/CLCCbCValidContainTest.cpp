#include "cbc/CLCCbCValidContain.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class ContainRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(ContainRule, JudgesOneValue)
{
    RuleTest::ExpectCase("contain", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainRule, ::testing::Values(
    SKindCase{"word", "1 2", "", "2", CBC_MSG_NONE, kPass},
    SKindCase{"joinedWords", "1 2", "", "12", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"empty", "1 2", "", "", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"absent", "1 2", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"definitionMessage", "1 2", "", "3", HE60031E, "9999-00001-HE60031E"},
    SKindCase{"emptyParameter", "", "", "1", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
