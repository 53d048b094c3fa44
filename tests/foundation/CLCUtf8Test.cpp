#include "foundation/CLCUtf8.h"
#include <gtest/gtest.h>
#include <string>

namespace {

struct SDecodeCase {
    const char* szName;
    std::string strBytes;
    size_t nLength;      // 0: refused
    char32_t cPoint;
};
class Utf8Decode : public ::testing::TestWithParam<SDecodeCase> {};

TEST_P(Utf8Decode, TakesOneStrictSequence)
{
    const SDecodeCase& c = GetParam();
    char32_t cPoint = 0xFFFFFFFF;
    const auto* p = reinterpret_cast<const unsigned char*>(c.strBytes.data());
    EXPECT_EQ(CLCUtf8::Decode(p, c.strBytes.size(), cPoint), c.nLength);
    if (c.nLength != 0) {
        EXPECT_EQ(cPoint, c.cPoint);
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, Utf8Decode, ::testing::Values(
    SDecodeCase{"ascii", "A!", 1, U'A'}, SDecodeCase{"zero", std::string(1, '\0'), 1, 0},
    SDecodeCase{"twoBytes", "\xC3\xA9", 2, 0xE9}, SDecodeCase{"threeBytes", "\xE6\xB3\x95", 3, 0x6CD5},
    SDecodeCase{"fourBytes", "\xF0\xA0\x80\x8B", 4, 0x2000B}, SDecodeCase{"highest", "\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
    SDecodeCase{"overlongTwo", "\xC1\xBF", 0, 0}, SDecodeCase{"overlongThree", "\xE0\x80\xAF", 0, 0},
    SDecodeCase{"overlongFour", "\xF0\x8F\xBF\xBF", 0, 0}, SDecodeCase{"surrogate", "\xED\xA0\x80", 0, 0},
    SDecodeCase{"aboveHighest", "\xF4\x90\x80\x80", 0, 0}, SDecodeCase{"fiveByteLead", "\xF8\x88\x80\x80\x80", 0, 0},
    SDecodeCase{"loneContinuation", "\x80", 0, 0}, SDecodeCase{"badContinuation", "\xE6\x41\x95", 0, 0},
    SDecodeCase{"cutShort", "\xE6\xB3", 0, 0}, SDecodeCase{"cutByZero", std::string("\xC3\0", 2), 0, 0}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
