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
#include <string>

int main(int argc, char** argv)
{
    long lLimitSize = 0;
    const int nOperation = hostops::ParseCommandLine("tesvant-host", argc, argv, lLimitSize);
    if (nOperation < 0)
        return hostops::kExitUsage;
    const apiops::SOperation& op = hostops::kOperations[nOperation];

    // The arguments converted as the host binding converts them: a text that
    // cannot be had in Shift_JIS is passed as null.
    const char* aTexts[apiops::kMaxArguments] = {};
    std::string aSjis[apiops::kMaxArguments];
    for (std::size_t i = 0; i < op.ArgCount(); ++i) {
        aTexts[i] = argv[2 + i];
        if (op.aArgs[i].eKind == apiops::EArgKind::ShiftJisText)
            aTexts[i] = CLCMacOSNative::Utf8ToSjis(argv[2 + i], aSjis[i]) ? aSjis[i].c_str() : nullptr;
    }

    try {
        CLCCsvConvDataCbC api;
        // One complete JSON object whatever the texts hold.
        const apiops::SAnswer answer = op.pfnRun(api, aTexts, lLimitSize);
        std::string strResult;
        if (answer.pGIR != nullptr) {
            hostjson::WriteResult(std::cout, *answer.pGIR);
            strResult = answer.pGIR->get_Result();
        } else {
            hostjson::WriteResult(std::cout, *answer.pCbC);
            strResult = answer.pCbC->getResult();
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
