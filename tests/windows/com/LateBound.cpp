#include "LateBound.h"
#include "windows/CLCWinText.h"
#include <objbase.h>

HRESULT comtest::CLateBound::Create(const wchar_t* wszProgID, CLateBound& out)
{
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(wszProgID, &clsid);
    if (FAILED(hr))
        return hr;
    CLCComPtr<IDispatch> pDispatch;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, pDispatch.PutVoid());
    if (FAILED(hr))
        return hr;
    out = CLateBound(std::move(pDispatch));
    return S_OK;
}

HRESULT comtest::CLateBound::IdOf(const wchar_t* wszName, DISPID& dispid) const
{
    if (!m_pDispatch)
        return E_POINTER;
    LPOLESTR pName = const_cast<LPOLESTR>(wszName);
    return m_pDispatch->GetIDsOfNames(IID_NULL, &pName, 1, LOCALE_USER_DEFAULT, &dispid);
}

HRESULT comtest::CLateBound::Invoke(const wchar_t* wszName, WORD wFlags, const std::vector<CVariant>& vecArgs,
                                    CVariant& result) const
{
    DISPID dispid = DISPID_UNKNOWN;
    const HRESULT hr = IdOf(wszName, dispid);
    if (FAILED(hr))
        return hr;
    // The callee only reads [in] arguments: shallow copies suffice.
    std::vector<VARIANTARG> vecReversed(vecArgs.size());
    for (std::size_t i = 0; i < vecArgs.size(); ++i)
        vecReversed[i] = vecArgs[vecArgs.size() - 1 - i].Value();
    DISPPARAMS params{vecReversed.empty() ? nullptr : vecReversed.data(), nullptr,
                      static_cast<UINT>(vecReversed.size()), 0};
    EXCEPINFO excepInfo{};
    UINT uArgErr = 0;
    const HRESULT hrInvoke = m_pDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, result.Put(),
                                                 &excepInfo, &uArgErr);
    SysFreeString(excepInfo.bstrSource);
    SysFreeString(excepInfo.bstrDescription);
    SysFreeString(excepInfo.bstrHelpFile);
    return hrInvoke;
}

HRESULT comtest::CLateBound::CallObject(const wchar_t* wszName, const std::vector<CVariant>& vecArgs,
                                        CLateBound& result) const
{
    CVariant var;
    const HRESULT hr = Invoke(wszName, DISPATCH_METHOD, vecArgs, var);
    if (FAILED(hr))
        return hr;
    if (var.Value().vt != VT_DISPATCH || var.Value().pdispVal == nullptr)
        return DISP_E_TYPEMISMATCH;
    CLCComPtr<IDispatch> pDispatch;
    var.Value().pdispVal->AddRef();
    *pDispatch.Put() = var.Value().pdispVal;
    result = CLateBound(std::move(pDispatch));
    return S_OK;
}

HRESULT comtest::TextOf(const CVariant& var, std::string& strUtf8)
{
    if (var.Value().vt != VT_BSTR)
        return DISP_E_TYPEMISMATCH;
    const BSTR b = var.Value().bstrVal;
    strUtf8.clear();
    if (b == nullptr)
        return S_OK;
    return CLCWinText::WideToUtf8(std::wstring(b, SysStringLen(b)), strUtf8) ? S_OK : E_UNEXPECTED;
}

HRESULT comtest::CLateBound::GetText(const wchar_t* wszName, std::string& strUtf8) const
{
    CVariant var;
    const HRESULT hr = Invoke(wszName, DISPATCH_PROPERTYGET, {}, var);
    return FAILED(hr) ? hr : TextOf(var, strUtf8);
}

HRESULT comtest::CLateBound::CallText(const wchar_t* wszName, LONG lArg, std::string& strUtf8) const
{
    std::vector<CVariant> vecArgs;
    vecArgs.push_back(CVariant::Long(lArg));
    CVariant var;
    const HRESULT hr = Invoke(wszName, DISPATCH_METHOD, vecArgs, var);
    return FAILED(hr) ? hr : TextOf(var, strUtf8);
}

HRESULT comtest::CLateBound::GetLong(const wchar_t* wszName, LONG& lValue) const
{
    CVariant var;
    const HRESULT hr = Invoke(wszName, DISPATCH_PROPERTYGET, {}, var);
    if (FAILED(hr))
        return hr;
    if (var.Value().vt != VT_I4)
        return DISP_E_TYPEMISMATCH;
    lValue = var.Value().lVal;
    return S_OK;
}
