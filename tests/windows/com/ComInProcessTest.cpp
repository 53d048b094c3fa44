// The operations object made in this process from the server's own sources,
// so that a fault can be injected into the API object it runs: the method
// then fails, and the kept result holds "E_FAIL", the fatal row and no data
// of an earlier call. The process's operator new counts the bytes it holds,
// to show that a returned text is not kept twice, and fails one allocation on
// demand, to show that the server's entry points answer out of memory.
#include "ComTestSupport.h"
#include "LateBound.h"
#include "WinTestSupport.h"

#include "api/CLCCsvConvDataCbC.h"
#include "foundation/CLCCbCCommon.h"
#include "windows/com/CLCCsvConvDataCbC.h"
#include "windows/com/CLCCsvConvResultCbC.h"
#include "windows/com/CTesvantModule.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {
std::atomic<long long> g_llLiveBytes{0};
// Allocations left before the one that fails; negative: none fails.
std::atomic<long> g_lFailAfter{-1};

// Each block keeps its size in front, in malloc's alignment; null for the
// allocation armed to fail.
void* Allocate(std::size_t nSize) noexcept
{
    if (g_lFailAfter.load() >= 0 && g_lFailAfter.fetch_sub(1) == 0)
        return nullptr;
    auto* pBlock = static_cast<std::size_t*>(std::malloc(nSize + 16));
    if (pBlock == nullptr)
        return nullptr;
    *pBlock = nSize;
    g_llLiveBytes += static_cast<long long>(nSize);
    return reinterpret_cast<char*>(pBlock) + 16;
}
} // namespace

void* operator new(std::size_t nSize)
{
    void* p = Allocate(nSize);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept { return Allocate(nSize); }
void* operator new[](std::size_t nSize) { return operator new(nSize); }
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept { return Allocate(nSize); }

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

namespace {

// Arms the failure of the nth allocation from now (0: the next) for a scope.
struct SFailingAllocation {
    explicit SFailingAllocation(long n) { g_lFailAfter = n; }
    ~SFailingAllocation() { g_lFailAfter = -1; }
};

// Runs the call with allocation 0, 1, 2, ... failing, fnPrepare before each,
// until it succeeds: each failure must be E_OUTOFMEMORY.
template <typename Prepare, typename Call>
void SucceedsAfterOutOfMemory(const char* szName, Prepare fnPrepare, Call fnCall)
{
    constexpr long kMaxAllocations = 100000;
    for (long n = 0; n < kMaxAllocations; ++n) {
        fnPrepare();
        HRESULT hr = S_OK;
        {
            const SFailingAllocation failing(n);
            hr = fnCall();
        }
        if (hr == S_OK)
            return;
        if (hr != E_OUTOFMEMORY)
            wintest::Fail(__FILE__, __LINE__, std::string(szName) + " with allocation " + std::to_string(n)
                                                  + " failing: " + wintest::Show(static_cast<long>(hr)));
    }
    wintest::Fail(__FILE__, __LINE__, std::string(szName) + " never succeeded");
}

ULONG References(IUnknown* p)
{
    p->AddRef();
    return p->Release();
}

} // namespace

// Each call finds the type information cache empty, so that it is built
// under the failing allocation.
COM_TEST(DispatchAnswersOutOfMemoryAndKeepsNoHalfEntry)
{
    CLCComPtr<IDispatch> pObject;
    CHECK_EQ(CLCComCreate<tesvantcom::CLCCsvConvResultCbC>(nullptr, IID_IDispatch, pObject.PutVoid()), S_OK);
    CLCComPtr<ITypeInfo> pInfo;
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR wszName = const_cast<LPOLESTR>(L"Result");
    CHECK(pObject && pObject->GetTypeInfo(0, LOCALE_USER_DEFAULT, pInfo.Put()) == S_OK
          && pObject->GetIDsOfNames(IID_NULL, &wszName, 1, LOCALE_USER_DEFAULT, &dispid) == S_OK);
    if (!pInfo)
        return;
    CLCComReleaseTypeInfos();
    const ULONG ulReferences = References(pInfo.Get());

    struct SCall {
        const char* szName;
        HRESULT (*pfnCall)(IDispatch* p, DISPID dispid);
    };
    const SCall kCalls[] = {
        {"GetTypeInfo", [](IDispatch* p, DISPID) {
             CLCComPtr<ITypeInfo> pGot;
             return p->GetTypeInfo(0, LOCALE_USER_DEFAULT, pGot.Put());
         }},
        {"GetIDsOfNames", [](IDispatch* p, DISPID) {
             LPOLESTR wszResult = const_cast<LPOLESTR>(L"Result");
             DISPID dispidGot = DISPID_UNKNOWN;
             return p->GetIDsOfNames(IID_NULL, &wszResult, 1, LOCALE_USER_DEFAULT, &dispidGot);
         }},
        {"Invoke", [](IDispatch* p, DISPID dispidResult) {
             DISPPARAMS none{};
             comtest::CVariant result;
             return p->Invoke(dispidResult, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                              result.Put(), nullptr, nullptr);
         }},
    };
    for (const SCall& call : kCalls) {
        SucceedsAfterOutOfMemory(call.szName, &CLCComReleaseTypeInfos,
                                 [&] { return call.pfnCall(pObject.Get(), dispid); });
    }
    CLCComReleaseTypeInfos();
    CHECK_EQ(References(pInfo.Get()), ulReferences);
    std::string strResult;
    CHECK_EQ(comtest::CLateBound(std::move(pObject)).GetText(L"Result", strResult), S_OK);
}

// The module registers from the real DLL's path and scripts. Unregistration
// starts from a whole registration each time; the last run leaves the server
// registered as regsvr32 does.
COM_TEST(RegistrationAnswersOutOfMemory)
{
    const comtest::SModule dll;
    CHECK(dll.hModule != nullptr);
    if (dll.hModule == nullptr)
        return;
    CTesvantModule& module = CTesvantModule::Instance();
    const HINSTANCE hSaved = module.ModuleHandle();
    module.SetModuleHandle(dll.hModule);
    SucceedsAfterOutOfMemory("RegisterServer", [] {}, [&] { return module.RegisterServer(); });
    SucceedsAfterOutOfMemory("UnregisterServer", [&] { CHECK_EQ(module.RegisterServer(), S_OK); },
                             [&] { return module.UnregisterServer(); });
    CHECK_EQ(module.RegisterServer(), S_OK);
    module.SetModuleHandle(hSaved);
}
