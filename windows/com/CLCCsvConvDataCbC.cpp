#include "windows/com/CLCCsvConvDataCbC.h"
#include "windows/com/CLCComAccess.h"
#include "windows/com/CLCComText.h"

#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tesvantcom {

namespace {

constexpr const char* kResultCbCFailed = "CLCCsvConvResultCbC の作成に失敗しました。";
constexpr const char* kResultGIRFailed = "CLCCsvConvResultGIR の作成に失敗しました。";
constexpr const char* kListsDiffer = "ファイル名数と詳細エラー情報数が不一致。";
constexpr DWORD kSafetyOptions = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

// A BSTR argument as the core takes it: UTF-8, "" for a null BSTR, and a null
// pointer for text that is not UTF-16 (the road then reports it).
class CArg {
public:
    explicit CArg(BSTR bstr) : m_bOk(CLCComText::ToUtf8(bstr, m_str)) {}
    operator const char*() const { return m_bOk ? m_str.c_str() : nullptr; }

private:
    std::string m_str;
    bool m_bOk;
};

// One put through the result's interface; a failed one ends the method.
template <typename TInterface>
void Put(TInterface* pResult, HRESULT (STDMETHODCALLTYPE TInterface::*pfnPut)(BSTR), const std::string& strValue)
{
    BSTR bstr = CLCComText::FromUtf8(strValue);
    const HRESULT hr = (pResult->*pfnPut)(bstr);
    SysFreeString(bstr);
    if (FAILED(hr))
        throw std::runtime_error("a result property could not be written");
}

struct SDataProperty {
    unsigned uFlag;
    HRESULT (STDMETHODCALLTYPE CLICsvConvResultCbC::*pfnPut)(BSTR);
    std::string (::CLCCsvConvResultCbC::*pfnGet)() const;
};

const SDataProperty kDataProperties[] = {
    {CLCCsvConvDataCbC::kAppendixTableData, &CLICsvConvResultCbC::put_AppendixTableData,
     &::CLCCsvConvResultCbC::getAppendixTableData},
    {CLCCsvConvDataCbC::kCbCReportData, &CLICsvConvResultCbC::put_CbCReportData,
     &::CLCCsvConvResultCbC::getCbCReportData},
    {CLCCsvConvDataCbC::kXMLData, &CLICsvConvResultCbC::put_XMLData, &::CLCCsvConvResultCbC::getXMLData},
    {CLCCsvConvDataCbC::kGIRAppendixTableData, &CLICsvConvResultCbC::put_GIRAppendixTableData,
     &::CLCCsvConvResultCbC::get_GIRAppendixTableData},
    {CLCCsvConvDataCbC::kFolder, &CLICsvConvResultCbC::put_FolderPath, &::CLCCsvConvResultCbC::get_FolderPath},
    {CLCCsvConvDataCbC::kFolder, &CLICsvConvResultCbC::put_FileName, &::CLCCsvConvResultCbC::get_FileName},
    {CLCCsvConvDataCbC::kCsv, &CLICsvConvResultCbC::put_CsvData, &::CLCCsvConvResultCbC::get_CsvData},
    {CLCCsvConvDataCbC::kCsv, &CLICsvConvResultCbC::put_CsvDataSize, &::CLCCsvConvResultCbC::get_CsvDataSize},
    {CLCCsvConvDataCbC::kBase64Data, &CLICsvConvResultCbC::put_Base64Data, &::CLCCsvConvResultCbC::get_Base64Data},
};

// The result object as any client makes it: through the registry by CLSID.
template <typename TInterface>
bool MakeResult(REFCLSID rclsid, CLCComPtr<TInterface>& pResult)
{
    CLCComPtr<IUnknown> pUnknown;
    if (FAILED(CoCreateInstance(rclsid, nullptr, CLSCTX_ALL, IID_IUnknown, pUnknown.PutVoid()))
        || FAILED(OleRun(pUnknown.Get())))
        return false;
    return SUCCEEDED(pUnknown->QueryInterface(__uuidof(TInterface), pResult.PutVoid()));
}

template <typename TInterface>
void HandOut(TInterface* pResult, IDispatch** ppResult)
{
    pResult->AddRef();
    *ppResult = pResult;
}

} // namespace

CLCCsvConvDataCbC::CLCCsvConvDataCbC(IUnknown* pOuter)
    : CLCComDispatchObject(pOuter), m_pApi(std::make_unique<::CLCCsvConvDataCbC>())
{
}

CLCCsvConvDataCbC::~CLCCsvConvDataCbC()
{
    m_pResultCbC.Reset();
    m_pResultGIR.Reset();
}

void* CLCCsvConvDataCbC::FindExtraInterface(REFIID riid)
{
    return IsEqualIID(riid, IID_IObjectSafety) ? static_cast<IObjectSafety*>(this) : nullptr;
}

bool CLCCsvConvDataCbC::EnsureResultCbC(const char* szFunction)
{
    if (!m_pResultCbC && !MakeResult(CLSID_CLCCsvConvResultCbC, m_pResultCbC)) {
        m_pResultCbC.Reset();
        CLC_LOG(szFunction, kResultCbCFailed);
        return false;
    }
    return true;
}

bool CLCCsvConvDataCbC::EnsureResultGIR(const char* szFunction)
{
    if (m_pResultGIR)
        return SUCCEEDED(m_pResultGIR->Clear());
    if (!MakeResult(CLSID_CLCCsvConvResultGIR, m_pResultGIR)) {
        m_pResultGIR.Reset();
        CLC_LOG(szFunction, kResultGIRFailed);
        return false;
    }
    return true;
}

// A CbC-kind method: the out-parameter checked and cleared, the kept result
// made, the operation run on the API object, its Result, DetailErrorInfo and
// the data properties of uData copied. An exception inside the operation
// leaves "E_FAIL", the fatal row and empty data, and the method fails.
template <typename FnCall>
HRESULT CLCCsvConvDataCbC::RunCbC(const char* szFunction, IDispatch** ppResult, unsigned uData, FnCall fnCall)
{
    try {
        if (!CLCComAccess::ClearOut(ppResult, szFunction))
            return E_POINTER;
        if (!EnsureResultCbC(szFunction))
            return E_FAIL;
        CLICsvConvResultCbC* pResult = m_pResultCbC.Get();
        // The texts leave the API object, which would keep them for its life:
        // the COM result's copy is then the only one in the process.
        const ::CLCCsvConvResultCbC result = std::exchange(*fnCall(*m_pApi), ::CLCCsvConvResultCbC());
        const bool bFaulted = m_pApi->LastOperationFaulted();
        Put(pResult, &CLICsvConvResultCbC::put_Result, bFaulted ? "E_FAIL" : result.getResult());
        Put(pResult, &CLICsvConvResultCbC::put_DetailErrorInfo,
            bFaulted ? CLCValidResult::kFatalText : result.getDetailErrorInfo());
        for (const SDataProperty& property : kDataProperties) {
            if ((uData & property.uFlag) != 0)
                Put(pResult, property.pfnPut, bFaulted ? std::string() : (result.*property.pfnGet)());
        }
        if (bFaulted)
            return E_FAIL;   // the API object has logged it
        HandOut(pResult, ppResult);
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpectedError);
        return E_FAIL;
    }
}

void CLCCsvConvDataCbC::SetErrorDetailInfoGIR(const ::CLCCsvConvResultGIR& result)
{
    if (!m_pResultGIR)
        throw std::runtime_error("no GIR result");
    const std::vector<std::string> vecFiles = result.GetErrFileName();
    const std::vector<std::string> vecDetails = result.GetDetailErrInfo();
    CLICsvConvResultGIR* pResult = m_pResultGIR.Get();
    if (FAILED(pResult->clearDetailErrorInfo()))
        throw std::runtime_error("the GIR lists could not be emptied");
    if (vecFiles.size() != vecDetails.size()) {
        CLC_LOG("CLCCsvConvDataCbC::SetErrorDetailInfoGIR", kListsDiffer);
        throw std::runtime_error("file and detail lists differ in length");
    }
    for (size_t i = 0; i < vecFiles.size(); ++i) {
        Put(pResult, &CLICsvConvResultGIR::addFileName, vecFiles[i]);
        Put(pResult, &CLICsvConvResultGIR::addDetailErrorInfo, vecDetails[i]);
    }
}

// A GIR-kind method: as RunCbC, with the kept result emptied first, the two
// lists copied and the operation's one data property (pfnPut from pfnGet).
template <typename FnCall>
HRESULT CLCCsvConvDataCbC::RunGIR(const char* szFunction, IDispatch** ppResult, GIRPut pfnPut, GIRGet pfnGet,
                                  FnCall fnCall)
{
    try {
        if (!CLCComAccess::ClearOut(ppResult, szFunction))
            return E_POINTER;
        if (!EnsureResultGIR(szFunction))
            return E_FAIL;
        CLICsvConvResultGIR* pResult = m_pResultGIR.Get();
        const ::CLCCsvConvResultGIR result = std::exchange(*fnCall(*m_pApi), ::CLCCsvConvResultGIR());
        if (m_pApi->LastOperationFaulted()) {
            Put(pResult, &CLICsvConvResultGIR::put_Result, "E_FAIL");
            pResult->clearDetailErrorInfo();
            Put(pResult, &CLICsvConvResultGIR::addFileName, CLCValidResultGIR::kOtherFile);
            Put(pResult, &CLICsvConvResultGIR::addDetailErrorInfo, CLCValidResultGIR::kFatalTextGIR);
            return E_FAIL;
        }
        const std::string strResult = result.get_Result();
        Put(pResult, &CLICsvConvResultGIR::put_Result, strResult);
        if (strResult == "S_OK") {
            if (FAILED(pResult->clearDetailErrorInfo()))
                throw std::runtime_error("the GIR lists could not be emptied");
        } else {
            SetErrorDetailInfoGIR(result);
        }
        Put(pResult, pfnPut, (result.*pfnGet)());
        HandOut(pResult, ppResult);
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpectedError);
        return E_FAIL;
    }
}

STDMETHODIMP CLCCsvConvDataCbC::AppendixTableCsvCheck(BSTR bstrCsvPathName, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::AppendixTableCsvCheck", pResultInfo, kAppendixTableData,
                  [&](::CLCCsvConvDataCbC& api) { return api.AppendixTableCsvCheck(CArg(bstrCsvPathName)); });
}

STDMETHODIMP CLCCsvConvDataCbC::ReportIntegrityCheck(BSTR bstrCsvPathName, BSTR bstrTodokede, BSTR bstrCbC,
                                                     BSTR bstrMF, BSTR bstrTodokedeHojinNo, BSTR bstrCbCHojinNo,
                                                     BSTR bstrMFHojinNo, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::ReportIntegrityCheck", pResultInfo, kAppendixTableData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.ReportIntegrityCheck(CArg(bstrCsvPathName), CArg(bstrTodokede), CArg(bstrCbC),
                                                      CArg(bstrMF), CArg(bstrTodokedeHojinNo),
                                                      CArg(bstrCbCHojinNo), CArg(bstrMFHojinNo));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CsvConvAppendixTableData(BSTR bstrCsvPathName, BSTR bstrSoftName,
                                                         BSTR bstrSakuseiName, BSTR bstrOutputPathName,
                                                         IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CsvConvAppendixTableData", pResultInfo, kAppendixTableData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CsvConvAppendixTableData(CArg(bstrCsvPathName), CArg(bstrSoftName),
                                                          CArg(bstrSakuseiName), CArg(bstrOutputPathName));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CbCReportCsvCheck(BSTR bstrCsvPathName, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CbCReportCsvCheck", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) { return api.CbCReportCsvCheck(CArg(bstrCsvPathName)); });
}

STDMETHODIMP CLCCsvConvDataCbC::CbCReportIntegrityCheck(BSTR bstrCsvPathName, BSTR bstrHojinNo,
                                                        IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CbCReportIntegrityCheck", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CbCReportIntegrityCheck(CArg(bstrCsvPathName), CArg(bstrHojinNo));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CsvConvCbCReportData(BSTR bstrCsvPathName, BSTR bstrOutputPathName,
                                                     IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CsvConvCbCReportData", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CsvConvCbCReportData(CArg(bstrCsvPathName), CArg(bstrOutputPathName));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::ReadXMLFile(BSTR bstrXMLPathName, LONG nReadLimitSize, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::ReadXMLFile", pResultInfo, kXMLData, [&](::CLCCsvConvDataCbC& api) {
        return api.ReadXMLFile(CArg(bstrXMLPathName), nReadLimitSize);
    });
}

STDMETHODIMP CLCCsvConvDataCbC::CbCReportCsvCheck2(BSTR bstrCsvPathName, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CbCReportCsvCheck2", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) { return api.CbCReportCsvCheck2(CArg(bstrCsvPathName)); });
}

STDMETHODIMP CLCCsvConvDataCbC::CbCReportIntegrityCheck2(BSTR bstrCsvPathName, BSTR bstrHojinNo,
                                                         IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CbCReportIntegrityCheck2", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CbCReportIntegrityCheck2(CArg(bstrCsvPathName), CArg(bstrHojinNo));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CsvConvCbCReportData2(BSTR bstrCsvPathName, BSTR bstrOutputPathName,
                                                      IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CsvConvCbCReportData2", pResultInfo, kCbCReportData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CsvConvCbCReportData2(CArg(bstrCsvPathName), CArg(bstrOutputPathName));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::GIRCsvCheck(BSTR bstrCsvFolderPath, BSTR bstrHojinNo, IDispatch** pGIRResultInfo)
{
    return RunGIR("CLCCsvConvDataCbC::GIRCsvCheck", pGIRResultInfo, &CLICsvConvResultGIR::put_GIRData,
                  &::CLCCsvConvResultGIR::get_GIRData, [&](::CLCCsvConvDataCbC& api) {
                      return api.GIRCsvCheck(CArg(bstrCsvFolderPath), CArg(bstrHojinNo));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CsvConvGIRData(BSTR bstrCsvFolderPath, BSTR bstrOutputPathName,
                                               IDispatch** pGIRResultInfo)
{
    return RunGIR("CLCCsvConvDataCbC::CsvConvGIRData", pGIRResultInfo, &CLICsvConvResultGIR::put_GIRData,
                  &::CLCCsvConvResultGIR::get_GIRData, [&](::CLCCsvConvDataCbC& api) {
                      return api.CsvConvGIRData(CArg(bstrCsvFolderPath), CArg(bstrOutputPathName));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::GIRAppendixTableCsvCheck(BSTR bstrCsvPathName, BSTR bstrTeikyou, BSTR bstrHojinNo,
                                                         IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::GIRAppendixTableCsvCheck", pResultInfo, kGIRAppendixTableData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.GIRAppendixTableCsvCheck(CArg(bstrCsvPathName), CArg(bstrTeikyou),
                                                          CArg(bstrHojinNo));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::CsvConvGIRAppendixTableData(BSTR bstrCsvPathName, BSTR bstrSoftName,
                                                            BSTR bstrSakuseiName, BSTR bstrOutputPathName,
                                                            IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CsvConvGIRAppendixTableData", pResultInfo, kGIRAppendixTableData,
                  [&](::CLCCsvConvDataCbC& api) {
                      return api.CsvConvGIRAppendixTableData(CArg(bstrCsvPathName), CArg(bstrSoftName),
                                                             CArg(bstrSakuseiName), CArg(bstrOutputPathName));
                  });
}

STDMETHODIMP CLCCsvConvDataCbC::GetFolderPath(BSTR bstrDefFolderPath, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::GetFolderPath", pResultInfo, kFolder,
                  [&](::CLCCsvConvDataCbC& api) { return api.GetFolderPath(CArg(bstrDefFolderPath)); });
}

STDMETHODIMP CLCCsvConvDataCbC::ReadCSVFile(BSTR bstrCsvPathName, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::ReadCSVFile", pResultInfo, kCsv,
                  [&](::CLCCsvConvDataCbC& api) { return api.ReadCSVFile(CArg(bstrCsvPathName)); });
}

// The text goes to the file in code page 932, never through the ANSI code
// page: a character without a Shift_JIS form reaches the road as no text,
// which refuses it with a row and leaves the file as it was.
STDMETHODIMP CLCCsvConvDataCbC::CbCCsvWrite(BSTR bstrCsvPathName, BSTR bstrWriteData, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::CbCCsvWrite", pResultInfo, kNoData, [&](::CLCCsvConvDataCbC& api) {
        std::string strSjis;
        const bool bSjis = CLCComText::ToCp932(bstrWriteData, strSjis);
        return api.CbCCsvWrite(CArg(bstrCsvPathName), bSjis ? strSjis.c_str() : nullptr);
    });
}

STDMETHODIMP CLCCsvConvDataCbC::GIRFolderCheck(BSTR bstrCsvFolderPath, IDispatch** pResultInfo)
{
    return RunGIR("CLCCsvConvDataCbC::GIRFolderCheck", pResultInfo, &CLICsvConvResultGIR::put_FileName,
                  &::CLCCsvConvResultGIR::get_FileName,
                  [&](::CLCCsvConvDataCbC& api) { return api.GIRFolderCheck(CArg(bstrCsvFolderPath)); });
}

STDMETHODIMP CLCCsvConvDataCbC::ReadFile(BSTR bstrCsvPathName, IDispatch** pResultInfo)
{
    return RunCbC("CLCCsvConvDataCbC::ReadFile", pResultInfo, kBase64Data,
                  [&](::CLCCsvConvDataCbC& api) { return api.ReadFile(CArg(bstrCsvPathName)); });
}

STDMETHODIMP CLCCsvConvDataCbC::GetInterfaceSafetyOptions(REFIID riid, DWORD* pdwSupportedOptions,
                                                          DWORD* pdwEnabledOptions)
{
    if (pdwSupportedOptions == nullptr || pdwEnabledOptions == nullptr)
        return E_POINTER;
    CLCComPtr<IUnknown> pInterface;
    const HRESULT hr = QueryInterface(riid, pInterface.PutVoid());
    if (FAILED(hr)) {
        *pdwSupportedOptions = 0;
        *pdwEnabledOptions = 0;
        return hr;
    }
    *pdwSupportedOptions = kSafetyOptions;
    *pdwEnabledOptions = m_dwSafety;
    return S_OK;
}

STDMETHODIMP CLCCsvConvDataCbC::SetInterfaceSafetyOptions(REFIID riid, DWORD dwOptionSetMask, DWORD dwEnabledOptions)
{
    CLCComPtr<IUnknown> pInterface;
    if (FAILED(QueryInterface(riid, pInterface.PutVoid())))
        return E_NOINTERFACE;
    if ((dwOptionSetMask & ~kSafetyOptions) != 0)
        return E_FAIL;
    m_dwSafety = (m_dwSafety & ~dwOptionSetMask) | (dwOptionSetMask & dwEnabledOptions);
    return S_OK;
}

} // namespace tesvantcom
