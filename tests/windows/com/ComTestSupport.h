#pragma once
// Shared builders of the COM server's checks: the two modes of the program,
// the server's DLL, registry reads, GUID texts, the example paths and the
// objects of the server, early bound.
#include "WinTest.h"
#include "TesvantLib.h"
#include "windows/CLCBstr.h"
#include "windows/CLCComPtr.h"
#include <windows.h>
#include <objbase.h>
#include <string>

namespace comtest {

// "tesvant_com_tests.exe unregistered" runs only the checks made after
// "regsvr32 /u"; without an argument only the others run.
bool UnregisteredMode();

struct CModeRegistrar {
    CModeRegistrar(bool bUnregistered, const char* szName, wintest::CaseFn pfnRun)
    {
        if (bUnregistered == UnregisteredMode())
            wintest::Cases().push_back({szName, pfnRun});
    }
};

// The server's DLL as wine names it (Z:\...).
std::wstring DllPath();

// The module's exports through the DLL loaded by path, as COM loads it.
struct SModule {
    HMODULE hModule = LoadLibraryW(DllPath().c_str());
    ~SModule() { FreeLibrary(hModule); }
    template <typename Fn>
    Fn Export(const char* szName) const
    {
        return hModule == nullptr ? nullptr : reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hModule, szName)));
    }
};

constexpr const char* kMissing = "(missing)";
// The registry value under HKEY_CLASSES_ROOT as UTF-8: wszValue null for the
// default value; kMissing when the key or the value is absent.
std::string ClassesValue(const std::wstring& wstrKey, const wchar_t* wszValue = nullptr);
bool ClassesKeyExists(const std::wstring& wstrKey);

// "{XXXXXXXX-...}" in capitals, as the registration scripts write it.
std::wstring GuidText(const GUID& guid);

// A file or folder of the source tree's examples, with backslashes.
std::string ExamplePath(const std::string& strName);

// The server's three classes with their own interfaces.
struct SClass {
    const wchar_t* wszName;
    const CLSID* pClsid;
    const IID* pIid;
};
inline const SClass kClasses[] = {
    {L"CLCCsvConvDataCbC", &CLSID_CLCCsvConvDataCbC, &IID_CLICsvConvDataCbC},
    {L"CLCCsvConvResultCbC", &CLSID_CLCCsvConvResultCbC, &IID_CLICsvConvResultCbC},
    {L"CLCCsvConvResultGIR", &CLSID_CLCCsvConvResultGIR, &IID_CLICsvConvResultGIR},
};

// A server object by CLSID, early bound; null when creation fails.
template <typename I>
CLCComPtr<I> New(REFCLSID clsid, REFIID riid)
{
    CLCComPtr<I> p;
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, riid, p.PutVoid());
    return p;
}
inline CLCComPtr<CLICsvConvDataCbC> NewApi()
{
    return New<CLICsvConvDataCbC>(CLSID_CLCCsvConvDataCbC, IID_CLICsvConvDataCbC);
}
inline CLCComPtr<CLICsvConvResultCbC> NewCbCResult()
{
    return New<CLICsvConvResultCbC>(CLSID_CLCCsvConvResultCbC, IID_CLICsvConvResultCbC);
}
inline CLCComPtr<CLICsvConvResultGIR> NewGIRResult()
{
    return New<CLICsvConvResultGIR>(CLSID_CLCCsvConvResultGIR, IID_CLICsvConvResultGIR);
}

// The object's interface riid; null when p is null or lacks it.
template <typename I>
CLCComPtr<I> Query(IUnknown* p, REFIID riid)
{
    CLCComPtr<I> pInterface;
    if (p != nullptr)
        p->QueryInterface(riid, pInterface.PutVoid());
    return pInterface;
}

// A BSTR property or answer as UTF-8 ("" for null).
inline std::string Utf8(const CLCBstr& b) { return b.Utf8(); }
inline CLCBstr Bstr(const std::string& strUtf8) { return CLCBstr::FromUtf8(strUtf8.c_str()); }

// The same COM identity (IUnknown) behind both pointers.
bool SameObject(IUnknown* pA, IUnknown* pB);

} // namespace comtest

#define COM_TEST(name)                                                                    \
    static void name();                                                                   \
    static const comtest::CModeRegistrar name##Registrar(false, #name, &name);            \
    static void name()

#define COM_UNREGISTERED_TEST(name)                                                       \
    static void name();                                                                   \
    static const comtest::CModeRegistrar name##Registrar(true, #name, &name);             \
    static void name()
