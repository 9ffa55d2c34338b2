// COM ownership: a CoInitialize bracket and a move-only interface pointer
// released exactly once.
#pragma once

#include <objbase.h>

#include <utility>

// CoInitialize for one operation. Only S_OK lets the operation run: S_FALSE
// (COM already initialised on the thread) counts as failure, yet, like every
// successful call, it is balanced by CoUninitialize.
class CComInit {
public:
    CComInit() : m_result(::CoInitialize(nullptr)) {}
    ~CComInit() { if (SUCCEEDED(m_result)) ::CoUninitialize(); }
    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;
    bool Succeeded() const { return m_result == S_OK; }
    HRESULT Result() const { return m_result; }

private:
    HRESULT m_result;
};

template <class I>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr() { Release(); }
    CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CComPtr& operator=(CComPtr&&) = delete;
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    I* operator->() const { return m_p; }
    I* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // The address to receive a new interface; releases any held one first.
    I** Receive() { Release(); return &m_p; }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Release()
    {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

private:
    I* m_p = nullptr;
};
