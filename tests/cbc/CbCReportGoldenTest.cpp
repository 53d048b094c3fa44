#include "cbc/CbCReportCsvBuilder.h"

#include "cbc/CLCCsvTestSupport.h"
#include "support/OecdSchema.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

#include "cbc/CbCReportPipeline.h"

// The main road of the CbC report: a clean CSV passes its check and converts to
// exactly the text stored under tests/data/cbc/, which is valid against the
// OECD schema of its version.
namespace {

using cbctest::ELayout;
using cbctest::SCbCReport;

struct SGoldenCase {
    const char* szName;
    ELayout eLayout;
    const char* szExpectedFile;
    const char* szJapaneseFile;   // the conversion of JapaneseReport
    const char* szSchemaFolder;
    const char* szSchemaFile;
};

const SGoldenCase kGoldenCases[] = {
    {"First", ELayout::First, "golden_v1.xml", "golden_ja_v1.xml", "cbc_v1.0.1", "CbcXML_v1.0.1.xsd"},
    {"Second", ELayout::Second, "golden_v2.xml", "golden_ja_v2.xml", "cbc_v2.0", "CbcXML_v2.0.xsd"},
};

void PrintTo(const SGoldenCase& c, std::ostream* pOut)
{
    *pOut << c.szName;
}

// The stored text is one line; the file ends with one line feed for the editor's sake.
std::string ReadExpected(const std::string& strName)
{
    std::ifstream in(std::string(TESVANT_TEST_DATA_DIR) + "/cbc/" + strName, std::ios::binary);
    std::string strText((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!strText.empty() && strText.back() == '\n')
        strText.pop_back();
    return strText;
}

class CbCGolden : public ::testing::TestWithParam<SGoldenCase> {
protected:
    void SetUp() override { CLCValidResult::destroy(); }
    void TearDown() override { CLCValidResult::destroy(); }
    CTestFolder m_folder;
};

// The stored text and the model's expected text are written independently of
// each other: by hand from the conversion trees, and by the test's writer.
TEST_P(CbCGolden, StoredTextIsTheModelsExpectedText)
{
    const SGoldenCase& c = GetParam();
    const std::string strStored = ReadExpected(c.szExpectedFile);
    ASSERT_FALSE(strStored.empty()) << c.szExpectedFile << " is missing";
    EXPECT_EQ(cbctest::ExpectedXml(cbctest::GoldenReport(c.eLayout)), strStored);
    const std::string strJapanese = ReadExpected(c.szJapaneseFile);
    ASSERT_FALSE(strJapanese.empty()) << c.szJapaneseFile << " is missing";
    EXPECT_EQ(cbctest::ExpectedXml(cbctest::JapaneseReport(c.eLayout)), strJapanese);
}

TEST_P(CbCGolden, StoredTextIsValidAgainstTheSchema)
{
    const SGoldenCase& c = GetParam();
    const std::string strSchema = oecdxsd::SchemaPath(c.szSchemaFolder, c.szSchemaFile);
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(strSchema); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    std::string strErrors;
    EXPECT_TRUE(oecdxsd::ValidateXml(strSchema, ReadExpected(c.szExpectedFile), strErrors)) << strErrors;
    EXPECT_TRUE(oecdxsd::ValidateXml(strSchema, ReadExpected(c.szJapaneseFile), strErrors)) << strErrors;
}

// The oracle must be able to say no: without its Timestamp the text is refused.
TEST_P(CbCGolden, SchemaRefusesATextWithoutTimestamp)
{
    const SGoldenCase& c = GetParam();
    const std::string strSchema = oecdxsd::SchemaPath(c.szSchemaFolder, c.szSchemaFile);
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(strSchema); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    std::string strXml = ReadExpected(c.szExpectedFile);
    const std::string strTimestamp = "<cbc:Timestamp>" + cbctest::kFixedTimestamp + "</cbc:Timestamp>";
    ASSERT_NE(strXml.find(strTimestamp), std::string::npos);
    strXml.erase(strXml.find(strTimestamp), strTimestamp.size());
    std::string strErrors;
    EXPECT_FALSE(oecdxsd::ValidateXml(strSchema, strXml, strErrors));
    EXPECT_NE(strErrors.find("Timestamp"), std::string::npos) << strErrors;
}


TEST_P(CbCGolden, PassesTheCheck)
{
    const SGoldenCase& c = GetParam();
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(cbctest::GoldenReport(c.eLayout)));
    const cbctest::SRoadResult result = cbctest::RunCheck(c.eLayout, strPath);
    EXPECT_EQ(result.strErrors, "");
    EXPECT_TRUE(result.bOk);
}

TEST_P(CbCGolden, ConvertsToTheStoredText)
{
    const SGoldenCase& c = GetParam();
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(cbctest::GoldenReport(c.eLayout)));
    cbctest::SRoadResult result = cbctest::RunConvert(c.eLayout, strPath);
    ASSERT_TRUE(result.bOk) << result.strErrors;
    EXPECT_EQ(result.strErrors, "");
    ASSERT_TRUE(cbctest::NormaliseTimestamp(result.strXml)) << result.strXml;
    EXPECT_EQ(result.strXml, ReadExpected(c.szExpectedFile));
}

// The CbC report is filed in Latin characters: every Japanese text is refused
// where it stands, and the cross checks do not run after field errors.
TEST_P(CbCGolden, CheckRefusesJapaneseTextsWhereTheyStand)
{
    const SGoldenCase& c = GetParam();
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(cbctest::JapaneseReport(c.eLayout)));
    const cbctest::SRoadResult result = cbctest::RunCheck(c.eLayout, strPath);
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.strErrors, c.eLayout == ELayout::First
                                    ? "0002-00007-HE60011E,0002-00008-HE60011E,0006-00005-HE60011E,"
                                      "0006-00007-HE60011E,0008-00005-HE60011E,0009-00010-HE60011E,0010-00005-HE60011E"
                                    : "0002-00007-HE60011E,0002-00008-HE60011E,0006-00005-HE60011E,"
                                      "0006-00007-HE60011E,0008-00005-HE60011E,0009-00011-HE60011E,0010-00005-HE60011E");
}

// The conversion road decodes CP932 (extensions and 0x5C second bytes included)
// and writes UTF-8.
TEST_P(CbCGolden, ConvertsJapaneseTextsToUtf8)
{
    const SGoldenCase& c = GetParam();
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(cbctest::JapaneseReport(c.eLayout)));
    cbctest::SRoadResult result = cbctest::RunConvert(c.eLayout, strPath);
    ASSERT_TRUE(result.bOk) << result.strErrors;
    ASSERT_TRUE(cbctest::NormaliseTimestamp(result.strXml)) << result.strXml;
    EXPECT_EQ(result.strXml, ReadExpected(c.szJapaneseFile));
}

TEST_P(CbCGolden, IntegrityCheckComparesTheCorporateNumber)
{
    const SGoldenCase& c = GetParam();
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(cbctest::GoldenReport(c.eLayout)));
    // MessageRefId is column 5 of line 1.
    struct SNumberCase {
        std::string strNumber;
        bool bOk;
        std::string strErrors;
    };
    const SNumberCase cases[] = {
        {cbctest::GoldenCorporateNumber(), true, ""},
        {"", true, ""},
        {cbctest::CorporateNumber("111111111111"), false, "0001-00005-HE60009E"},
        {"12345", false, "9999-00002-HE60007E"},
        {"1234567890123", false, "9999-00002-HE60009E"},
    };
    for (const SNumberCase& n : cases) {
        SCOPED_TRACE(n.strNumber);
        const cbctest::SRoadResult result = cbctest::RunIntegrityCheck(c.eLayout, strPath, n.strNumber);
        EXPECT_EQ(result.bOk, n.bOk);
        EXPECT_EQ(result.strErrors, n.strErrors);
    }
}


INSTANTIATE_TEST_SUITE_P(Layouts, CbCGolden, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& info) { return std::string(info.param.szName); });

// ---- the builder itself ------------------------------------------------------

TEST(CbCReportCsvBuilder, QuotesWhereTheDialectNeedsIt)
{
    EXPECT_EQ(cbctest::CsvLine({"a", "b,c", "say \"hi\"", " x", "", "<&>"}),
              "a,\"b,c\",\"say \"\"hi\"\"\",\" x\",,<&>\r\n");
}

TEST(CbCReportCsvBuilder, WritesJapaneseAsCp932)
{
    // テスト株式会社 and 表示 (second byte 0x5C), ① and 髙 (CP932 extensions).
    EXPECT_EQ(cbctest::ToCp932("\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\xE6\xA0\xAA\xE5\xBC\x8F\xE4\xBC\x9A\xE7\xA4\xBE"),
              "\x83\x65\x83\x58\x83\x67\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0");
    EXPECT_EQ(cbctest::ToCp932("a\xE8\xA1\xA8\xE7\xA4\xBA\xE2\x91\xA0\xE9\xAB\x99"), "a\x95\x5C\x8E\xA6\x87\x40\xFB\xFC");
    EXPECT_THROW(cbctest::ToCp932("\xC3\xA9"), std::invalid_argument);
}

TEST(CbCReportCsvBuilder, GivesRecordsTheLayoutsColumnCounts)
{
    const size_t first[] = {8, 9, 15, 15, 15, 10, 10, 10, 10, 7, 7};
    const size_t second[] = {8, 12, 15, 15, 15, 11, 11, 11, 11, 7, 7};
    const auto recFirst = cbctest::Records(cbctest::GoldenReport(ELayout::First));
    const auto recSecond = cbctest::Records(cbctest::GoldenReport(ELayout::Second));
    ASSERT_EQ(recFirst.size(), std::size(first));
    ASSERT_EQ(recSecond.size(), std::size(second));
    for (size_t i = 0; i < recFirst.size(); ++i) {
        EXPECT_EQ(recFirst[i].size(), first[i]) << i;
        EXPECT_EQ(recSecond[i].size(), second[i]) << i;
    }
}

TEST(CbCReportCsvBuilder, CorporateNumberCarriesItsCheckDigit)
{
    // 9 - (2*2+3+2*4+5+2*6+7+2*8+9+2*0+1+2*2+3) mod 9 = 9 - 72 mod 9 = 9.
    EXPECT_EQ(cbctest::CorporateNumber("234567890123"), "9234567890123");
    EXPECT_EQ(cbctest::CorporateNumber("000000000001"), "8000000000001");
}

TEST(CbCReportCsvBuilder, NormalisesOneWellFormedTimestamp)
{
    std::string strXml = "<a><cbc:Timestamp>2024-05-01T09:30:00</cbc:Timestamp></a>";
    EXPECT_TRUE(cbctest::NormaliseTimestamp(strXml));
    EXPECT_EQ(strXml, "<a><cbc:Timestamp>2000-01-01T00:00:00</cbc:Timestamp></a>");
    std::string strBad = "<cbc:Timestamp>2024-05-01 09:30:00</cbc:Timestamp>";
    EXPECT_FALSE(cbctest::NormaliseTimestamp(strBad));
    std::string strTwo = "<cbc:Timestamp>2024-05-01T09:30:00</cbc:Timestamp><cbc:Timestamp>2024-05-01T09:30:00</cbc:Timestamp>";
    EXPECT_FALSE(cbctest::NormaliseTimestamp(strTwo));
}

} // namespace
