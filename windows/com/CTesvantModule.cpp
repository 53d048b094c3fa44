#include "windows/com/CTesvantModule.h"
#include "windows/com/CLCComObject.h"
#include "windows/com/CLCComRegistrar.h"
#include "windows/com/CLCCsvConvDataCbC.h"
#include "windows/com/CLCCsvConvResultCbC.h"
#include "windows/com/CLCCsvConvResultGIR.h"

#include "foundation/CLCDebugDump.h"
#include "windows/CLCWinText.h"

#include "TesvantLib.h"

#include <string>

namespace {

constexpr wchar_t kAppId[] = L"{3C69E75A-49AE-4BF3-B20D-787E1D28A52C}";
constexpr WORD kAppIdScript = 101;

using Creator = HRESULT (*)(IUnknown* pOuter, REFIID riid, void** ppv);

// One per class: made on the first DllGetClassObject, cached until unload.
// The cache holds the first reference; while any other is out, the factory
// holds one module lock, so that a client's factory keeps the DLL loaded.
// LockServer adds locks of its own.
class CLCComClassFactory final : public IClassFactory {
public:
    explicit CLCComClassFactory(Creator pfnCreate) : m_pfnCreate(pfnCreate) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory))
            return E_NOINTERFACE;
        AddRef();
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        const LONG lRef = InterlockedIncrement(&m_lRef);
        if (lRef == 2)
            CTesvantModule::Instance().Lock();
        return static_cast<ULONG>(lRef);
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG lRef = InterlockedDecrement(&m_lRef);
        if (lRef == 1)
            CTesvantModule::Instance().Unlock();
        else if (lRef == 0)
            delete this;
        return static_cast<ULONG>(lRef);
    }

    STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (pOuter != nullptr && !IsEqualIID(riid, IID_IUnknown))
            return CLASS_E_NOAGGREGATION;
        return m_pfnCreate(pOuter, riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL fLock) override
    {
        if (fLock)
            CTesvantModule::Instance().Lock();
        else
            CTesvantModule::Instance().Unlock();
        return S_OK;
    }

private:
    ~CLCComClassFactory() = default;

    Creator m_pfnCreate;
    LONG m_lRef = 0;
};

struct SObjectEntry {
    const CLSID* pClsid;
    WORD wScript;
    Creator pfnCreate;
    void* pFactory;   // the cached factory, encoded; null until made
};

// In registration order.
SObjectEntry g_objectMap[] = {
    {&CLSID_CLCCsvConvDataCbC, 102, &CLCComCreate<tesvantcom::CLCCsvConvDataCbC>, nullptr},
    {&CLSID_CLCCsvConvResultGIR, 104, &CLCComCreate<tesvantcom::CLCCsvConvResultGIR>, nullptr},
    {&CLSID_CLCCsvConvResultCbC, 103, &CLCComCreate<tesvantcom::CLCCsvConvResultCbC>, nullptr},
};

// The thread locale for a scope; restored on every way out.
class CThreadLocale {
public:
    explicit CThreadLocale(LCID lcid) : m_saved(GetThreadLocale()) { SetThreadLocale(lcid); }
    ~CThreadLocale() { SetThreadLocale(m_saved); }
    CThreadLocale(const CThreadLocale&) = delete;
    CThreadLocale& operator=(const CThreadLocale&) = delete;

private:
    LCID m_saved;
};

std::wstring ModulePath(HINSTANCE hInstance)
{
    std::wstring wstrPath(MAX_PATH, L'\0');
    for (;;) {
        const DWORD dwLength = GetModuleFileNameW(hInstance, wstrPath.data(), static_cast<DWORD>(wstrPath.size()));
        if (dwLength == 0)
            return std::wstring();
        if (dwLength < wstrPath.size()) {
            wstrPath.resize(dwLength);
            return wstrPath;
        }
        wstrPath.resize(wstrPath.size() * 2);
    }
}

// A registration script as stored (UTF-8, language 1041).
bool LoadScript(HINSTANCE hInstance, WORD wId, std::wstring& wstrScript)
{
    HRSRC hInfo = FindResourceExW(hInstance, L"REGISTRY", MAKEINTRESOURCEW(wId),
                                  MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (hInfo == nullptr)
        return false;
    HGLOBAL hData = LoadResource(hInstance, hInfo);
    const char* pBytes = hData != nullptr ? static_cast<const char*>(LockResource(hData)) : nullptr;
    if (pBytes == nullptr)
        return false;
    return CLCWinText::Utf8ToWide(std::string(pBytes, SizeofResource(hInstance, hInfo)), wstrScript);
}

HRESULT RunScript(HINSTANCE hInstance, const CLCComRegistrar& registrar, WORD wId, bool bRegister)
{
    std::wstring wstrScript;
    if (!LoadScript(hInstance, wId, wstrScript))
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND);
    return bRegister ? registrar.Register(wstrScript) : registrar.Unregister(wstrScript);
}

HRESULT RegisterTypeLibrary(const std::wstring& wstrModule)
{
    ITypeLib* pLib = nullptr;
    HRESULT hr = LoadTypeLibEx(wstrModule.c_str(), REGKIND_NONE, &pLib);
    if (FAILED(hr))
        return hr;
    std::wstring wstrPath = wstrModule;
    hr = RegisterTypeLib(pLib, wstrPath.data(), nullptr);
    pLib->Release();
    return hr;
}

HRESULT UnregisterTypeLibrary(const std::wstring& wstrModule)
{
    ITypeLib* pLib = nullptr;
    HRESULT hr = LoadTypeLibEx(wstrModule.c_str(), REGKIND_NONE, &pLib);
    if (FAILED(hr))
        return hr;
    TLIBATTR* pAttr = nullptr;
    hr = pLib->GetLibAttr(&pAttr);
    if (SUCCEEDED(hr)) {
        hr = UnRegisterTypeLib(pAttr->guid, pAttr->wMajorVerNum, pAttr->wMinorVerNum, pAttr->lcid, pAttr->syskind);
        pLib->ReleaseTLibAttr(pAttr);
    }
    pLib->Release();
    return hr;
}

CLCComRegistrar MakeRegistrar(const std::wstring& wstrModule)
{
    return CLCComRegistrar({{L"MODULE", wstrModule}, {L"APPID", kAppId}});
}

CTesvantModule g_module;

} // namespace

CTesvantModule& CTesvantModule::Instance()
{
    return g_module;
}

CTesvantModule::CTesvantModule()
{
    m_bFactoryLockMade = InitializeCriticalSectionAndSpinCount(&m_csFactories, 0) != FALSE;
    m_bTypeInfoLockMade = InitializeCriticalSectionAndSpinCount(&m_csTypeInfo, 0) != FALSE;
    m_bInitFailed = !m_bFactoryLockMade || !m_bTypeInfoLockMade;
}

CTesvantModule::~CTesvantModule()
{
    if (m_bFactoryLockMade)
        DeleteCriticalSection(&m_csFactories);
    if (m_bTypeInfoLockMade)
        DeleteCriticalSection(&m_csTypeInfo);
}

HRESULT CTesvantModule::GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (m_bInitFailed)
        return E_UNEXPECTED;
    for (SObjectEntry& entry : g_objectMap) {
        if (entry.pfnCreate == nullptr || !IsEqualCLSID(rclsid, *entry.pClsid))
            continue;
        if (entry.pFactory == nullptr) {
            CLCComLock guard(m_csFactories);
            if (entry.pFactory == nullptr) {
                auto* pFactory = new (std::nothrow) CLCComClassFactory(entry.pfnCreate);
                if (pFactory == nullptr)
                    return E_OUTOFMEMORY;
                pFactory->AddRef();
                entry.pFactory = EncodePointer(pFactory);
            }
        }
        auto* pFactory = static_cast<IClassFactory*>(DecodePointer(entry.pFactory));
        return pFactory->QueryInterface(riid, ppv);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CTesvantModule::RegisterServer()
{
    return CLCComGuarded(E_UNEXPECTED, [this] { return RunRegistration(true); });
}

HRESULT CTesvantModule::UnregisterServer()
{
    return CLCComGuarded(E_UNEXPECTED, [this] { return RunRegistration(false); });
}

// Registration writes the AppID, the classes in map order, then the type
// library; unregistration takes them back the other way round.
HRESULT CTesvantModule::RunRegistration(bool bRegister)
{
    CThreadLocale locale(LOCALE_SYSTEM_DEFAULT);
    const std::wstring wstrModule = ModulePath(m_hInstance);
    if (wstrModule.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    const CLCComRegistrar registrar = MakeRegistrar(wstrModule);
    HRESULT hr = S_OK;
    if (bRegister && FAILED(hr = RunScript(m_hInstance, registrar, kAppIdScript, true)))
        return hr;
    for (const SObjectEntry& entry : g_objectMap) {
        if (FAILED(hr = RunScript(m_hInstance, registrar, entry.wScript, bRegister)))
            return hr;
    }
    if (bRegister)
        return RegisterTypeLibrary(wstrModule);
    if (FAILED(hr = UnregisterTypeLibrary(wstrModule)))
        return hr;
    return RunScript(m_hInstance, registrar, kAppIdScript, false);
}

void CTesvantModule::Term()
{
    for (SObjectEntry& entry : g_objectMap) {
        if (entry.pFactory != nullptr)
            static_cast<IClassFactory*>(DecodePointer(entry.pFactory))->Release();
        entry.pFactory = nullptr;
    }
    CLCComReleaseTypeInfos();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved)
{
    CTesvantModule& module = CTesvantModule::Instance();
    module.SetModuleHandle(hInstance);
    // The switch is read once, at load: threads attach and detach while other
    // threads log, and the log's state must not change under them.
    if (dwReason == DLL_PROCESS_ATTACH)
        CLCDebugDump::InitDebugDump();
    if (dwReason == DLL_PROCESS_ATTACH && module.InitFailed())
        return FALSE;
    // At process exit other DLLs may be gone already: only an unload by
    // FreeLibrary releases what the module keeps.
    if (dwReason == DLL_PROCESS_DETACH && pReserved == nullptr)
        module.Term();
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return CTesvantModule::Instance().LockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return CTesvantModule::Instance().GetClassObject(rclsid, riid, ppv);
}

STDAPI DllRegisterServer()
{
    return CTesvantModule::Instance().RegisterServer();
}

STDAPI DllUnregisterServer()
{
    return CTesvantModule::Instance().UnregisterServer();
}
