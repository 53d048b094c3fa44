#include "windows/com/CLCComAccess.h"
#include "windows/com/CLCComText.h"

#include "foundation/CLCDebugDump.h"

void CLCComAccess::LogInvalidPointer(const char* szFunction)
{
    CLC_LOG(szFunction, kInvalidPointer);
}

HRESULT CLCComAccess::GetString(BSTR value, BSTR* pVal, const char* szFunction)
{
    try {
        if (!ClearOut(pVal, szFunction))
            return E_POINTER;
        *pVal = CLCComText::Copy(value);
        return S_OK;
    } catch (...) {
        CLC_LOG(szFunction, kUnexpectedError);
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
        CLC_LOG(szFunction, kUnexpectedError);
        return E_FAIL;
    }
}
