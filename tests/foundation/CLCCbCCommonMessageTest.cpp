#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>
#include <ostream>
#include <string>

struct SCodeCase {
    const char* szName;
    std::string strCode;
    CLCCbCMessage_t expected;
    friend void PrintTo(const SCodeCase& c, std::ostream* os) { *os << c.szName; }
};
class MessageByCode : public ::testing::TestWithParam<SCodeCase> {};

TEST_P(MessageByCode, TakesTheFirstRowWithTheExactCode)
{
    EXPECT_EQ(CLCCbCCommon::ConvMsgStr2Enum(GetParam().strCode), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Codes, MessageByCode, ::testing::Values(
    SCodeCase{"first", "HE60000E", HE60000E},
    SCodeCase{"repeatedRowIsShadowed", "HE60039E", static_cast<CLCCbCMessage_t>(40)},
    SCodeCase{"outOfSeries", "HE00155E", static_cast<CLCCbCMessage_t>(41)},
    SCodeCase{"afterTheGap", "HE60040E", static_cast<CLCCbCMessage_t>(42)},
    SCodeCase{"last", "HE60064E", static_cast<CLCCbCMessage_t>(66)},
    SCodeCase{"lowerCase", "he60000e", CBC_MSG_NONE},
    SCodeCase{"empty", "", CBC_MSG_NONE},
    SCodeCase{"trailingSpace", "HE60000E ", CBC_MSG_NONE},
    SCodeCase{"prefixOnly", "HE6000", CBC_MSG_NONE},
    SCodeCase{"embeddedNul", std::string("HE60000E\0", 9), CBC_MSG_NONE},
    SCodeCase{"unknown", "HE60065E", CBC_MSG_NONE}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(MessageLookup, TextsByValue)
{
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(static_cast<CLCCbCMessage_t>(40)), "提供法人レコードの件数が不正です。");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(HE00155E),
              "XML構造チェックエラーです。読み込んだデータのXML構造に誤りがあります。<br>データを修正後、再度読み込んでください。");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(HE60064E), "メッセージID（MessageRefId）の年分と不整合がある。");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(CBC_MSG_NONE), "");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(static_cast<CLCCbCMessage_t>(67)), "");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Msg(static_cast<CLCCbCMessage_t>(0xFFFFFFFFu)), "");
}

TEST(MessageLookup, CodesByValue)
{
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(HE60000E), "HE60000E");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(41)), "HE00155E");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(42)), "HE60040E");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(CBC_MSG_NONE), "");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(67)), "");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(0xFFFFFFFFu)), "");
}

TEST(MessageLookup, EveryValueRoundTripsAndBothTextLookupsAgree)
{
    for (uint32_t v = 1; v <= 66; ++v) {
        const CLCCbCMessage_t msg = static_cast<CLCCbCMessage_t>(v);
        EXPECT_EQ(CLCCbCCommon::ConvMsgStr2Enum(CLCCbCCommon::ConvEnID2Code(msg)), msg) << v;
        EXPECT_FALSE(CLCCbCCommon::ConvEnID2Msg(msg).empty()) << v;
        EXPECT_EQ(CLCCbCCommon::ConvEnMsg2strMsg(msg), CLCCbCCommon::ConvEnID2Msg(msg)) << v;
    }
    // The numbering rule: value minus one up to 40, minus two from 42.
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(23)), "HE60022E");
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(static_cast<CLCCbCMessage_t>(57)), "HE60055E");
}
