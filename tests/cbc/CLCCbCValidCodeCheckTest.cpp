#include "cbc/CLCCbCValidCodeCheck.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

// Code lists as the filings' schemas have them.
class CodeCheckRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(CodeCheckRule, JudgesOneValue)
{
    RuleTest::ExpectCase("codeCheck", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CodeCheckRule, ::testing::Values(
    SKindCase{"twoCountries", "country", "", "JP/US", CBC_MSG_NONE, kPass},
    SKindCase{"kosovo", "country", "", "XK", CBC_MSG_NONE, kPass},
    SKindCase{"x5", "country", "", "X5", CBC_MSG_NONE, kPass},
    SKindCase{"unknownCountry", "country", "", "XX", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"lowerCase", "country", "", "jp", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"trailingSlash", "country", "", "JP/", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"leadingSlash", "country", "", "/JP", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"emptyPart", "country", "", "JP//US", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"empty", "country", "", "", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"absent", "country", "", nullptr, CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"country2TakesXX", "country2", "", "XX", CBC_MSG_NONE, kPass},
    SKindCase{"country2TakesJP", "country2", "", "JP/XX", CBC_MSG_NONE, kPass},
    SKindCase{"currency", "currency", "", "JPY/USD", CBC_MSG_NONE, kPass},
    SKindCase{"currencyRefusesVES", "currency", "", "VES", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"currency2TakesVES", "currency2", "", "VES", CBC_MSG_NONE, kPass},
    SKindCase{"currency2KeepsOldCode", "currency2", "", "VEF", CBC_MSG_NONE, kPass},
    SKindCase{"currencyKeepsLTL", "currency", "", "LTL", CBC_MSG_NONE, kPass},
    SKindCase{"currencyLacksSLE", "currency2", "", "SLE", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"unknownList", "language", "", "JP", CBC_MSG_NONE, kFatal},
    SKindCase{"emptyParameter", "", "", "JP", CBC_MSG_NONE, kFatal}),
    RuleTest::CaseName);
} // namespace
