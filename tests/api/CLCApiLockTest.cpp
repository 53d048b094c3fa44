#include "api/ApiTestSupport.h"
#include "api/CLCCsvConvResultGIR.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <thread>

// Threads calling at once answer as one thread would; a call from inside a
// running operation (a dialog's message loop) gets the fatal row at once.
using namespace apitest;

namespace {

using Call = std::function<std::string(CLCCsvConvDataCbC&)>;

// Result, detail texts and data, the conversions' time stamps left out.
std::string Answer(const CLCCsvConvResultCbC* p)
{
    static const std::regex kStamp("Timestamp>[^<]*<");
    const SResultTexts t = Texts(*p);
    return std::regex_replace(t.strResult + "|" + t.strDetail + "|" + t.strCbCReport + t.strBase64, kStamp, "");
}

std::string Answer(const CLCCsvConvResultGIR* p)
{
    std::string str = p->get_Result() + "|" + std::to_string(p->GetDetailErrInfo().size());
    for (const std::string& strDetail : p->GetDetailErrInfo())
        str += "|" + strDetail;
    return str;
}

class ApiLock : public ApiTest {};

TEST_F(ApiLock, OverlappingCallsGiveTheAnswersOfOneThread)
{
    const std::string strAia120 = Example("appendix_aia120.csv"), strCbC = Example("cbc_report_v1.csv");
    const std::string strGIR = ExamplePath("gir");
    const std::vector<Call> vecCalls = {
        [=](CLCCsvConvDataCbC& a) { return Answer(a.AppendixTableCsvCheck(strAia120.c_str())); },
        [=](CLCCsvConvDataCbC& a) { return Answer(a.CsvConvCbCReportData(strCbC.c_str(), "")); },
        [=](CLCCsvConvDataCbC& a) { return Answer(a.GIRCsvCheck(strGIR.c_str(), "7000012050002")); },
        [=](CLCCsvConvDataCbC& a) { return Answer(a.GIRCsvCheck(strGIR.c_str(), "1234567890123")); },
        [=](CLCCsvConvDataCbC& a) { return Answer(a.ReadFile(strCbC.c_str())); },
    };
    std::vector<std::string> vecExpected;
    for (const Call& call : vecCalls)
        vecExpected.push_back(call(*std::make_unique<CLCCsvConvDataCbC>()));

    // Each thread makes and ends API objects of its own and starts elsewhere.
    constexpr size_t kThreads = 4, kCalls = 12;
    std::vector<std::string> vecWrong[kThreads];
    std::vector<std::thread> vecThreads;
    for (size_t t = 0; t < kThreads; ++t) {
        vecThreads.emplace_back([&, t] {
            for (size_t n = 0; n < kCalls; ++n) {
                const size_t i = (n + t) % vecCalls.size();
                CLCCsvConvDataCbC own;
                if (vecCalls[i](own) != vecExpected[i])
                    vecWrong[t].push_back(std::to_string(i));
            }
        });
    }
    for (size_t t = 0; t < kThreads; ++t) {
        vecThreads[t].join();
        EXPECT_EQ(vecWrong[t], std::vector<std::string>{}) << "thread " << t;
    }
}

// Inner calls on another object, of both kinds, on the dialog's own object
// and on an object made for it; the dialog's operation then goes on.
TEST_F(ApiLock, CallFromInsideARunningOperationGetsTheFatalRow)
{
    const std::string strFile = Write("any.bin", "abc"), strFolder = Path("");
    CLCCsvConvDataCbC api, other;
    ASSERT_EQ(other.ReadFile(strFile.c_str())->get_Base64Data(), "YWJj");
    const std::string kFatalCbC = "E_FAIL|0000-00000-HE60000E|", kFatalGIR = "E_FAIL|1|00000000-00000-HE60000E";
    const std::vector<std::pair<Call, std::string>> vecInner = {
        {[&](CLCCsvConvDataCbC&) { return Answer(other.ReadFile(strFile.c_str())); }, kFatalCbC + "YWJj"},
        {[&](CLCCsvConvDataCbC&) { return Answer(other.GIRFolderCheck(strFolder.c_str())); }, kFatalGIR},
        {[&](CLCCsvConvDataCbC&) { return Answer(api.ReadFile(strFile.c_str())); }, kFatalCbC},
        {[&](CLCCsvConvDataCbC& fresh) { return Answer(fresh.GIRCsvCheck(strFolder.c_str(), "")); }, kFatalGIR},
    };
    std::vector<std::string> vecGot;
    CLCMacOSNative::SetFolderChooser([&](const char*, std::string& strOut) {
        for (const auto& inner : vecInner) {
            CLCCsvConvDataCbC fresh;
            const std::string strAnswer = inner.first(fresh);
            vecGot.push_back(strAnswer + (other.LastOperationFaulted() ? "" : " (no fault)"));
        }
        strOut = strFolder;
        return 1;
    });
    EXPECT_EQ(api.GetFolderPath("")->get_FileName(), "any.bin");
    EXPECT_FALSE(api.LastOperationFaulted());
    ASSERT_EQ(vecGot.size(), vecInner.size());
    for (size_t i = 0; i < vecGot.size(); ++i)
        EXPECT_EQ(vecGot[i], vecInner[i].second) << "inner call " << i;
    EXPECT_EQ(Answer(other.ReadFile(strFile.c_str())), "S_OK||YWJj");
}

} // namespace
