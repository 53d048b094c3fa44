#pragma once
#include "foundation/CLCCbCMessage.h"
#include <windows.h>
#include <oleauto.h>

// The accessors' common shape: a null out-parameter is logged and answered
// E_POINTER, an exception is logged and answered E_FAIL.
namespace CLCComAccess {

constexpr const char* kInvalidPointer = "無効なポインタが渡されました。";

// A null out-parameter is logged (false); any other is set to null first.
template <typename T>
bool ClearOut(T** ppOut, const char* szFunction);

// *pVal = a copy of value (null stays null).
HRESULT GetString(BSTR value, BSTR* pVal, const char* szFunction);
// *pSlot = a copy of newVal, the old value freed.
HRESULT PutString(BSTR& slot, BSTR newVal, const char* szFunction);

void LogInvalidPointer(const char* szFunction);

template <typename T>
bool ClearOut(T** ppOut, const char* szFunction)
{
    if (ppOut == nullptr) {
        LogInvalidPointer(szFunction);
        return false;
    }
    *ppOut = nullptr;
    return true;
}

} // namespace CLCComAccess
