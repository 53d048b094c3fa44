// tesvant-host: stands in for the filing application on this platform.
//
//   tesvant-host OPERATION [ARG...]
//
// Makes one API object, runs the named operation with the arguments in the
// API's order and prints the result object as one JSON object whose keys are
// the result's property names. Exit status: 0 "S_OK", 1 "E_FAIL", 3 "S_FALSE",
// 2 for a usage error (usage text on standard error).
#include "HostJson.h"

#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFail = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFalse = 3;

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
struct SOperation {
    std::string_view szName;
    int nArgs;
    const char* szArgs;   // for the usage text
    RunFn pfnRun;
    RunGIRFn pfnRunGIR = nullptr;
};

// One row per operation, in the API's order.
const SOperation kOperations[] = {
    {"AppendixTableCsvCheck", 1, "CSV_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.AppendixTableCsvCheck(a.argv[0]); }},
    {"ReportIntegrityCheck", 7, "CSV_PATH TODOKEDE CBC MF TODOKEDE_HOJIN_NO CBC_HOJIN_NO MF_HOJIN_NO",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.ReportIntegrityCheck(a.argv[0], a.argv[1], a.argv[2], a.argv[3], a.argv[4], a.argv[5],
                                         a.argv[6]);
     }},
    {"CsvConvAppendixTableData", 4, "CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CsvConvAppendixTableData(a.argv[0], a.argv[1], a.argv[2], a.argv[3]);
     }},
    {"CbCReportCsvCheck", 1, "CSV_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportCsvCheck(a.argv[0]); }},
    {"CbCReportIntegrityCheck", 2, "CSV_PATH HOJIN_NO",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportIntegrityCheck(a.argv[0], a.argv[1]); }},
    {"CsvConvCbCReportData", 2, "CSV_PATH OUTPUT_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvCbCReportData(a.argv[0], a.argv[1]); }},
    {"ReadXMLFile", 2, "XML_PATH LIMIT_SIZE",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadXMLFile(a.argv[0], a.lLimitSize); }},
    {"CbCReportCsvCheck2", 1, "CSV_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportCsvCheck2(a.argv[0]); }},
    {"CbCReportIntegrityCheck2", 2, "CSV_PATH HOJIN_NO",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CbCReportIntegrityCheck2(a.argv[0], a.argv[1]); }},
    {"CsvConvCbCReportData2", 2, "CSV_PATH OUTPUT_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvCbCReportData2(a.argv[0], a.argv[1]); }},
    {"GIRCsvCheck", 2, "CSV_FOLDER HOJIN_NO", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GIRCsvCheck(a.argv[0], a.argv[1]); }},
    {"CsvConvGIRData", 2, "CSV_FOLDER OUTPUT_PATH", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.CsvConvGIRData(a.argv[0], a.argv[1]); }},
    {"GIRAppendixTableCsvCheck", 3, "CSV_PATH TEIKYOU_NO HOJIN_NO",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.GIRAppendixTableCsvCheck(a.argv[0], a.argv[1], a.argv[2]);
     }},
    {"CsvConvGIRAppendixTableData", 4, "CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CsvConvGIRAppendixTableData(a.argv[0], a.argv[1], a.argv[2], a.argv[3]);
     }},
    {"GetFolderPath", 1, "INITIAL_FOLDER",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GetFolderPath(a.argv[0]); }},
    {"ReadCSVFile", 1, "CSV_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadCSVFile(a.argv[0]); }},
    {"CbCCsvWrite", 2, "CSV_PATH WRITE_DATA",
     [](CLCCsvConvDataCbC& api, const SArgs& a) {
         return api.CbCCsvWrite(a.argv[0], a.bSjisOk ? a.strSjis.c_str() : nullptr);
     }},
    {"GIRFolderCheck", 1, "CSV_FOLDER", nullptr,
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.GIRFolderCheck(a.argv[0]); }},
    {"ReadFile", 1, "FILE_PATH",
     [](CLCCsvConvDataCbC& api, const SArgs& a) { return api.ReadFile(a.argv[0]); }},
};

int Usage(const char* szProblem)
{
    std::cerr << "tesvant-host: " << szProblem << "\n"
              << "usage: tesvant-host OPERATION [ARG...]\n"
              << "Runs one Tesvant operation and prints its result as JSON.\n"
              << "Exit status: 0 S_OK, 1 E_FAIL, 3 S_FALSE, 2 usage error.\n"
              << "Operations and their arguments:\n";
    for (const SOperation& op : kOperations)
        std::cerr << "  " << op.szName << ' ' << op.szArgs << "\n";
    std::cerr << "LIMIT_SIZE is a decimal number of bytes (-1: no limit); WRITE_DATA is UTF-8 text.\n";
    return kExitUsage;
}

const SOperation* FindOperation(std::string_view name)
{
    for (const SOperation& op : kOperations) {
        if (op.szName == name)
            return &op;
    }
    return nullptr;
}

// The whole text as a signed decimal number; false for anything else.
bool ParseLong(const char* szText, long& lValue)
{
    // strtol would also take leading blanks and a plus sign.
    if (szText == nullptr || !(std::isdigit(static_cast<unsigned char>(*szText)) || *szText == '-'))
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long lParsed = std::strtol(szText, &pEnd, 10);
    if (errno != 0 || *pEnd != '\0')
        return false;
    lValue = lParsed;
    return true;
}

int ExitStatus(const std::string& strResult)
{
    if (strResult == "S_OK")
        return kExitOk;
    if (strResult == "S_FALSE")
        return kExitFalse;
    return kExitFail;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage("no operation given");
    const SOperation* pOperation = FindOperation(argv[1]);
    if (pOperation == nullptr)
        return Usage((std::string("unknown operation: ") + argv[1]).c_str());
    if (argc - 2 != pOperation->nArgs) {
        return Usage((std::string(pOperation->szName) + " takes " + std::to_string(pOperation->nArgs)
                      + " argument(s), " + std::to_string(argc - 2) + " given").c_str());
    }

    SArgs args{argv + 2, 0, {}, false};
    if (pOperation->szName == "ReadXMLFile" && !ParseLong(args.argv[1], args.lLimitSize))
        return Usage("LIMIT_SIZE must be a decimal number");
    if (pOperation->szName == "CbCCsvWrite")
        args.bSjisOk = CLCMacOSNative::Utf8ToSjis(args.argv[1], args.strSjis);

    try {
        CLCCsvConvDataCbC api;
        // One complete JSON object whatever the texts hold.
        std::string strResult;
        if (pOperation->pfnRunGIR != nullptr) {
            const CLCCsvConvResultGIR* pResult = pOperation->pfnRunGIR(api, args);
            hostjson::WriteResult(std::cout, *pResult);
            strResult = pResult->get_Result();
        } else {
            const CLCCsvConvResultCbC* pResult = pOperation->pfnRun(api, args);
            hostjson::WriteResult(std::cout, *pResult);
            strResult = pResult->getResult();
        }
        std::cout.flush();
        return ExitStatus(strResult);
    } catch (const std::exception& e) {
        std::cerr << "tesvant-host: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "tesvant-host: unexpected failure\n";
    }
    return kExitFail;
}
