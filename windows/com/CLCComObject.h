#pragma once
#include "windows/CLCComPtr.h"
#include "windows/com/CLCComGuard.h"
#include <windows.h>
#include <oaidl.h>

// What every object of the server shares: the reference count, the module
// lock from construction to final release, and the two faces of IUnknown.
// Alone, an object's interfaces answer through its own (inner) IUnknown;
// aggregated, through the outer object's, and only the inner IUnknown
// handed to the outer object counts references and answers queries.
class CLCComUnknown {
public:
    CLCComUnknown(const CLCComUnknown&) = delete;
    CLCComUnknown& operator=(const CLCComUnknown&) = delete;

    IUnknown* Inner() { return &m_inner; }

protected:
    explicit CLCComUnknown(IUnknown* pOuter);
    virtual ~CLCComUnknown();

    IUnknown* Controlling() const { return m_pControlling; }
    // The interface the object answers for riid, IUnknown aside, or null.
    virtual void* FindInterface(REFIID riid) = 0;

private:
    class CInner final : public IUnknown {
    public:
        explicit CInner(CLCComUnknown& owner) : m_owner(owner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        CLCComUnknown& m_owner;
    };

    CInner m_inner;
    IUnknown* m_pControlling;
    LONG m_lRef = 0;
};

// The type information of the dual interface iid in the registered type
// library: its dispatch description (bDispatch), which GetTypeInfo hands out,
// or its vtable side, which IDispatch works through. Loaded on first use and
// kept for the life of the module; a load that fails keeps nothing of the
// interface. Out of memory answers E_OUTOFMEMORY.
HRESULT CLCComGetTypeInfo(REFIID iid, LCID lcid, bool bDispatch, ITypeInfo** ppTypeInfo) noexcept;
// Drops what CLCComGetTypeInfo keeps (the module's end).
void CLCComReleaseTypeInfos();

// An object with the dual interface TDual, ISupportErrorInfo and the extra
// interfaces TExtra: IUnknown through the controlling unknown, IDispatch
// through the registered type library.
template <class TDual, class... TExtra>
class CLCComDispatchObject : public TDual, public ISupportErrorInfo, public TExtra..., public CLCComUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override { return Controlling()->QueryInterface(riid, ppv); }
    STDMETHODIMP_(ULONG) AddRef() override { return Controlling()->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Controlling()->Release(); }

    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo == nullptr)
            return E_POINTER;
        *pctinfo = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo == nullptr)
            return E_POINTER;
        *ppTInfo = nullptr;
        if (iTInfo != 0)
            return DISP_E_BADINDEX;
        return CLCComGetTypeInfo(__uuidof(TDual), lcid, true, ppTInfo);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override
    {
        CLCComPtr<ITypeInfo> pTypeInfo;
        const HRESULT hr = DispatchTypeInfo(riid, lcid, pTypeInfo);
        return FAILED(hr) ? hr : pTypeInfo->GetIDsOfNames(rgszNames, cNames, rgDispId);
    }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override
    {
        CLCComPtr<ITypeInfo> pTypeInfo;
        const HRESULT hr = DispatchTypeInfo(riid, lcid, pTypeInfo);
        return FAILED(hr) ? hr
                          : pTypeInfo->Invoke(static_cast<TDual*>(this), dispIdMember, wFlags, pDispParams, pVarResult,
                                              pExcepInfo, puArgErr);
    }

    // No method sets an error object; the answer only names the interface
    // whose failures are reported at all.
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return IsEqualIID(riid, __uuidof(TDual)) ? S_OK : S_FALSE;
    }

protected:
    explicit CLCComDispatchObject(IUnknown* pOuter) : CLCComUnknown(pOuter) {}

    void* FindInterface(REFIID riid) override
    {
        if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, __uuidof(TDual)))
            return static_cast<TDual*>(this);
        if (IsEqualIID(riid, IID_ISupportErrorInfo))
            return static_cast<ISupportErrorInfo*>(this);
        return FindExtraInterface(riid);
    }
    virtual void* FindExtraInterface(REFIID /*riid*/) { return nullptr; }

private:
    static HRESULT DispatchTypeInfo(REFIID riid, LCID lcid, CLCComPtr<ITypeInfo>& pTypeInfo)
    {
        if (!IsEqualIID(riid, IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        return CLCComGetTypeInfo(__uuidof(TDual), lcid, false, pTypeInfo.Put());
    }
};

// The class factory's creator of T: alone or aggregated (the factory has
// already refused an outer object with any riid but IUnknown).
template <class T>
HRESULT CLCComCreate(IUnknown* pOuter, REFIID riid, void** ppv) noexcept
{
    return CLCComGuarded(E_FAIL, [&]() -> HRESULT {
        IUnknown* pInner = (new T(pOuter))->Inner();
        pInner->AddRef();
        const HRESULT hr = pInner->QueryInterface(riid, ppv);
        pInner->Release();
        return hr;
    });
}
