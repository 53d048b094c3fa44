#include "windows/com/CLCCsvConvResultCbC.h"
#include "windows/com/CLCComAccess.h"

namespace tesvantcom {

CLCCsvConvResultCbC::~CLCCsvConvResultCbC()
{
    for (BSTR bstr : m_values)
        SysFreeString(bstr);
}

HRESULT CLCCsvConvResultCbC::Get(EProperty property, BSTR* pVal, const char* szFunction) const
{
    return CLCComAccess::GetString(m_values[property], pVal, szFunction);
}

HRESULT CLCCsvConvResultCbC::Put(EProperty property, BSTR newVal, const char* szFunction)
{
    return CLCComAccess::PutString(m_values[property], newVal, szFunction);
}

STDMETHODIMP CLCCsvConvResultCbC::get_Result(BSTR* pVal)
{
    return Get(kResult, pVal, "CLCCsvConvResultCbC::get_Result");
}

STDMETHODIMP CLCCsvConvResultCbC::put_Result(BSTR newVal)
{
    return Put(kResult, newVal, "CLCCsvConvResultCbC::put_Result");
}

STDMETHODIMP CLCCsvConvResultCbC::get_DetailErrorInfo(BSTR* pVal)
{
    return Get(kDetailErrorInfo, pVal, "CLCCsvConvResultCbC::get_DetailErrorInfo");
}

STDMETHODIMP CLCCsvConvResultCbC::put_DetailErrorInfo(BSTR newVal)
{
    return Put(kDetailErrorInfo, newVal, "CLCCsvConvResultCbC::put_DetailErrorInfo");
}

STDMETHODIMP CLCCsvConvResultCbC::get_AppendixTableData(BSTR* pVal)
{
    return Get(kAppendixTableData, pVal, "CLCCsvConvResultCbC::get_AppendixTableData");
}

STDMETHODIMP CLCCsvConvResultCbC::put_AppendixTableData(BSTR newVal)
{
    return Put(kAppendixTableData, newVal, "CLCCsvConvResultCbC::put_AppendixTableData");
}

STDMETHODIMP CLCCsvConvResultCbC::get_CbCReportData(BSTR* pVal)
{
    return Get(kCbCReportData, pVal, "CLCCsvConvResultCbC::get_CbCReportData");
}

STDMETHODIMP CLCCsvConvResultCbC::put_CbCReportData(BSTR newVal)
{
    return Put(kCbCReportData, newVal, "CLCCsvConvResultCbC::put_CbCReportData");
}

STDMETHODIMP CLCCsvConvResultCbC::get_XMLData(BSTR* pVal)
{
    return Get(kXMLData, pVal, "CLCCsvConvResultCbC::get_XMLData");
}

STDMETHODIMP CLCCsvConvResultCbC::put_XMLData(BSTR newVal)
{
    return Put(kXMLData, newVal, "CLCCsvConvResultCbC::put_XMLData");
}

STDMETHODIMP CLCCsvConvResultCbC::get_GIRAppendixTableData(BSTR* pVal)
{
    return Get(kGIRAppendixTableData, pVal, "CLCCsvConvResultCbC::get_GIRAppendixTableData");
}

STDMETHODIMP CLCCsvConvResultCbC::put_GIRAppendixTableData(BSTR newVal)
{
    return Put(kGIRAppendixTableData, newVal, "CLCCsvConvResultCbC::put_GIRAppendixTableData");
}

STDMETHODIMP CLCCsvConvResultCbC::get_FolderPath(BSTR* pVal)
{
    return Get(kFolderPath, pVal, "CLCCsvConvResultCbC::get_FolderPath");
}

STDMETHODIMP CLCCsvConvResultCbC::put_FolderPath(BSTR newVal)
{
    return Put(kFolderPath, newVal, "CLCCsvConvResultCbC::put_FolderPath");
}

STDMETHODIMP CLCCsvConvResultCbC::get_FileName(BSTR* pVal)
{
    return Get(kFileName, pVal, "CLCCsvConvResultCbC::get_FileName");
}

STDMETHODIMP CLCCsvConvResultCbC::put_FileName(BSTR newVal)
{
    return Put(kFileName, newVal, "CLCCsvConvResultCbC::put_FileName");
}

STDMETHODIMP CLCCsvConvResultCbC::get_CsvData(BSTR* pVal)
{
    return Get(kCsvData, pVal, "CLCCsvConvResultCbC::get_CsvData");
}

STDMETHODIMP CLCCsvConvResultCbC::put_CsvData(BSTR newVal)
{
    return Put(kCsvData, newVal, "CLCCsvConvResultCbC::put_CsvData");
}

STDMETHODIMP CLCCsvConvResultCbC::get_CsvDataSize(BSTR* pVal)
{
    return Get(kCsvDataSize, pVal, "CLCCsvConvResultCbC::get_CsvDataSize");
}

STDMETHODIMP CLCCsvConvResultCbC::put_CsvDataSize(BSTR newVal)
{
    return Put(kCsvDataSize, newVal, "CLCCsvConvResultCbC::put_CsvDataSize");
}

STDMETHODIMP CLCCsvConvResultCbC::get_Base64Data(BSTR* pVal)
{
    return Get(kBase64Data, pVal, "CLCCsvConvResultCbC::get_Base64Data");
}

STDMETHODIMP CLCCsvConvResultCbC::put_Base64Data(BSTR newVal)
{
    return Put(kBase64Data, newVal, "CLCCsvConvResultCbC::put_Base64Data");
}

} // namespace tesvantcom
