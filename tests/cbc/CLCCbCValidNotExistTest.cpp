#include "cbc/CLCCbCValidNotExist.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class NotExistRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(NotExistRule, JudgesOneValue)
{
    RuleTest::ExpectCase("notExist", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, NotExistRule, ::testing::Values(
    SKindCase{"absent", "", "", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"empty", "", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"present", "", "", "a", CBC_MSG_NONE, "9999-00001-HE60002E"},
    SKindCase{"definitionMessage", "", "", "a", HE60031E, "9999-00001-HE60031E"}),
    RuleTest::CaseName);
} // namespace
