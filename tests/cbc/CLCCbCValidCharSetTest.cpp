#include "cbc/CLCCbCValidCharSet.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>
#include <clocale>
#include <string>

namespace {
using RuleTest::SKindCase;
constexpr const char* kPass = "";
constexpr const char* kRefused = "9999-00001-HE60011E";

class CharSetRule : public ::testing::TestWithParam<SKindCase> {};

TEST_P(CharSetRule, JudgesEveryUtf16Unit)
{
    RuleTest::ExpectCase("charset", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CharSetRule, ::testing::Values(
    SKindCase{"levraKatakana", "levraString", "", "\xE3\x82\xAC", CBC_MSG_NONE, kPass},              // U+30AC
    SKindCase{"levraKanji", "levraString", "", "\xE6\xB3\x95", CBC_MSG_NONE, kPass},                 // U+6CD5
    SKindCase{"levraHalfwidthKatakana", "levraString", "", "\xEF\xBD\xB6", CBC_MSG_NONE, kRefused},  // U+FF76
    SKindCase{"levraLastAllowedHalfwidth", "levraString", "", "\xEF\xBD\xA5", CBC_MSG_NONE, kPass},  // U+FF65
    SKindCase{"levraFirstHalfwidthKana", "levraString", "", "\xEF\xBD\xA6", CBC_MSG_NONE, kRefused}, // U+FF66
    SKindCase{"levraHalfwidthHangul", "levraString", "", "\xEF\xBE\xA0", CBC_MSG_NONE, kPass},       // U+FFA0
    SKindCase{"levraOutsideBmp", "levraString", "", "a\xF0\xA0\x80\x8B", CBC_MSG_NONE, kRefused},    // U+2000B
    SKindCase{"levraControls", "levraString", "", "a\tb\r\nc", CBC_MSG_NONE, kPass},
    SKindCase{"levraC1Control", "levraString", "", "\xC2\x80", CBC_MSG_NONE, kRefused},               // U+0080
    SKindCase{"levraLatin1", "levraString", "", "\xC3\xA9", CBC_MSG_NONE, kPass},                     // U+00E9
    SKindCase{"levraLatinExtended", "levraString", "", "\xC4\x80", CBC_MSG_NONE, kRefused},           // U+0100
    SKindCase{"levraIdeographicSpace", "levraString", "", "\xE3\x80\x80", CBC_MSG_NONE, kPass},       // U+3000
    SKindCase{"levraExtensionA", "levraString", "", "\xE3\x90\x80", CBC_MSG_NONE, kRefused},          // U+3400
    SKindCase{"levraInvalidUtf8", "levraString", "", "a\xFF", CBC_MSG_NONE, kRefused},
    SKindCase{"levraTruncatedUtf8", "levraString", "", "\xE6\xB3", CBC_MSG_NONE, kRefused},
    SKindCase{"levraEncodedSurrogate", "levraString", "", "\xED\xA0\x80", CBC_MSG_NONE, kRefused},
    SKindCase{"levraEmpty", "levraString", "", "", CBC_MSG_NONE, kPass},
    SKindCase{"levraAbsent", "levraString", "", nullptr, CBC_MSG_NONE, kPass},
    SKindCase{"latinAscii", "latinString", "", "Tesvant 1.0~", CBC_MSG_NONE, kPass},
    SKindCase{"latinAccent", "latinString", "", "caf\xC3\xA9", CBC_MSG_NONE, kRefused},
    SKindCase{"fugoSigned", "fugoNumber", "", "-12", CBC_MSG_NONE, kPass},
    SKindCase{"fugoPlus", "fugoNumber", "", "+3", CBC_MSG_NONE, kPass},
    SKindCase{"fugoDecimal", "fugoNumber", "", "1.5", CBC_MSG_NONE, kRefused},
    SKindCase{"unknownSet", "asciiString", "", "a", CBC_MSG_NONE, RuleTest::kFatalText},
    SKindCase{"emptySet", "", "", "a", CBC_MSG_NONE, RuleTest::kFatalText}),
    RuleTest::CaseName);

// The answer must not depend on the process locale.
TEST(CharSetRuleLocale, SameAnswerUnderTheCLocale)
{
    std::string strOld = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    RuleTest::ExpectOutcome(RuleTest::RunRule("charset", "levraString", "", "\xE6\xB3\x95\xE4\xBA\xBA"), kPass);
    RuleTest::ExpectOutcome(RuleTest::RunRule("charset", "levraString", "", "\xEF\xBD\xB6"), kRefused);
    std::setlocale(LC_ALL, strOld.c_str());
}
} // namespace
