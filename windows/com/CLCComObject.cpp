#include "windows/com/CLCComObject.h"
#include "windows/com/CTesvantModule.h"

#include "TesvantLib.h"

#include <map>
#include <cstring>

CLCComUnknown::CLCComUnknown(IUnknown* pOuter) : m_inner(*this), m_pControlling(pOuter != nullptr ? pOuter : &m_inner)
{
    CTesvantModule::Instance().Lock();
}

CLCComUnknown::~CLCComUnknown()
{
    CTesvantModule::Instance().Unlock();
}

STDMETHODIMP CLCComUnknown::CInner::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    IUnknown* pFound = IsEqualIID(riid, IID_IUnknown) ? this : static_cast<IUnknown*>(m_owner.FindInterface(riid));
    if (pFound == nullptr)
        return E_NOINTERFACE;
    pFound->AddRef();
    *ppv = pFound;
    return S_OK;
}

STDMETHODIMP_(ULONG) CLCComUnknown::CInner::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_owner.m_lRef));
}

STDMETHODIMP_(ULONG) CLCComUnknown::CInner::Release()
{
    const LONG lRef = InterlockedDecrement(&m_owner.m_lRef);
    if (lRef == 0)
        delete &m_owner;
    return static_cast<ULONG>(lRef);
}

namespace {

constexpr LCID kTypeLibLocale = 1033;

struct SIidLess {
    bool operator()(const IID& a, const IID& b) const { return std::memcmp(&a, &b, sizeof(IID)) < 0; }
};

// A dual interface's two descriptions: the dispatch one that GetTypeInfo
// hands out, and the vtable one that Invoke calls the members through.
struct SDualInfo {
    ITypeInfo* pDispatch = nullptr;
    ITypeInfo* pVtable = nullptr;
};

struct STypeInfos {
    ITypeLib* pLib = nullptr;
    std::map<IID, SDualInfo, SIidLess> mapInfos;
};

STypeInfos& TypeInfos()
{
    static STypeInfos s_infos;
    return s_infos;
}

HRESULT LoadDualInfo(ITypeLib* pLib, REFIID iid, CLCComPtr<ITypeInfo>& pDispatch, CLCComPtr<ITypeInfo>& pVtable)
{
    HRESULT hr = pLib->GetTypeInfoOfGuid(iid, pDispatch.Put());
    if (FAILED(hr))
        return hr;
    TYPEATTR* pAttr = nullptr;
    hr = pDispatch->GetTypeAttr(&pAttr);
    if (FAILED(hr))
        return hr;
    const bool bDispatch = pAttr->typekind == TKIND_DISPATCH;
    pDispatch->ReleaseTypeAttr(pAttr);
    HREFTYPE hRef = 0;
    if (bDispatch && SUCCEEDED(pDispatch->GetRefTypeOfImplType(-1, &hRef))
        && SUCCEEDED(pDispatch->GetRefTypeInfo(hRef, pVtable.Put())))
        return S_OK;
    pDispatch->AddRef();
    *pVtable.Put() = pDispatch.Get();
    return S_OK;
}

} // namespace

HRESULT CLCComGetTypeInfo(REFIID iid, LCID lcid, bool bDispatch, ITypeInfo** ppTypeInfo) noexcept
{
    *ppTypeInfo = nullptr;
    return CLCComGuarded(E_UNEXPECTED, [&]() -> HRESULT {
        STypeInfos& infos = TypeInfos();
        CLCComLock guard(CTesvantModule::Instance().TypeInfoLock());
        auto it = infos.mapInfos.find(iid);
        if (it == infos.mapInfos.end()) {
            if (infos.pLib == nullptr) {
                // Registered under its own locale 1033: a caller of another
                // locale gets that one rather than no type information at all.
                HRESULT hr = LoadRegTypeLib(LIBID_TesvantLib, 1, 0, lcid, &infos.pLib);
                if (FAILED(hr))
                    hr = LoadRegTypeLib(LIBID_TesvantLib, 1, 0, kTypeLibLocale, &infos.pLib);
                if (FAILED(hr))
                    return hr;
            }
            CLCComPtr<ITypeInfo> pDispatch;
            CLCComPtr<ITypeInfo> pVtable;
            const HRESULT hr = LoadDualInfo(infos.pLib, iid, pDispatch, pVtable);
            if (FAILED(hr))
                return hr;
            // The entry takes its references once it is in: an insertion that
            // throws leaves neither an entry nor a reference behind.
            it = infos.mapInfos.emplace(iid, SDualInfo{pDispatch.Get(), pVtable.Get()}).first;
            it->second.pDispatch->AddRef();
            it->second.pVtable->AddRef();
        }
        ITypeInfo* pInfo = bDispatch ? it->second.pDispatch : it->second.pVtable;
        pInfo->AddRef();
        *ppTypeInfo = pInfo;
        return S_OK;
    });
}

void CLCComReleaseTypeInfos()
{
    STypeInfos& infos = TypeInfos();
    for (auto& entry : infos.mapInfos) {
        entry.second.pDispatch->Release();
        entry.second.pVtable->Release();
    }
    infos.mapInfos.clear();
    if (infos.pLib != nullptr)
        infos.pLib->Release();
    infos.pLib = nullptr;
}
