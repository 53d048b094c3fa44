#pragma once
#include "windows/CLCWinText.h"
#include <windows.h>
#include <oleauto.h>
#include <string>

// Owns one BSTR: made from UTF-8 or UTF-16 text, or received through Put(),
// and freed at the end. Only for the Windows sources (it brings <windows.h>).
class CLCBstr {
public:
    CLCBstr() = default;
    explicit CLCBstr(const std::wstring& wstr) : m_b(SysAllocStringLen(wstr.data(), static_cast<UINT>(wstr.size()))) {}
    ~CLCBstr() { SysFreeString(m_b); }
    CLCBstr(const CLCBstr&) = delete;
    CLCBstr& operator=(const CLCBstr&) = delete;

    // Text that is not UTF-8 becomes the empty string.
    static CLCBstr FromUtf8(const char* szUtf8) { return CLCBstr(CLCWinText::Wide(szUtf8)); }

    BSTR Get() const { return m_b; }
    BSTR* Put()
    {
        SysFreeString(m_b);
        m_b = nullptr;
        return &m_b;
    }
    // The text as UTF-8; "" for a null BSTR or text that is not UTF-16.
    std::string Utf8() const
    {
        std::string str;
        if (m_b == nullptr || !CLCWinText::WideToUtf8(std::wstring(m_b, SysStringLen(m_b)), str))
            return std::string();
        return str;
    }

private:
    BSTR m_b = nullptr;
};
