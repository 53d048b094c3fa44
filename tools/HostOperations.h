#pragma once
// The command line that tesvant-host and the COM server's test client share:
// the operations with their argument counts, the usage text, the parsing of
// ReadXMLFile's size and the exit statuses.
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace hostops {

constexpr int kExitOk = 0;
constexpr int kExitFail = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFalse = 3;

struct SOperationInfo {
    std::string_view szName;
    int nArgs;
    const char* szArgs;   // for the usage text
    bool bGIR;            // answers with the GIR result
};

// One row per operation, in the API's order (the COM dispatch identifiers).
inline constexpr SOperationInfo kOperations[] = {
    {"AppendixTableCsvCheck", 1, "CSV_PATH", false},
    {"ReportIntegrityCheck", 7, "CSV_PATH TODOKEDE CBC MF TODOKEDE_HOJIN_NO CBC_HOJIN_NO MF_HOJIN_NO", false},
    {"CsvConvAppendixTableData", 4, "CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH", false},
    {"CbCReportCsvCheck", 1, "CSV_PATH", false},
    {"CbCReportIntegrityCheck", 2, "CSV_PATH HOJIN_NO", false},
    {"CsvConvCbCReportData", 2, "CSV_PATH OUTPUT_PATH", false},
    {"ReadXMLFile", 2, "XML_PATH LIMIT_SIZE", false},
    {"CbCReportCsvCheck2", 1, "CSV_PATH", false},
    {"CbCReportIntegrityCheck2", 2, "CSV_PATH HOJIN_NO", false},
    {"CsvConvCbCReportData2", 2, "CSV_PATH OUTPUT_PATH", false},
    {"GIRCsvCheck", 2, "CSV_FOLDER HOJIN_NO", true},
    {"CsvConvGIRData", 2, "CSV_FOLDER OUTPUT_PATH", true},
    {"GIRAppendixTableCsvCheck", 3, "CSV_PATH TEIKYOU_NO HOJIN_NO", false},
    {"CsvConvGIRAppendixTableData", 4, "CSV_PATH SOFT_NAME SAKUSEI_NAME OUTPUT_PATH", false},
    {"GetFolderPath", 1, "INITIAL_FOLDER", false},
    {"ReadCSVFile", 1, "CSV_PATH", false},
    {"CbCCsvWrite", 2, "CSV_PATH WRITE_DATA", false},
    {"GIRFolderCheck", 1, "CSV_FOLDER", true},
    {"ReadFile", 1, "FILE_PATH", false},
};
constexpr std::size_t kOperationCount = std::size(kOperations);

inline int Usage(const char* szProgram, const std::string& strProblem)
{
    std::cerr << szProgram << ": " << strProblem << "\n"
              << "usage: " << szProgram << " OPERATION [ARG...]\n"
              << "Runs one Tesvant operation and prints its result as JSON.\n"
              << "Exit status: 0 S_OK, 1 E_FAIL, 3 S_FALSE, 2 usage error.\n"
              << "Operations and their arguments:\n";
    for (const SOperationInfo& op : kOperations)
        std::cerr << "  " << op.szName << ' ' << op.szArgs << "\n";
    std::cerr << "LIMIT_SIZE is a decimal number of bytes (-1: no limit); WRITE_DATA is UTF-8 text.\n";
    return kExitUsage;
}

// The whole text as a signed decimal number; false for anything else.
inline bool ParseLong(const char* szText, long& lValue)
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

// Checks the operation name, the argument count and ReadXMLFile's size.
// Returns the operation's index, or -1 after printing the usage text.
inline int ParseCommandLine(const char* szProgram, int argc, char** argv, long& lLimitSize)
{
    const auto fail = [szProgram](const std::string& strProblem) {
        Usage(szProgram, strProblem);
        return -1;
    };
    if (argc < 2)
        return fail("no operation given");
    int nIndex = -1;
    for (std::size_t i = 0; i < kOperationCount; ++i) {
        if (kOperations[i].szName == argv[1])
            nIndex = static_cast<int>(i);
    }
    if (nIndex < 0)
        return fail(std::string("unknown operation: ") + argv[1]);
    const SOperationInfo& op = kOperations[nIndex];
    if (argc - 2 != op.nArgs) {
        return fail(std::string(op.szName) + " takes " + std::to_string(op.nArgs) + " argument(s), "
                    + std::to_string(argc - 2) + " given");
    }
    if (op.szName == "ReadXMLFile" && !ParseLong(argv[3], lLimitSize))
        return fail("LIMIT_SIZE must be a decimal number");
    return nIndex;
}

inline int ExitStatus(const std::string& strResult)
{
    if (strResult == "S_OK")
        return kExitOk;
    if (strResult == "S_FALSE")
        return kExitFalse;
    return kExitFail;
}

} // namespace hostops
