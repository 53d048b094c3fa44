#pragma once
// One VARIANT, cleared at the end: the arguments and answers of the late-bound
// calls of the COM server's test clients.
#include <windows.h>
#include <oleauto.h>
#include <string>

namespace comtest {

class CVariant {
public:
    CVariant() { VariantInit(&m_v); }
    ~CVariant() { VariantClear(&m_v); }
    CVariant(CVariant&& other) noexcept : m_v(other.m_v) { VariantInit(&other.m_v); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    CVariant& operator=(CVariant&&) = delete;

    // A VT_BSTR; the text may hold NUL characters.
    static CVariant Text(const std::wstring& wstr)
    {
        CVariant var;
        var.m_v.vt = VT_BSTR;
        var.m_v.bstrVal = SysAllocStringLen(wstr.data(), static_cast<UINT>(wstr.size()));
        return var;
    }
    static CVariant Long(LONG l)
    {
        CVariant var;
        var.m_v.vt = VT_I4;
        var.m_v.lVal = l;
        return var;
    }

    const VARIANT& Value() const { return m_v; }
    // For an answer: clears what is held first.
    VARIANT* Put()
    {
        VariantClear(&m_v);
        return &m_v;
    }

private:
    VARIANT m_v;
};

} // namespace comtest
