#pragma once
#include <utility>

// Owns one reference to a COM interface and releases it at the end; the
// Windows bodies hold every interface pointer in one of these.
template <typename T>
class CLCComPtr {
public:
    CLCComPtr() = default;
    ~CLCComPtr() { Reset(); }
    CLCComPtr(const CLCComPtr&) = delete;
    CLCComPtr& operator=(const CLCComPtr&) = delete;
    CLCComPtr(CLCComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CLCComPtr& operator=(CLCComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For an out-parameter: releases what is held first.
    T** Put()
    {
        Reset();
        return &m_p;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset()
    {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

private:
    T* m_p = nullptr;
};
