// tesvant-com-worker-host: a host that makes each filing on a thread of its
// own, as a host with a background worker does. The worker is a
// single-threaded apartment that creates the registered server's object by
// ProgID, makes one late-bound call, lets everything go and leaves COM; the
// main thread never touches COM, so the worker's leaving unloads the DLL.
//
//   tesvant-com-worker-host gir-check|gir-convert|cbc-convert
//
// Prints what the call answered; exit status 0 only for "S_OK" with the DLL
// unloaded again. A worker that has not ended after 20 s is reported and the
// process ended without any DLL's detach code, which could hang as well; a
// hang of the process's own exit is left to the caller's time limit.
#include "LateBound.h"

#include <windows.h>
#include <objbase.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWorkerTimeoutMs = 20000;

struct SOperation {
    const char* szName;
    const wchar_t* wszMethod;
    const wchar_t* wszExample;   // under the source tree's examples
    const wchar_t* wszSecond;    // null: a temporary output file
};

const SOperation kOperations[] = {
    {"gir-check", L"GIRCsvCheck", L"gir", L"7000012050002"},
    {"gir-convert", L"CsvConvGIRData", L"gir", nullptr},
    {"cbc-convert", L"CsvConvCbCReportData", L"cbc_report_v1.csv", nullptr},
};

struct SWork {
    const SOperation* pOperation;
    std::wstring wstrOutput;
    HRESULT hr = E_FAIL;
    std::string strResult;
};

std::wstring ExamplePath(const wchar_t* wszName)
{
    std::wstring wstrPath = std::wstring(L"" TESVANT_SOURCE_DIR) + L"/examples/" + wszName;
    for (wchar_t& ch : wstrPath) {
        if (ch == L'/')
            ch = L'\\';
    }
    return wstrPath;
}

// A new empty file in the temporary folder; "" when none can be made.
std::wstring TemporaryFile()
{
    wchar_t wszFolder[MAX_PATH + 1] = {};
    wchar_t wszFile[MAX_PATH + 1] = {};
    const DWORD dwLength = GetTempPathW(MAX_PATH + 1, wszFolder);
    if (dwLength == 0 || dwLength > MAX_PATH || GetTempFileNameW(wszFolder, L"tsv", 0, wszFile) == 0)
        return std::wstring();
    return wszFile;
}

// Everything COM gave the thread is released before CoUninitialize.
void CallServer(SWork& work)
{
    const SOperation& operation = *work.pOperation;
    std::vector<comtest::CVariant> vecArgs;
    vecArgs.push_back(comtest::CVariant::Text(ExamplePath(operation.wszExample)));
    vecArgs.push_back(comtest::CVariant::Text(operation.wszSecond != nullptr ? operation.wszSecond
                                                                            : work.wstrOutput));
    comtest::CLateBound api;
    comtest::CLateBound result;
    work.hr = comtest::CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api);
    if (SUCCEEDED(work.hr))
        work.hr = api.CallObject(operation.wszMethod, vecArgs, result);
    if (SUCCEEDED(work.hr))
        work.hr = result.GetText(L"Result", work.strResult);
}

DWORD WINAPI Work(void* pParameter)
{
    SWork& work = *static_cast<SWork*>(pParameter);
    work.hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(work.hr))
        return 0;
    CallServer(work);
    CoUninitialize();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const SOperation* pOperation = nullptr;
    for (const SOperation& operation : kOperations) {
        if (argc == 2 && std::strcmp(argv[1], operation.szName) == 0)
            pOperation = &operation;
    }
    if (pOperation == nullptr) {
        std::fprintf(stderr, "usage: tesvant-com-worker-host gir-check|gir-convert|cbc-convert\n");
        return 2;
    }
    SWork work;
    work.pOperation = pOperation;
    if (pOperation->wszSecond == nullptr && (work.wstrOutput = TemporaryFile()).empty()) {
        std::fprintf(stderr, "no temporary file\n");
        return 1;
    }
    HANDLE hThread = CreateThread(nullptr, 0, &Work, &work, 0, nullptr);
    if (hThread == nullptr) {
        std::fprintf(stderr, "no worker thread (%lu)\n", GetLastError());
        return 1;
    }
    if (WaitForSingleObject(hThread, kWorkerTimeoutMs) != WAIT_OBJECT_0) {
        std::printf("FAILED: the worker thread of %s has not ended after %lu s\n", pOperation->szName,
                    kWorkerTimeoutMs / 1000);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    CloseHandle(hThread);
    if (!work.wstrOutput.empty())
        DeleteFileW(work.wstrOutput.c_str());
    std::printf("%s: %ls answered 0x%08lX, Result \"%s\"\n", pOperation->szName, pOperation->wszMethod,
                static_cast<unsigned long>(work.hr), work.strResult.c_str());
    // Still loaded, the DLL would not have unloaded at the worker's end, which
    // is what this host is for.
    if (GetModuleHandleW(L"Tesvant.dll") != nullptr) {
        std::printf("FAILED: Tesvant.dll is still loaded after the worker has left COM\n");
        return 1;
    }
    return SUCCEEDED(work.hr) && work.strResult == "S_OK" ? 0 : 1;
}
