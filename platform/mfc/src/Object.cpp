// CObject and the run-time class registry: classes register while their
// module is initialised, extension DLLs claim theirs into the chain, and
// FromName searches the application's classes and the chain's.
#include "AfxGlobals.h"

#include <string.h>

namespace {

bool sameName(LPCSTR name, LPCSTR wanted)
{
    return strcmp(name, wanted) == 0;
}

// Class names are plain ASCII identifiers, so widening byte by byte compares
// them without converting (or allocating) anything.
bool sameName(LPCSTR name, LPCWSTR wanted)
{
    while (*name && static_cast<unsigned char>(*name) == *wanted) {
        ++name;
        ++wanted;
    }
    return *name == 0 && *wanted == 0;
}

template <class Text> CRuntimeClass* findClass(Text lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    CAfxGlobalsLock lock;
    const AFX_MODULE_STATE& state = AfxProcessState();
    for (CRuntimeClass* c = state._m_pClassList; c; c = c->_pNextClass) {
        if (sameName(c->m_lpszClassName, lpszClassName))
            return c;
    }
    for (CDynLinkLibrary* library = state._m_pLibraryList; library; library = library->_m_pNextDLL) {
        for (CRuntimeClass* c = library->_m_pClassList; c; c = c->_pNextClass) {
            if (sameName(c->m_lpszClassName, lpszClassName))
                return c;
        }
    }
    return nullptr;
}

template <class Text> CObject* createByName(Text lpszClassName)
{
    CRuntimeClass* pClass = findClass(lpszClassName);
    return pClass ? pClass->CreateObject() : nullptr;
}

} // namespace

CObject* CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (!pBaseClass)
        return FALSE;
    for (const CRuntimeClass* c = this; c; c = c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr) {
        if (c == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    return findClass(lpszClassName);
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    return findClass(lpszClassName);
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    return createByName(lpszClassName);
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    return createByName(lpszClassName);
}

_AFX_CLASSINIT::_AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass)
{
    if (!pNewClass)
        return;
    CAfxGlobalsLock lock;
    AFX_MODULE_STATE& state = AfxProcessState();
    // Linking a class twice would close the list into a loop.
    for (CRuntimeClass* c = state._m_pClassList; c; c = c->_pNextClass) {
        if (c == pNewClass)
            return;
    }
    pNewClass->_pNextClass = state._m_pClassList;
    state._m_pClassList = pNewClass;
}

// Normally an extension DLL's classes have left the chain with its
// CDynLinkLibrary by now; this catches a DLL whose initialisation failed or
// that never terminated, so that no list keeps a record of unloaded memory.
_AFX_CLASSINIT::~_AFX_CLASSINIT()
{
    if (!m_pClass)
        return;
    CAfxGlobalsLock lock;
    AFX_MODULE_STATE& state = AfxProcessState();
    AfxUnlink(state._m_pClassList, m_pClass, &CRuntimeClass::_pNextClass);
    // Libraries built on one record share their list: each head is checked,
    // and the class's own link is cut only after all of them.
    for (CDynLinkLibrary* library = state._m_pLibraryList; library; library = library->_m_pNextDLL)
        AfxUnlink(library->_m_pClassList, m_pClass, &CRuntimeClass::_pNextClass);
    m_pClass->_pNextClass = nullptr;
}

CRuntimeClass CObject::classCObject = {
    "CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, &CObject::_GetBaseClass, nullptr};
static const _AFX_CLASSINIT afxClassInitCObject(&CObject::classCObject);

CObject::CObject() = default;

CObject::~CObject() = default;

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return nullptr;
}

CRuntimeClass* PASCAL CObject::_GetThisClass()
{
    return &CObject::classCObject;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

CObject* AFXAPI _AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject && pObject->IsKindOf(pClass) ? pObject : nullptr;
}
