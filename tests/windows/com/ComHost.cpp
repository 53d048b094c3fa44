// tesvant-com-host: tesvant-host's command line, JSON and exit statuses, with
// every call made through the registered COM server, late bound by name as a
// script host makes it:
//
//   tesvant-com-host OPERATION [ARG...]
//
// The object comes from the ProgID "ovk.CLCCsvConvDataCbC", the operation is
// invoked with BSTR arguments (ReadXMLFile's size as a long), and each
// property of the answered result object is read by name. A COM call that
// fails is reported on standard error with its HRESULT (exit status 1).
#include "LateBound.h"
#include "tools/HostJson.h"
#include "tools/HostOperations.h"

#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "windows/CLCWinText.h"

#include <windows.h>
#include <objbase.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgram = "tesvant-com-host";

struct SCbCProperty {
    const wchar_t* wszName;
    void (CLCCsvConvResultCbC::*pfnPut)(std::string);
};

// The result interface's properties, in their dispatch order.
const SCbCProperty kCbCProperties[] = {
    {L"Result", &CLCCsvConvResultCbC::putResult},
    {L"DetailErrorInfo", &CLCCsvConvResultCbC::putDetailErrorInfo},
    {L"AppendixTableData", &CLCCsvConvResultCbC::putAppendixTableData},
    {L"CbCReportData", &CLCCsvConvResultCbC::putCbCReportData},
    {L"XMLData", &CLCCsvConvResultCbC::putXMLData},
    {L"GIRAppendixTableData", &CLCCsvConvResultCbC::put_GIRAppendixTableData},
    {L"FolderPath", &CLCCsvConvResultCbC::put_FolderPath},
    {L"FileName", &CLCCsvConvResultCbC::put_FileName},
    {L"CsvData", &CLCCsvConvResultCbC::put_CsvData},
    {L"CsvDataSize", &CLCCsvConvResultCbC::put_CsvDataSize},
    {L"Base64Data", &CLCCsvConvResultCbC::put_Base64Data},
};

// Carries the failed step out to main, which reports it once.
struct SComFailure {
    std::string strWhat;
    HRESULT hr;
};

void Check(HRESULT hr, const std::string& strWhat)
{
    if (FAILED(hr))
        throw SComFailure{strWhat, hr};
}

std::string Name(const wchar_t* wsz)
{
    return CLCWinText::Utf8(wsz);
}

void ReadCbC(const comtest::CLateBound& result, CLCCsvConvResultCbC& out)
{
    for (const SCbCProperty& property : kCbCProperties) {
        std::string strValue;
        Check(result.GetText(property.wszName, strValue), "reading " + Name(property.wszName));
        (out.*property.pfnPut)(std::move(strValue));
    }
}

void ReadGIR(const comtest::CLateBound& result, CLCCsvConvResultGIR& out)
{
    std::string strValue;
    Check(result.GetText(L"Result", strValue), "reading Result");
    out.put_Result(strValue);
    Check(result.GetText(L"GIRData", strValue), "reading GIRData");
    out.put_GIRData(strValue);
    Check(result.GetText(L"FileName", strValue), "reading FileName");
    out.put_FileName(strValue);
    LONG lCount = 0;
    Check(result.GetLong(L"ErrInfoCount", lCount), "reading ErrInfoCount");
    for (LONG i = 0; i < lCount; ++i) {
        Check(result.CallText(L"GetErrFileName", i, strValue), "GetErrFileName(" + std::to_string(i) + ")");
        out.addFileName(strValue);
        Check(result.CallText(L"GetDetailErrInfo", i, strValue), "GetDetailErrInfo(" + std::to_string(i) + ")");
        out.addDetailErrorInfo(strValue);
    }
}

// Runs the operation and prints its result; answers the exit status.
int Run(const hostops::SOperationInfo& op, const std::vector<std::wstring>& vecArgs, long lLimitSize)
{
    comtest::CLateBound api;
    Check(comtest::CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api), "creating ovk.CLCCsvConvDataCbC");
    std::vector<comtest::CVariant> vecVariants;
    for (std::size_t i = 0; i < vecArgs.size(); ++i) {
        const bool bSize = op.aArgs[i].eKind == apiops::EArgKind::Size;
        vecVariants.push_back(bSize ? comtest::CVariant::Long(lLimitSize) : comtest::CVariant::Text(vecArgs[i]));
    }
    const std::wstring wstrName = CLCWinText::Wide(std::string(op.szName).c_str());
    comtest::CLateBound result;
    Check(api.CallObject(wstrName.c_str(), vecVariants, result), std::string(op.szName));

    if (op.AnswersGIR()) {
        CLCCsvConvResultGIR gir;
        ReadGIR(result, gir);
        hostjson::WriteResult(std::cout, gir);
        std::cout.flush();
        return hostops::ExitStatus(gir.get_Result());
    }
    CLCCsvConvResultCbC cbc;
    ReadCbC(result, cbc);
    hostjson::WriteResult(std::cout, cbc);
    std::cout.flush();
    return hostops::ExitStatus(cbc.getResult());
}

} // namespace

int wmain(int argc, wchar_t** wargv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> vecUtf8;
    for (int i = 0; i < argc; ++i) {
        std::string strArg;
        if (!CLCWinText::WideToUtf8(wargv[i], strArg)) {
            std::fputs("tesvant-com-host: an argument is not valid UTF-16\n", stderr);
            return hostops::kExitUsage;
        }
        vecUtf8.push_back(std::move(strArg));
    }
    std::vector<char*> vecArgv;
    for (std::string& strArg : vecUtf8)
        vecArgv.push_back(strArg.data());
    vecArgv.push_back(nullptr);
    long lLimitSize = 0;
    const int nOperation = hostops::ParseCommandLine(kProgram, argc, vecArgv.data(), lLimitSize);
    if (nOperation < 0)
        return hostops::kExitUsage;

    const HRESULT hrInit = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int nExit = hostops::kExitFail;
    try {
        nExit = Run(hostops::kOperations[nOperation], std::vector<std::wstring>(wargv + 2, wargv + argc), lLimitSize);
    } catch (const SComFailure& failure) {
        char szCode[16];
        std::snprintf(szCode, sizeof(szCode), "0x%08lX", static_cast<unsigned long>(failure.hr));
        std::cerr << kProgram << ": " << failure.strWhat << " failed (" << szCode << ")\n";
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << "\n";
    }
    if (SUCCEEDED(hrInit))
        CoUninitialize();
    return nExit;
}
