#include "windows/com/CLCComText.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "windows/CLCWinText.h"

#include <climits>
#include <limits>
#include <new>

namespace {

std::wstring Wide(BSTR bstr)
{
    return bstr == nullptr ? std::wstring() : std::wstring(bstr, SysStringLen(bstr));
}

BSTR Allocate(const wchar_t* pText, size_t nLength)
{
    // A BSTR's length is 32 bits: a longer text must fail, never come out cut.
    if (nLength > std::numeric_limits<UINT>::max() / sizeof(wchar_t))
        throw std::bad_alloc();
    BSTR bstr = SysAllocStringLen(pText, static_cast<UINT>(nLength));
    if (bstr == nullptr)
        throw std::bad_alloc();
    return bstr;
}

} // namespace

BSTR CLCComText::Copy(BSTR bstr)
{
    return bstr == nullptr ? nullptr : Allocate(bstr, SysStringLen(bstr));
}

// Converted straight into the BSTR: a large text (a file as Base64, a GIR
// document) is never held twice as UTF-16 on its way out.
BSTR CLCComText::FromUtf8(const std::string& strUtf8)
{
    if (strUtf8.empty() || !CLCMacOSNative::IsValidUtf8(strUtf8))
        return Allocate(L"", 0);
    if (strUtf8.size() > static_cast<size_t>(INT_MAX))
        throw std::bad_alloc();
    const int nIn = static_cast<int>(strUtf8.size());
    const int nWide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, strUtf8.data(), nIn, nullptr, 0);
    if (nWide <= 0)
        return Allocate(L"", 0);
    BSTR bstr = Allocate(nullptr, static_cast<size_t>(nWide));
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, strUtf8.data(), nIn, bstr, nWide) != nWide) {
        SysFreeString(bstr);
        return Allocate(L"", 0);
    }
    return bstr;
}

bool CLCComText::ToUtf8(BSTR bstr, std::string& strOut)
{
    return CLCWinText::WideToUtf8(Wide(bstr), strOut);
}

bool CLCComText::ToCp932(BSTR bstr, std::string& strOut)
{
    return CLCWinText::WStringToString(Wide(bstr), strOut);
}
