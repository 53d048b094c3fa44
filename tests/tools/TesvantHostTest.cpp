// tesvant-host run as a program: its JSON, its exit status and its usage text.
#include "foundation/FoundationTestFolder.h"
#include "tools/HostRunSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#ifdef TESVANT_HOST_PATH

namespace {

using hostrun::SRun;

class TesvantHost : public ::testing::Test {
protected:
    // Runs the host in the test's folder.
    SRun Run(const std::vector<std::string>& vecArgs) const
    {
        return hostrun::Run({TESVANT_HOST_PATH}, vecArgs, m_folder);
    }

    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        const std::string strPath = m_folder / strName;
        WriteBytes(strPath, strBytes);
        return strPath;
    }

    CTestFolder m_folder;
};

constexpr const char* kCbCKeys[] = {"Result",   "DetailErrorInfo", "AppendixTableData", "CbCReportData",
                                    "XMLData",  "GIRAppendixTableData", "FolderPath", "FileName",
                                    "CsvData",  "CsvDataSize",     "Base64Data"};

TEST_F(TesvantHost, PrintsEveryResultPropertyAsJson)
{
    // 山田,a&b in Shift_JIS
    const std::string strCsv = Write("in.csv", "\x8E\x52\x93\x63,a&b\r\n");
    const SRun run = Run({"ReadCSVFile", strCsv});
    EXPECT_EQ(run.nExit, 0) << run.strErr;
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.strOut);
    std::vector<std::string> vecKeys;
    for (const auto& item : json.items())
        vecKeys.push_back(item.key());
    EXPECT_EQ(vecKeys, std::vector<std::string>(std::begin(kCbCKeys), std::end(kCbCKeys)));
    EXPECT_EQ(json["Result"], "S_OK");
    EXPECT_EQ(json["DetailErrorInfo"], "");
    EXPECT_EQ(json["CsvData"], "山田,a&amp;b\r\n");
    EXPECT_EQ(json["CsvDataSize"], "16");
    EXPECT_EQ(json["Base64Data"], "");
}

TEST_F(TesvantHost, FailureExitsWithOneAndTheErrorText)
{
    const SRun run = Run({"ReadFile", m_folder / "missing.bin"});
    EXPECT_EQ(run.nExit, 1);
    const nlohmann::json json = nlohmann::json::parse(run.strOut);
    EXPECT_EQ(json["Result"], "E_FAIL");
    EXPECT_EQ(json["DetailErrorInfo"], "9999-00001-HE60004E");
}

// The GIR operations print the GIR result, as the JSON library itself would.
TEST_F(TesvantHost, GIRResultsAreOneObjectWithTwoPairedLists)
{
    const std::string strFolder = std::string(TESVANT_SOURCE_DIR) + "/examples/gir";   // as the repository has it
    struct SCase {
        std::vector<std::string> vecArgs;
        int nExit;
        long lCount;
    } const kCases[] = {
        {{"GIRCsvCheck", strFolder, "7000012050002"}, 0, 0},
        {{"GIRCsvCheck", m_folder / "none", "123"}, 1, 1},
        {{"CsvConvGIRData", strFolder, ""}, 0, 0},
        {{"GIRFolderCheck", strFolder}, 0, 0},
    };
    for (const SCase& c : kCases) {
        const SRun run = Run(c.vecArgs);
        EXPECT_EQ(run.nExit, c.nExit) << c.vecArgs[0] << run.strErr;
        const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.strOut);
        EXPECT_EQ(run.strOut, json.dump(2) + "\n");
        std::vector<std::string> vecKeys;
        for (const auto& item : json.items())
            vecKeys.push_back(item.key());
        EXPECT_EQ(vecKeys, (std::vector<std::string>{"Result", "GIRData", "FileName", "ErrInfoCount", "ErrFileName",
                                                      "DetailErrInfo"}));
        EXPECT_EQ(json["ErrInfoCount"], c.lCount);
        EXPECT_EQ(json["ErrFileName"].size(), static_cast<size_t>(c.lCount));
        EXPECT_EQ(json["DetailErrInfo"].size(), static_cast<size_t>(c.lCount));
    }
    const SRun run = Run({"GIRCsvCheck", m_folder / "none", "123"});
    EXPECT_EQ(nlohmann::json::parse(run.strOut)["DetailErrInfo"][0], "99999999-00001-HE60040E,99999999-00002-HE60007E");
}

TEST_F(TesvantHost, LimitSizeIsReadAsDecimal)
{
    const std::string strXml = Write("in.xml", "<a>0123456789</a>");   // 17 bytes
    SRun run = Run({"ReadXMLFile", strXml, "16"});
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(nlohmann::json::parse(run.strOut)["DetailErrorInfo"], "0000-00000-HE60035E");
    run = Run({"ReadXMLFile", strXml, "17"});
    EXPECT_EQ(run.nExit, 0) << run.strOut;
    EXPECT_EQ(nlohmann::json::parse(run.strOut)["XMLData"], "<a>0123456789</a>");
}

TEST_F(TesvantHost, WriteDataArrivesAsShiftJis)
{
    const std::string strPath = m_folder / "out.csv";
    const SRun run = Run({"CbCCsvWrite", strPath, "名前,1\r\n"});
    EXPECT_EQ(run.nExit, 0) << run.strOut;
    EXPECT_EQ(ReadBytes(strPath), "\x96\xBC\x91\x4F,1\r\n");
}

TEST_F(TesvantHost, WriteDataWithoutShiftJisFormLeavesTheFile)
{
    const std::string strPath = Write("keep.csv", "old\r\n");
    // U+1F600 has no Shift_JIS form: the operation gets no text at all.
    const SRun run = Run({"CbCCsvWrite", strPath, "\xF0\x9F\x98\x80"});
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(nlohmann::json::parse(run.strOut)["DetailErrorInfo"], "0000-00000-HE60000E");
    EXPECT_EQ(ReadBytes(strPath), "old\r\n");
}

struct SUsageCase {
    const char* szName;
    std::vector<std::string> vecArgs;
};

void PrintTo(const SUsageCase& c, std::ostream* os)
{
    *os << c.szName;
}

class TesvantHostUsage : public TesvantHost, public ::testing::WithParamInterface<SUsageCase> {};

TEST_P(TesvantHostUsage, ExitsWithTwoAndTheUsageText)
{
    const SRun run = Run(GetParam().vecArgs);
    EXPECT_EQ(run.nExit, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_NE(run.strErr.find("usage: tesvant-host OPERATION [ARG...]"), std::string::npos) << run.strErr;
    EXPECT_NE(run.strErr.find("CsvConvCbCReportData2 CSV_PATH OUTPUT_PATH"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Errors, TesvantHostUsage, ::testing::Values(
    SUsageCase{"noOperation", {}},
    SUsageCase{"unknownOperation", {"CsvConvCbcReportData2", "a.csv", ""}},
    SUsageCase{"girTooMany", {"GIRFolderCheck", "folder", ""}},
    SUsageCase{"tooFewArguments", {"CsvConvCbCReportData2", "a.csv"}},
    SUsageCase{"tooManyArguments", {"ReadFile", "a", "b"}},
    SUsageCase{"limitNotDecimal", {"ReadXMLFile", "a.xml", "1k"}},
    SUsageCase{"limitEmpty", {"ReadXMLFile", "a.xml", ""}},
    SUsageCase{"limitWithBlank", {"ReadXMLFile", "a.xml", " 12"}}),
    [](const auto& info) { return std::string(info.param.szName); });

// The whole usage text, as the operations' command lines have always read.
TEST_F(TesvantHost, UsageListsEveryOperationWithItsArguments)
{
    const SRun run = Run({});
    EXPECT_EQ(run.strErr,
              "tesvant-host: no operation given\n"
              "usage: tesvant-host OPERATION [ARG...]\n"
              "Runs one Tesvant operation and prints its result as JSON.\n"
              "Exit status: 0 S_OK, 1 E_FAIL, 3 S_FALSE, 2 usage error.\n"
              "Operations and their arguments:\n"
              "  AppendixTableCsvCheck CSV_PATH\n"
              "  ReportIntegrityCheck CSV_PATH TODOKEDE CBC MF TODOKEDE_HOJIN_NO CBC_HOJIN_NO MF_HOJIN_NO\n"
              "  CsvConvAppendixTableData CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH\n"
              "  CbCReportCsvCheck CSV_PATH\n"
              "  CbCReportIntegrityCheck CSV_PATH HOJIN_NO\n"
              "  CsvConvCbCReportData CSV_PATH OUTPUT_PATH\n"
              "  ReadXMLFile XML_PATH LIMIT_SIZE\n"
              "  CbCReportCsvCheck2 CSV_PATH\n"
              "  CbCReportIntegrityCheck2 CSV_PATH HOJIN_NO\n"
              "  CsvConvCbCReportData2 CSV_PATH OUTPUT_PATH\n"
              "  GIRCsvCheck CSV_FOLDER HOJIN_NO\n"
              "  CsvConvGIRData CSV_FOLDER OUTPUT_PATH\n"
              "  GIRAppendixTableCsvCheck CSV_PATH TEIKYOU_NO HOJIN_NO\n"
              "  CsvConvGIRAppendixTableData CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH\n"
              "  GetFolderPath INITIAL_FOLDER\n"
              "  ReadCSVFile CSV_PATH\n"
              "  CbCCsvWrite CSV_PATH WRITE_DATA\n"
              "  GIRFolderCheck CSV_FOLDER\n"
              "  ReadFile FILE_PATH\n"
              "LIMIT_SIZE is a decimal number of bytes (-1: no limit); WRITE_DATA is UTF-8 text.\n");
}

TEST_F(TesvantHost, ConvertsTheSecondSchemaExample)
{
    const std::string strOut = m_folder / "cbc_report_v2.xml";
    const SRun run = Run({"CsvConvCbCReportData2", std::string(TESVANT_SOURCE_DIR) + "/examples/cbc_report_v2.csv",
                          strOut});
    ASSERT_EQ(run.nExit, 0) << run.strOut << run.strErr;
    const nlohmann::json json = nlohmann::json::parse(run.strOut);
    EXPECT_EQ(json["Result"], "S_OK");
    EXPECT_EQ(json["DetailErrorInfo"], "");
    const std::string strXml = json["CbCReportData"];
    EXPECT_NE(strXml.find("CBC_OECD"), std::string::npos);
    EXPECT_EQ(ReadBytes(strOut), strXml);
}

TEST_F(TesvantHost, BareOutputNameIsAFileInTheWorkingFolder)
{
    const SRun run = Run({"CsvConvCbCReportData", std::string(TESVANT_SOURCE_DIR) + "/examples/cbc_report_v1.csv",
                          "out.xml"});
    ASSERT_EQ(run.nExit, 0) << run.strOut << run.strErr;
    const nlohmann::json json = nlohmann::json::parse(run.strOut);
    EXPECT_EQ(json["DetailErrorInfo"], "");
    EXPECT_EQ(ReadBytes(m_folder / "out.xml"), json["CbCReportData"]);
}

} // namespace

#endif // TESVANT_HOST_PATH
