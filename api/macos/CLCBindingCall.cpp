#include "api/macos/CLCBindingCall.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <string>

namespace {

using Args = const char* const*;
using Copy = CLCBindingCall::SResultCopy;

void Keep(const CLCCsvConvResultCbC& r, Copy& c)
{
    c.aTexts[CLIFieldResult] = r.getResult();
    c.aTexts[CLIFieldDetailErrorInfo] = r.getDetailErrorInfo();
    c.aTexts[CLIFieldAppendixTableData] = r.getAppendixTableData();
    c.aTexts[CLIFieldCbCReportData] = r.getCbCReportData();
    c.aTexts[CLIFieldXMLData] = r.getXMLData();
    c.aTexts[CLIFieldGIRAppendixTableData] = r.get_GIRAppendixTableData();
    c.aTexts[CLIFieldFolderPath] = r.get_FolderPath();
    c.aTexts[CLIFieldFileName] = r.get_FileName();
    c.aTexts[CLIFieldCsvData] = r.get_CsvData();
    c.aTexts[CLIFieldCsvDataSize] = r.get_CsvDataSize();
    c.aTexts[CLIFieldBase64Data] = r.get_Base64Data();
}

void Keep(const CLCCsvConvResultGIR& r, Copy& c)
{
    c.aTexts[CLIFieldResult] = r.get_Result();
    c.aTexts[CLIFieldGIRData] = r.get_GIRData();
    c.aTexts[CLIFieldFileName] = r.get_FileName();
    c.aTexts[CLIFieldDetailErrorInfoCount] = std::to_string(r.get_ErrInfoCount());
    c.vecDetailErrInfo = r.GetDetailErrInfo();
    c.vecErrFileName = r.GetErrFileName();
}

struct SOperation {
    CLIBindingOperation eOp;
    void (*pfnRun)(CLCCsvConvDataCbC& api, Args a, long limitSize, Copy& c);
};

// One row per operation, in the API's order; the arguments in the selector's order.
constexpr SOperation kOperations[] = {
    {CLIOpAppendixTableCsvCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.AppendixTableCsvCheck(a[0]), c); }},
    {CLIOpReportIntegrityCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) {
         Keep(*api.ReportIntegrityCheck(a[0], a[1], a[2], a[3], a[4], a[5], a[6]), c);
     }},
    {CLIOpCsvConvAppendixTableData,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) {
         Keep(*api.CsvConvAppendixTableData(a[0], a[1], a[2], a[3]), c);
     }},
    {CLIOpCbCReportCsvCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CbCReportCsvCheck(a[0]), c); }},
    {CLIOpCbCReportIntegrityCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CbCReportIntegrityCheck(a[0], a[1]), c); }},
    {CLIOpCsvConvCbCReportData,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CsvConvCbCReportData(a[0], a[1]), c); }},
    {CLIOpReadXMLFile,
     [](CLCCsvConvDataCbC& api, Args a, long l, Copy& c) { Keep(*api.ReadXMLFile(a[0], l), c); }},
    {CLIOpCbCReportCsvCheck2,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CbCReportCsvCheck2(a[0]), c); }},
    {CLIOpCbCReportIntegrityCheck2,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CbCReportIntegrityCheck2(a[0], a[1]), c); }},
    {CLIOpCsvConvCbCReportData2,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CsvConvCbCReportData2(a[0], a[1]), c); }},
    {CLIOpGIRCsvCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.GIRCsvCheck(a[0], a[1]), c); }},
    {CLIOpCsvConvGIRData,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CsvConvGIRData(a[0], a[1]), c); }},
    {CLIOpGIRAppendixTableCsvCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) {
         Keep(*api.GIRAppendixTableCsvCheck(a[0], a[1], a[2]), c);
     }},
    {CLIOpCsvConvGIRAppendixTableData,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) {
         Keep(*api.CsvConvGIRAppendixTableData(a[0], a[1], a[2], a[3]), c);
     }},
    {CLIOpGetFolderPath,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.GetFolderPath(a[0]), c); }},
    {CLIOpReadCSVFile,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.ReadCSVFile(a[0]), c); }},
    {CLIOpCbCCsvWrite,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.CbCCsvWrite(a[0], a[1]), c); }},
    {CLIOpGIRFolderCheck,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.GIRFolderCheck(a[0]), c); }},
    {CLIOpReadFile,
     [](CLCCsvConvDataCbC& api, Args a, long, Copy& c) { Keep(*api.ReadFile(a[0]), c); }},
};
static_assert(RowPerOperation(kOperations), "row i is operation i + 1");

} // namespace

CLCBindingCall::CLCBindingCall() : m_pApi(std::make_unique<CLCCsvConvDataCbC>()) {}

CLCBindingCall::~CLCBindingCall() = default;

CLCBindingCall* CLCBindingCall::Open() noexcept
{
    try {
        return new CLCBindingCall();
    } catch (...) {
        return nullptr;
    }
}

void CLCBindingCall::Close(CLCBindingCall* pCall) noexcept
{
    delete pCall;
}

const char* CLCBindingCall::ToCp932(const char* szUtf8) noexcept
{
    if (szUtf8 == nullptr)
        return nullptr;
    try {
        if (CLCMacOSNative::Utf8ToSjis(szUtf8, m_strCp932))
            return m_strCp932.c_str();
    } catch (...) {
    }
    return nullptr;
}

bool CLCBindingCall::Run(CLIBindingOperation eOp, const char* const* pArgs, long limitSize) noexcept
{
    if (eOp < 1 || eOp > CLIOpLast)
        return false;
    try {
        kOperations[eOp - 1].pfnRun(*m_pApi, pArgs, limitSize, m_copy);
        return true;
    } catch (...) {
        m_copy = SResultCopy();
        return false;
    }
}

const std::string& CLCBindingCall::Text(CLIBindingField eField) const noexcept
{
    static const std::string s_strNone;
    return eField < CLIFieldCount ? m_copy.aTexts[eField] : s_strNone;
}

const std::vector<std::string>* CLCBindingCall::List(CLIBindingField eField) const noexcept
{
    if (eField == CLIFieldDetailErrorInfoList)
        return &m_copy.vecDetailErrInfo;
    if (eField == CLIFieldErrorFileName)
        return &m_copy.vecErrFileName;
    return nullptr;
}

size_t CLCBindingCall::ListSize(CLIBindingField eField) const noexcept
{
    const std::vector<std::string>* pList = List(eField);
    return pList ? pList->size() : 0;
}

const char* CLCBindingCall::ListEntry(CLIBindingField eField, size_t nIndex) const noexcept
{
    const std::vector<std::string>* pList = List(eField);
    return pList && nIndex < pList->size() ? (*pList)[nIndex].c_str() : "";
}
