// The resources the server's DLL carries: registration scripts, type
// library and definitions in language 1041, the project name, the version
// block with its Japanese string table, and the manifest in language 1033.
#include "ComTestSupport.h"
#include <windows.h>
#include <string>

namespace {

struct SResource {
    const wchar_t* wszType;   // null: the numbered type in nType
    WORD nType;
    WORD wId;
    LANGID wLanguage;
};

constexpr LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

const SResource kResources[] = {
    {L"REGISTRY", 0, 101, kJapanese},  {L"REGISTRY", 0, 102, kJapanese}, {L"REGISTRY", 0, 103, kJapanese},
    {L"REGISTRY", 0, 104, kJapanese},  {L"TYPELIB", 0, 1, kJapanese},    {L"DEFINITION", 0, 203, kJapanese},
    {L"DEFINITION", 0, 206, kJapanese}, {L"DEFINITION", 0, 208, kJapanese}, {L"DEFINITION", 0, 214, kJapanese},
    {nullptr, 24, 2, kEnglish},   // the manifest
};

// The resource's bytes, or kMissing.
std::string Bytes(HMODULE hModule, const SResource& r)
{
    const wchar_t* wszType = r.wszType != nullptr ? r.wszType : MAKEINTRESOURCEW(r.nType);
    HRSRC hInfo = FindResourceExW(hModule, wszType, MAKEINTRESOURCEW(r.wId), r.wLanguage);
    HGLOBAL hData = hInfo != nullptr ? LoadResource(hModule, hInfo) : nullptr;
    const char* p = hData != nullptr ? static_cast<const char*>(LockResource(hData)) : nullptr;
    return p != nullptr ? std::string(p, SizeofResource(hModule, hInfo)) : comtest::kMissing;
}

std::string VersionText(const std::string& strBlock, const wchar_t* wszName)
{
    void* pValue = nullptr;
    UINT nLength = 0;
    std::wstring wstrPath = std::wstring(L"\\StringFileInfo\\041103a4\\") + wszName;
    if (!VerQueryValueW(strBlock.data(), wstrPath.c_str(), &pValue, &nLength) || nLength == 0)
        return comtest::kMissing;
    return CLCBstr(std::wstring(static_cast<const wchar_t*>(pValue), nLength - 1)).Utf8();
}

} // namespace

COM_TEST(DllCarriesItsResources)
{
    HMODULE hModule = LoadLibraryExW(comtest::DllPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    CHECK(hModule != nullptr);
    if (hModule == nullptr)
        return;
    for (const SResource& r : kResources)
        CHECK(Bytes(hModule, r) != comtest::kMissing);
    CHECK(Bytes(hModule, kResources[9]).find("level=\"asInvoker\" uiAccess=\"false\"") != std::string::npos);
    CHECK(Bytes(hModule, {L"DEFINITION", 0, 207, kJapanese}) == comtest::kMissing);

    wchar_t wszName[32] = {};
    CHECK_EQ(LoadStringW(hModule, 100, wszName, 32), 7);
    CHECK(std::wstring(wszName) == L"Tesvant");
    FreeLibrary(hModule);

    const DWORD dwSize = GetFileVersionInfoSizeW(comtest::DllPath().c_str(), nullptr);
    std::string strBlock(dwSize, '\0');
    CHECK(dwSize > 0 && GetFileVersionInfoW(comtest::DllPath().c_str(), 0, dwSize, strBlock.data()));
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    CHECK(VerQueryValueW(strBlock.data(), L"\\", reinterpret_cast<void**>(&pFixed), &nLength) && pFixed != nullptr);
    if (pFixed != nullptr) {
        CHECK_EQ(pFixed->dwFileVersionMS, DWORD(0x00020001));
        CHECK_EQ(pFixed->dwFileVersionLS, DWORD(0x00020000));
        CHECK_EQ(pFixed->dwProductVersionMS, DWORD(0x00020001));
        CHECK_EQ(pFixed->dwFileType, DWORD(VFT_DLL));
        CHECK_EQ(pFixed->dwFileOS, DWORD(VOS__WINDOWS32));
    }
    const struct {
        const wchar_t* wszName;
        const char* szValue;
    } kStrings[] = {{L"FileDescription", "Levra"}, {L"ProductName", "Levra"},     {L"InternalName", "Tesvant"},
                    {L"OriginalFilename", "Tesvant.DLL"}, {L"FileVersion", "2.1.2.0"}, {L"ProductVersion", "2.1.2.0"}};
    for (const auto& s : kStrings)
        CHECK_EQ(VersionText(strBlock, s.wszName), std::string(s.szValue));
    DWORD* pTranslation = nullptr;
    CHECK(VerQueryValueW(strBlock.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslation),
                         &nLength) && nLength >= 4);
    if (pTranslation != nullptr)
        CHECK_EQ(*pTranslation, DWORD(0x03A40411));
}
