#include "cbc/CLCCbCValidExist.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

// "exist" never fails fatally: every value is judged.
class ExistRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(ExistRule, JudgesOneValue)
{
    RuleTest::ExpectCase("exist", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, ExistRule, ::testing::Values(
    SKindCase{"absent", "", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60001E"},
    SKindCase{"empty", "", "", "", CBC_MSG_NONE, "9999-00001-HE60001E"},
    SKindCase{"present", "", "", "a", CBC_MSG_NONE, kPass},
    SKindCase{"blank", "", "", " ", CBC_MSG_NONE, kPass},
    SKindCase{"definitionMessage", "", "", "", HE60031E, "9999-00001-HE60031E"},
    SKindCase{"definitionMessageNotUsedOnPass", "", "", "x", HE60031E, kPass}),
    RuleTest::CaseName);
} // namespace
