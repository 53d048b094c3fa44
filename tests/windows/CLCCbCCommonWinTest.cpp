// The Windows trim set, the date and time pictures, and the definitions read
// from the program's resources.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "support/DefinitionFiles.h"
#include <windows.h>
#include <regex>

namespace {

struct STrim {
    const char* szIn;
    const char* szOut;
};
// U+3000 = E3 80 80; U+00A0 and U+0085 are outside the Windows set.
const STrim kTrims[] = {
    {"\xE3\x80\x80\t \xE6\x96\x87 \r\n\f\v\xE3\x80\x80", "\xE6\x96\x87"},
    {" \t\r\n\f\v\xE3\x80\x80", ""},
    {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},
    {"\xC2\x85x", "\xC2\x85x"},
    {" @a b@ ", "@a b@"},
    {" \x81\x40 ", "\x81\x40"},   // bytes that are not UTF-8 stop the trim and stay whole
    {"", ""},
};

WIN_TEST(TrimUsesTheWindowsSet)
{
    for (const STrim& c : kTrims)
        CHECK_EQ(CLCCbCCommon::StringTrim(c.szIn), c.szOut);
    CHECK_EQ(CLCCbCCommon::StringTrim(nullptr), "");
}

WIN_TEST(NowFormatsThePicturesOfTheSystem)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    const std::string strDate = CLCCbCCommon::Now("yyyy'-'MM'-'dd", nullptr);
    const std::string strTime = CLCCbCCommon::Now(nullptr, "'T'HH':'mm':'ss");
    const std::string strBoth = CLCCbCCommon::Now("yyyy'/'MM'/'dd", "HH':'mm':'ss");
    const std::string strName = CLCCbCCommon::Now("'_OVK_TESVANT_'yyyyMMdd'.log'", nullptr);
    CHECK(std::regex_match(strDate, std::regex(R"(\d{4}-\d{2}-\d{2})")));
    CHECK(std::regex_match(strTime, std::regex(R"(T\d{2}:\d{2}:\d{2})")));
    CHECK(std::regex_match(strBoth, std::regex(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})")));
    CHECK(std::regex_match(strName, std::regex(R"(_OVK_TESVANT_\d{8}\.log)")));
    CHECK_EQ(std::stoi(strDate.substr(0, 4)) >= before.wYear, true);
    CHECK_EQ(CLCCbCCommon::Now(nullptr, nullptr), "");
    CHECK_EQ(CLCCbCCommon::Now("", ""), "");
}

WIN_TEST(DefinitionsComeFromTheResourcesAsStored)
{
    for (const deftest::SDefinitionFile& c : deftest::kDefinitionFiles) {
        const std::string strStored = wintest::SourceDefinition(c.szFile);
        CHECK(!strStored.empty());
        CHECK(CLCCbCCommon::LoadResoucePath(c.usId, "DEFINITION") == strStored);
        std::string strUtf8;
        CHECK(CLCMacOSNative::SjisToUtf8(strStored, strUtf8));
        CHECK(CLCCbCCommon::LoadDefinitionText(c.usId) == strUtf8);
    }
    for (unsigned short usId : deftest::kUnservedIds) {
        CHECK_EQ(CLCCbCCommon::LoadResoucePath(usId, "DEFINITION"), "");
        CHECK_EQ(CLCCbCCommon::LoadDefinitionText(usId), "");
    }
}

WIN_TEST(TheElementListDecodesWithItsJapaneseComment)
{
    const std::string strList = CLCCbCCommon::LoadDefinitionText(212);
    CHECK(strList.find("\xE6\x94\xB9\xE8\xA1\x8C") != std::string::npos);   // 改行
}

} // namespace
