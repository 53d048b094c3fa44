// Code page 932 and UTF-8 at the Windows edge, through the platform layer's
// Shift_JIS conversions that every CSV, writeData and definition goes through.
#include "WinTest.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "windows/CLCWinText.h"

namespace {

struct SRoundTrip {
    const char* szName;
    std::string strSjis, strUtf8;
};
// NEC and IBM extensions, and the two ASCII codes that other Shift_JIS
// tables turn into yen and overline.
const SRoundTrip kRoundTrips[] = {
    {"circled one", "\x87\x40", "\xE2\x91\xA0"},
    {"kabushiki", "\x87\x8A", "\xE3\x88\xB1"},
    {"taka", "\xFB\xFC", "\xE9\xAB\x99"},
    {"backslash, tilde", "\x5C\x7E", "\\~"},
    {"full-width tilde", "\x81\x60", "\xEF\xBD\x9E"},
    {"kana and NUL", std::string("\x83\x65\x00\xB1", 4), std::string("\xE3\x83\x86\x00\xEF\xBD\xB1", 7)},
    {"empty", "", ""},
};

WIN_TEST(Cp932RoundTripsByteForByte)
{
    for (const SRoundTrip& c : kRoundTrips) {
        std::string strUtf8, strSjis;
        CHECK(CLCMacOSNative::SjisToUtf8(c.strSjis, strUtf8));
        CHECK_EQ(strUtf8, c.strUtf8);
        CHECK(CLCMacOSNative::Utf8ToSjis(c.strUtf8, strSjis));
        CHECK_EQ(strSjis, c.strSjis);
    }
}

WIN_TEST(BytesThatAreNotCp932AreRefused)
{
    // An unassigned double-byte code, a lead byte without its trail byte, and
    // a trail byte that no lead byte takes.
    for (const std::string strBad : {"\x85\x40", "abc\x81", "\x81\x7F", "\x88\x20"}) {
        std::string strOut = "untouched";
        CHECK(!CLCMacOSNative::SjisToUtf8(strBad, strOut));
        CHECK_EQ(strOut, "untouched");
    }
}

WIN_TEST(TextWithoutACp932FormIsRefused)
{
    // An emoji, a lone surrogate written as UTF-8, an overlong slash, and e-acute,
    // which a best-fit table would turn into "e".
    for (const std::string strBad : {"\xF0\x9F\x98\x80", "\xED\xA0\x80", "\xC0\xAF", "\xC3\xA9"}) {
        std::string strOut = "untouched";
        CHECK(!CLCMacOSNative::Utf8ToSjis(strBad, strOut));
        CHECK_EQ(strOut, "untouched");
    }
}

WIN_TEST(Utf16EdgeRefusesLoneSurrogates)
{
    std::string strOut = "untouched";
    CHECK(!CLCWinText::WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)), strOut));
    CHECK_EQ(strOut, "untouched");
    std::wstring wstr;
    CHECK(CLCWinText::Utf8ToWide("\xF0\xA0\x80\x8B", wstr));   // U+2000B: two units
    CHECK_EQ(wstr.size(), 2u);
    CHECK_EQ(CLCWinText::Utf8(wstr.c_str()), "\xF0\xA0\x80\x8B");
    CHECK_EQ(CLCWinText::Wide(nullptr).size(), 0u);
}

} // namespace
