// tesvant-host: stands in for the filing application on this platform.
//
//   tesvant-host OPERATION [ARG...]
//
// Makes one API object, runs the named operation with the arguments in the
// API's order and prints the result object as one JSON object whose keys are
// the result's property names. Exit status: 0 "S_OK", 1 "E_FAIL", 3 "S_FALSE",
// 2 for a usage error (usage text on standard error).
#include "HostJson.h"
#include "HostOperations.h"

#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <exception>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// The caller's arguments, converted as the host binding converts them.
struct SArgs {
    char** argv;         // the operation's arguments, argv[0] first
    long lLimitSize;     // ReadXMLFile's second argument
    std::string strSjis; // CbCCsvWrite's second argument in Shift_JIS
    bool bSjisOk;        // false: the text could not be converted (passed as null)
};

using RunFn = CLCCsvConvResultCbC* (*)(CLCCsvConvDataCbC&, const SArgs&);
using RunGIRFn = CLCCsvConvResultGIR* (*)(CLCCsvConvDataCbC&, const SArgs&);

// Exactly one of the two runs is set: the GIR folder operations answer with
// the GIR result.
struct SRunner {
    std::string_view szName;
    RunFn pfnRun;
    RunGIRFn pfnRunGIR = nullptr;
};

// One row per row of hostops::kOperations, in the same order.
constexpr SRunner kRunners[] = {
    {"AppendixTableCsvCheck",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.AppendixTableCsvCheck(a.argv[0]); }},
    {"ReportIntegrityCheck",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.ReportIntegrityCheck(a.argv[0], a.argv[1], a.argv[2], a.argv[3], a.argv[4], a.argv[5],
                                         a.argv[6]);
     }},
    {"CsvConvAppendixTableData",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CsvConvAppendixTableData(a.argv[0], a.argv[1], a.argv[2], a.argv[3]);
     }},
    {"CbCReportCsvCheck",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportCsvCheck(a.argv[0]); }},
    {"CbCReportIntegrityCheck",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportIntegrityCheck(a.argv[0], a.argv[1]); }},
    {"CsvConvCbCReportData",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvCbCReportData(a.argv[0], a.argv[1]); }},
    {"ReadXMLFile",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadXMLFile(a.argv[0], a.lLimitSize); }},
    {"CbCReportCsvCheck2",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportCsvCheck2(a.argv[0]); }},
    {"CbCReportIntegrityCheck2",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportIntegrityCheck2(a.argv[0], a.argv[1]); }},
    {"CsvConvCbCReportData2",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvCbCReportData2(a.argv[0], a.argv[1]); }},
    {"GIRCsvCheck", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GIRCsvCheck(a.argv[0], a.argv[1]); }},
    {"CsvConvGIRData", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvGIRData(a.argv[0], a.argv[1]); }},
    {"GIRAppendixTableCsvCheck",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.GIRAppendixTableCsvCheck(a.argv[0], a.argv[1], a.argv[2]);
     }},
    {"CsvConvGIRAppendixTableData",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CsvConvGIRAppendixTableData(a.argv[0], a.argv[1], a.argv[2], a.argv[3]);
     }},
    {"GetFolderPath",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GetFolderPath(a.argv[0]); }},
    {"ReadCSVFile",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadCSVFile(a.argv[0]); }},
    {"CbCCsvWrite",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CbCCsvWrite(a.argv[0], a.bSjisOk ? a.strSjis.c_str() : nullptr);
     }},
    {"GIRFolderCheck", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GIRFolderCheck(a.argv[0]); }},
    {"ReadFile",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadFile(a.argv[0]); }},
};

constexpr bool RunnersMatchOperations()
{
    if (std::size(kRunners) != hostops::kOperationCount)
        return false;
    for (std::size_t i = 0; i < hostops::kOperationCount; ++i) {
        if (kRunners[i].szName != hostops::kOperations[i].szName
            || (kRunners[i].pfnRunGIR != nullptr) != hostops::kOperations[i].bGIR)
            return false;
    }
    return true;
}
static_assert(RunnersMatchOperations(), "one runner per operation, in the operations' order");

} // namespace

int main(int argc, char** argv)
{
    SArgs args{argv + 2, 0, {}, false};
    const int nOperation = hostops::ParseCommandLine("tesvant-host", argc, argv, args.lLimitSize);
    if (nOperation < 0)
        return hostops::kExitUsage;
    const SRunner& runner = kRunners[nOperation];
    if (runner.szName == "CbCCsvWrite")
        args.bSjisOk = CLCMacOSNative::Utf8ToSjis(args.argv[1], args.strSjis);

    try {
        CLCCsvConvDataCbC api;
        // One complete JSON object whatever the texts hold.
        std::string strResult;
        if (runner.pfnRunGIR != nullptr) {
            const CLCCsvConvResultGIR* pResult = runner.pfnRunGIR(api, args);
            hostjson::WriteResult(std::cout, *pResult);
            strResult = pResult->get_Result();
        } else {
            const CLCCsvConvResultCbC* pResult = runner.pfnRun(api, args);
            hostjson::WriteResult(std::cout, *pResult);
            strResult = pResult->getResult();
        }
        std::cout.flush();
        return hostops::ExitStatus(strResult);
    } catch (const std::exception& e) {
        std::cerr << "tesvant-host: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "tesvant-host: unexpected failure\n";
    }
    return hostops::kExitFail;
}
