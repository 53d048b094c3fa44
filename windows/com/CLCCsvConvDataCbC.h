#pragma once
#include "windows/CLCComPtr.h"
#include "windows/com/CLCComObject.h"

#include "TesvantLib.h"

#include <objsafe.h>
#include <memory>
#include <string>

class CLCCsvConvDataCbC;
class CLCCsvConvResultCbC;
class CLCCsvConvResultGIR;

namespace tesvantcom {

// The operations object of the COM server: every method runs the portable
// API object it keeps for its life and copies the properties the operation
// writes into the result object it keeps per kind, made through the registry
// on first use and handed out again, refilled, by every later call.
class CLCCsvConvDataCbC final : public CLCComDispatchObject<CLICsvConvDataCbC, IObjectSafety> {
public:
    explicit CLCCsvConvDataCbC(IUnknown* pOuter);
    ~CLCCsvConvDataCbC() override;

    STDMETHODIMP AppendixTableCsvCheck(BSTR bstrCsvPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP ReportIntegrityCheck(BSTR bstrCsvPathName, BSTR bstrTodokede, BSTR bstrCbC, BSTR bstrMF,
                                      BSTR bstrTodokedeHojinNo, BSTR bstrCbCHojinNo, BSTR bstrMFHojinNo,
                                      IDispatch** pResultInfo) override;
    STDMETHODIMP CsvConvAppendixTableData(BSTR bstrCsvPathName, BSTR bstrSoftName, BSTR bstrSakuseiName,
                                          BSTR bstrOutputPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP CbCReportCsvCheck(BSTR bstrCsvPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP CbCReportIntegrityCheck(BSTR bstrCsvPathName, BSTR bstrHojinNo, IDispatch** pResultInfo) override;
    STDMETHODIMP CsvConvCbCReportData(BSTR bstrCsvPathName, BSTR bstrOutputPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP ReadXMLFile(BSTR bstrXMLPathName, LONG nReadLimitSize, IDispatch** pResultInfo) override;
    STDMETHODIMP CbCReportCsvCheck2(BSTR bstrCsvPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP CbCReportIntegrityCheck2(BSTR bstrCsvPathName, BSTR bstrHojinNo, IDispatch** pResultInfo) override;
    STDMETHODIMP CsvConvCbCReportData2(BSTR bstrCsvPathName, BSTR bstrOutputPathName,
                                       IDispatch** pResultInfo) override;
    STDMETHODIMP GIRCsvCheck(BSTR bstrCsvFolderPath, BSTR bstrHojinNo, IDispatch** pGIRResultInfo) override;
    STDMETHODIMP CsvConvGIRData(BSTR bstrCsvFolderPath, BSTR bstrOutputPathName, IDispatch** pGIRResultInfo) override;
    STDMETHODIMP GIRAppendixTableCsvCheck(BSTR bstrCsvPathName, BSTR bstrTeikyou, BSTR bstrHojinNo,
                                          IDispatch** pResultInfo) override;
    STDMETHODIMP CsvConvGIRAppendixTableData(BSTR bstrCsvPathName, BSTR bstrSoftName, BSTR bstrSakuseiName,
                                             BSTR bstrOutputPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP GetFolderPath(BSTR bstrDefFolderPath, IDispatch** pResultInfo) override;
    STDMETHODIMP ReadCSVFile(BSTR bstrCsvPathName, IDispatch** pResultInfo) override;
    STDMETHODIMP CbCCsvWrite(BSTR bstrCsvPathName, BSTR bstrWriteData, IDispatch** pResultInfo) override;
    STDMETHODIMP GIRFolderCheck(BSTR bstrCsvFolderPath, IDispatch** pResultInfo) override;
    STDMETHODIMP ReadFile(BSTR bstrCsvPathName, IDispatch** pResultInfo) override;

    // IObjectSafety: both options supported, none enabled at creation.
    STDMETHODIMP GetInterfaceSafetyOptions(REFIID riid, DWORD* pdwSupportedOptions,
                                           DWORD* pdwEnabledOptions) override;
    STDMETHODIMP SetInterfaceSafetyOptions(REFIID riid, DWORD dwOptionSetMask, DWORD dwEnabledOptions) override;

    // The data properties a CbC-kind operation writes besides Result and
    // DetailErrorInfo.
    enum EData : unsigned {
        kNoData = 0,
        kAppendixTableData = 1u << 0,
        kCbCReportData = 1u << 1,
        kXMLData = 1u << 2,
        kGIRAppendixTableData = 1u << 3,
        kFolder = 1u << 4,    // FolderPath and FileName
        kCsv = 1u << 5,       // CsvData and CsvDataSize
        kBase64Data = 1u << 6,
    };

private:
    void* FindExtraInterface(REFIID riid) override;

    template <typename FnCall>
    HRESULT RunCbC(const char* szFunction, IDispatch** ppResult, unsigned uData, FnCall fnCall);
    using GIRPut = HRESULT (STDMETHODCALLTYPE CLICsvConvResultGIR::*)(BSTR);
    using GIRGet = const std::string& (::CLCCsvConvResultGIR::*)() const;
    template <typename FnCall>
    HRESULT RunGIR(const char* szFunction, IDispatch** ppResult, GIRPut pfnPut, GIRGet pfnGet, FnCall fnCall);
    bool EnsureResultCbC(const char* szFunction);
    bool EnsureResultGIR(const char* szFunction);
    // Copies the API's per-file detail texts into the GIR result; lists of
    // unequal length are logged and thrown.
    void SetErrorDetailInfoGIR(const ::CLCCsvConvResultGIR& result);

    std::unique_ptr<::CLCCsvConvDataCbC> m_pApi;
    CLCComPtr<CLICsvConvResultCbC> m_pResultCbC;
    CLCComPtr<CLICsvConvResultGIR> m_pResultGIR;
    DWORD m_dwSafety = 0;
};

} // namespace tesvantcom
