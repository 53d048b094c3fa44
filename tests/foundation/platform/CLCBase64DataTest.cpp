#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/FoundationTestFolder.h"
#include <gtest/gtest.h>

namespace {

std::string Bytes(size_t nCount)
{
    std::string str;
    for (size_t i = 0; i < nCount; ++i)
        str += static_cast<char>(i * 7 + 3);
    return str;
}

struct SBase64Case { const char* szName; std::string strData; std::string strText; };
void PrintTo(const SBase64Case& c, std::ostream* os) { *os << c.szName; }
class Base64 : public ::testing::TestWithParam<SBase64Case> {};

TEST_P(Base64, EncodesTheWholeFileInCrLfLines)
{
    CTestFolder folder;
    const std::string strPath = folder / "data.bin";
    WriteBytes(strPath, GetParam().strData);
    std::string strOut = "stale";
    ASSERT_TRUE(CLCBase64Data::Base64Encode(strPath.c_str(), strOut));
    EXPECT_EQ(strOut, GetParam().strText);
}

const std::string k48Text = "AwoRGB8mLTQ7QklQV15lbHN6gYiPlp2kq7K5wMfO1dzj6vH4/wYNFBsiKTA3PkVM";

INSTANTIATE_TEST_SUITE_P(Sizes, Base64, ::testing::Values(
    SBase64Case{"empty", "", ""},
    SBase64Case{"oneByte", "M", "TQ=="},
    SBase64Case{"twoBytes", "Ma", "TWE="},
    SBase64Case{"threeBytes", "Man", "TWFu"},
    SBase64Case{"allAlphabetEnds", std::string("\xFB\xEF\xBE\x00\x10\x83", 6), "++++ABCD"},
    SBase64Case{"oneLine48", Bytes(48), k48Text},
    SBase64Case{"secondLine49", Bytes(49), k48Text + "\r\nUw=="},
    SBase64Case{"twoFullLines96", Bytes(96), k48Text + "\r\n" + "U1phaG92fYSLkpmgp661vMPK0djf5u30+wIJEBceJSwzOkFIT1ZdZGtyeYCHjpWc"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST(Base64Failure, UnreadablePathLeavesTheOutput)
{
    CTestFolder folder;
    for (const std::string& strPath : {folder / "missing.bin", folder.Path().string(), std::string()}) {
        std::string strOut = "untouched";
        EXPECT_FALSE(CLCBase64Data::Base64Encode(strPath.c_str(), strOut)) << strPath;
        EXPECT_EQ(strOut, "untouched");
    }
    std::string strOut = "untouched";
    EXPECT_FALSE(CLCBase64Data::Base64Encode(nullptr, strOut));
}

} // namespace
