// Shift_JIS conversion of the Win32 platform layer: code page 932 by name.
#include "foundation/platform/CLCMacOSNative.h"
#include "windows/CLCWinText.h"

bool CLCMacOSNative::SjisToUtf8(const std::string& strSjis, std::string& strUtf8)
{
    std::wstring wstr;
    return CLCWinText::StringToWString(strSjis, wstr) && CLCWinText::WideToUtf8(wstr, strUtf8);
}

bool CLCMacOSNative::Utf8ToSjis(const std::string& strUtf8, std::string& strSjis)
{
    std::wstring wstr;
    return CLCWinText::Utf8ToWide(strUtf8, wstr) && CLCWinText::WStringToString(wstr, strSjis);
}
