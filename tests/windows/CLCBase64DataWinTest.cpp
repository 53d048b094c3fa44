// Base64 through the crypto library: every line, the last included, ends with
// CR LF, and the encoder refuses an empty file.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/platform/CLCMacOSNative.h"

namespace {

std::string Counting(size_t nBytes)
{
    std::string str;
    for (size_t i = 0; i < nBytes; ++i)
        str += static_cast<char>(i);
    return str;
}

const std::string kLine48 = "AAECAwQFBgcICQoLDA0ODxAREhMUFRYXGBkaGxwdHh8gISIjJCUmJygpKissLS4v";

struct SBase64 {
    const char* szName;
    std::string strData, strText;
};
const SBase64 kCases[] = {
    {"three bytes", "Man", "TWFu\r\n"},
    {"one byte", "M", "TQ==\r\n"},
    {"one full line", Counting(48), kLine48 + "\r\n"},
    {"one byte more", Counting(49), kLine48 + "\r\nMA==\r\n"},
    {"two bytes more", Counting(50), kLine48 + "\r\nMDE=\r\n"},
    {"two full lines", Counting(96), kLine48 + "\r\nMDEyMzQ1Njc4OTo7PD0+P0BBQkNERUZHSElKS0xNTk9QUVJTVFVWV1hZWltcXV5f\r\n"},
};

WIN_TEST(EveryLineEndsWithCrLf)
{
    wintest::CTestFolder folder;
    for (const SBase64& c : kCases) {
        std::string strOut;
        CHECK(CLCBase64Data::Base64Encode(folder.Write("in.bin", c.strData).c_str(), strOut));
        CHECK_EQ(strOut, c.strText);
    }
}

WIN_TEST(EmptyOrMissingFilesAreRefused)
{
    wintest::CTestFolder folder;
    std::string strOut = "untouched";
    CHECK(!CLCBase64Data::Base64Encode(folder.Write("empty.bin", "").c_str(), strOut));
    CHECK(!CLCBase64Data::Base64Encode((folder / "missing.bin").c_str(), strOut));
    CHECK(!CLCBase64Data::Base64Encode(nullptr, strOut));
    CHECK_EQ(strOut, "untouched");

    // ReadFile's argument check refuses an empty file before the encoder, as in every build.
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadFile(folder.Write("empty.bin", "").c_str());
    CHECK_EQ(pResult->getResult(), "E_FAIL");
    CHECK_EQ(pResult->getDetailErrorInfo(), "9999-00001-HE60005E");
    pResult = api.ReadFile(folder.Write("in.bin", "Man").c_str());
    CHECK_EQ(pResult->getResult(), "S_OK");
    CHECK_EQ(pResult->get_Base64Data(), "TWFu\r\n");
}

} // namespace
