#pragma once
// The command line that tesvant-host and the COM server's test client share:
// the operations, the usage text, the parsing of a size argument and the exit
// statuses.
#include "api/CLCApiOperations.h"

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

// The operations come from the API's table, in its order (the COM dispatch identifiers).
using SOperationInfo = apiops::SOperation;
inline constexpr const auto& kOperations = apiops::kOperations;
constexpr std::size_t kOperationCount = apiops::kOperationCount;

inline int Usage(const char* szProgram, const std::string& strProblem)
{
    std::cerr << szProgram << ": " << strProblem << "\n"
              << "usage: " << szProgram << " OPERATION [ARG...]\n"
              << "Runs one Tesvant operation and prints its result as JSON.\n"
              << "Exit status: 0 S_OK, 1 E_FAIL, 3 S_FALSE, 2 usage error.\n"
              << "Operations and their arguments:\n";
    for (const SOperationInfo& op : kOperations) {
        std::cerr << "  " << op.szName;
        for (std::size_t i = 0; i < op.ArgCount(); ++i)
            std::cerr << ' ' << op.aArgs[i].szName;
        std::cerr << "\n";
    }
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

// Checks the operation name, the argument count and a size argument.
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
    if (argc - 2 != static_cast<int>(op.ArgCount())) {
        return fail(std::string(op.szName) + " takes " + std::to_string(op.ArgCount()) + " argument(s), "
                    + std::to_string(argc - 2) + " given");
    }
    for (std::size_t i = 0; i < op.ArgCount(); ++i) {
        if (op.aArgs[i].eKind == apiops::EArgKind::Size && !ParseLong(argv[2 + i], lLimitSize))
            return fail(std::string(op.aArgs[i].szName) + " must be a decimal number");
    }
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
