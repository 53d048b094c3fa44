// The server in a host with several windows: two single-threaded apartments
// calling at once, each through an object of its own, get the answers of one;
// the debug log keeps every entry while threads start and end.
#include "ComTestSupport.h"
#include "LateBound.h"
#include "WinTestSupport.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "windows/CLCWinText.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using comtest::CLateBound;
using comtest::CVariant;

namespace {

struct SComCall {
    const wchar_t* wszName;
    std::vector<std::string> vecArgs;
    const wchar_t* wszData;   // the data property; null for a GIR result
};

// Result, the detail text and the data property, or the GIR lists.
std::string Answer(const CLateBound& api, const SComCall& call)
{
    std::vector<CVariant> vecArgs;
    for (const std::string& strArg : call.vecArgs)
        vecArgs.push_back(CVariant::Text(CLCWinText::Wide(strArg.c_str())));
    CLateBound result;
    const HRESULT hr = api.CallObject(call.wszName, vecArgs, result);
    if (hr != S_OK)
        return "failed " + std::to_string(hr);
    std::string strAnswer, strText;
    result.GetText(L"Result", strAnswer);
    if (call.wszData != nullptr) {
        result.GetText(L"DetailErrorInfo", strText);
        strAnswer += "|" + strText;
        result.GetText(call.wszData, strText);
        return strAnswer + "|" + strText;
    }
    LONG lCount = -1;
    result.GetLong(L"ErrInfoCount", lCount);
    for (LONG i = 0; i < lCount; ++i) {
        result.CallText(L"GetDetailErrInfo", i, strText);
        strAnswer += "|" + strText;
    }
    return strAnswer;
}

std::vector<SComCall> Calls()
{
    const std::string strGIR = comtest::ExamplePath("gir");
    return {
        {L"GIRCsvCheck", {strGIR, "7000012050002"}, nullptr},
        {L"AppendixTableCsvCheck", {comtest::ExamplePath("appendix_aia120.csv")}, L"AppendixTableData"},
        {L"CbCReportIntegrityCheck", {comtest::ExamplePath("cbc_report_v1.csv"), "6012001987654"}, L"CbCReportData"},
        {L"GIRCsvCheck", {strGIR, "1234567890123"}, nullptr},
        {L"GIRAppendixTableCsvCheck", {comtest::ExamplePath("appendix_aia540.csv"), "2", ""}, L"GIRAppendixTableData"},
        {L"ReadFile", {comtest::ExamplePath("appendix_aia540.csv")}, L"Base64Data"},
    };
}

// Runs in the test's own apartment until every worker thread has ended.
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
    const std::vector<SComCall> vecCalls = Calls();
    std::vector<std::string> vecExpected;
    {
        CLateBound api;
        CHECK_EQ(CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api), S_OK);
        for (const SComCall& call : vecCalls)
            vecExpected.push_back(Answer(api, call));
    }
    CHECK_EQ(vecExpected[0], std::string("S_OK"));

    constexpr size_t kApartments = 2, kRounds = 4;
    std::vector<std::vector<std::string>> vecWrong(kApartments);
    RunThreads(kApartments, [&](size_t t) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            CLateBound api;
            if (CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api) != S_OK)
                vecWrong[t].push_back("no object");
            for (size_t n = 0; api.Get() != nullptr && n < kRounds * vecCalls.size(); ++n) {
                const size_t i = (n + t * 3) % vecCalls.size();
                const std::string strGot = Answer(api, vecCalls[i]);
                if (strGot != vecExpected[i])
                    vecWrong[t].push_back(std::to_string(i) + ": " + strGot.substr(0, 80));
            }
        }
        CoUninitialize();
    });
    for (size_t t = 0; t < kApartments; ++t) {
        for (const std::string& strWrong : vecWrong[t])
            wintest::Fail(__FILE__, __LINE__, "apartment " + std::to_string(t) + " got " + wintest::Show(strWrong));
    }
}

// Every failed get logs one entry; meanwhile threads start and end, which
// the server's DLL is told of.
COM_TEST(DebugLogKeepsEveryEntryWhileThreadsComeAndGo)
{
    namespace fs = std::filesystem;
    // An ASCII name: the log's folder goes through the ANSI code page.
    const fs::path folder = fs::u8path(CLCMacOSNative::temporaryDirectory())
                            / ("tesvant_log_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directory(folder);
    {
        wintest::CEnvVar tmp("TMP"), temp("TEMP"), logSwitch("TESVANT_OUTPUT");
        tmp.Set(folder.string().c_str());
        temp.Set(folder.string().c_str());
        logSwitch.Set("1");
        CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();   // reads the switch
        CLCComPtr<CLICsvConvResultCbC> pResult = comtest::NewCbCResult();
        CHECK(pApi && pResult);
        if (!pApi || !pResult)
            return;

        constexpr size_t kWriters = 4, kEntries = 1000;
        std::atomic<bool> bWriting{true};
        std::thread churn([&] {
            while (bWriting)
                std::thread([] {}).join();
        });
        RunThreads(kWriters, [&](size_t) {
            for (size_t i = 0; i < kEntries; ++i)
                pResult->get_Result(nullptr);
        });
        bWriting = false;
        churn.join();

        size_t nEntries = 0;
        const std::string strHead = " CLCCsvConvResultCbC::get_Result--\n";
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string strLog = wintest::ReadBytes(entry.path().u8string());
            for (size_t nAt = strLog.find(strHead); nAt != std::string::npos; nAt = strLog.find(strHead, nAt + 1))
                ++nEntries;
        }
        CHECK_EQ(nEntries, kEntries * kWriters);
    }
    fs::remove_all(folder);
}
