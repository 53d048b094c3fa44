// Times every check and conversion of the API on the largest inputs the limits
// allow, against the unavoidable work on the same input: reading and decoding
// the CSV file plus one SAX parse of the XML its conversion produces.
//
//   tesvant_bench [RUNS]     (default 3; each time is the fastest run)
//   tesvant_bench --write-inputs FOLDER
//                            writes the inputs below into FOLDER and stops
//                            (for bench/whole_process.py)
//
// Inputs, generated at run time in a temporary folder:
//   CbC report, both schemas: 5,000 constituent entities and one summary per
//     country code (251 codes in the first schema, 252 in the second), the most
//     a clean report can hold; every operation and the floor use it. The limit
//     of 300 summaries can only be reached by repeating codes: that file is
//     checked too (its repeats are reported, HE60032E) against the same floor.
//   Appendix table AIA120 and GIR appendix table AIA540: 5,000 records each.
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/xml/CLCXSax.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kMaxSummaries = 300;
// One summary per country code: the most a clean report can hold.
constexpr int kCleanSummariesV1 = 251;
constexpr int kCleanSummariesV2 = 252;
constexpr int kConstEntities = 5000;
constexpr int kAppendixRecords = 5000;
constexpr const char* kHojinNo = "4010001234567";

constexpr const char* kCountryCodes =
    "AD AE AF AG AI AL AM AO AQ AR AS AT AU AW AX AZ BA BB BD BE BF BG BH BI BJ BL BM BN BO BQ BR BS "
    "BT BV BW BY BZ CA CC CD CF CG CH CI CK CL CM CN CO CR CU CV CW CX CY CZ DE DJ DK DM DO DZ EC EE "
    "EG EH ER ES ET FI FJ FK FM FO FR GA GB GD GE GF GG GH GI GL GM GN GP GQ GR GS GT GU GW GY HK HM "
    "HN HR HT HU ID IE IL IM IN IO IQ IR IS IT JE JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB LC "
    "LI LK LR LS LT LU LV LY MA MC MD ME MF MG MH MK ML MM MN MO MP MQ MR MS MT MU MV MW MX MY MZ NA "
    "NC NE NF NG NI NL NO NP NR NU NZ OM PA PE PF PG PH PK PL PM PN PR PS PT PW PY QA RE RO RS RU RW "
    "SA SB SC SD SE SG SH SI SJ SK SL SM SN SO SR SS ST SV SX SY SZ TC TD TF TG TH TJ TK TL TM TN TO "
    "TR TT TV TW TZ UA UG UM US UY UZ VA VC VE VG VI VN VU WF WS X5 XK YE YT ZA ZM ZW";

using Clock = std::chrono::steady_clock;

std::vector<std::string> Countries()
{
    std::vector<std::string> vecCodes;
    std::istringstream in(kCountryCodes);
    for (std::string strCode; in >> strCode;)
        vecCodes.push_back(strCode);
    return vecCodes;
}

std::string Join(const std::vector<std::string>& vecColumns)
{
    std::string strLine;
    for (size_t i = 0; i < vecColumns.size(); ++i) {
        if (i != 0)
            strLine += ',';
        strLine += vecColumns[i];
    }
    return strLine + "\r\n";
}

// A corporate number with its check digit in front.
std::string HojinNo(long long llBase)
{
    char szBase[16];
    std::snprintf(szBase, sizeof szBase, "%012lld", llBase);
    int nSum = 0;
    for (int i = 0; i < 12; ++i)
        nSum += (szBase[i] - '0') * (i % 2 == 0 ? 2 : 1);
    return std::to_string(9 - nSum % 9) + szBase;
}

// The CbC report: v2 selects the second schema's layout and identifiers.
// nSummaries above the number of codes repeats codes.
std::string CbCReport(bool bV2, int nSummaries)
{
    std::vector<std::string> vecCodes = Countries();
    if (bV2)
        vecCodes.push_back("XX");
    const std::string strMessageRefId = bV2 ? std::string("JP2024") + kHojinNo + "001"
                                            : std::string("JP2024-") + kHojinNo + "-001";
    auto docRefId = [&](int n) {
        char szSuffix[8];
        std::snprintf(szSuffix, sizeof szSuffix, bV2 ? "%04d" : "-%04d", n);
        return strMessageRefId + szSuffix;
    };
    // Every code a summary uses, each once (a receiving country may not repeat).
    std::string strReceiving;
    for (int i = 0; i < nSummaries && i < static_cast<int>(vecCodes.size()); ++i)
        strReceiving += (strReceiving.empty() ? "" : "/") + vecCodes[i];

    std::string strCsv;
    strCsv += Join({"1", bV2 ? "2.0" : "1.0.1", strReceiving, "", strMessageRefId, "CBC401", "2024-03-31", "JPY"});
    std::vector<std::string> vecEntity = {"2", "OECD1", docRefId(1), "", kHojinNo, "",
                                          "Sakura Holdings Kabushiki Kaisha",
                                          "1-2-3 Marunouchi Chiyoda-ku Tokyo 100-0005"};
    if (bV2)
        vecEntity.insert(vecEntity.end(), {"Sakura Group", "CBC701", "2023-04-01", "2024-03-31"});
    else
        vecEntity.push_back("CBC701");
    strCsv += Join(vecEntity);
    for (int i = 0; i < nSummaries; ++i) {
        strCsv += Join({"3", "OECD1", docRefId(2 + i), "", vecCodes[i % vecCodes.size()], "850000000",
                        "120000000", "970000000", "-64000000", "15000000", "17500000", "300000000",
                        "1250000000", "820", "2100000000"});
    }
    for (int i = 0; i < kConstEntities; ++i) {
        const std::string strName = "Sakura Group Company No. " + std::to_string(i + 1) + " Kabushiki Kaisha";
        const std::string& strCode = vecCodes[i % std::min<size_t>(vecCodes.size(), nSummaries)];
        std::vector<std::string> vecRow = {"4", strCode, "NOTIN", "", strName, strCode,
                                           std::to_string(i + 1) + " Sakura Street"};
        if (bV2)
            vecRow.push_back("");
        vecRow.insert(vecRow.end(), {strCode, "CBC502/CBC503", ""});
        strCsv += Join(vecRow);
    }
    strCsv += Join({"5", "OECD1", docRefId(9000), "", "Amounts in Japanese yen.", "JP", "CBC601"});
    return strCsv;
}

std::string AppendixTable(bool bGIR)
{
    std::string strCsv;
    for (int i = 0; i < kAppendixRecords; ++i) {
        const std::string strName = "さくらグループ第" + std::to_string(i + 1) + "号株式会社";
        const std::string strAddress = "東京都千代田区丸の内一丁目" + std::to_string(i + 1) + "番";
        const std::string strNo = HojinNo(100000000000LL + i * 7);
        if (bGIR)
            strCsv += Join({"1", strName, strAddress, "代表取締役　山田太郎", strNo});
        else
            strCsv += Join({"1", "1", "1", "1", strName, strAddress, "", "代表取締役　山田太郎", strNo});
    }
    std::string strSjis;
    if (!CLCMacOSNative::Utf8ToSjis(strCsv, strSjis)) {
        std::cerr << "cannot encode the appendix table\n";
        std::exit(1);
    }
    return strSjis;
}

void WriteFile(const fs::path& path, const std::string& strBytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
}

// Peak resident memory since the last reset, in MiB; Linux keeps the mark in
// /proc/self/status and resets it through clear_refs.
void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakMemoryMiB()
{
    std::ifstream in("/proc/self/status");
    for (std::string strLine; std::getline(in, strLine);) {
        if (strLine.rfind("VmHWM:", 0) == 0)
            return std::strtod(strLine.c_str() + 6, nullptr) / 1024.0;
    }
    return 0.0;
}

struct STiming {
    double dSeconds = 1e300;
    double dPeakMiB = 0.0;
};

STiming Measure(int nRuns, const std::function<void()>& fnWork)
{
    STiming timing;
    for (int i = 0; i < nRuns; ++i) {
        ResetPeakMemory();
        const Clock::time_point start = Clock::now();
        fnWork();
        const double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        timing.dSeconds = std::min(timing.dSeconds, dSeconds);
        timing.dPeakMiB = std::max(timing.dPeakMiB, PeakMemoryMiB());
    }
    return timing;
}

// The floor of one input: decode the CSV file, then parse the XML once the way
// the conversion checks it.
STiming Floor(int nRuns, const std::string& strCsvPath, const std::string& strXml)
{
    const std::string strWrapped =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><DATA>" + strXml + "</DATA>";
    return Measure(nRuns, [&] {
        const std::string strText = CLCCbCCommon::ReadCsvFileData(strCsvPath.c_str());
        CLCXSax sax;
        const bool bOk = sax.Initialize() && sax.Parse(strWrapped.c_str(), "CbC", "UTF-8");
        sax.Terminate();
        CLCValidResult::destroy();
        if (strText.empty() || !bOk)
            std::cerr << "floor: the input or its XML did not read back\n";
    });
}

struct SOperation {
    const char* szName;
    std::function<CLCCsvConvResultCbC*(CLCCsvConvDataCbC&, const char*)> fnRun;
    bool bOverfull = false;   // runs on the input's overfull file
};

struct SInput {
    const char* szName;
    std::string strFile;
    std::string strBytes;
    std::vector<SOperation> vecOperations;   // the conversion before any overfull run: its XML feeds the floor
    std::string strOverfullBytes = {};       // the CbC report with 300 summaries
};

void PrintRow(const std::string& strInput, const std::string& strOperation, const STiming& t, double dFloor,
              const std::string& strNote)
{
    std::printf("%-18s %-28s %10.1f %8.2f %12.1f  %s\n", strInput.c_str(), strOperation.c_str(),
                t.dSeconds * 1000.0, dFloor > 0 ? t.dSeconds / dFloor : 0.0, t.dPeakMiB, strNote.c_str());
}

} // namespace

// The largest inputs under the names whole_process.py runs them by.
int WriteInputs(const fs::path& folder)
{
    fs::create_directories(folder);
    WriteFile(folder / "cbc_v1.csv", CbCReport(false, kCleanSummariesV1));
    WriteFile(folder / "cbc_v2.csv", CbCReport(true, kCleanSummariesV2));
    WriteFile(folder / "aia120.csv", AppendixTable(false));
    WriteFile(folder / "aia540.csv", AppendixTable(true));
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--write-inputs")
        return WriteInputs(argv[2]);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path folder = fs::temp_directory_path()
                            / ("tesvant_bench_" + std::to_string(Clock::now().time_since_epoch().count()));
    fs::create_directories(folder);

    std::vector<SInput> vecInputs = {
        {"CbC report v1", "cbc_v1.csv", CbCReport(false, kCleanSummariesV1),
         {{"CbCReportCsvCheck", [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck(p); }},
          {"CbCReportIntegrityCheck",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportIntegrityCheck(p, kHojinNo); }},
          {"CsvConvCbCReportData",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvCbCReportData(p, ""); }},
          {"CbCReportCsvCheck (300)",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck(p); }, true}},
         CbCReport(false, kMaxSummaries)},
        {"CbC report v2", "cbc_v2.csv", CbCReport(true, kCleanSummariesV2),
         {{"CbCReportCsvCheck2", [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck2(p); }},
          {"CbCReportIntegrityCheck2",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportIntegrityCheck2(p, kHojinNo); }},
          {"CsvConvCbCReportData2",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CsvConvCbCReportData2(p, ""); }},
          {"CbCReportCsvCheck2 (300)",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.CbCReportCsvCheck2(p); }, true}},
         CbCReport(true, kMaxSummaries)},
        {"AIA120 5000", "aia120.csv", AppendixTable(false),
         {{"AppendixTableCsvCheck",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.AppendixTableCsvCheck(p); }},
          {"ReportIntegrityCheck",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.ReportIntegrityCheck(p, "1", "1", "1", "", "", ""); }},
          {"CsvConvAppendixTableData",
           [](CLCCsvConvDataCbC& a, const char* p) {
               return a.CsvConvAppendixTableData(p, "Tesvant", "山田太郎", "");
           }}}},
        {"AIA540 5000", "aia540.csv", AppendixTable(true),
         {{"GIRAppendixTableCsvCheck",
           [](CLCCsvConvDataCbC& a, const char* p) { return a.GIRAppendixTableCsvCheck(p, "1", ""); }},
          {"CsvConvGIRAppendixTableData",
           [](CLCCsvConvDataCbC& a, const char* p) {
               return a.CsvConvGIRAppendixTableData(p, "Tesvant", "山田太郎", "");
           }}}},
    };

    std::printf("runs: %d (fastest shown)\n", nRuns);
    std::printf("%-18s %-28s %10s %8s %12s  %s\n", "input", "operation", "ms", "x floor", "peak RSS MiB", "result");
    bool bAllWithinTarget = true;
    for (const SInput& input : vecInputs) {
        const std::string strPath = (folder / input.strFile).string();
        WriteFile(strPath, input.strBytes);
        const std::string strOverfullPath = (folder / ("overfull_" + input.strFile)).string();
        if (!input.strOverfullBytes.empty())
            WriteFile(strOverfullPath, input.strOverfullBytes);

        std::vector<std::pair<std::string, STiming>> vecTimings;
        std::vector<std::string> vecNotes;
        std::string strXml;
        for (const SOperation& op : input.vecOperations) {
            std::string strNote;
            const STiming t = Measure(nRuns, [&] {
                CLCCsvConvDataCbC api;
                const std::string& strInput = op.bOverfull ? strOverfullPath : strPath;
                const CLCCsvConvResultCbC* pResult = op.fnRun(api, strInput.c_str());
                strNote = pResult->getResult();
                const std::string strDetail = pResult->getDetailErrorInfo();
                if (!strDetail.empty())
                    strNote += " " + std::to_string(std::count(strDetail.begin(), strDetail.end(), ',') + 1) + " rows";
                const std::string strData = pResult->getCbCReportData() + pResult->getAppendixTableData()
                                            + pResult->get_GIRAppendixTableData();
                if (!strData.empty())
                    strXml = strData;
            });
            vecTimings.emplace_back(op.szName, t);
            if (std::string(op.szName).rfind("CsvConv", 0) == 0 && !strXml.empty())
                strNote += ", XML " + std::to_string(strXml.size()) + " B";
            vecNotes.push_back(strNote);
        }
        const STiming floor = Floor(nRuns, strPath, strXml);
        PrintRow(input.szName, "floor (decode + SAX)", floor, floor.dSeconds,
                 "CSV " + std::to_string(input.strBytes.size()) + " B");
        for (size_t i = 0; i < vecTimings.size(); ++i) {
            PrintRow(input.szName, vecTimings[i].first, vecTimings[i].second, floor.dSeconds, vecNotes[i]);
            if (vecTimings[i].second.dSeconds > 3.0 * floor.dSeconds)
                bAllWithinTarget = false;
        }
    }
    std::printf("target ratio 3: %s\n", bAllWithinTarget ? "met by every operation" : "NOT met by every operation");

    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}
