#include "windows/com/CLCCsvConvResultGIR.h"
#include "windows/com/CLCComAccess.h"
#include "windows/com/CLCComText.h"

#include "foundation/CLCDebugDump.h"

namespace tesvantcom {

namespace {
constexpr const char* kInvalidIndex = "無効なインデックスが渡されました。";
} // namespace

CLCCsvConvResultGIR::~CLCCsvConvResultGIR()
{
    SysFreeString(m_bstrResult);
    SysFreeString(m_bstrGIRData);
    SysFreeString(m_bstrFileName);
    FreeAll(m_vecFileNames);
    FreeAll(m_vecDetails);
}

void CLCCsvConvResultGIR::FreeAll(std::vector<BSTR>& vecList)
{
    for (BSTR bstr : vecList)
        SysFreeString(bstr);
    vecList.clear();
}

HRESULT CLCCsvConvResultGIR::GetEntry(const std::vector<BSTR>& vecList, LONG lIndex, BSTR* pVal,
                                      const char* szFunction)
{
    if (!CLCComAccess::ClearOut(pVal, szFunction))
        return E_POINTER;
    if (lIndex < 0 || static_cast<size_t>(lIndex) >= vecList.size()) {
        CLC_LOG(szFunction, kInvalidIndex);
        return E_FAIL;
    }
    return CLCComAccess::GetString(vecList[static_cast<size_t>(lIndex)], pVal, szFunction);
}

HRESULT CLCCsvConvResultGIR::Append(std::vector<BSTR>& vecList, BSTR bstrValue, const char* szFunction)
{
    try {
        vecList.reserve(vecList.size() + 1);   // the push below can then not throw and leak the copy
        vecList.push_back(CLCComText::Copy(bstrValue));
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpectedError);
        return E_FAIL;
    }
}

STDMETHODIMP CLCCsvConvResultGIR::get_Result(BSTR* pVal)
{
    return CLCComAccess::GetString(m_bstrResult, pVal, "CLCCsvConvResultGIR::get_Result");
}

STDMETHODIMP CLCCsvConvResultGIR::put_Result(BSTR newVal)
{
    return CLCComAccess::PutString(m_bstrResult, newVal, "CLCCsvConvResultGIR::put_Result");
}

STDMETHODIMP CLCCsvConvResultGIR::get_GIRData(BSTR* pVal)
{
    return CLCComAccess::GetString(m_bstrGIRData, pVal, "CLCCsvConvResultGIR::get_GIRData");
}

STDMETHODIMP CLCCsvConvResultGIR::put_GIRData(BSTR newVal)
{
    return CLCComAccess::PutString(m_bstrGIRData, newVal, "CLCCsvConvResultGIR::put_GIRData");
}

STDMETHODIMP CLCCsvConvResultGIR::get_FileName(BSTR* pVal)
{
    return CLCComAccess::GetString(m_bstrFileName, pVal, "CLCCsvConvResultGIR::get_FileName");
}

STDMETHODIMP CLCCsvConvResultGIR::put_FileName(BSTR newVal)
{
    return CLCComAccess::PutString(m_bstrFileName, newVal, "CLCCsvConvResultGIR::put_FileName");
}

STDMETHODIMP CLCCsvConvResultGIR::get_ErrInfoCount(LONG* pVal)
{
    if (pVal == nullptr) {
        CLCComAccess::LogInvalidPointer("CLCCsvConvResultGIR::get_ErrInfoCount");
        return E_POINTER;
    }
    *pVal = static_cast<LONG>(m_vecFileNames.size());
    return S_OK;
}

STDMETHODIMP CLCCsvConvResultGIR::GetErrFileName(LONG lErrInfoNumber, BSTR* pbstrtCsvFileName)
{
    return GetEntry(m_vecFileNames, lErrInfoNumber, pbstrtCsvFileName, "CLCCsvConvResultGIR::GetErrFileName");
}

STDMETHODIMP CLCCsvConvResultGIR::GetDetailErrInfo(LONG lErrInfoNumber, BSTR* pbstrDetailErrInfo)
{
    return GetEntry(m_vecDetails, lErrInfoNumber, pbstrDetailErrInfo, "CLCCsvConvResultGIR::GetDetailErrInfo");
}

STDMETHODIMP CLCCsvConvResultGIR::clearDetailErrorInfo()
{
    FreeAll(m_vecFileNames);
    FreeAll(m_vecDetails);
    return S_OK;
}

STDMETHODIMP CLCCsvConvResultGIR::addFileName(BSTR strFileName)
{
    return Append(m_vecFileNames, strFileName, "CLCCsvConvResultGIR::addFileName");
}

STDMETHODIMP CLCCsvConvResultGIR::addDetailErrorInfo(BSTR bstrDetailErrorInfo)
{
    return Append(m_vecDetails, bstrDetailErrorInfo, "CLCCsvConvResultGIR::addDetailErrorInfo");
}

STDMETHODIMP CLCCsvConvResultGIR::Clear()
{
    // The empty string of automation: a null BSTR.
    for (BSTR* pSlot : {&m_bstrResult, &m_bstrGIRData, &m_bstrFileName}) {
        SysFreeString(*pSlot);
        *pSlot = nullptr;
    }
    return clearDetailErrorInfo();
}

} // namespace tesvantcom
