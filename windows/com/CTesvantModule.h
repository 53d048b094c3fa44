#pragma once
#include <windows.h>
#include <objbase.h>

// Holds a critical section for a scope.
class CLCComLock {
public:
    explicit CLCComLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~CLCComLock() { LeaveCriticalSection(&m_cs); }
    CLCComLock(const CLCComLock&) = delete;
    CLCComLock& operator=(const CLCComLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

// The server's module: the lock count every live object, every class factory
// a client holds and LockServer hold, the object map with its lazily made class factories, registration
// and the module handle the resources are read from. One static instance.
class CTesvantModule {
public:
    static CTesvantModule& Instance();

    CTesvantModule();
    ~CTesvantModule();
    CTesvantModule(const CTesvantModule&) = delete;
    CTesvantModule& operator=(const CTesvantModule&) = delete;

    void Lock() { InterlockedIncrement(&m_lLocks); }
    void Unlock() { InterlockedDecrement(&m_lLocks); }
    LONG LockCount() const { return m_lLocks; }

    bool InitFailed() const { return m_bInitFailed; }
    void SetModuleHandle(HINSTANCE hInstance) { m_hInstance = hInstance; }
    HINSTANCE ModuleHandle() const { return m_hInstance; }
    CRITICAL_SECTION& TypeInfoLock() { return m_csTypeInfo; }

    HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
    // Never throw: out of memory answers E_OUTOFMEMORY, any other exception
    // E_UNEXPECTED, and what was done before stays.
    HRESULT RegisterServer();
    HRESULT UnregisterServer();
    // Releases the cached factories and type information (the DLL unloads).
    void Term();

private:
    HRESULT RunRegistration(bool bRegister);

    LONG m_lLocks = 0;
    bool m_bInitFailed = false;
    bool m_bFactoryLockMade = false;
    bool m_bTypeInfoLockMade = false;
    HINSTANCE m_hInstance = nullptr;
    CRITICAL_SECTION m_csFactories;
    CRITICAL_SECTION m_csTypeInfo;
};
