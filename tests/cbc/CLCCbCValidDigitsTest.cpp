#include "cbc/CLCCbCValidDigits.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kTooLong = "9999-00001-HE60010E";

class DigitsRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(DigitsRule, CountsTheDigitsOfTheNumber)
{
    RuleTest::ExpectCase("digits", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, DigitsRule, ::testing::Values(
    SKindCase{"eighteen", "", "18", "123456789012345678", CBC_MSG_NONE, kPass},
    SKindCase{"nineteen", "", "18", "1234567890123456789", CBC_MSG_NONE, kTooLong},
    SKindCase{"signAside", "", "18", "-123456789012345678", CBC_MSG_NONE, kPass},
    SKindCase{"plusAside", "", "18", "+123456789012345678", CBC_MSG_NONE, kPass},
    SKindCase{"signedNineteen", "", "18", "-1234567890123456789", CBC_MSG_NONE, kTooLong},
    SKindCase{"leadingZerosAside", "", "18", "000000000123456789012345678", CBC_MSG_NONE, kPass},
    SKindCase{"zeroOnly", "", "18", "-00000000000000000000000000", CBC_MSG_NONE, kPass},
    SKindCase{"zerosInsideCount", "", "18", "1000000000000000000", CBC_MSG_NONE, kTooLong},
    SKindCase{"twentyFive", "", "18", "1234567890123456789012345", CBC_MSG_NONE, kTooLong},
    SKindCase{"onlyDigitsCount", "", "2", "1a2b", CBC_MSG_NONE, kPass},
    SKindCase{"empty", "", "18", "", CBC_MSG_NONE, kPass},
    SKindCase{"absent", "", "18", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"noMax", "18", "", "1", CBC_MSG_NONE, RuleTest::kFatalText}),
    RuleTest::CaseName);
} // namespace
