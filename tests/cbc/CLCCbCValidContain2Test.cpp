#include "cbc/CLCCbCValidContain2.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

// Every "/"-separated part must be a word; empty parts are faults.
class Contain2Rule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(Contain2Rule, JudgesOneValue)
{
    RuleTest::ExpectCase("contain2", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Contain2Rule, ::testing::Values(
    SKindCase{"twoWords", "A B C", "", "A/C", CBC_MSG_NONE, kPass},
    SKindCase{"oneWord", "A B C", "", "B", CBC_MSG_NONE, kPass},
    SKindCase{"repeatedWord", "A B C", "", "A/A", CBC_MSG_NONE, kPass},
    SKindCase{"empty", "A B C", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"emptyMiddlePart", "A B C", "", "A//C", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"leadingSlash", "A B C", "", "/A", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"trailingSlash", "A B C", "", "A/", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"slashOnly", "A B C", "", "/", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"unknownPart", "A B C", "", "A/D", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"absent", "A B C", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"emptyParameter", "", "", "A", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
