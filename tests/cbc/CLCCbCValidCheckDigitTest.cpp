#include "cbc/CLCCbCValidCheckDigit.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

class CheckDigitRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(CheckDigitRule, JudgesOneValue)
{
    RuleTest::ExpectCase("checkDigits", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckDigitRule, ::testing::Values(
    SKindCase{"validNumber", "hojin", "", "7000012050002", CBC_MSG_NONE, kPass},
    SKindCase{"firstDigitChanged", "hojin", "", "8000012050002", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"fiveDigits", "hojin", "", "70000", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"letter", "hojin", "", "700001205000a", CBC_MSG_NONE, "9999-00001-HE60008E"},
    SKindCase{"empty", "hojin", "", "", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"fourteenDigits", "hojin", "", "70000120500020", CBC_MSG_NONE, "9999-00001-HE60007E"},
    SKindCase{"absent", "hojin", "", nullptr, CBC_MSG_NONE, kFatal},
    SKindCase{"emptyParameter", "", "", "7000012050002", CBC_MSG_NONE, kFatal},
    SKindCase{"otherParameter", "mynumber", "", "7000012050002", CBC_MSG_NONE, kFatal},
    SKindCase{"letterBeforeParameterCheck", "mynumber", "", "12a", CBC_MSG_NONE, "9999-00001-HE60008E"}),
    RuleTest::CaseName);
} // namespace
