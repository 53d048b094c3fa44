// What registration writes and unregistration removes, and the server's
// module seen directly: its exports, class factories and unload answer.
#include "ComTestSupport.h"
#include "LateBound.h"
#include "windows/CLCWinText.h"
#include <objbase.h>
#include <cctype>

using comtest::ClassesKeyExists;
using comtest::ClassesValue;
using comtest::GuidText;
using comtest::kClasses;
using comtest::SClass;
using comtest::SModule;

namespace {

const GUID kAppId = {0x3C69E75A, 0x49AE, 0x4BF3, {0xB2, 0x0D, 0x78, 0x7E, 0x1D, 0x28, 0xA5, 0x2C}};

std::wstring ProgID(const SClass& c, bool bVersioned)
{
    return std::wstring(L"ovk.") + c.wszName + (bVersioned ? L".1" : L"");
}

std::wstring ClassKey(const SClass& c)
{
    return L"CLSID\\" + GuidText(*c.pClsid);
}

std::string U8(const std::wstring& wstr)
{
    return CLCWinText::Utf8(wstr.c_str());
}

std::string Lower(std::string str)
{
    // Paths differ in case only where wine spells the drive letter otherwise.
    for (char& ch : str)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return str;
}

// Every key that registration writes for one class, the NoRemove parents aside.
std::vector<std::wstring> WrittenKeys(const SClass& c)
{
    return {ProgID(c, true), ProgID(c, false), ClassKey(c), L"Interface\\" + GuidText(*c.pIid)};
}

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using NoArgFn = HRESULT(STDAPICALLTYPE*)();

} // namespace

COM_TEST(RegistryHoldsBothProgIDsOfEveryClass)
{
    for (const SClass& c : kClasses) {
        const std::string strClassName = U8(c.wszName) + " Class";
        for (bool bVersioned : {true, false}) {
            CHECK_EQ(ClassesValue(ProgID(c, bVersioned)), strClassName);
            CHECK_EQ(ClassesValue(ProgID(c, bVersioned) + L"\\CLSID"), U8(GuidText(*c.pClsid)));
        }
        CHECK_EQ(ClassesValue(ProgID(c, false) + L"\\CurVer"), U8(ProgID(c, true)));
        CHECK(!ClassesKeyExists(ProgID(c, true) + L"\\CurVer"));
    }
}

COM_TEST(RegistryHoldsEveryClassKey)
{
    const std::string strDll = Lower(U8(comtest::DllPath()));
    for (const SClass& c : kClasses) {
        const std::wstring wstrKey = ClassKey(c);
        CHECK_EQ(ClassesValue(wstrKey), U8(c.wszName) + " Class");
        CHECK_EQ(ClassesValue(wstrKey, L"AppID"), U8(GuidText(kAppId)));
        CHECK_EQ(ClassesValue(wstrKey + L"\\ProgID"), U8(ProgID(c, true)));
        CHECK_EQ(ClassesValue(wstrKey + L"\\VersionIndependentProgID"), U8(ProgID(c, false)));
        CHECK(ClassesKeyExists(wstrKey + L"\\Programmable"));
        CHECK_EQ(Lower(ClassesValue(wstrKey + L"\\InprocServer32")), strDll);
        CHECK_EQ(ClassesValue(wstrKey + L"\\InprocServer32", L"ThreadingModel"), std::string("Apartment"));
        CHECK_EQ(ClassesValue(wstrKey + L"\\TypeLib"), U8(GuidText(LIBID_TesvantLib)));
    }
}

COM_TEST(RegistryHoldsTheAppIDAndTheTypeLibrary)
{
    CHECK_EQ(ClassesValue(L"AppID\\" + GuidText(kAppId)), std::string("Tesvant"));
    CHECK_EQ(ClassesValue(L"AppID\\Tesvant.DLL", L"AppID"), U8(GuidText(kAppId)));
    CHECK(ClassesKeyExists(L"TypeLib\\" + GuidText(LIBID_TesvantLib) + L"\\1.0"));
    for (const SClass& c : kClasses)
        CHECK(ClassesKeyExists(L"Interface\\" + GuidText(*c.pIid)));
}

COM_TEST(EveryClassIsCreatedByBothItsProgIDs)
{
    for (const SClass& c : kClasses) {
        for (bool bVersioned : {true, false}) {
            comtest::CLateBound object;
            CHECK_EQ(comtest::CLateBound::Create(ProgID(c, bVersioned).c_str(), object), S_OK);
            CLCComPtr<IUnknown> pInterface;
            CHECK(object.Get() != nullptr
                  && SUCCEEDED(object.Get()->QueryInterface(*c.pIid, pInterface.PutVoid())));
        }
    }
}

COM_TEST(ClassFactoriesAnswerAsTheModuleRequires)
{
    const SModule module;
    const auto pfnGet = module.Export<GetClassObjectFn>("DllGetClassObject");
    CHECK(pfnGet != nullptr);
    if (pfnGet == nullptr)
        return;
    void* pUnknown = reinterpret_cast<void*>(1);
    CHECK_EQ(pfnGet(IID_IUnknown, IID_IClassFactory, &pUnknown), CLASS_E_CLASSNOTAVAILABLE);
    CHECK(pUnknown == nullptr);
    CHECK_EQ(pfnGet(CLSID_CLCCsvConvDataCbC, IID_IClassFactory, nullptr), E_POINTER);
    for (const SClass& c : kClasses) {
        CLCComPtr<IClassFactory> pFirst;
        CLCComPtr<IClassFactory> pSecond;
        CHECK_EQ(pfnGet(*c.pClsid, IID_IClassFactory, pFirst.PutVoid()), S_OK);
        CHECK_EQ(pfnGet(*c.pClsid, IID_IClassFactory, pSecond.PutVoid()), S_OK);
        CHECK(pFirst && pFirst.Get() == pSecond.Get());
        if (!pFirst)
            continue;
        void* pObject = reinterpret_cast<void*>(1);
        CHECK_EQ(pFirst->CreateInstance(nullptr, *c.pIid, nullptr), E_POINTER);
        CHECK_EQ(pFirst->CreateInstance(nullptr, IID_IClassFactory, &pObject), E_NOINTERFACE);
        CHECK(pObject == nullptr);
        CHECK_EQ(pFirst->LockServer(TRUE), S_OK);
        CHECK_EQ(pFirst->LockServer(FALSE), S_OK);
    }
}

COM_TEST(ModuleStaysLoadedWhileAnObjectLives)
{
    const SModule module;
    const auto pfnGet = module.Export<GetClassObjectFn>("DllGetClassObject");
    const auto pfnCanUnload = module.Export<NoArgFn>("DllCanUnloadNow");
    CHECK(pfnGet != nullptr && pfnCanUnload != nullptr);
    if (pfnGet == nullptr || pfnCanUnload == nullptr)
        return;
    CHECK_EQ(pfnCanUnload(), S_OK);
    for (const SClass& c : kClasses) {
        CLCComPtr<IUnknown> pObject;
        {
            CLCComPtr<IClassFactory> pFactory;
            CHECK_EQ(pfnGet(*c.pClsid, IID_IClassFactory, pFactory.PutVoid()), S_OK);
            if (!pFactory)
                continue;
            CHECK_EQ(pFactory->CreateInstance(nullptr, *c.pIid, pObject.PutVoid()), S_OK);
            CHECK_EQ(pFactory->LockServer(TRUE), S_OK);
            CHECK_EQ(pfnCanUnload(), S_FALSE);
            CHECK_EQ(pFactory->LockServer(FALSE), S_OK);
        }
        CHECK_EQ(pfnCanUnload(), S_FALSE);
        pObject.Reset();
        CHECK_EQ(pfnCanUnload(), S_OK);
    }
}

COM_TEST(ModuleStaysLoadedWhileAKeptResultLives)
{
    const SModule module;
    const auto pfnCanUnload = module.Export<NoArgFn>("DllCanUnloadNow");
    CHECK(pfnCanUnload != nullptr);
    if (pfnCanUnload == nullptr)
        return;
    CLCComPtr<IDispatch> pResult;
    {
        CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
        CHECK(pApi);
        if (!pApi)
            return;
        const CLCBstr path = comtest::Bstr(comtest::ExamplePath("missing.csv"));
        CHECK_EQ(pApi->ReadCSVFile(path.Get(), pResult.Put()), S_OK);
    }
    // The API object is gone; the result it handed out still holds the module.
    CHECK(pResult);
    CHECK_EQ(pfnCanUnload(), S_FALSE);
    pResult.Reset();
    CHECK_EQ(pfnCanUnload(), S_OK);
}

COM_TEST(HeldFactoryKeepsTheModuleLoaded)
{
    CLCComPtr<IClassFactory> pFactory;
    CHECK_EQ(CoGetClassObject(CLSID_CLCCsvConvDataCbC, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                              pFactory.PutVoid()), S_OK);
    if (!pFactory)
        return;
    {
        const SModule module;
        const auto pfnCanUnload = module.Export<NoArgFn>("DllCanUnloadNow");
        CHECK(pfnCanUnload != nullptr && pfnCanUnload() == S_FALSE);
    }
    CoFreeUnusedLibrariesEx(0, 0);
    const bool bLoaded = GetModuleHandleW(comtest::DllPath().c_str()) != nullptr;
    CHECK(bLoaded);
    if (!bLoaded)
        return;   // the factory's code is gone
    CLCComPtr<CLICsvConvDataCbC> pApi;
    CHECK_EQ(pFactory->CreateInstance(nullptr, IID_CLICsvConvDataCbC, pApi.PutVoid()), S_OK);
    CLCComPtr<IDispatch> pResult;
    CHECK(pApi && pApi->ReadFile(comtest::Bstr(comtest::ExamplePath("missing.csv")).Get(), pResult.Put()) == S_OK);
}

COM_TEST(ExportsAreTheFourUndecoratedEntries)
{
    const SModule module;
    CHECK(module.hModule != nullptr);
    for (const char* szName : {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"})
        CHECK(module.Export<NoArgFn>(szName) != nullptr);
}

COM_TEST(RegistrationKeepsTheThreadLocale)
{
    const SModule module;
    const auto pfnRegister = module.Export<NoArgFn>("DllRegisterServer");
    CHECK(pfnRegister != nullptr);
    if (pfnRegister == nullptr)
        return;
    const LCID lcidBefore = GetThreadLocale();
    for (LCID lcid : {LCID(0x0409), LCID(0x0411)}) {
        CHECK(SetThreadLocale(lcid));
        CHECK_EQ(pfnRegister(), S_OK);
        CHECK_EQ(GetThreadLocale(), lcid);
    }
    SetThreadLocale(lcidBefore);
}

COM_UNREGISTERED_TEST(UnregistrationRemovesWhatRegistrationWrote)
{
    for (const SClass& c : kClasses) {
        for (const std::wstring& wstrKey : WrittenKeys(c))
            CHECK_EQ(ClassesKeyExists(wstrKey), false);
        CLSID clsid;
        CHECK(FAILED(CLSIDFromProgID(ProgID(c, false).c_str(), &clsid)));
    }
    CHECK_EQ(ClassesKeyExists(L"AppID\\" + GuidText(kAppId)), false);
    CHECK_EQ(ClassesKeyExists(L"AppID\\Tesvant.DLL"), false);
    CHECK_EQ(ClassesKeyExists(L"TypeLib\\" + GuidText(LIBID_TesvantLib) + L"\\1.0"), false);
}

COM_UNREGISTERED_TEST(UnregistrationKeepsTheSharedParents)
{
    CHECK(ClassesKeyExists(L"AppID"));
    CHECK(ClassesKeyExists(L"CLSID"));
    CHECK(ClassesKeyExists(L"Interface"));
}

COM_UNREGISTERED_TEST(LateBindingNeedsTheRegistration)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
    CHECK(!pApi);
}
