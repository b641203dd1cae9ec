// A thread-local slot allocated on first use and given back when the
// framework unloads. Plain data, so that it never depends on the order in
// which static objects are destroyed.
#pragma once

#include <windows.h>

#include <new>

struct CAfxThreadSlot {
    volatile LONG m_nIndexPlusOne;   // 0 until allocated

    // The slot's index, or TLS_OUT_OF_INDEXES when none can be had.
    DWORD Index()
    {
        const LONG current = m_nIndexPlusOne;
        if (current)
            return static_cast<DWORD>(current - 1);
        const DWORD fresh = TlsAlloc();
        if (fresh == TLS_OUT_OF_INDEXES)
            return TLS_OUT_OF_INDEXES;
        const LONG raced = InterlockedCompareExchange(&m_nIndexPlusOne, static_cast<LONG>(fresh + 1), 0);
        if (raced) {
            TlsFree(fresh);
            return static_cast<DWORD>(raced - 1);
        }
        return fresh;
    }

    // The calling thread's value; null when the slot was never allocated.
    void* Get() const
    {
        const LONG current = m_nIndexPlusOne;
        return current ? TlsGetValue(static_cast<DWORD>(current - 1)) : nullptr;
    }

    bool Set(void* value)
    {
        const DWORD index = Index();
        return index != TLS_OUT_OF_INDEXES && TlsSetValue(index, value);
    }

    // The calling thread's object, made on first use; null without memory.
    template <class T> T* Obtain()
    {
        if (T* existing = static_cast<T*>(Get()))
            return existing;
        T* fresh = new (std::nothrow) T;
        if (fresh && !Set(fresh)) {
            delete fresh;
            return nullptr;
        }
        return fresh;
    }

    void Free()
    {
        const LONG current = InterlockedExchange(&m_nIndexPlusOne, 0);
        if (current)
            TlsFree(static_cast<DWORD>(current - 1));
    }
};
