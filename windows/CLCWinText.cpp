#include "windows/CLCWinText.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <climits>
#include <windows.h>

namespace {

constexpr UINT kShiftJisCodePage = 932;

bool ToWide(UINT uCodePage, const std::string& strIn, std::wstring& wstrOut)
{
    if (strIn.empty()) {
        wstrOut.clear();
        return true;
    }
    if (strIn.size() > static_cast<size_t>(INT_MAX))
        return false;
    const int nIn = static_cast<int>(strIn.size());
    const int nWide = MultiByteToWideChar(uCodePage, MB_ERR_INVALID_CHARS, strIn.data(), nIn, nullptr, 0);
    if (nWide <= 0)
        return false;
    std::wstring wstr(static_cast<size_t>(nWide), L'\0');
    if (MultiByteToWideChar(uCodePage, MB_ERR_INVALID_CHARS, strIn.data(), nIn, wstr.data(), nWide) != nWide)
        return false;
    wstrOut.swap(wstr);
    return true;
}

// UTF-8 refuses lone surrogates; code page 932 refuses what it cannot hold
// rather than writing its default character or a look-alike.
bool FromWide(UINT uCodePage, const std::wstring& wstrIn, std::string& strOut)
{
    if (wstrIn.empty()) {
        strOut.clear();
        return true;
    }
    if (wstrIn.size() > static_cast<size_t>(INT_MAX))
        return false;
    const bool bUtf8 = uCodePage == CP_UTF8;
    const DWORD dwFlags = bUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int nIn = static_cast<int>(wstrIn.size());
    BOOL bDefaulted = FALSE;
    BOOL* pDefaulted = bUtf8 ? nullptr : &bDefaulted;
    const int nOut = WideCharToMultiByte(uCodePage, dwFlags, wstrIn.data(), nIn, nullptr, 0, nullptr, pDefaulted);
    if (nOut <= 0 || bDefaulted)
        return false;
    std::string str(static_cast<size_t>(nOut), '\0');
    if (WideCharToMultiByte(uCodePage, dwFlags, wstrIn.data(), nIn, str.data(), nOut, nullptr, pDefaulted) != nOut
        || bDefaulted)
        return false;
    strOut.swap(str);
    return true;
}

} // namespace

bool CLCWinText::Utf8ToWide(const std::string& strUtf8, std::wstring& wstrOut)
{
    // The system's decoder accepts encoded surrogates on some versions; ours
    // decides what UTF-8 is.
    return CLCMacOSNative::IsValidUtf8(strUtf8) && ToWide(CP_UTF8, strUtf8, wstrOut);
}

bool CLCWinText::WideToUtf8(const std::wstring& wstrWide, std::string& strOut)
{
    return FromWide(CP_UTF8, wstrWide, strOut);
}

bool CLCWinText::StringToWString(const std::string& strSjis, std::wstring& wstrOut)
{
    return ToWide(kShiftJisCodePage, strSjis, wstrOut);
}

bool CLCWinText::WStringToString(const std::wstring& wstrWide, std::string& strOut)
{
    return FromWide(kShiftJisCodePage, wstrWide, strOut);
}

std::wstring CLCWinText::Wide(const char* szUtf8)
{
    std::wstring wstr;
    if (szUtf8 == nullptr || !Utf8ToWide(szUtf8, wstr))
        return std::wstring();
    return wstr;
}

std::string CLCWinText::Utf8(const wchar_t* wszWide)
{
    std::string str;
    if (wszWide == nullptr || !WideToUtf8(wszWide, str))
        return std::string();
    return str;
}
