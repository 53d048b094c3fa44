#include "cbc/CLCCbCValidCsvContain.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

// Every word must be among the parts; empty parts are dropped.
class CsvContainRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(CsvContainRule, JudgesOneValue)
{
    RuleTest::ExpectCase("csvContain", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvContainRule, ::testing::Values(
    SKindCase{"allWordsAnyOrder", "A B", "", "B/X/A", CBC_MSG_NONE, kPass},
    SKindCase{"missingWord", "A B", "", "A", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"emptyPartsDropped", "A B", "", "/A//B/", CBC_MSG_NONE, kPass},
    SKindCase{"empty", "A B", "", "", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"absent", "A B", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"emptyParameter", "", "", "A", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
