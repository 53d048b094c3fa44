#pragma once
#include "windows/com/CLCComObject.h"

#include "TesvantLib.h"

#include <array>

namespace tesvantcom {

// The COM result of the sixteen CbC, appendix-table and file operations:
// eleven BSTR properties, each read and written only through its own
// accessors, all empty at creation.
class CLCCsvConvResultCbC final : public CLCComDispatchObject<CLICsvConvResultCbC> {
public:
    explicit CLCCsvConvResultCbC(IUnknown* pOuter) : CLCComDispatchObject(pOuter) {}
    ~CLCCsvConvResultCbC() override;

    STDMETHODIMP get_Result(BSTR* pVal) override;
    STDMETHODIMP put_Result(BSTR newVal) override;
    STDMETHODIMP get_DetailErrorInfo(BSTR* pVal) override;
    STDMETHODIMP put_DetailErrorInfo(BSTR newVal) override;
    STDMETHODIMP get_AppendixTableData(BSTR* pVal) override;
    STDMETHODIMP put_AppendixTableData(BSTR newVal) override;
    STDMETHODIMP get_CbCReportData(BSTR* pVal) override;
    STDMETHODIMP put_CbCReportData(BSTR newVal) override;
    STDMETHODIMP get_XMLData(BSTR* pVal) override;
    STDMETHODIMP put_XMLData(BSTR newVal) override;
    STDMETHODIMP get_GIRAppendixTableData(BSTR* pVal) override;
    STDMETHODIMP put_GIRAppendixTableData(BSTR newVal) override;
    STDMETHODIMP get_FolderPath(BSTR* pVal) override;
    STDMETHODIMP put_FolderPath(BSTR newVal) override;
    STDMETHODIMP get_FileName(BSTR* pVal) override;
    STDMETHODIMP put_FileName(BSTR newVal) override;
    STDMETHODIMP get_CsvData(BSTR* pVal) override;
    STDMETHODIMP put_CsvData(BSTR newVal) override;
    STDMETHODIMP get_CsvDataSize(BSTR* pVal) override;
    STDMETHODIMP put_CsvDataSize(BSTR newVal) override;
    STDMETHODIMP get_Base64Data(BSTR* pVal) override;
    STDMETHODIMP put_Base64Data(BSTR newVal) override;

private:
    enum EProperty : size_t {
        kResult, kDetailErrorInfo, kAppendixTableData, kCbCReportData, kXMLData, kGIRAppendixTableData,
        kFolderPath, kFileName, kCsvData, kCsvDataSize, kBase64Data, kPropertyCount
    };
    HRESULT Get(EProperty property, BSTR* pVal, const char* szFunction) const;
    HRESULT Put(EProperty property, BSTR newVal, const char* szFunction);

    std::array<BSTR, kPropertyCount> m_values{};
};

} // namespace tesvantcom
