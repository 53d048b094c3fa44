#include "api/CLCCsvConvDataCbC.h"
#include "api/ApiTestSupport.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <stdexcept>

// The API's wiring on the file operations: result objects made once and
// refilled, Result/DetailErrorInfo/data written per operation, the folder
// chooser's three answers, and the catch-all of every operation.
using namespace apitest;

namespace {

namespace fs = std::filesystem;
using Mode = CLCCbCCommon::EXEC_MODE;

class ApiFileOperations : public ApiTest {};

TEST_F(ApiFileOperations, ReadCsvHandsOverTheEscapedTextAndItsSize)
{
    // 山田,a&b in Shift_JIS
    const std::string strPath = Write("in.csv", "\x8E\x52\x93\x63,a&b\r\n");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadCSVFile(strPath.c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->get_CsvData(), "山田,a&amp;b\r\n");
    EXPECT_EQ(pResult->get_CsvDataSize(), "16");
}

TEST_F(ApiFileOperations, ReadCsvFailureEmptiesBothDataProperties)
{
    const std::string strPath = Write("in.csv", "a\r\n");
    CLCCsvConvDataCbC api;
    ASSERT_EQ(api.ReadCSVFile(strPath.c_str())->getResult(), "S_OK");
    const CLCCsvConvResultCbC* pResult = api.ReadCSVFile(Path("missing.csv").c_str());
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00001-HE60004E");
    EXPECT_EQ(pResult->get_CsvData(), "");
    EXPECT_EQ(pResult->get_CsvDataSize(), "");
}

TEST_F(ApiFileOperations, ReadsTheShippedExampleAsText)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadCSVFile(Example("appendix_aia120.csv").c_str());
    ASSERT_EQ(pResult->getResult(), "S_OK") << pResult->getDetailErrorInfo();
    EXPECT_NE(pResult->get_CsvData().find("さくらホールディングス株式会社"), std::string::npos);
    EXPECT_EQ(pResult->get_CsvDataSize(), std::to_string(pResult->get_CsvData().size()));
}

TEST_F(ApiFileOperations, ReadFileGivesBase64)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadFile(Write("any.bin", "abc").c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->get_Base64Data(), "YWJj");
}

TEST_F(ApiFileOperations, NullArgumentsReachThePipelineChecks)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadFile(nullptr);
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "9999-00001-HE60001E");
    EXPECT_EQ(pResult->get_Base64Data(), "");
}

TEST_F(ApiFileOperations, ReadXmlReturnsTheText)
{
    const std::string strXml = "<?xml version=\"1.0\"?>\n<a>x</a>\n";
    const std::string strPath = Write("in.xml", "\xEF\xBB\xBF" + strXml);
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadXMLFile(strPath.c_str(), -1);
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->getXMLData(), strXml);
}

struct SLimitCase {
    const char* szName;
    long lDelta;     // the limit relative to the file size; ignored when bAbsolute
    bool bAbsolute;
    long lLimit;
    const char* szResult;
    const char* szDetail;
};

void PrintTo(const SLimitCase& c, std::ostream* os)
{
    *os << c.szName;
}

class ApiReadXmlLimit : public ApiTest, public ::testing::WithParamInterface<SLimitCase> {};

// The preparation step checks the limit and the read applies it: a limit that
// reached only one of them would let an oversized file through or refuse a
// valid limit.
TEST_P(ApiReadXmlLimit, ReachesBothSteps)
{
    const SLimitCase& c = GetParam();
    const std::string strXml = "<a>0123456789</a>";
    const std::string strPath = Write("in.xml", strXml);
    const long lLimit = c.bAbsolute ? c.lLimit : static_cast<long>(strXml.size()) + c.lDelta;
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.ReadXMLFile(strPath.c_str(), lLimit);
    EXPECT_EQ(pResult->getResult(), c.szResult);
    EXPECT_EQ(pResult->getDetailErrorInfo(), c.szDetail);
    EXPECT_EQ(pResult->getXMLData(), std::string(c.szResult) == "S_OK" ? strXml : "");
}

INSTANTIATE_TEST_SUITE_P(Limits, ApiReadXmlLimit, ::testing::Values(
    SLimitCase{"exactSize", 0, false, 0, "S_OK", ""},
    SLimitCase{"oneByteShort", -1, false, 0, "E_FAIL", "0000-00000-HE60035E"},
    SLimitCase{"noLimit", 0, true, -1, "S_OK", ""},
    SLimitCase{"belowMinusOne", 0, true, -2, "E_FAIL", "9999-00002-HE60009E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(ApiFileOperations, EveryCallReturnsTheSameResultAndKeepsOtherProperties)
{
    const std::string strCsv = Write("in.csv", "a,b\r\n");
    CLCCsvConvDataCbC api;
    CLCCsvConvResultCbC* pFirst = api.ReadCSVFile(strCsv.c_str());
    ASSERT_EQ(pFirst->getResult(), "S_OK");
    // An appendix-table check that fails on its argument still refills only its own properties.
    CLCCsvConvResultCbC* pSecond = api.AppendixTableCsvCheck(Path("missing.csv").c_str());
    EXPECT_EQ(pSecond, pFirst);
    EXPECT_EQ(pSecond->getResult(), "E_FAIL");
    EXPECT_EQ(pSecond->getDetailErrorInfo(), "9999-00001-HE60004E");
    EXPECT_EQ(pSecond->get_CsvData(), "a,b\r\n");
    EXPECT_EQ(pSecond->get_CsvDataSize(), "5");
    CLCCsvConvResultCbC* pThird = api.ReadFile(strCsv.c_str());
    EXPECT_EQ(pThird, pFirst);
    EXPECT_EQ(pThird->get_CsvData(), "a,b\r\n");
}

TEST_F(ApiFileOperations, SuccessAfterFailureLeavesNoErrorText)
{
    CLCCsvConvDataCbC api;
    ASSERT_EQ(api.ReadFile(Path("missing.bin").c_str())->getDetailErrorInfo(), "9999-00001-HE60004E");
    const CLCCsvConvResultCbC* pResult = api.ReadFile(Write("there.bin", "abc").c_str());
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
}

// ---- GetFolderPath through the replaceable chooser

TEST_F(ApiFileOperations, ChosenFolderGivesItsOwnFilesJoinedBySlash)
{
    const std::string strChosen = Path("chosen");
    fs::create_directories(strChosen + "/sub");
    WriteBytes(strChosen + "/b.csv", "b");
    WriteBytes(strChosen + "/a.txt", "a");
    std::string strSeenInitial;
    CLCMacOSNative::SetFolderChooser([&](const char* szInitial, std::string& strOut) {
        strSeenInitial = szInitial;
        strOut = strChosen;
        return 1;
    });
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath("/start/here");
    EXPECT_EQ(strSeenInitial, "/start/here");
    EXPECT_EQ(pResult->getResult(), "S_OK");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->get_FolderPath(), strChosen);
    EXPECT_EQ(pResult->get_FileName(), "a.txt/b.csv");
}

TEST_F(ApiFileOperations, CancelledChoiceIsSFalseWithEmptyTexts)
{
    const std::string strChosen = Path("chosen");
    fs::create_directories(strChosen);
    WriteBytes(strChosen + "/a.csv", "a");
    int nAnswer = 1;
    CLCMacOSNative::SetFolderChooser([&](const char*, std::string& strOut) {
        if (nAnswer == 1)
            strOut = strChosen;
        return nAnswer;
    });
    CLCCsvConvDataCbC api;
    ASSERT_EQ(api.GetFolderPath("")->get_FileName(), "a.csv");
    nAnswer = 0;
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath("");
    EXPECT_EQ(pResult->getResult(), "S_FALSE");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "");
    EXPECT_EQ(pResult->get_FolderPath(), "");
    EXPECT_EQ(pResult->get_FileName(), "");
}

TEST_F(ApiFileOperations, FailingChooserIsEFail)
{
    CLCMacOSNative::SetFolderChooser([](const char*, std::string&) { return -1; });
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath("");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0000-00000-HE60041E");
    EXPECT_EQ(pResult->get_FolderPath(), "");
    EXPECT_EQ(pResult->get_FileName(), "");
}

TEST_F(ApiFileOperations, ChosenFolderThatCannotBeListedIsEFail)
{
    const std::string strGone = Path("gone");
    CLCMacOSNative::SetFolderChooser([&](const char*, std::string& strOut) {
        strOut = strGone;
        return 1;
    });
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath("");
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0000-00000-HE60041E");
    EXPECT_EQ(pResult->get_FolderPath(), "");
    EXPECT_EQ(pResult->get_FileName(), "");
}

// ---- CbCCsvWrite

TEST_F(ApiFileOperations, CsvWriteChangesOnlyResultAndErrorText)
{
    const std::string strChosen = Path("chosen");
    fs::create_directories(strChosen);
    WriteBytes(strChosen + "/a.csv", "a");
    CLCMacOSNative::SetFolderChooser([&](const char*, std::string& strOut) {
        strOut = strChosen;
        return 1;
    });
    CLCCsvConvDataCbC api;
    // Fill every property an operation of this build can fill without the engine.
    api.ReadXMLFile(Write("in.xml", "<a/>").c_str(), -1);
    api.GetFolderPath("");
    api.ReadFile(Write("in.bin", "abc").c_str());
    api.ReadCSVFile(Write("in.csv", "x,y\r\n").c_str());
    api.ReadFile(Path("missing.bin").c_str());   // leaves an error text and an empty Base64
    const SResultTexts before = Texts(*api.ReadCSVFile(Write("in2.csv", "z\r\n").c_str()));
    ASSERT_EQ(before.strXml, "<a/>");
    ASSERT_EQ(before.strFileName, "a.csv");

    // 名前,1 in Shift_JIS
    const std::string strSjis = "\x96\xBC\x91\x4F,1\r\n";
    CLCCsvConvResultCbC* pResult = api.CbCCsvWrite(Path("out.csv").c_str(), strSjis.c_str());
    SResultTexts expected = before;
    expected.strResult = "S_OK";
    expected.strDetail = "";
    EXPECT_EQ(Texts(*pResult), expected);
    EXPECT_EQ(ReadBytes(Path("out.csv")), strSjis);

    pResult = api.CbCCsvWrite(Path("missing/out.csv").c_str(), strSjis.c_str());
    expected.strResult = "E_FAIL";
    expected.strDetail = "0000-00000-HE60040E";
    EXPECT_EQ(Texts(*pResult), expected);
}

TEST_F(ApiFileOperations, CsvWriteWithoutTextKeepsTheFile)
{
    const std::string strPath = Write("keep.csv", "old\r\n");
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CbCCsvWrite(strPath.c_str(), nullptr);
    EXPECT_EQ(pResult->getResult(), "E_FAIL");
    EXPECT_EQ(pResult->getDetailErrorInfo(), "0000-00000-HE60000E");
    EXPECT_EQ(ReadBytes(strPath), "old\r\n");
}

// ---- The catch-all of every operation

struct SOperationCase {
    const char* szName;
    const char* szFunction;   // the log's function text
    Mode mode;
    std::function<CLCCsvConvResultCbC*(CLCCsvConvDataCbC&, const char*)> fnRun;
};

void PrintTo(const SOperationCase& c, std::ostream* os)
{
    *os << c.szName;
}

class ApiUnexpectedError : public ApiTest, public ::testing::WithParamInterface<SOperationCase> {};

TEST_P(ApiUnexpectedError, GivesEFailAndOneLogEntry)
{
    const SOperationCase& c = GetParam();
    CEnvVar home("HOME"), debugSwitch(CLCDebugDump::kDebugSwitch);
    const std::string strHome = Path("home");
    fs::create_directories(strHome);
    setenv("HOME", strHome.c_str(), 1);
    setenv(CLCDebugDump::kDebugSwitch, "1", 1);

    const std::string strCsv = Write("in.csv", "a\r\n");
    CLCCsvConvDataCbC api;   // reads the log switch
    const SResultTexts before = Texts(*api.ReadCSVFile(strCsv.c_str()));
    ASSERT_EQ(before.strResult, "S_OK");
    ASSERT_FALSE(fs::exists(CLCDebugDump::OutputPath()));   // nothing logged yet
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_NONE);

    std::string strSeen;
    CLCCsvConvDataCbC::SetFaultHookForTest([&](const char* szFunction) {
        strSeen = szFunction;
        throw std::runtime_error("injected");
    });
    const CLCCsvConvResultCbC* pResult = c.fnRun(api, strCsv.c_str());
    CLCCsvConvDataCbC::SetFaultHookForTest({});

    EXPECT_EQ(strSeen, c.szFunction);
    EXPECT_TRUE(api.LastOperationFaulted());
    EXPECT_EQ(CLCCbCCommon::getExecMode(), c.mode);
    SResultTexts expected = before;
    expected.strResult = "E_FAIL";
    EXPECT_EQ(Texts(*pResult), expected);

    const std::string strLog = ReadBytes(CLCDebugDump::OutputPath());
    const std::regex reEntry("--\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} " + std::string(c.szFunction)
                             + "--\n想定しないエラーが発生しました。\n\\[File:[^\n]*CLCCsvConvDataCbC\\.cpp Line:\\d+\\]\n\n");
    EXPECT_TRUE(std::regex_match(strLog, reEntry)) << strLog;

    // The next call runs normally on the same object.
    EXPECT_EQ(api.ReadCSVFile(strCsv.c_str())->getResult(), "S_OK");
    EXPECT_FALSE(api.LastOperationFaulted());
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ApiUnexpectedError, ::testing::Values(
    SOperationCase{"AppendixTableCsvCheck", "CLCCsvConvDataCbC::AppendixTableCsvCheck", Mode::EXEC_MODE_APPENDIX_TABLE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.AppendixTableCsvCheck(p); }},
    SOperationCase{"ReportIntegrityCheck", "CLCCsvConvDataCbC::ReportIntegrityCheck", Mode::EXEC_MODE_APPENDIX_TABLE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.ReportIntegrityCheck(p, "1", "1", "1", "", "", ""); }},
    SOperationCase{"CsvConvAppendixTableData", "CLCCsvConvDataCbC::CsvConvAppendixTableData", Mode::EXEC_MODE_APPENDIX_TABLE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvAppendixTableData(p, "s", "n", ""); }},
    SOperationCase{"CbCReportCsvCheck", "CLCCsvConvDataCbC::CbCReportCsvCheck", Mode::EXEC_MODE_CBC_REPORT,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck(p); }},
    SOperationCase{"CbCReportIntegrityCheck", "CLCCsvConvDataCbC::CbCReportIntegrityCheck", Mode::EXEC_MODE_CBC_REPORT,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportIntegrityCheck(p, ""); }},
    SOperationCase{"CsvConvCbCReportData", "CLCCsvConvDataCbC::CsvConvCbCReportData", Mode::EXEC_MODE_CBC_REPORT,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvCbCReportData(p, ""); }},
    SOperationCase{"ReadXMLFile", "CLCCsvConvDataCbC::ReadXMLFile", Mode::EXEC_MODE_FILE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.ReadXMLFile(p, -1); }},
    SOperationCase{"CbCReportCsvCheck2", "CLCCsvConvDataCbC::CbCReportCsvCheck2", Mode::EXEC_MODE_CBC_REPORT2,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck2(p); }},
    SOperationCase{"CbCReportIntegrityCheck2", "CLCCsvConvDataCbC::CbCReportIntegrityCheck2", Mode::EXEC_MODE_CBC_REPORT2,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportIntegrityCheck2(p, ""); }},
    SOperationCase{"CsvConvCbCReportData2", "CLCCsvConvDataCbC::CsvConvCbCReportData2", Mode::EXEC_MODE_CBC_REPORT2,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvCbCReportData2(p, ""); }},
    SOperationCase{"GIRAppendixTableCsvCheck", "GIRAppendixTableCsvCheck", Mode::EXEC_MODE_GIR_APPENDIX_TABLE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.GIRAppendixTableCsvCheck(p, "1", ""); }},
    SOperationCase{"CsvConvGIRAppendixTableData", "CsvConvGIRAppendixTableData", Mode::EXEC_MODE_GIR_APPENDIX_TABLE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvGIRAppendixTableData(p, "s", "n", ""); }},
    SOperationCase{"GetFolderPath", "GetFolderPath", Mode::EXEC_MODE_FILE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.GetFolderPath(p); }},
    SOperationCase{"ReadCSVFile", "ReadCSVFile", Mode::EXEC_MODE_FILE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.ReadCSVFile(p); }},
    SOperationCase{"CbCCsvWrite", "CbCCsvWrite", Mode::EXEC_MODE_FILE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCCsvWrite(p, "x\r\n"); }},
    SOperationCase{"ReadFile", "ReadFile", Mode::EXEC_MODE_FILE,
        [](CLCCsvConvDataCbC& a, const char* p) { return a.ReadFile(p); }}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
