// The definitions of the Windows build: resources of type "DEFINITION" in the
// module that holds this code (the COM server's DLL, or a program that links
// the core), language 1041.
#include "foundation/platform/CLCMacOSNative.h"
#include <windows.h>
#include <cstring>

namespace {

HMODULE ThisModule()
{
    HMODULE hModule = nullptr;
    const auto* pAddress = reinterpret_cast<LPCWSTR>(&CLCMacOSNative::getDefinitionResource);
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            pAddress, &hModule))
        return nullptr;
    return hModule;
}

} // namespace

std::string CLCMacOSNative::getBundlePathName(const char* /*szName*/)
{
    return "";   // the definitions are resources here
}

std::string CLCMacOSNative::getDefinitionResource(unsigned short usId)
{
    HMODULE hModule = ThisModule();
    if (hModule == nullptr)
        return "";
    // Asked in the language they are stored in rather than through the
    // loader's fallback, which depends on the user's languages.
    HRSRC hInfo = FindResourceExW(hModule, L"DEFINITION", MAKEINTRESOURCEW(usId),
                                  MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (hInfo == nullptr)
        return "";
    HGLOBAL hData = LoadResource(hModule, hInfo);
    const DWORD dwSize = SizeofResource(hModule, hInfo);
    const char* pBytes = hData != nullptr ? static_cast<const char*>(LockResource(hData)) : nullptr;
    if (pBytes == nullptr)
        return "";
    // The text as stored, up to its first zero byte.
    const void* pZero = std::memchr(pBytes, '\0', dwSize);
    const size_t nLength = pZero != nullptr ? static_cast<size_t>(static_cast<const char*>(pZero) - pBytes) : dwSize;
    return std::string(pBytes, nLength);
}
