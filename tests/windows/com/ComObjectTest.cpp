// The COM plumbing of the three classes: aggregation, null out-pointers,
// error-info support, object safety and the result accessors.
#include "ComTestSupport.h"
#include <objbase.h>
#include <objsafe.h>

namespace {

using comtest::Bstr;
using comtest::kClasses;
using comtest::SClass;

// An outer object that answers only IUnknown and counts the queries the
// inner object hands on to it.
class COuter : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        ++m_nQueries;
        *ppv = nullptr;
        if (riid != IID_IUnknown)
            return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_nRefs; }

    int m_nQueries = 0;
    ULONG m_nRefs = 1;   // lives on the stack
};

using ApiCall = HRESULT (*)(CLICsvConvDataCbC*, IDispatch**);
struct SApiCall {
    const char* szName;
    ApiCall pfnCall;
};

// Every operation with null texts and the given out-pointer.
const SApiCall kApiCalls[] = {
    {"AppendixTableCsvCheck", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->AppendixTableCsvCheck(nullptr, pp); }},
    {"ReportIntegrityCheck",
     [](CLICsvConvDataCbC* p, IDispatch** pp) {
         return p->ReportIntegrityCheck(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, pp);
     }},
    {"CsvConvAppendixTableData",
     [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CsvConvAppendixTableData(nullptr, nullptr, nullptr, nullptr, pp); }},
    {"CbCReportCsvCheck", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CbCReportCsvCheck(nullptr, pp); }},
    {"CbCReportIntegrityCheck",
     [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CbCReportIntegrityCheck(nullptr, nullptr, pp); }},
    {"CsvConvCbCReportData", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CsvConvCbCReportData(nullptr, nullptr, pp); }},
    {"ReadXMLFile", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->ReadXMLFile(nullptr, -1, pp); }},
    {"CbCReportCsvCheck2", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CbCReportCsvCheck2(nullptr, pp); }},
    {"CbCReportIntegrityCheck2",
     [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CbCReportIntegrityCheck2(nullptr, nullptr, pp); }},
    {"CsvConvCbCReportData2", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CsvConvCbCReportData2(nullptr, nullptr, pp); }},
    {"GIRCsvCheck", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->GIRCsvCheck(nullptr, nullptr, pp); }},
    {"CsvConvGIRData", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CsvConvGIRData(nullptr, nullptr, pp); }},
    {"GIRAppendixTableCsvCheck",
     [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->GIRAppendixTableCsvCheck(nullptr, nullptr, nullptr, pp); }},
    {"CsvConvGIRAppendixTableData",
     [](CLICsvConvDataCbC* p, IDispatch** pp) {
         return p->CsvConvGIRAppendixTableData(nullptr, nullptr, nullptr, nullptr, pp);
     }},
    {"GetFolderPath", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->GetFolderPath(nullptr, pp); }},
    {"ReadCSVFile", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->ReadCSVFile(nullptr, pp); }},
    {"CbCCsvWrite", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->CbCCsvWrite(nullptr, nullptr, pp); }},
    {"GIRFolderCheck", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->GIRFolderCheck(nullptr, pp); }},
    {"ReadFile", [](CLICsvConvDataCbC* p, IDispatch** pp) { return p->ReadFile(nullptr, pp); }},
};

// A BSTR property of a result interface.
template <typename I>
struct SAccessor {
    const char* szName;
    HRESULT (STDMETHODCALLTYPE I::*pfnGet)(BSTR*);
    HRESULT (STDMETHODCALLTYPE I::*pfnPut)(BSTR);
};
using SCbCAccessor = SAccessor<CLICsvConvResultCbC>;
using SGIRAccessor = SAccessor<CLICsvConvResultGIR>;

const SCbCAccessor kCbCAccessors[] = {
    {"Result", &CLICsvConvResultCbC::get_Result, &CLICsvConvResultCbC::put_Result},
    {"DetailErrorInfo", &CLICsvConvResultCbC::get_DetailErrorInfo, &CLICsvConvResultCbC::put_DetailErrorInfo},
    {"AppendixTableData", &CLICsvConvResultCbC::get_AppendixTableData, &CLICsvConvResultCbC::put_AppendixTableData},
    {"CbCReportData", &CLICsvConvResultCbC::get_CbCReportData, &CLICsvConvResultCbC::put_CbCReportData},
    {"XMLData", &CLICsvConvResultCbC::get_XMLData, &CLICsvConvResultCbC::put_XMLData},
    {"GIRAppendixTableData", &CLICsvConvResultCbC::get_GIRAppendixTableData,
     &CLICsvConvResultCbC::put_GIRAppendixTableData},
    {"FolderPath", &CLICsvConvResultCbC::get_FolderPath, &CLICsvConvResultCbC::put_FolderPath},
    {"FileName", &CLICsvConvResultCbC::get_FileName, &CLICsvConvResultCbC::put_FileName},
    {"CsvData", &CLICsvConvResultCbC::get_CsvData, &CLICsvConvResultCbC::put_CsvData},
    {"CsvDataSize", &CLICsvConvResultCbC::get_CsvDataSize, &CLICsvConvResultCbC::put_CsvDataSize},
    {"Base64Data", &CLICsvConvResultCbC::get_Base64Data, &CLICsvConvResultCbC::put_Base64Data},
};

const SGIRAccessor kGIRAccessors[] = {
    {"Result", &CLICsvConvResultGIR::get_Result, &CLICsvConvResultGIR::put_Result},
    {"GIRData", &CLICsvConvResultGIR::get_GIRData, &CLICsvConvResultGIR::put_GIRData},
    {"FileName", &CLICsvConvResultGIR::get_FileName, &CLICsvConvResultGIR::put_FileName},
};

// The getter's text, or a marker of its failure.
template <typename I, typename G>
std::string Got(I* p, G pfnGet)
{
    CLCBstr b;
    const HRESULT hr = (p->*pfnGet)(b.Put());
    return SUCCEEDED(hr) ? b.Utf8() : "(failed)";
}

} // namespace

COM_TEST(AggregationNeedsTheOuterToAskForIUnknown)
{
    for (const SClass& c : kClasses) {
        COuter outer;
        void* pRefused = reinterpret_cast<void*>(1);
        CHECK_EQ(CoCreateInstance(*c.pClsid, &outer, CLSCTX_INPROC_SERVER, *c.pIid, &pRefused), CLASS_E_NOAGGREGATION);
        CHECK(pRefused == nullptr);

        CLCComPtr<IUnknown> pInner;
        CHECK_EQ(CoCreateInstance(*c.pClsid, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown, pInner.PutVoid()), S_OK);
        if (!pInner)
            continue;
        CLCComPtr<IUnknown> pInterface;
        CHECK_EQ(pInner->QueryInterface(*c.pIid, pInterface.PutVoid()), S_OK);
        if (!pInterface)
            continue;
        // The inner object's interfaces hand every query on to the outer one.
        const int nQueries = outer.m_nQueries;
        CLCComPtr<IUnknown> pDelegated;
        CHECK_EQ(pInterface->QueryInterface(IID_ISupportErrorInfo, pDelegated.PutVoid()), E_NOINTERFACE);
        CHECK_EQ(outer.m_nQueries, nQueries + 1);
        pInterface.Reset();
        pInner.Reset();
        CHECK_EQ(outer.m_nRefs, ULONG(1));
    }
}

COM_TEST(ErrorInfoIsSupportedForTheOwnInterfaceOnly)
{
    for (const SClass& c : kClasses) {
        CLCComPtr<IUnknown> pObject = comtest::New<IUnknown>(*c.pClsid, IID_IUnknown);
        auto pErrorInfo = comtest::Query<ISupportErrorInfo>(pObject.Get(), IID_ISupportErrorInfo);
        CHECK(pErrorInfo);
        if (!pErrorInfo)
            continue;
        CHECK_EQ(pErrorInfo->InterfaceSupportsErrorInfo(*c.pIid), S_OK);
        for (const IID* pOther : {&IID_IUnknown, &IID_IDispatch, &IID_ISupportErrorInfo})
            CHECK_EQ(pErrorInfo->InterfaceSupportsErrorInfo(*pOther), S_FALSE);
    }
}

COM_TEST(ObjectSafetyReportsAndKeepsItsOptions)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
    auto pSafety = comtest::Query<IObjectSafety>(pApi.Get(), IID_IObjectSafety);
    CHECK(pSafety);
    if (!pSafety)
        return;
    DWORD dwSupported = 99;
    DWORD dwEnabled = 99;
    CHECK_EQ(pSafety->GetInterfaceSafetyOptions(IID_IDispatch, &dwSupported, &dwEnabled), S_OK);
    CHECK_EQ(dwSupported, DWORD(3));
    CHECK_EQ(dwEnabled, DWORD(0));
    CHECK_EQ(pSafety->GetInterfaceSafetyOptions(IID_IDispatch, nullptr, &dwEnabled), E_POINTER);
    CHECK_EQ(pSafety->GetInterfaceSafetyOptions(IID_IDispatch, &dwSupported, nullptr), E_POINTER);

    // new = (enabled and not mask) or (mask and requested)
    struct SStep {
        DWORD dwMask, dwRequested;
        HRESULT hr;
        DWORD dwAfter;
    };
    const SStep kSteps[] = {
        {3, 3, S_OK, 3}, {1, 0, S_OK, 2}, {2, 1, S_OK, 0}, {2, 2, S_OK, 2}, {4, 4, E_FAIL, 2}, {7, 0, E_FAIL, 2},
    };
    for (const SStep& step : kSteps) {
        CHECK_EQ(pSafety->SetInterfaceSafetyOptions(IID_CLICsvConvDataCbC, step.dwMask, step.dwRequested), step.hr);
        CHECK_EQ(pSafety->GetInterfaceSafetyOptions(IID_CLICsvConvDataCbC, &dwSupported, &dwEnabled), S_OK);
        CHECK_EQ(dwEnabled, step.dwAfter);
    }
    // An interface the object lacks.
    CHECK_EQ(pSafety->SetInterfaceSafetyOptions(IID_IClassFactory, 1, 1), E_NOINTERFACE);
    dwSupported = dwEnabled = 99;
    CHECK(FAILED(pSafety->GetInterfaceSafetyOptions(IID_IClassFactory, &dwSupported, &dwEnabled)));
    CHECK_EQ(dwSupported, DWORD(0));
    CHECK_EQ(dwEnabled, DWORD(0));
    // The result objects offer none.
    for (const SClass& c : {kClasses[1], kClasses[2]}) {
        CLCComPtr<IUnknown> pObject = comtest::New<IUnknown>(*c.pClsid, IID_IUnknown);
        CLCComPtr<IObjectSafety> pNone;
        CHECK(pObject && pObject->QueryInterface(IID_IObjectSafety, pNone.PutVoid()) == E_NOINTERFACE);
    }
}

COM_TEST(EveryOperationRefusesANullResultPointer)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
    CHECK(pApi);
    if (!pApi)
        return;
    for (const SApiCall& call : kApiCalls) {
        if (call.pfnCall(pApi.Get(), nullptr) != E_POINTER)
            wintest::Fail(__FILE__, __LINE__, std::string(call.szName) + " with a null out-pointer is not E_POINTER");
    }
}

COM_TEST(EveryOperationAnswersAResultObjectEarlyBound)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
    CHECK(pApi);
    if (!pApi)
        return;
    for (const SApiCall& call : kApiCalls) {
        // The result pointer is set to null first, so a stale value never survives.
        IDispatch* pResult = reinterpret_cast<IDispatch*>(1);
        const HRESULT hr = call.pfnCall(pApi.Get(), &pResult);
        if (hr != S_OK || pResult == nullptr || pResult == reinterpret_cast<IDispatch*>(1)) {
            wintest::Fail(__FILE__, __LINE__, std::string(call.szName) + " with null texts: no result object");
            continue;
        }
        pResult->Release();
    }
}

COM_TEST(ResultGettersRefuseANullPointer)
{
    CLCComPtr<CLICsvConvResultCbC> pCbC = comtest::NewCbCResult();
    CLCComPtr<CLICsvConvResultGIR> pGIR = comtest::NewGIRResult();
    CHECK(pCbC && pGIR);
    if (!pCbC || !pGIR)
        return;
    for (const SCbCAccessor& a : kCbCAccessors) {
        if ((pCbC.Get()->*a.pfnGet)(nullptr) != E_POINTER)
            wintest::Fail(__FILE__, __LINE__, std::string("CbC get_") + a.szName + "(null) is not E_POINTER");
    }
    for (const SGIRAccessor& a : kGIRAccessors) {
        if ((pGIR.Get()->*a.pfnGet)(nullptr) != E_POINTER)
            wintest::Fail(__FILE__, __LINE__, std::string("GIR get_") + a.szName + "(null) is not E_POINTER");
    }
    CHECK_EQ(pGIR->get_ErrInfoCount(nullptr), E_POINTER);
    CHECK_EQ(pGIR->addFileName(Bstr("a.csv").Get()), S_OK);
    CHECK_EQ(pGIR->addDetailErrorInfo(Bstr("text").Get()), S_OK);
    CHECK_EQ(pGIR->GetErrFileName(0, nullptr), E_POINTER);
    CHECK_EQ(pGIR->GetDetailErrInfo(0, nullptr), E_POINTER);
}

COM_TEST(ResultPropertiesStoreTheirOwnCopies)
{
    CLCComPtr<CLICsvConvResultCbC> pCbC = comtest::NewCbCResult();
    CLCComPtr<CLICsvConvResultGIR> pGIR = comtest::NewGIRResult();
    CHECK(pCbC && pGIR);
    if (!pCbC || !pGIR)
        return;
    for (const SCbCAccessor& a : kCbCAccessors) {
        CHECK_EQ(Got(pCbC.Get(), a.pfnGet), std::string());
        CHECK_EQ((pCbC.Get()->*a.pfnPut)(Bstr(std::string("値 ") + a.szName).Get()), S_OK);
    }
    // Each property its own value: none writes another's.
    for (const SCbCAccessor& a : kCbCAccessors)
        CHECK_EQ(Got(pCbC.Get(), a.pfnGet), std::string("値 ") + a.szName);
    CHECK_EQ(pCbC->put_Result(nullptr), S_OK);
    CHECK_EQ(Got(pCbC.Get(), &CLICsvConvResultCbC::get_Result), std::string());
    for (const SGIRAccessor& a : kGIRAccessors) {
        CHECK_EQ((pGIR.Get()->*a.pfnPut)(Bstr(std::string("値 ") + a.szName).Get()), S_OK);
        CHECK_EQ(Got(pGIR.Get(), a.pfnGet), std::string("値 ") + a.szName);
    }
}

COM_TEST(GIRResultListsAreIndexChecked)
{
    CLCComPtr<CLICsvConvResultGIR> pGIR = comtest::NewGIRResult();
    CHECK(pGIR);
    if (!pGIR)
        return;
    LONG lCount = -1;
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK_EQ(lCount, LONG(0));
    CLCBstr b;
    CHECK_EQ(pGIR->GetErrFileName(0, b.Put()), E_FAIL);
    CHECK_EQ(pGIR->GetDetailErrInfo(0, b.Put()), E_FAIL);
    for (const char* szName : {"01_a.csv", "02_b.csv"})
        CHECK_EQ(pGIR->addFileName(Bstr(szName).Get()), S_OK);
    CHECK_EQ(pGIR->addDetailErrorInfo(Bstr("詳細 1").Get()), S_OK);
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK_EQ(lCount, LONG(2));

    // Each list is checked against its own length.
    struct SIndex {
        bool bFileName;
        LONG lIndex;
        HRESULT hr;
        const char* szText;
    };
    const SIndex kIndexes[] = {
        {true, -1, E_FAIL, ""},        {true, 0, S_OK, "01_a.csv"}, {true, 1, S_OK, "02_b.csv"},
        {true, 2, E_FAIL, ""},         {false, -1, E_FAIL, ""},     {false, 0, S_OK, "詳細 1"},
        {false, 1, E_FAIL, ""},        {true, LONG(0x7FFFFFFF), E_FAIL, ""},
    };
    for (const SIndex& index : kIndexes) {
        CLCBstr text;
        const HRESULT hr = index.bFileName ? pGIR->GetErrFileName(index.lIndex, text.Put())
                                           : pGIR->GetDetailErrInfo(index.lIndex, text.Put());
        CHECK_EQ(hr, index.hr);
        CHECK_EQ(text.Utf8(), std::string(index.szText));
    }

    CHECK_EQ(pGIR->put_Result(Bstr("E_FAIL").Get()), S_OK);
    CHECK_EQ(pGIR->Clear(), S_OK);
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK_EQ(lCount, LONG(0));
    CHECK_EQ(pGIR->GetDetailErrInfo(0, b.Put()), E_FAIL);
    for (const SGIRAccessor& a : kGIRAccessors)
        CHECK_EQ(Got(pGIR.Get(), a.pfnGet), std::string());
    CHECK_EQ(pGIR->addFileName(Bstr("x").Get()), S_OK);
    CHECK_EQ(pGIR->clearDetailErrorInfo(), S_OK);
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK_EQ(lCount, LONG(0));
}

COM_TEST(DispatchDescribesItsOwnInterfaceForEveryLocale)
{
    for (const SClass& c : kClasses) {
        CLCComPtr<IUnknown> pObject = comtest::New<IUnknown>(*c.pClsid, IID_IUnknown);
        auto pDispatch = comtest::Query<IDispatch>(pObject.Get(), IID_IDispatch);
        CHECK(pDispatch);
        if (!pDispatch)
            continue;
        UINT nCount = 0;
        CHECK_EQ(pDispatch->GetTypeInfoCount(&nCount), S_OK);
        CHECK_EQ(nCount, UINT(1));
        CHECK_EQ(pDispatch->GetTypeInfoCount(nullptr), E_POINTER);
        // A Japanese caller, English ones and the neutral locale alike; the
        // description handed out is the dispatch one that member lists read.
        for (LCID lcid : {LCID(0x0411), LCID(0x0409), LCID(LOCALE_SYSTEM_DEFAULT), LCID(0)}) {
            CLCComPtr<ITypeInfo> pInfo;
            CHECK_EQ(pDispatch->GetTypeInfo(0, lcid, pInfo.Put()), S_OK);
            TYPEATTR* pAttr = nullptr;
            if (!pInfo || FAILED(pInfo->GetTypeAttr(&pAttr)))
                continue;
            CHECK(IsEqualGUID(pAttr->guid, *c.pIid));
            CHECK_EQ(pAttr->typekind, TKIND_DISPATCH);
            pInfo->ReleaseTypeAttr(pAttr);
            LPOLESTR pName = const_cast<LPOLESTR>(L"Result");
            DISPID dispid = DISPID_UNKNOWN;
            const HRESULT hr = pDispatch->GetIDsOfNames(IID_NULL, &pName, 1, lcid, &dispid);
            CHECK_EQ(hr, c.pIid == &IID_CLICsvConvDataCbC ? DISP_E_UNKNOWNNAME : S_OK);
        }
        CLCComPtr<ITypeInfo> pNone;
        CHECK_EQ(pDispatch->GetTypeInfo(1, 0, pNone.Put()), DISP_E_BADINDEX);
    }
}
