#pragma once
#include <windows.h>
#include <new>

// The body of a function that COM or the loader calls, where an exception
// must never leave (it would end the host in std::terminate): out of memory
// answers E_OUTOFMEMORY, any other exception hrOther.
template <typename FnBody>
HRESULT CLCComGuarded(HRESULT hrOther, FnBody&& fnBody) noexcept
{
    try {
        return fnBody();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return hrOther;
    }
}
