#include "cbc/CLCCbCValidExtension.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class ExtensionRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(ExtensionRule, JudgesOneValue)
{
    RuleTest::ExpectCase("extension", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtensionRule, ::testing::Values(
    SKindCase{"lowerInFolderWithDot", ".csv .CSV", "", "a.b/c.csv", CBC_MSG_NONE, kPass},
    SKindCase{"upper", ".csv .CSV", "", "c.CSV", CBC_MSG_NONE, kPass},
    SKindCase{"mixedCase", ".csv .CSV", "", "c.Csv", CBC_MSG_NONE, "9999-00001-HE60003E"},
    SKindCase{"noDot", ".csv .CSV", "", "c", CBC_MSG_NONE, "9999-00001-HE60003E"},
    SKindCase{"lastDotWins", ".csv .CSV", "", "c.csv.bak", CBC_MSG_NONE, "9999-00001-HE60003E"},
    SKindCase{"absent", ".csv .CSV", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60003E"},
    SKindCase{"empty", ".csv .CSV", "", "", CBC_MSG_NONE, "9999-00001-HE60003E"},
    SKindCase{"runsOfSpaces", "  .xml   .XML ", "", "a.XML", CBC_MSG_NONE, kPass},
    SKindCase{"emptyParameter", "", "", "a.csv", CBC_MSG_NONE, kFatal},
    SKindCase{"blankParameter", "   ", "", "a.csv", CBC_MSG_NONE, kFatal},
    SKindCase{"definitionMessageIgnored", ".csv", "", "a.txt", HE60031E, "9999-00001-HE60003E"}),
    RuleTest::CaseName);
} // namespace
