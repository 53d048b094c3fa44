#include "api/macos/CLCBindingCall.h"
#include "api/CLCApiOperations.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <string>

namespace {

using Copy = CLCBindingCall::SResultCopy;

void Keep(const CLCCsvConvResultCbC& r, Copy& c)
{
    c.aTexts[apiops::PropResult] = r.getResult();
    c.aTexts[apiops::PropDetailErrorInfo] = r.getDetailErrorInfo();
    c.aTexts[apiops::PropAppendixTableData] = r.getAppendixTableData();
    c.aTexts[apiops::PropCbCReportData] = r.getCbCReportData();
    c.aTexts[apiops::PropXMLData] = r.getXMLData();
    c.aTexts[apiops::PropGIRAppendixTableData] = r.get_GIRAppendixTableData();
    c.aTexts[apiops::PropFolderPath] = r.get_FolderPath();
    c.aTexts[apiops::PropFileName] = r.get_FileName();
    c.aTexts[apiops::PropCsvData] = r.get_CsvData();
    c.aTexts[apiops::PropCsvDataSize] = r.get_CsvDataSize();
    c.aTexts[apiops::PropBase64Data] = r.get_Base64Data();
}

void Keep(const CLCCsvConvResultGIR& r, Copy& c)
{
    c.aTexts[apiops::PropResult] = r.get_Result();
    c.aTexts[apiops::PropGIRData] = r.get_GIRData();
    c.aTexts[apiops::PropFileName] = r.get_FileName();
    c.aTexts[apiops::PropDetailErrorInfoCount] = std::to_string(r.get_ErrInfoCount());
    c.vecDetailErrInfo = r.GetDetailErrInfo();
    c.vecErrFileName = r.GetErrFileName();
}

void Keep(const apiops::SAnswer& answer, Copy& c)
{
    if (answer.pGIR != nullptr)
        Keep(*answer.pGIR, c);
    else
        Keep(*answer.pCbC, c);
}

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
        Keep(apiops::kOperations[eOp - 1].pfnRun(*m_pApi, pArgs, limitSize), m_copy);
        return true;
    } catch (...) {
        m_copy = SResultCopy();
        return false;
    }
}

const std::string& CLCBindingCall::Text(apiops::EProperty eField) const noexcept
{
    static const std::string s_strNone;
    return eField < apiops::kPropertyCount ? m_copy.aTexts[eField] : s_strNone;
}

const std::vector<std::string>* CLCBindingCall::List(apiops::EProperty eField) const noexcept
{
    if (eField == apiops::PropDetailErrorInfoList)
        return &m_copy.vecDetailErrInfo;
    if (eField == apiops::PropErrorFileName)
        return &m_copy.vecErrFileName;
    return nullptr;
}

size_t CLCBindingCall::ListSize(apiops::EProperty eField) const noexcept
{
    const std::vector<std::string>* pList = List(eField);
    return pList ? pList->size() : 0;
}

const char* CLCBindingCall::ListEntry(apiops::EProperty eField, size_t nIndex) const noexcept
{
    const std::vector<std::string>* pList = List(eField);
    return pList && nIndex < pList->size() ? (*pList)[nIndex].c_str() : "";
}
