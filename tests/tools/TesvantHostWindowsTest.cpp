// The Windows build against this one: tesvant-host.exe under wine64 must give
// the JSON and the files of this host, byte for byte, once the differences the
// two builds name are taken out (Base64's final CR LF). Both hosts run every
// example and the end-to-end cases of the suite, with Windows paths (Z:\...)
// for the Windows host. Skipped unless TESVANT_WINDOWS_HOST names the program
// and TESVANT_WINE its launcher (scripts/test.sh sets both). The same cases
// run through the COM server, late bound, with tesvant-com-host.exe when
// TESVANT_WINDOWS_COM_HOST names it; the server's DLL is registered first
// (TESVANT_WINDOWS_COM_DLL, or the build's own beside the program).
#include "api/ApiTestSupport.h"
#include "tools/HostRunSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#ifdef TESVANT_HOST_PATH

namespace {

using hostrun::SRun;

constexpr const char* kHojinNo = "4010001234567";
constexpr const char* kOtherHojinNo = "6012001987654";

// Arguments of a case: "@name" is a file of the case's folder, "=name" an
// output file of the host's own, anything else is passed as it stands.
struct SDiffCase {
    const char* szName;
    std::vector<std::string> vecArgs;
};

void PrintTo(const SDiffCase& c, std::ostream* os)
{
    *os << c.szName;
}

const char* Env(const char* szName)
{
    const char* sz = std::getenv(szName);
    return sz != nullptr && *sz != '\0' ? sz : nullptr;
}

// The same file as the Windows host names it: wine shows / as drive Z:.
std::string WindowsPath(std::string strPath)
{
    for (char& ch : strPath) {
        if (ch == '/')
            ch = '\\';
    }
    return "Z:" + strPath;
}

// The clock's readings, which differ from run to run in every build.
std::string WithoutClock(std::string strText)
{
    static const std::regex reTimestamp(R"(Timestamp>\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}<)");
    static const std::regex reSakuseiDay(R"(sakuseiDay="\d{4}-\d{2}-\d{2}")");
    strText = std::regex_replace(strText, reTimestamp, "Timestamp>(now)<");
    return std::regex_replace(strText, reSakuseiDay, "sakuseiDay=\"(today)\"");
}

// The COM server's DLL: named, or where the x86_64 build puts it beside
// tests/windows/com/tesvant-com-host.exe.
std::string ComDllPath()
{
    if (const char* sz = Env("TESVANT_WINDOWS_COM_DLL"))
        return sz;
    const std::filesystem::path host(Env("TESVANT_WINDOWS_COM_HOST"));
    return (host.parent_path().parent_path().parent_path().parent_path() / "windows" / "com" / "Tesvant.dll")
        .string();
}

// Late binding needs the registration, in the wine prefix the launcher uses.
// Every test runs in a process of its own, side by side: the first one that
// finds the class unregistered registers it, under a lock, once.
int RegisterComServer()
{
    static const char* const kScript = R"(
prefix="${WINEPREFIX:-$(cd "$(dirname "$1")/.." && pwd)/build/wineprefix}"
mkdir -p "$prefix"
exec 9> "$prefix/.tesvant-com.lock"
flock 9
"$1" reg query 'HKCR\CLSID\{C2428FF4-A16B-4A2B-A05D-1DC79C52C56F}\InprocServer32' /ve < /dev/null 2> /dev/null \
  | grep -qiF -- "$2" && exit 0
"$1" regsvr32 /s "$2" < /dev/null
)";
    static const int s_nStatus = std::system(("bash -c " + hostrun::ShellQuote(kScript) + " register "
                                              + hostrun::ShellQuote(Env("TESVANT_WINE")) + " "
                                              + hostrun::ShellQuote(WindowsPath(ComDllPath())))
                                                 .c_str());
    return s_nStatus;
}

class TesvantHostWindows : public apitest::ApiTest, public ::testing::WithParamInterface<SDiffCase> {
protected:
    void SetUp() override
    {
        if (Env("TESVANT_WINDOWS_HOST") == nullptr || Env("TESVANT_WINE") == nullptr)
            GTEST_SKIP() << "TESVANT_WINDOWS_HOST and TESVANT_WINE are not set (scripts/test.sh sets them)";
        for (const char* szExample : {"appendix_aia120.csv", "appendix_aia540.csv", "cbc_report_v1.csv",
                                      "cbc_report_v2.csv"})
            Example(szExample);
        Broken("appendix_aia120.csv", kOtherHojinNo, "5012001987654", "broken_aia120.csv");
        Broken("cbc_report_v1.csv", "-12000000", "-12x00000", "broken_v1_amount.csv");
        Broken("cbc_report_v1.csv", "JP2024-4010001234567-001-0003", "JP2024-4010001234567-001-0002",
               "broken_v1_docref.csv");
        Broken("cbc_report_v2.csv", "2024-03-31", "2023-03-31", "broken_v2_period.csv");
        // A name outside the ANSI code page of the Windows side.
        Write("報告①髙.csv", ReadBytes(apitest::ExamplePath("cbc_report_v2.csv")));
        Write("amp.csv", "\x8E\x52\x93\x63,a&b<c>\"'\r\n");   // 山田,a&b<c>"'
        Write("not_sjis.csv", "a,\x85\x40\r\n");
        Write("empty.csv", "");
        Write("plain.xml", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a x=\"1\">text</a>");
        Write("non_ascii.xml", "<a>\xE5\xB1\xB1</a>");
        Write("malformed.xml", "<a><b></a>");
        Write("bytes.bin", std::string("\x00\x01\xFE\xFF", 4) + std::string(200, 'x'));
        // The GIR example folder, and a copy with rows wrong in two files.
        for (const char* szFolder : {"gir", "gir_broken"})
            std::filesystem::copy(apitest::ExamplePath("gir"), Path(szFolder), std::filesystem::copy_options::recursive);
        const std::string strHeader = Path("gir_broken/01_MessageSpec.csv");
        std::string strBytes = ReadBytes(strHeader);
        strBytes.replace(strBytes.find("GIR101"), 6, "GIR109");
        WriteBytes(strHeader, strBytes + "Unknown,x,,,,6\r\n");
    }

    // strTag names the host's own output files ("linux" runs with Linux paths).
    std::vector<std::string> Arguments(const std::string& strTag) const
    {
        const bool bWindows = strTag != "linux";
        std::vector<std::string> vecArgs;
        for (const std::string& strArg : GetParam().vecArgs) {
            std::string strValue = strArg;
            if (!strArg.empty() && strArg[0] == '@')
                strValue = Path(strArg.substr(1));
            else if (!strArg.empty() && strArg[0] == '=')
                strValue = Path(strTag + "_" + strArg.substr(1));
            vecArgs.push_back(bWindows && strValue != strArg ? WindowsPath(strValue) : strValue);
        }
        return vecArgs;
    }

    // Runs the Windows program and the Linux host on the case and compares.
    void ExpectTheLinuxAnswer(const char* szProgram, const std::string& strTag) const;
};

void TesvantHostWindows::ExpectTheLinuxAnswer(const char* szProgram, const std::string& strTag) const
{
    const SRun linux = hostrun::Run({TESVANT_HOST_PATH}, Arguments("linux"), m_folder, "linux");
    const SRun windows = hostrun::Run({Env("TESVANT_WINE"), szProgram}, Arguments(strTag), m_folder, strTag);
    ASSERT_EQ(windows.nExit, linux.nExit) << windows.strOut << windows.strErr;
    ASSERT_FALSE(linux.strOut.empty()) << linux.strErr;

    nlohmann::ordered_json jsonWindows = nlohmann::ordered_json::parse(windows.strOut);
    // The named differences: the crypto library ends the last line too, and
    // the GIR file names join their sub-folder with a backslash.
    if (jsonWindows.contains("Base64Data")) {
        std::string strBase64 = jsonWindows["Base64Data"];
        if (!strBase64.empty()) {
            ASSERT_EQ(strBase64.substr(strBase64.size() - 2), "\r\n");
            jsonWindows["Base64Data"] = strBase64.substr(0, strBase64.size() - 2);
        }
    }
    if (jsonWindows.contains("ErrInfoCount")) {
        std::string strNames = jsonWindows["FileName"];
        std::replace(strNames.begin(), strNames.end(), '\\', '/');
        jsonWindows["FileName"] = strNames;
    }
    EXPECT_EQ(WithoutClock(jsonWindows.dump(2)), WithoutClock(linux.strOut.substr(0, linux.strOut.size() - 1)));

    for (const std::string& strArg : GetParam().vecArgs) {
        if (strArg.empty() || strArg[0] != '=')
            continue;
        EXPECT_EQ(WithoutClock(ReadBytes(Path(strTag + "_" + strArg.substr(1)))),
                  WithoutClock(ReadBytes(Path("linux_" + strArg.substr(1)))))
            << strArg;
    }
}

TEST_P(TesvantHostWindows, GivesTheSameAnswer)
{
    ExpectTheLinuxAnswer(Env("TESVANT_WINDOWS_HOST"), "windows");
}

TEST_P(TesvantHostWindows, GivesTheSameAnswerThroughCom)
{
    if (Env("TESVANT_WINDOWS_COM_HOST") == nullptr)
        GTEST_SKIP() << "TESVANT_WINDOWS_COM_HOST is not set (scripts/test.sh sets it)";
    ASSERT_EQ(RegisterComServer(), 0) << "regsvr32 " << WindowsPath(ComDllPath());
    ExpectTheLinuxAnswer(Env("TESVANT_WINDOWS_COM_HOST"), "com");
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, TesvantHostWindows, ::testing::Values(
    // Appendix table AIA120
    SDiffCase{"appendixCheck", {"AppendixTableCsvCheck", "@appendix_aia120.csv"}},
    SDiffCase{"appendixCheckBroken", {"AppendixTableCsvCheck", "@broken_aia120.csv"}},
    SDiffCase{"appendixIntegrity", {"ReportIntegrityCheck", "@appendix_aia120.csv", "1", "1", "1", "", "", ""}},
    SDiffCase{"appendixIntegrityNumber",
              {"ReportIntegrityCheck", "@appendix_aia120.csv", "1", "1", "2", kHojinNo, "", ""}},
    SDiffCase{"appendixIntegrityArguments", {"ReportIntegrityCheck", "", "3", "1", "1", "123", "", ""}},
    SDiffCase{"appendixConversion",
              {"CsvConvAppendixTableData", "@appendix_aia120.csv", "Tesvant", "山田　太郎", "=aia120.xml"}},
    SDiffCase{"appendixConversionNoFile", {"CsvConvAppendixTableData", "@appendix_aia120.csv", "Tesvant", "山田", ""}},
    SDiffCase{"appendixConversionMissingFolder",
              {"CsvConvAppendixTableData", "@appendix_aia120.csv", "Tesvant", "山田", "@missing/out.xml"}},
    // CbC report, first schema
    SDiffCase{"v1Check", {"CbCReportCsvCheck", "@cbc_report_v1.csv"}},
    SDiffCase{"v1CheckAmount", {"CbCReportCsvCheck", "@broken_v1_amount.csv"}},
    SDiffCase{"v1CheckDocRef", {"CbCReportCsvCheck", "@broken_v1_docref.csv"}},
    SDiffCase{"v1Integrity", {"CbCReportIntegrityCheck", "@cbc_report_v1.csv", kHojinNo}},
    SDiffCase{"v1IntegrityOther", {"CbCReportIntegrityCheck", "@cbc_report_v1.csv", kOtherHojinNo}},
    SDiffCase{"v1Conversion", {"CsvConvCbCReportData", "@cbc_report_v1.csv", "=cbc_v1.xml"}},
    SDiffCase{"v1ConversionMissingFolder", {"CsvConvCbCReportData", "@cbc_report_v1.csv", "@missing/out.xml"}},
    // CbC report, second schema
    SDiffCase{"v2Check", {"CbCReportCsvCheck2", "@cbc_report_v2.csv"}},
    SDiffCase{"v2CheckPeriod", {"CbCReportCsvCheck2", "@broken_v2_period.csv"}},
    SDiffCase{"v2Integrity", {"CbCReportIntegrityCheck2", "@cbc_report_v2.csv", kOtherHojinNo}},
    SDiffCase{"v2Conversion", {"CsvConvCbCReportData2", "@cbc_report_v2.csv", "=cbc_v2.xml"}},
    SDiffCase{"v2ConversionNoFile", {"CsvConvCbCReportData2", "@cbc_report_v2.csv", ""}},
    SDiffCase{"v2CheckWrongFile", {"CbCReportCsvCheck2", "@appendix_aia120.csv"}},
    SDiffCase{"v2NonAsciiPaths", {"CsvConvCbCReportData2", "@報告①髙.csv", "=出力①.xml"}},
    // GIR appendix table AIA540
    SDiffCase{"girAppendixCheck", {"GIRAppendixTableCsvCheck", "@appendix_aia540.csv", "1", ""}},
    SDiffCase{"girAppendixCheckFlag", {"GIRAppendixTableCsvCheck", "@appendix_aia540.csv", "2", ""}},
    SDiffCase{"girAppendixCheckNumber", {"GIRAppendixTableCsvCheck", "@appendix_aia540.csv", "1", kHojinNo}},
    SDiffCase{"girAppendixConversion",
              {"CsvConvGIRAppendixTableData", "@appendix_aia540.csv", "Tesvant", "山田　太郎", "=aia540.xml"}},
    // File services
    SDiffCase{"girCheck", {"GIRCsvCheck", "@gir", "7000012050002"}},
    SDiffCase{"girCheckBroken", {"GIRCsvCheck", "@gir_broken", ""}},
    SDiffCase{"girCheckArguments", {"GIRCsvCheck", "@missing", "123"}},
    SDiffCase{"girConversion", {"CsvConvGIRData", "@gir", "=gir.xml"}},
    SDiffCase{"girConversionBroken", {"CsvConvGIRData", "@gir_broken", ""}},
    SDiffCase{"girFolderCheck", {"GIRFolderCheck", "@gir"}},

    SDiffCase{"readCsvExample", {"ReadCSVFile", "@cbc_report_v2.csv"}},
    SDiffCase{"readCsvEscaped", {"ReadCSVFile", "@amp.csv"}},
    SDiffCase{"readCsvNotShiftJis", {"ReadCSVFile", "@not_sjis.csv"}},
    SDiffCase{"readCsvMissing", {"ReadCSVFile", "@missing.csv"}},
    SDiffCase{"readXml", {"ReadXMLFile", "@plain.xml", "-1"}},
    SDiffCase{"readXmlLimit", {"ReadXMLFile", "@plain.xml", "10"}},
    SDiffCase{"readXmlNonAscii", {"ReadXMLFile", "@non_ascii.xml", "-1"}},
    SDiffCase{"readXmlMalformed", {"ReadXMLFile", "@malformed.xml", "-1"}},
    SDiffCase{"csvWrite", {"CbCCsvWrite", "=written.csv", "名前,①㈱髙\\~\r\n1,2\r\n"}},
    // No Shift_JIS form: the call fails and no file is written.
    SDiffCase{"csvWriteNotShiftJis", {"CbCCsvWrite", "=unwritten.csv", "caf\xC3\xA9\r\n"}},
    SDiffCase{"csvWriteEmoji", {"CbCCsvWrite", "=unwritten.csv", "a,\xF0\x9F\x98\x80\r\n"}},
    SDiffCase{"csvWriteMissingFolder", {"CbCCsvWrite", "@missing/out.csv", "a\r\n"}},
    SDiffCase{"readFileBase64", {"ReadFile", "@cbc_report_v1.csv"}},
    SDiffCase{"readFileBinary", {"ReadFile", "@bytes.bin"}},
    SDiffCase{"readFileEmpty", {"ReadFile", "@empty.csv"}},
    SDiffCase{"readFileMissing", {"ReadFile", "@missing.bin"}}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace

#endif // TESVANT_HOST_PATH
