#pragma once
#include <string>

// The conversions at the Windows edge of the one UTF-8 core. Each is strict:
// a text that does not convert whole fails (false, the output untouched);
// embedded zero characters are converted like any other. Code page 932 is
// named explicitly, never the ANSI code page, so the machine's own code page
// plays no part. wchar_t is the UTF-16 unit of Windows.
namespace CLCWinText {

bool Utf8ToWide(const std::string& strUtf8, std::wstring& wstrOut);
bool WideToUtf8(const std::wstring& wstrWide, std::string& strOut);
// Narrow string to wide and back, narrow being code page 932.
bool StringToWString(const std::string& strSjis, std::wstring& wstrOut);
bool WStringToString(const std::wstring& wstrWide, std::string& strOut);

// The same for a path or text that must cross: "" for null or text that does
// not convert.
std::wstring Wide(const char* szUtf8);
std::string Utf8(const wchar_t* wszWide);

} // namespace CLCWinText
