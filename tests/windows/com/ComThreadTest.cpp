// A host with several windows: two single-threaded apartments calling at once
// answer as one would; the debug log keeps every entry while threads come and go.
#include "ComTestSupport.h"
#include "LateBound.h"
#include "WinTestSupport.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "windows/CLCWinText.h"

#include <atomic>
#include <thread>

namespace {

struct SComCall {
    const wchar_t* wszName;
    std::vector<std::string> vecArgs;
    const wchar_t* wszDetail;   // null: the GIR result's first detail text
};

std::string Answer(const comtest::CLateBound& api, const SComCall& call)
{
    std::vector<comtest::CVariant> vecArgs;
    for (const std::string& strArg : call.vecArgs)
        vecArgs.push_back(comtest::CVariant::Text(CLCWinText::Wide(strArg.c_str())));
    comtest::CLateBound result;
    std::string strResult = "failed", strDetail;
    if (api.CallObject(call.wszName, vecArgs, result) == S_OK)
        result.GetText(L"Result", strResult);
    call.wszDetail ? result.GetText(call.wszDetail, strDetail) : result.CallText(L"GetDetailErrInfo", 0, strDetail);
    return strResult + "|" + strDetail;
}

template <typename Fn>
void RunThreads(size_t nThreads, Fn fnWork)
{
    std::vector<std::thread> vecThreads;
    for (size_t t = 0; t < nThreads; ++t)
        vecThreads.emplace_back(fnWork, t);
    for (std::thread& thread : vecThreads)
        thread.join();
}

} // namespace

COM_TEST(TwoApartmentsGetTheAnswersOfOne)
{
    const std::string strGIR = comtest::ExamplePath("gir"), strCbC = comtest::ExamplePath("cbc_report_v1.csv");
    const SComCall kCalls[] = {
        {L"GIRCsvCheck", {strGIR, "7000012050002"}, nullptr},
        {L"CbCReportIntegrityCheck", {strCbC, "6012001987654"}, L"DetailErrorInfo"},
        {L"GIRCsvCheck", {strGIR, "1234567890123"}, nullptr},
        {L"ReadFile", {strCbC}, L"Base64Data"},
    };
    std::vector<std::string> vecAlone;
    comtest::CLateBound api;
    CHECK_EQ(comtest::CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api), S_OK);
    for (const SComCall& call : kCalls)
        vecAlone.push_back(Answer(api, call));
    CHECK_EQ(vecAlone[0], std::string("S_OK|"));

    constexpr size_t kApartments = 2, kRounds = 4;
    std::vector<std::string> vecWrong[kApartments];
    RunThreads(kApartments, [&](size_t t) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            comtest::CLateBound own;
            comtest::CLateBound::Create(L"ovk.CLCCsvConvDataCbC", own);
            for (size_t n = 0; n < kRounds * std::size(kCalls); ++n) {
                const std::string strGot = Answer(own, kCalls[(n + t) % std::size(kCalls)]);
                if (strGot != vecAlone[(n + t) % std::size(kCalls)])
                    vecWrong[t].push_back(strGot.substr(0, 60));
            }
        }
        CoUninitialize();
    });
    for (size_t t = 0; t < kApartments; ++t)
        CHECK_EQ(vecWrong[t].size(), 0u);
}

// Each get without an out-parameter logs one entry.
COM_TEST(DebugLogKeepsEveryEntryWhileThreadsComeAndGo)
{
    // An ASCII folder: the log's path goes through the ANSI code page.
    const std::string strFolder = CLCMacOSNative::temporaryDirectory() + "\\tesvant_log_"
                                  + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(strFolder.c_str(), nullptr);
    wintest::CEnvVar tmp("TMP"), temp("TEMP"), logSwitch("TESVANT_OUTPUT");
    tmp.Set(strFolder.c_str());
    temp.Set(strFolder.c_str());
    logSwitch.Set("1");
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();   // reads the switch
    CLCComPtr<CLICsvConvResultCbC> pResult = comtest::NewCbCResult();
    CHECK(pApi && pResult);

    constexpr size_t kWriters = 4, kEntries = 1000;
    std::atomic<bool> bWriting{true};
    std::thread churn([&] {
        while (bWriting)
            std::thread([] {}).join();
    });
    RunThreads(kWriters, [&](size_t) {
        for (size_t i = 0; pResult && i < kEntries; ++i)
            pResult->get_Result(nullptr);
    });
    bWriting = false;
    churn.join();

    const std::string strLog = strFolder + "\\" + CLCCbCCommon::Now("'_OVK_TESVANT_'yyyyMMdd'.log'", nullptr);
    const std::string strEntries = wintest::ReadBytes(strLog), strHead = "get_Result--\n";
    size_t nEntries = 0;
    for (size_t nAt = strEntries.find(strHead); nAt != std::string::npos; nAt = strEntries.find(strHead, nAt + 1))
        ++nEntries;
    DeleteFileA(strLog.c_str());
    RemoveDirectoryA(strFolder.c_str());
    CHECK_EQ(nEntries, kEntries * kWriters);
}
