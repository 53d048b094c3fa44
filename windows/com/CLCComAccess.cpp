#include "windows/com/CLCComAccess.h"
#include "windows/com/CLCComText.h"

#include "foundation/CLCDebugDump.h"

HRESULT CLCComAccess::GetString(BSTR value, BSTR* pVal, const char* szFunction)
{
    try {
        if (pVal == nullptr) {
            CLC_LOG(szFunction, kInvalidPointer);
            return E_POINTER;
        }
        *pVal = CLCComText::Copy(value);
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpected);
        return E_FAIL;
    }
}

HRESULT CLCComAccess::PutString(BSTR& slot, BSTR newVal, const char* szFunction)
{
    try {
        BSTR copy = CLCComText::Copy(newVal);
        SysFreeString(slot);
        slot = copy;
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpected);
        return E_FAIL;
    }
}
