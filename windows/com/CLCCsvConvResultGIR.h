#pragma once
#include "windows/com/CLCComObject.h"

#include "TesvantLib.h"

#include <vector>

namespace tesvantcom {

// The COM result of the three GIR folder operations: Result, GIRData and
// FileName, and the two lists whose entry i (a file name, its detail text)
// belong together.
class CLCCsvConvResultGIR final : public CLCComDispatchObject<CLICsvConvResultGIR> {
public:
    explicit CLCCsvConvResultGIR(IUnknown* pOuter) : CLCComDispatchObject(pOuter) {}
    ~CLCCsvConvResultGIR() override;

    STDMETHODIMP get_Result(BSTR* pVal) override;
    STDMETHODIMP put_Result(BSTR newVal) override;
    STDMETHODIMP get_GIRData(BSTR* pVal) override;
    STDMETHODIMP put_GIRData(BSTR newVal) override;
    STDMETHODIMP get_ErrInfoCount(LONG* pVal) override;
    STDMETHODIMP GetErrFileName(LONG lErrInfoNumber, BSTR* pbstrtCsvFileName) override;
    STDMETHODIMP GetDetailErrInfo(LONG lErrInfoNumber, BSTR* pbstrDetailErrInfo) override;
    STDMETHODIMP clearDetailErrorInfo() override;
    STDMETHODIMP addFileName(BSTR strFileName) override;
    STDMETHODIMP addDetailErrorInfo(BSTR bstrDetailErrorInfo) override;
    STDMETHODIMP Clear() override;
    STDMETHODIMP get_FileName(BSTR* pVal) override;
    STDMETHODIMP put_FileName(BSTR newVal) override;

private:
    static void FreeAll(std::vector<BSTR>& vecList);
    static HRESULT GetEntry(const std::vector<BSTR>& vecList, LONG lIndex, BSTR* pVal, const char* szFunction);
    static HRESULT Append(std::vector<BSTR>& vecList, BSTR bstrValue, const char* szFunction);

    BSTR m_bstrResult = nullptr;
    BSTR m_bstrGIRData = nullptr;
    BSTR m_bstrFileName = nullptr;
    std::vector<BSTR> m_vecFileNames;
    std::vector<BSTR> m_vecDetails;
};

} // namespace tesvantcom
