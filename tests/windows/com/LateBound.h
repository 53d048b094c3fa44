#pragma once
// An automation object driven only through IDispatch by member name, as a
// script host drives it: GetIDsOfNames, then Invoke. Every call answers the
// HRESULT of the step that failed first.
#include "Variant.h"
#include "windows/CLCComPtr.h"
#include <windows.h>
#include <oaidl.h>
#include <string>
#include <vector>

namespace comtest {

class CLateBound {
public:
    CLateBound() = default;
    explicit CLateBound(CLCComPtr<IDispatch> pDispatch) : m_pDispatch(std::move(pDispatch)) {}

    // CLSIDFromProgID and CoCreateInstance for IDispatch, as CreateObject does.
    static HRESULT Create(const wchar_t* wszProgID, CLateBound& out);

    IDispatch* Get() const { return m_pDispatch.Get(); }
    HRESULT IdOf(const wchar_t* wszName, DISPID& dispid) const;
    // vecArgs in the member's order; DISPPARAMS gets them last first.
    HRESULT Invoke(const wchar_t* wszName, WORD wFlags, const std::vector<CVariant>& vecArgs, CVariant& result) const;

    // A method that answers an object (VT_DISPATCH, not null).
    HRESULT CallObject(const wchar_t* wszName, const std::vector<CVariant>& vecArgs, CLateBound& result) const;
    // A BSTR property, or a BSTR method with one long argument, as UTF-8;
    // a null BSTR is the empty text. Another type gives DISP_E_TYPEMISMATCH,
    // text that is not UTF-16 E_UNEXPECTED.
    HRESULT GetText(const wchar_t* wszName, std::string& strUtf8) const;
    HRESULT CallText(const wchar_t* wszName, LONG lArg, std::string& strUtf8) const;
    HRESULT GetLong(const wchar_t* wszName, LONG& lValue) const;

private:
    CLCComPtr<IDispatch> m_pDispatch;
};

// The text of a VT_BSTR answer as UTF-8 (see GetText).
HRESULT TextOf(const CVariant& var, std::string& strUtf8);

} // namespace comtest
