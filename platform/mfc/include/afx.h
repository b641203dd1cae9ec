// The framework's foundation: objects with run-time class information, the
// memory they live in, the module state with its resource handles, and text.
#pragma once

// The framework sets up <windows.h> for itself: a program that included it
// first has it set up otherwise, and does not compile.
#ifdef _WINDOWS_
#error WINDOWS.H already included. Framework programs include the framework headers before <windows.h>.
#endif

#include <windows.h>
#include <tchar.h>

#include <new>
#include <stddef.h>

#include "afxver_.h"

class CObject;
class CDynLinkLibrary;
struct CRuntimeClass;

// Memory owned by the module that allocated it.
//
// An extension DLL may replace the global allocator, yet an object allocated
// in one module is often deleted in another (a deleting destructor runs where
// the class's vtable lives). A block therefore records, in front of the
// object, the global operator delete of the module that allocated it, and is
// always given back through that. Both helpers are inline so that they resolve
// to the calling module's own global operators.

typedef void (*_AFX_PFN_FREE)(void*);

// Room in front of the object: the owner's free function, padded so that the
// object keeps the allocator's 8-byte alignment.
const size_t _AFX_OWNED_HEADER = 8;

// A block of nSize bytes owned by the calling module, or null when that
// module's allocator has no memory.
inline void* _AfxAllocateOwned(size_t nSize) noexcept
{
    if (nSize > static_cast<size_t>(-1) - _AFX_OWNED_HEADER)
        return nullptr;
    void* block = ::operator new(nSize + _AFX_OWNED_HEADER, std::nothrow);
    if (!block)
        return nullptr;
    _AFX_PFN_FREE pfnFree = ::operator delete;
    *static_cast<_AFX_PFN_FREE*>(block) = pfnFree;
    return static_cast<char*>(block) + _AFX_OWNED_HEADER;
}

// Gives a block from _AfxAllocateOwned back to the module that allocated it,
// from whichever module; null is ignored.
inline void _AfxFreeOwned(void* p) noexcept
{
    if (!p)
        return;
    void* block = static_cast<char*>(p) - _AFX_OWNED_HEADER;
    (*static_cast<_AFX_PFN_FREE*>(block))(block);
}

// Run-time class information. The base class is reached through a function
// rather than a pointer because it may live in another DLL.
struct _AFX_CORE_CLASS CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (PASCAL* m_pfnCreateObject)();
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* _pNextClass;   // link in the list that registers the class

    // A new object of this class, or null when the class cannot be created
    // dynamically or there is no memory.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Classes of the application and of every extension DLL in the chain.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);
};

// Registers a class while its module is initialised and withdraws it when
// the module's static objects are destroyed, so that an unloaded module
// never leaves its class record behind.
struct _AFX_CORE_CLASS _AFX_CLASSINIT {
    explicit _AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~_AFX_CLASSINIT();
    _AFX_CLASSINIT(const _AFX_CLASSINIT&) = delete;
    _AFX_CLASSINIT& operator=(const _AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (class_name::_GetThisClass())

#define DECLARE_DYNAMIC(class_name)                         \
public:                                                     \
    static CRuntimeClass class##class_name;                 \
    static CRuntimeClass* PASCAL _GetBaseClass();           \
    static CRuntimeClass* PASCAL _GetThisClass();            \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                       \
    DECLARE_DYNAMIC(class_name)                             \
    static CObject* PASCAL CreateObject();

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)        \
    CRuntimeClass* PASCAL class_name::_GetBaseClass()                               \
    {                                                                               \
        return RUNTIME_CLASS(base_class_name);                                      \
    }                                                                               \
    CRuntimeClass class_name::class##class_name = {                                 \
        #class_name, static_cast<int>(sizeof(class class_name)), wSchema, pfnNew,   \
        &class_name::_GetBaseClass, nullptr};                                       \
    CRuntimeClass* PASCAL class_name::_GetThisClass()                                \
    {                                                                               \
        return &class_name::class##class_name;                                      \
    }                                                                               \
    CRuntimeClass* class_name::GetRuntimeClass() const                              \
    {                                                                               \
        return &class_name::class##class_name;                                      \
    }                                                                               \
    static const _AFX_CLASSINIT afxClassInit##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)    \
    CObject* PASCAL class_name::CreateObject()              \
    {                                                       \
        return new class_name;                              \
    }                                                       \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

// The root of the framework's classes.
class _AFX_CORE_CLASS CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    // Objects are allocated in the module that creates them and freed there,
    // wherever the delete happens (see _AfxAllocateOwned). Without memory the
    // result is null and no constructor runs.
    static void* operator new(size_t nSize) noexcept { return _AfxAllocateOwned(nSize); }
    static void operator delete(void* p) noexcept { _AfxFreeOwned(p); }
    static void* operator new(size_t, void* p) noexcept { return p; }
    static void operator delete(void*, void*) noexcept {}

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL _GetBaseClass();
    static CRuntimeClass* PASCAL _GetThisClass();

protected:
    CObject();

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// `object` as a class_name, or null when it is not one (or is null).
_AFX_CORE_API CObject* AFXAPI _AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object) \
    (static_cast<class_name*>(_AfxDynamicDownCast(RUNTIME_CLASS(class_name), object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

// Exceptions: thrown by pointer, and ended by the handler that catches them
// with Delete() (never with delete: an exception may be a static object).
class _AFX_CORE_CLASS CException : public CObject {
    DECLARE_DYNAMIC(CException)

public:
    CException();
    // bAutoDelete: the object lives on the heap, and Delete frees it.
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    void Delete();
    // The text that describes the exception; FALSE (and an empty text) when
    // there is none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

protected:
    BOOL _m_bAutoDelete;
};

// The framework's own exceptions, each with its text in this DLL.
class _AFX_CORE_CLASS CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)

public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    ~CSimpleException() override;

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

class _AFX_CORE_CLASS CMemoryException : public CSimpleException {
    DECLARE_DYNAMIC(CMemoryException)

public:
    CMemoryException();
    ~CMemoryException() override;
};

class _AFX_CORE_CLASS CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)

public:
    CNotSupportedException();
    ~CNotSupportedException() override;
};

// Out of memory: always the one static object, which needs none.
[[noreturn]] _AFX_CORE_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] _AFX_CORE_API void AFXAPI AfxThrowNotSupportedException();

#include "afxstat_.h"
#include "afxstr.h"
