// The operations object made in this process from the server's own sources,
// so that a fault can be injected into the API object it runs: the method
// then fails, and the kept result holds "E_FAIL", the fatal row and no data
// of an earlier call. The process's operator new counts the bytes it holds,
// to show that a returned text is not kept twice.
#include "ComTestSupport.h"
#include "WinTestSupport.h"

#include "api/CLCCsvConvDataCbC.h"
#include "foundation/CLCCbCCommon.h"
#include "windows/com/CLCCsvConvDataCbC.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {
std::atomic<long long> g_llLiveBytes{0};
} // namespace

// Each block keeps its size in front, in malloc's alignment.
void* operator new(std::size_t nSize)
{
    auto* pBlock = static_cast<std::size_t*>(std::malloc(nSize + 16));
    if (pBlock == nullptr)
        throw std::bad_alloc();
    *pBlock = nSize;
    g_llLiveBytes += static_cast<long long>(nSize);
    return reinterpret_cast<char*>(pBlock) + 16;
}

void operator delete(void* p) noexcept
{
    auto* pBlock = p == nullptr ? nullptr : reinterpret_cast<std::size_t*>(static_cast<char*>(p) - 16);
    if (pBlock != nullptr)
        g_llLiveBytes -= static_cast<long long>(*pBlock);
    std::free(pBlock);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

using comtest::Bstr;

CLCComPtr<CLICsvConvDataCbC> NewInProcess()
{
    CLCComPtr<CLICsvConvDataCbC> p;
    auto* pObject = new tesvantcom::CLCCsvConvDataCbC(nullptr);
    pObject->Inner()->QueryInterface(IID_CLICsvConvDataCbC, p.PutVoid());
    return p;
}

// The call with every step of the API object throwing.
template <typename Call>
HRESULT Faulted(Call call)
{
    ::CLCCsvConvDataCbC::SetFaultHookForTest([](const char*) { throw std::runtime_error("injected"); });
    const HRESULT hr = call();
    ::CLCCsvConvDataCbC::SetFaultHookForTest({});
    return hr;
}

} // namespace

COM_TEST(FaultLeavesTheFatalRowAndNoEarlierData)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = NewInProcess();
    CLCBstr csv = Bstr(comtest::ExamplePath("cbc_report_v1.csv"));
    CLCComPtr<IDispatch> pFirst;
    CHECK_EQ(pApi->ReadCSVFile(csv.Get(), pFirst.Put()), S_OK);
    const auto pResult = comtest::Query<CLICsvConvResultCbC>(pFirst.Get(), IID_CLICsvConvResultCbC);
    CHECK(pResult);
    if (!pResult)
        return;

    IDispatch* pOut = reinterpret_cast<IDispatch*>(1);
    CHECK_EQ(Faulted([&] { return pApi->ReadCSVFile(csv.Get(), &pOut); }), E_FAIL);
    CHECK(pOut == nullptr);
    for (auto pfnGet : {&CLICsvConvResultCbC::get_Result, &CLICsvConvResultCbC::get_DetailErrorInfo,
                        &CLICsvConvResultCbC::get_CsvData, &CLICsvConvResultCbC::get_CsvDataSize}) {
        CLCBstr value;
        CHECK_EQ((pResult.Get()->*pfnGet)(value.Put()), S_OK);
        const std::string strExpected = pfnGet == &CLICsvConvResultCbC::get_Result ? "E_FAIL"
                                        : pfnGet == &CLICsvConvResultCbC::get_DetailErrorInfo ? "0000-00000-HE60000E"
                                                                                              : "";
        CHECK_EQ(comtest::Utf8(value), strExpected);
    }

    // A missing out-pointer ends the call before the mode is set.
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_NONE);
    CHECK_EQ(pApi->CbCReportCsvCheck(csv.Get(), nullptr), E_POINTER);
    CHECK_EQ(CLCCbCCommon::getExecMode(), CLCCbCCommon::EXEC_MODE_NONE);
}

COM_TEST(GIRFaultLeavesOneFatalRow)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = NewInProcess();
    CLCBstr folder = Bstr(comtest::ExamplePath("gir"));
    CLCComPtr<IDispatch> pFirst;
    CHECK_EQ(pApi->GIRFolderCheck(folder.Get(), pFirst.Put()), S_OK);
    const auto pResult = comtest::Query<CLICsvConvResultGIR>(pFirst.Get(), IID_CLICsvConvResultGIR);
    CHECK(pResult);
    if (!pResult)
        return;

    CLCComPtr<IDispatch> pOut;
    CHECK_EQ(Faulted([&] { return pApi->GIRFolderCheck(folder.Get(), pOut.Put()); }), E_FAIL);
    CLCBstr result, fileName, file, detail;
    LONG lCount = -1;
    pResult->get_Result(result.Put());
    pResult->get_FileName(fileName.Put());
    pResult->get_ErrInfoCount(&lCount);
    pResult->GetErrFileName(0, file.Put());
    pResult->GetDetailErrInfo(0, detail.Put());
    CHECK_EQ(comtest::Utf8(result), "E_FAIL");
    CHECK_EQ(comtest::Utf8(fileName), "");
    CHECK_EQ(lCount, 1);
    CHECK_EQ(comtest::Utf8(file), "その他");
    CHECK_EQ(comtest::Utf8(detail), "00000000-00000-HE60000E");
}

// Once a method has returned, its text lives in the COM result (a BSTR) only,
// not also in the API object that the operations object keeps for later calls.
COM_TEST(ReturnedTextIsHeldOnce)
{
    wintest::CTestFolder folder;
    const CLCBstr path = Bstr(folder.Write("big.csv", std::string(3u << 20, 'a')));
    using Method = HRESULT(STDMETHODCALLTYPE CLICsvConvDataCbC::*)(BSTR, IDispatch**);
    for (Method pfnMethod : {&CLICsvConvDataCbC::ReadFile, &CLICsvConvDataCbC::ReadCSVFile}) {
        CLCComPtr<CLICsvConvDataCbC> pApi = NewInProcess();
        const long long llBefore = g_llLiveBytes;
        {
            CLCComPtr<IDispatch> pResult;
            CHECK_EQ((pApi.Get()->*pfnMethod)(path.Get(), pResult.Put()), S_OK);
        }
        // A second copy would be about the file's size.
        CHECK(g_llLiveBytes - llBefore < (1 << 20));
    }
}
