#include "ComTestSupport.h"
#include "windows/CLCWinText.h"
#include <objbase.h>
#include <shellapi.h>
#include <vector>

bool comtest::UnregisteredMode()
{
    static const bool s_bUnregistered = [] {
        int nArgs = 0;
        LPWSTR* pArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
        const bool b = pArgs != nullptr && nArgs > 1 && std::wstring(pArgs[1]) == L"unregistered";
        LocalFree(pArgs);
        return b;
    }();
    return s_bUnregistered;
}

namespace {

std::wstring WindowsPath(const std::string& strUtf8)
{
    std::wstring wstr = CLCWinText::Wide(strUtf8.c_str());
    for (wchar_t& ch : wstr) {
        if (ch == L'/')
            ch = L'\\';
    }
    return wstr;
}

} // namespace

std::wstring comtest::DllPath()
{
    return WindowsPath(TESVANT_COM_DLL);
}

std::string comtest::ExamplePath(const std::string& strName)
{
    return CLCWinText::Utf8(WindowsPath(std::string(TESVANT_SOURCE_DIR) + "/examples/" + strName).c_str());
}

std::string comtest::ClassesValue(const std::wstring& wstrKey, const wchar_t* wszValue)
{
    DWORD dwType = 0;
    DWORD dwBytes = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, wstrKey.c_str(), wszValue, RRF_RT_REG_SZ, &dwType, nullptr, &dwBytes)
        != ERROR_SUCCESS)
        return kMissing;
    std::vector<wchar_t> vecText(dwBytes / sizeof(wchar_t) + 1);
    if (RegGetValueW(HKEY_CLASSES_ROOT, wstrKey.c_str(), wszValue, RRF_RT_REG_SZ, &dwType, vecText.data(), &dwBytes)
        != ERROR_SUCCESS)
        return kMissing;
    return CLCWinText::Utf8(vecText.data());
}

bool comtest::ClassesKeyExists(const std::wstring& wstrKey)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, wstrKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

std::wstring comtest::GuidText(const GUID& guid)
{
    wchar_t wsz[40] = {};   // a GUID's text is 38 characters
    StringFromGUID2(guid, wsz, 40);
    return wsz;
}

bool comtest::SameObject(IUnknown* pA, IUnknown* pB)
{
    if (pA == nullptr || pB == nullptr)
        return false;
    CLCComPtr<IUnknown> pUnknownA;
    CLCComPtr<IUnknown> pUnknownB;
    if (FAILED(pA->QueryInterface(IID_IUnknown, pUnknownA.PutVoid()))
        || FAILED(pB->QueryInterface(IID_IUnknown, pUnknownB.PutVoid())))
        return false;
    return pUnknownA.Get() == pUnknownB.Get();
}
