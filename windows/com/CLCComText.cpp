#include "windows/com/CLCComText.h"
#include "windows/CLCWinText.h"

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

BSTR CLCComText::FromUtf8(const std::string& strUtf8)
{
    std::wstring wstr;
    if (!CLCWinText::Utf8ToWide(strUtf8, wstr))
        wstr.clear();
    return Allocate(wstr.data(), wstr.size());
}

bool CLCComText::ToUtf8(BSTR bstr, std::string& strOut)
{
    return CLCWinText::WideToUtf8(Wide(bstr), strOut);
}

bool CLCComText::ToCp932(BSTR bstr, std::string& strOut)
{
    return CLCWinText::WStringToString(Wide(bstr), strOut);
}
