#include "api/ApiTestSupport.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

// Hosts call from several threads, and a dialog's message loop calls again on
// its own thread: overlapping calls wait and answer as they would alone; a
// re-entering call is answered at once with the fatal row.
using namespace apitest;

namespace {

namespace fs = std::filesystem;
using Data = std::string (CLCCsvConvResultCbC::*)() const;
using GIRData = std::string (CLCCsvConvResultGIR::*)() const;

// The conversions' time stamps aside, an answer is the same on every run.
std::string WithoutTime(const std::string& str)
{
    static const std::regex kStamp("Timestamp>[^<]*<");
    return std::regex_replace(str, kStamp, "Timestamp><");
}

std::string Answer(const CLCCsvConvResultCbC* p, Data pfnData)
{
    return p->getResult() + "|" + p->getDetailErrorInfo() + "|" + WithoutTime((p->*pfnData)());
}

std::string Answer(const CLCCsvConvResultGIR* p, GIRData pfnData = &CLCCsvConvResultGIR::get_GIRData)
{
    std::string str = p->get_Result() + "|" + WithoutTime((p->*pfnData)());
    const std::vector<std::string> vecFiles = p->GetErrFileName(), vecDetails = p->GetDetailErrInfo();
    for (size_t i = 0; i < vecFiles.size() && i < vecDetails.size(); ++i)
        str += "|" + vecFiles[i] + "=" + vecDetails[i];
    return str;
}

constexpr const char* kGIRHojinNo = "7000012050002";
using Call = std::function<std::string(CLCCsvConvDataCbC&)>;

class ApiLock : public ApiTest {
protected:
    // The shipped examples, a broken copy of each kind, and the GIR folder
    // with a wrong message header; one call per kind of road, passing and failing.
    std::vector<Call> Calls()
    {
        const std::string strAia120 = Example("appendix_aia120.csv");
        const std::string strAia540 = Example("appendix_aia540.csv");
        const std::string strCbC1 = Example("cbc_report_v1.csv");
        const std::string strCbC2 = Broken("cbc_report_v2.csv", "2024-03-31", "2023-03-31");
        const std::string strGIR = Path("gir"), strGIRBroken = Path("gir_broken");
        fs::copy(ExamplePath("gir"), strGIR, fs::copy_options::recursive);
        fs::copy(ExamplePath("gir"), strGIRBroken, fs::copy_options::recursive);
        Broken("gir/01_MessageSpec.csv", "GIR101", "GIR999", "gir_broken/01_MessageSpec.csv");
        using R = CLCCsvConvResultCbC;
        return {
            [=](CLCCsvConvDataCbC& a) { return Answer(a.AppendixTableCsvCheck(strAia120.c_str()), &R::getResult); },
            [=](CLCCsvConvDataCbC& a) {
                return Answer(a.CsvConvAppendixTableData(strAia120.c_str(), "Tesvant", "山田", ""),
                              &R::getAppendixTableData);
            },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.CsvConvCbCReportData(strCbC1.c_str(), ""), &R::getCbCReportData); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.CbCReportCsvCheck2(strCbC2.c_str()), &R::getCbCReportData); },
            [=](CLCCsvConvDataCbC& a) {
                return Answer(a.GIRAppendixTableCsvCheck(strAia540.c_str(), "2", ""), &R::get_GIRAppendixTableData);
            },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.GIRCsvCheck(strGIR.c_str(), kGIRHojinNo)); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.GIRCsvCheck(strGIRBroken.c_str(), "")); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.CsvConvGIRData(strGIR.c_str(), "")); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.GIRFolderCheck(strGIR.c_str()), &CLCCsvConvResultGIR::get_FileName); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.ReadCSVFile(strCbC1.c_str()), &R::get_CsvData); },
            [=](CLCCsvConvDataCbC& a) { return Answer(a.ReadFile(strAia540.c_str()), &R::get_Base64Data); },
        };
    }
};

TEST_F(ApiLock, OverlappingCallsGiveTheAnswersOfOneThread)
{
    const std::vector<Call> vecCalls = Calls();
    std::vector<std::string> vecExpected;
    {
        CLCCsvConvDataCbC api;
        for (const Call& call : vecCalls)
            vecExpected.push_back(call(api));
    }
    ASSERT_EQ(vecExpected[0].substr(0, 4), "S_OK");

    // Each thread makes and ends API objects of its own and starts at another
    // call, so that different roads and lifetimes overlap.
    constexpr size_t kThreads = 4, kRounds = 2;
    std::vector<std::vector<std::string>> vecWrong(kThreads);
    std::vector<std::thread> vecThreads;
    for (size_t t = 0; t < kThreads; ++t) {
        vecThreads.emplace_back([&, t] {
            for (size_t r = 0; r < kRounds; ++r) {
                CLCCsvConvDataCbC api;
                for (size_t n = 0; n < vecCalls.size(); ++n) {
                    const size_t i = (n + t * 3) % vecCalls.size();
                    if (vecCalls[i](api) != vecExpected[i])
                        vecWrong[t].push_back("call " + std::to_string(i) + " round " + std::to_string(r));
                }
            }
        });
    }
    for (std::thread& thread : vecThreads)
        thread.join();
    for (size_t t = 0; t < kThreads; ++t)
        EXPECT_TRUE(vecWrong[t].empty()) << "thread " << t << ": " << ::testing::PrintToString(vecWrong[t]);
}

// The folder dialog's message loop calls again on the same thread: on another
// object and on the dialog's own, of both result kinds, and makes and ends an
// API object. Each call is a fault at once; the dialog's operation goes on.
TEST_F(ApiLock, CallFromInsideARunningOperationGetsTheFatalRow)
{
    const std::string strFile = Write("any.bin", "abc");
    const std::string strChosen = Path("chosen");
    fs::create_directories(strChosen);
    Write("chosen/a.csv", "a");
    CLCCsvConvDataCbC api, other;
    ASSERT_EQ(other.ReadFile(strFile.c_str())->get_Base64Data(), "YWJj");

    const std::string kFatalCbC = "E_FAIL|0000-00000-HE60000E|YWJj";
    const std::string kFatalGIR = "E_FAIL||その他=00000000-00000-HE60000E";
    struct SInner {
        const char* szName;
        std::function<std::string()> fnCall;
        std::string strExpected;
        CLCCsvConvDataCbC* pFaulted;
    };
    const SInner kInner[] = {
        {"other object", [&] { return Answer(other.ReadFile(strFile.c_str()), &CLCCsvConvResultCbC::get_Base64Data); },
         kFatalCbC, &other},
        {"GIR result", [&] { return Answer(other.GIRFolderCheck(strChosen.c_str())); }, kFatalGIR, &other},
        {"own object", [&] { return Answer(api.ReadFile(strFile.c_str()), &CLCCsvConvResultCbC::getResult); },
         "E_FAIL|0000-00000-HE60000E|E_FAIL", &api},
        {"new object", [&] {
             CLCCsvConvDataCbC fresh;
             return Answer(fresh.GIRCsvCheck(strChosen.c_str(), kGIRHojinNo));
         }, kFatalGIR, nullptr},
    };
    std::vector<std::string> vecGot;
    std::vector<bool> vecFaulted;
    CLCMacOSNative::SetFolderChooser([&](const char*, std::string& strOut) {
        for (const SInner& inner : kInner) {
            vecGot.push_back(inner.fnCall());
            vecFaulted.push_back(inner.pFaulted == nullptr || inner.pFaulted->LastOperationFaulted());
        }
        strOut = strChosen;
        return 1;
    });
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath("");
    EXPECT_EQ(Answer(pResult, &CLCCsvConvResultCbC::get_FolderPath), "S_OK||" + strChosen);
    EXPECT_EQ(pResult->get_FileName(), "a.csv");
    EXPECT_FALSE(api.LastOperationFaulted());
    ASSERT_EQ(vecGot.size(), std::size(kInner));
    for (size_t i = 0; i < vecGot.size(); ++i) {
        EXPECT_EQ(vecGot[i], kInner[i].strExpected) << kInner[i].szName;
        EXPECT_TRUE(vecFaulted[i]) << kInner[i].szName;
    }

    // Afterwards the same calls run normally.
    EXPECT_EQ(Answer(other.ReadFile(strFile.c_str()), &CLCCsvConvResultCbC::get_Base64Data), "S_OK||YWJj");
    EXPECT_FALSE(other.LastOperationFaulted());
}

} // namespace
