#include "cbc/CLCCbCValidDuplicate.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kFatal = RuleTest::kFatalText;

// Parts cut at "/", empty parts dropped, compared byte for byte.
class DuplicateRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(DuplicateRule, JudgesOneValue)
{
    RuleTest::ExpectCase("duplicate", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, DuplicateRule, ::testing::Values(
    SKindCase{"repeated", "", "", "A/B/A", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"emptyPartsNotCompared", "", "", "A//B", CBC_MSG_NONE, kPass},
    SKindCase{"repeatedAcrossEmptyPart", "", "", "A//A", CBC_MSG_NONE, "9999-00001-HE60009E"},
    SKindCase{"caseDiffers", "", "", "a/A", CBC_MSG_NONE, kPass},
    SKindCase{"noSlash", "", "", "AA", CBC_MSG_NONE, kPass},
    SKindCase{"empty", "", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"absent", "", "", nullptr, CBC_MSG_NONE, kPass}),
    RuleTest::CaseName);
} // namespace
