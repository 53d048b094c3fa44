// The CbC report and appendix-table operations end to end: the shipped examples
// and broken copies of them through the API, the definitions and the engine,
// and the example conversions against the OECD schemas.
#include "api/ApiTestSupport.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "support/OecdSchema.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace apitest;

namespace {

namespace fs = std::filesystem;

constexpr const char* kHojinNo = "4010001234567";    // the reporting entity of every example
constexpr const char* kOtherHojinNo = "6012001987654";
constexpr const char* kSoftName = "Tesvant";
constexpr const char* kSakuseiName = "山田　太郎";

// Errors of the schema validation; "" when the text is valid.
std::string SchemaErrors(const std::string& strXml, const std::string& strXsd)
{
    std::string strErrors;
    return oecdxsd::ValidateXml(strXsd, strXml, strErrors) ? std::string() : strErrors + "invalid";
}

class ApiReports : public ApiTest {
protected:
    // The schema's main file, or "" (and the test is skipped) where the folder is missing.
    static std::string Schema(const char* szFolderAndFile)
    {
        const std::string strPath = oecdxsd::SchemaRoot() + "/" + szFolderAndFile;
        return fs::exists(strPath) ? strPath : "";
    }
};

#define SKIP_WITHOUT(strXsd)                                                                              \
    if ((strXsd).empty())                                                                                 \
    GTEST_SKIP() << "OECD schemas not found under " << oecdxsd::SchemaRoot() << " (set TESVANT_OECD_XSD_DIR)"

// ---- Appendix table AIA120

TEST_F(ApiReports, AppendixTableExamplePassesItsCheck)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.AppendixTableCsvCheck(Example("appendix_aia120.csv").c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->getAppendixTableData(), "");
}

TEST_F(ApiReports, AppendixTableCheckFindsABadCheckDigitThenPassesAgain)
{
    CLCCsvConvDataCbC api;
    const std::string strBroken = Broken("appendix_aia120.csv", kOtherHojinNo, "5012001987654");
    CLCCsvConvResultCbC* pResult = api.AppendixTableCsvCheck(strBroken.c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0002-00009-HE60009E");
    EXPECT_EQ(pResult->getAppendixTableData(), "");

    EXPECT_EQ(api.AppendixTableCsvCheck(Example("appendix_aia120.csv").c_str()), pResult);
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
}

TEST_F(ApiReports, ReportIntegrityCheckPassesWithEveryTableOffered)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult =
        api.ReportIntegrityCheck(Example("appendix_aia120.csv").c_str(), "1", "1", "1", "", "", "");
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->getAppendixTableData(), "");
}

TEST_F(ApiReports, ReportIntegrityCheckReportsUnwantedRecordsAndNumbers)
{
    CLCCsvConvDataCbC api;
    // Business overview said absent; the final parent company's own number listed as not wanted.
    const CLCCsvConvResultCbC* pResult =
        api.ReportIntegrityCheck(Example("appendix_aia120.csv").c_str(), "1", "1", "2", kHojinNo, "", "");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(),
              "0001-00003-HE60017E,0001-00009-HE60018E,0002-00003-HE60017E,0003-00003-HE60017E");
}

TEST_F(ApiReports, ReportIntegrityCheckReportsEveryBadArgument)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReportIntegrityCheck("", "3", "1", "1", "123", "", "");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00001-HE60001E,9999-00002-HE60009E,9999-00005-HE60007E");
}

TEST_F(ApiReports, AppendixTableConversionHandsBackWhatItWrites)
{
    const std::string strOut = Path("aia120.xml");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvAppendixTableData(Example("appendix_aia120.csv").c_str(),
                                                                      kSoftName, kSakuseiName, strOut.c_str());
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    const std::string strXml = pResult->getAppendixTableData();
    EXPECT_EQ(ReadBytes(strOut), strXml);
    EXPECT_NE(strXml.find("さくらホールディングス株式会社"), std::string::npos);
    EXPECT_NE(strXml.find("<HQB00060><gen:hojinbango>4010001234567</gen:hojinbango></HQB00060>"),
              std::string::npos);
}

TEST_F(ApiReports, AppendixTableConversionFailureEmptiesTheData)
{
    CLCCsvConvDataCbC api;
    CLCCsvConvResultCbC* pResult =
        api.CsvConvAppendixTableData(Example("appendix_aia120.csv").c_str(), kSoftName, kSakuseiName, "");
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    ASSERT_NE(pResult->getAppendixTableData(), "");
    const std::string strLongName(31, 'a');
    pResult = api.CsvConvAppendixTableData(Example("appendix_aia120.csv").c_str(), strLongName.c_str(),
                                           kSakuseiName, "");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00002-HE60010E");
    EXPECT_EQ(pResult->getAppendixTableData(), "");
}

// ---- CbC report, first schema

TEST_F(ApiReports, FirstSchemaExamplePassesItsChecks)
{
    CLCCsvConvDataCbC api;
    const std::string strCsv = Example("cbc_report_v1.csv");
    const CLCCsvConvResultCbC* pResult = api.CbCReportCsvCheck(strCsv.c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->getCbCReportData(), "");
    pResult = api.CbCReportIntegrityCheck(strCsv.c_str(), kHojinNo);
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
}

TEST_F(ApiReports, FirstSchemaCheckFindsAFieldError)
{
    CLCCsvConvDataCbC api;
    const std::string strBroken = Broken("cbc_report_v1.csv", "-12000000", "-12x00000");
    const CLCCsvConvResultCbC* pResult = api.CbCReportCsvCheck(strBroken.c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0004-00009-HE60011E");
    EXPECT_EQ(pResult->getCbCReportData(), "");
}

TEST_F(ApiReports, FirstSchemaCheckFindsARepeatedDocRefId)
{
    CLCCsvConvDataCbC api;
    const std::string strBroken =
        Broken("cbc_report_v1.csv", "JP2024-4010001234567-001-0003", "JP2024-4010001234567-001-0002");
    const CLCCsvConvResultCbC* pResult = api.CbCReportCsvCheck(strBroken.c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0003-00003-HE60033E,0004-00003-HE60033E");
}

TEST_F(ApiReports, FirstSchemaIntegrityCheckComparesTheCorporateNumber)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CbCReportIntegrityCheck(Example("cbc_report_v1.csv").c_str(),
                                                                     kOtherHojinNo);
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00005-HE60009E");
    EXPECT_EQ(pResult->getCbCReportData(), "");
}

TEST_F(ApiReports, FirstSchemaConversionIsValidCbcXml)
{
    const std::string strOut = Path("cbc_v1.xml");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvCbCReportData(Example("cbc_report_v1.csv").c_str(),
                                                                  strOut.c_str());
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    const std::string strXml = pResult->getCbCReportData();
    EXPECT_EQ(ReadBytes(strOut), strXml);

    const std::string strXsd = Schema("cbc_v1.0.1/CbcXML_v1.0.1.xsd");
    SKIP_WITHOUT(strXsd);
    EXPECT_EQ(SchemaErrors(strXml, strXsd), "") << strXml;
}

TEST_F(ApiReports, ConversionIntoAMissingFolderFails)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvCbCReportData(Example("cbc_report_v1.csv").c_str(),
                                                                  Path("missing/out.xml").c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00002-HE60019E");
    EXPECT_EQ(pResult->getCbCReportData(), "");
}

// ---- CbC report, second schema

TEST_F(ApiReports, SecondSchemaExamplePassesItsChecks)
{
    CLCCsvConvDataCbC api;
    const std::string strCsv = Example("cbc_report_v2.csv");
    const CLCCsvConvResultCbC* pResult = api.CbCReportCsvCheck2(strCsv.c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->getCbCReportData(), "");
    pResult = api.CbCReportIntegrityCheck2(strCsv.c_str(), kHojinNo);
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
}

TEST_F(ApiReports, SecondSchemaCheckComparesTheReportingYear)
{
    CLCCsvConvDataCbC api;
    // The first 2024-03-31 is the message's ReportingPeriod.
    const std::string strBroken = Broken("cbc_report_v2.csv", "2024-03-31", "2023-03-31");
    const CLCCsvConvResultCbC* pResult = api.CbCReportCsvCheck2(strBroken.c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00007-HE60036E");
}

TEST_F(ApiReports, SecondSchemaIntegrityCheckComparesTheCorporateNumber)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CbCReportIntegrityCheck2(Example("cbc_report_v2.csv").c_str(),
                                                                      kOtherHojinNo);
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00005-HE60009E");
}

TEST_F(ApiReports, SecondSchemaConversionIsValidCbcXmlAndStaysInTheResult)
{
    CLCCsvConvDataCbC api;
    CLCCsvConvResultCbC* pResult = api.CsvConvCbCReportData2(Example("cbc_report_v2.csv").c_str(), "");
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    const std::string strXml = pResult->getCbCReportData();
    EXPECT_NE(strXml, "");

    // An operation of another road keeps the conversion's text.
    EXPECT_EQ(api.AppendixTableCsvCheck(Example("appendix_aia120.csv").c_str()), pResult);
    EXPECT_EQ(pResult->getCbCReportData(), strXml);

    const std::string strXsd = Schema("cbc_v2.0/CbcXML_v2.0.xsd");
    SKIP_WITHOUT(strXsd);
    EXPECT_EQ(SchemaErrors(strXml, strXsd), "") << strXml;
}

// ---- GIR appendix table AIA540

TEST_F(ApiReports, GIRAppendixTableExamplePassesItsCheck)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult =
        api.GIRAppendixTableCsvCheck(Example("appendix_aia540.csv").c_str(), "1", "");
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->get_GIRAppendixTableData(), "");
}

TEST_F(ApiReports, GIRAppendixTableCheckComparesFlagAndNumber)
{
    CLCCsvConvDataCbC api;
    const std::string strCsv = Example("appendix_aia540.csv");
    const CLCCsvConvResultCbC* pResult = api.GIRAppendixTableCsvCheck(strCsv.c_str(), "2", "");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00001-HE60017E,0002-00001-HE60017E,0003-00001-HE60017E");
    pResult = api.GIRAppendixTableCsvCheck(strCsv.c_str(), "1", kHojinNo);
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00005-HE60018E");
}

TEST_F(ApiReports, GIRAppendixTableConversionHandsBackWhatItWrites)
{
    const std::string strOut = Path("aia540.xml");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvGIRAppendixTableData(Example("appendix_aia540.csv").c_str(),
                                                                         kSoftName, kSakuseiName, strOut.c_str());
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    const std::string strXml = pResult->get_GIRAppendixTableData();
    EXPECT_EQ(ReadBytes(strOut), strXml);
    EXPECT_NE(strXml.find("さくら精密工業株式会社"), std::string::npos);
    EXPECT_NE(strXml.find("<HCB00040><gen:hojinbango>4010001234567</gen:hojinbango></HCB00040>"),
              std::string::npos);
}

TEST_F(ApiReports, GIRAppendixTableConversionIntoAMissingFolderFails)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvGIRAppendixTableData(
        Example("appendix_aia540.csv").c_str(), kSoftName, kSakuseiName, Path("missing/out.xml").c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00004-HE60019E");
    EXPECT_EQ(pResult->get_GIRAppendixTableData(), "");
}

// ---- Values a conversion cannot write

// The conversions run no field rules; a value they cannot put into the
// document is answered with the row the form's check gives for that field,
// and nothing is written.
enum class EForm { CbC1, CbC2, AIA120, AIA540 };

struct SRefusedCase {
    const char* szName;
    EForm eForm;
    const char* szFrom;
    const char* szTo;
    const char* szRows;
};

const SRefusedCase kRefusedCases[] = {
    {"control character in a name", EForm::CbC2, "Sakura Holdings", "Sakura\x05Holdings", "0002-00007-HE60011E"},
    {"control character in the first schema", EForm::CbC1, "Sakura Holdings", "Sakura\x1FHoldings",
     "0002-00007-HE60011E"},
    {"control character in a country code", EForm::CbC2, ",JP,850000000", ",J\x05,850000000",
     "0003-00005-HE60011E"},
    // The check judges the version's length before its characters.
    {"control character in the version", EForm::CbC2, "1,2.0,", "1,2.\x03" "0,", "0001-00002-HE60007E"},
    {"flag outside its list", EForm::AIA120, "1,1,1,1,", "3,1,1,1,", "0001-00001-HE60009E"},
    {"flag that is no number", EForm::AIA120, "1,1,1,1,", "1,x,1,1,", "0001-00002-HE60008E"},
    {"record in no section", EForm::AIA120, "2,2,1,1,", "2,2,2,1,", "0003-01:03-HE60009E"},
    {"control character in a corporate number", EForm::AIA540, "4010001234567", "40100\x0e" "1234567",
     "0001-00005-HE60008E"},
};

class RefusedValue : public ApiReports, public ::testing::WithParamInterface<SRefusedCase> {};

TEST_P(RefusedValue, AnswersTheRowOfItsCheckAndWritesNothing)
{
    const SRefusedCase& c = GetParam();
    static const char* const kExamples[] = {"cbc_report_v1.csv", "cbc_report_v2.csv", "appendix_aia120.csv",
                                            "appendix_aia540.csv"};
    const std::string strCsv = Broken(kExamples[static_cast<int>(c.eForm)], c.szFrom, c.szTo);
    const std::string strOut = Path("out.xml");
    CLCCsvConvDataCbC conversion;
    CLCCsvConvDataCbC check;
    const CLCCsvConvResultCbC* pConv = nullptr;
    const CLCCsvConvResultCbC* pCheck = nullptr;
    switch (c.eForm) {
    case EForm::CbC1:
        pConv = conversion.CsvConvCbCReportData(strCsv.c_str(), strOut.c_str());
        pCheck = check.CbCReportCsvCheck(strCsv.c_str());
        break;
    case EForm::CbC2:
        pConv = conversion.CsvConvCbCReportData2(strCsv.c_str(), strOut.c_str());
        pCheck = check.CbCReportCsvCheck2(strCsv.c_str());
        break;
    case EForm::AIA120:
        pConv = conversion.CsvConvAppendixTableData(strCsv.c_str(), kSoftName, kSakuseiName, strOut.c_str());
        pCheck = check.AppendixTableCsvCheck(strCsv.c_str());
        break;
    case EForm::AIA540:
        pConv = conversion.CsvConvGIRAppendixTableData(strCsv.c_str(), kSoftName, kSakuseiName, strOut.c_str());
        pCheck = check.GIRAppendixTableCsvCheck(strCsv.c_str(), "1", "");
        break;
    }
    EXPECT_EQ(pConv->getResult(), "E_FAIL");
    EXPECT_EQ(pConv->getDetailErrorInfo(), c.szRows);
    EXPECT_EQ(pConv->getCbCReportData() + pConv->getAppendixTableData() + pConv->get_GIRAppendixTableData(), "");
    EXPECT_FALSE(fs::exists(strOut));
    // The row is the check's own for that field.
    EXPECT_NE(pCheck->getDetailErrorInfo().find(c.szRows), std::string::npos) << pCheck->getDetailErrorInfo();
}

// Without the check to tell it (here its definition is missing), the row the
// writer recorded stands: still the field, never only the fatal row.
TEST_F(ApiReports, RefusedValueWithoutItsCheckKeepsTheWritersRow)
{
    const std::string strDefinitions = Path("definitions");
    fs::create_directories(strDefinitions);
    fs::copy_file(std::string(TESVANT_SOURCE_DIR) + "/definitions/CbCDataConvDefine3.xml",
                  strDefinitions + "/CbCDataConvDefine3.xml");
    ::setenv("TESVANT_DEFINITION_DIR", strDefinitions.c_str(), 1);
    const std::string strCsv = Broken("cbc_report_v2.csv", "2024-03-31,JPY", "2024-03-31,J\x7FY\x10");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CsvConvCbCReportData2(strCsv.c_str(), "");
    ::unsetenv("TESVANT_DEFINITION_DIR");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0001-00008-HE60011E");
}

INSTANTIATE_TEST_SUITE_P(Forms, RefusedValue, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) {
                             std::string strName = info.param.szName;
                             for (char& ch : strName)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return strName;
                         });

} // namespace
