// Permanent maps (process-wide: a wrapper may be destroyed on another thread
// than the one that created it) and temporary maps (per thread: temporaries
// live until their own thread clears them).
#include "HandleMaps.h"
#include "../HandleMap.h"
#include "../ThreadSlot.h"
#include <afxdiag.h>

namespace {

class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&section); }
    ~CriticalSection() { DeleteCriticalSection(&section); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    class Guard {
    public:
        explicit Guard(CriticalSection& lock) : held(lock) { EnterCriticalSection(&held.section); }
        ~Guard() { LeaveCriticalSection(&held.section); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CriticalSection& held;
    };

private:
    CRITICAL_SECTION section;
};

// A value that threads share, reached under its lock.
template <class Value> class Shared {
public:
    template <class Task> auto use(Task task)
    {
        CriticalSection::Guard guard(lock);
        return task(value);
    }

private:
    CriticalSection lock;
    Value value;
};

void disownGdi(CGdiObject* object)
{
    object->m_hObject = nullptr;
}

void disownDC(CDC* dc)
{
    dc->m_hDC = nullptr;
    dc->m_hAttribDC = nullptr;
}

using GdiMap = CAfxHandleMap<HGDIOBJ, CGdiObject, disownGdi>;
using DCMap = CAfxHandleMap<HDC, CDC, disownDC>;

// Owners only; their temporaries are the thread's.
Shared<GdiMap>& permanentGdi()
{
    static Shared<GdiMap> owners;
    return owners;
}

Shared<DCMap>& permanentDCs()
{
    static Shared<DCMap> owners;
    return owners;
}

struct ThreadTemps {
    GdiMap gdi;
    DCMap dcs;
};

CAfxThreadSlot tempSlot = {0};

ThreadTemps* existingTemps()
{
    return static_cast<ThreadTemps*>(tempSlot.Get());
}

ThreadTemps* threadTemps()
{
    return tempSlot.Obtain<ThreadTemps>();
}

CRuntimeClass* classOfObject(HGDIOBJ hObject)
{
    switch (GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH:
        return RUNTIME_CLASS(CBrush);
    case OBJ_FONT:
        return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP:
        return RUNTIME_CLASS(CBitmap);
    case OBJ_PAL:
        return RUNTIME_CLASS(CPalette);
    case OBJ_REGION:
        return RUNTIME_CLASS(CRgn);
    default:
        return RUNTIME_CLASS(CGdiObject);
    }
}

// The GDI wrapper classes are not dynamically creatable, so the temporary is
// made by name of class.
CGdiObject* newWrapper(CRuntimeClass* pClass)
{
    if (pClass == RUNTIME_CLASS(CPen))
        return new CPen;
    if (pClass == RUNTIME_CLASS(CBrush))
        return new CBrush;
    if (pClass == RUNTIME_CLASS(CFont))
        return new CFont;
    if (pClass == RUNTIME_CLASS(CBitmap))
        return new CBitmap;
    if (pClass == RUNTIME_CLASS(CPalette))
        return new CPalette;
    if (pClass == RUNTIME_CLASS(CRgn))
        return new CRgn;
    return new CGdiObject;
}

} // namespace

bool AfxSetPermanentGdi(HGDIOBJ hObject, CGdiObject* pObject)
{
    return permanentGdi().use([&](GdiMap& owners) { return owners.attach(hObject, pObject); });
}

void AfxRemovePermanentGdi(HGDIOBJ hObject, CGdiObject* pObject)
{
    permanentGdi().use([&](GdiMap& owners) { owners.removePermanent(hObject, pObject); });
}

bool AfxSetPermanentDC(HDC hDC, CDC* pDC)
{
    return permanentDCs().use([&](DCMap& owners) { return owners.attach(hDC, pDC); });
}

void AfxRemovePermanentDC(HDC hDC, CDC* pDC)
{
    permanentDCs().use([&](DCMap& owners) { owners.removePermanent(hDC, pDC); });
}

// A handle that names no object (never made, or deleted) gets no wrapper. A
// handle whose object was deleted and whose value came back for another kind
// of object gets a new temporary; the old one stays until the clearing.
CGdiObject* AfxGdiFromHandle(HGDIOBJ hObject, CRuntimeClass* pClass)
{
    if (!hObject || !GetObjectType(hObject))
        return nullptr;
    CGdiObject* owner = permanentGdi().use([&](GdiMap& owners) { return owners.permanent(hObject); });
    if (owner && owner->IsKindOf(pClass))
        return owner;
    ThreadTemps* temps = threadTemps();
    if (!temps)
        return nullptr;
    if (pClass == RUNTIME_CLASS(CGdiObject))
        pClass = classOfObject(hObject);
    CGdiObject* temp = temps->gdi.temporary(hObject);
    if (temp && temp->m_hObject == hObject && temp->GetRuntimeClass() == pClass)
        return temp;
    temp = newWrapper(pClass);
    if (!temp)
        return nullptr;
    temp->m_hObject = hObject;
    if (!temps->gdi.addTemporary(hObject, temp)) {
        disownGdi(temp);
        delete temp;
        return nullptr;
    }
    return temp;
}

CDC* AfxDCFromHandle(HDC hDC)
{
    if (!hDC || !GetObjectType(hDC))
        return nullptr;
    if (CDC* owner = permanentDCs().use([&](DCMap& owners) { return owners.permanent(hDC); }))
        return owner;
    ThreadTemps* temps = threadTemps();
    if (!temps)
        return nullptr;
    CDC* temp = temps->dcs.temporary(hDC);
    if (temp && temp->m_hDC == hDC && temp->m_hAttribDC == hDC)
        return temp;
    temp = new CDC;
    if (!temp)
        return nullptr;
    temp->m_hDC = temp->m_hAttribDC = hDC;
    if (!temps->dcs.addTemporary(hDC, temp)) {
        disownDC(temp);
        delete temp;
        return nullptr;
    }
    return temp;
}

void AfxDeleteTempGdiObjects()
{
    if (ThreadTemps* temps = existingTemps())
        temps->gdi.deleteTemporaries();
}

void AfxDeleteTempDCs()
{
    if (ThreadTemps* temps = existingTemps())
        temps->dcs.deleteTemporaries();
}

void AfxEndThreadTemps()
{
    ThreadTemps* temps = existingTemps();
    if (!temps)
        return;
    temps->gdi.deleteTemporaries();
    temps->dcs.deleteTemporaries();
    tempSlot.Set(nullptr);
    delete temps;
}

void AfxFreeTempStorage()
{
    tempSlot.Free();
}

int __cdecl AfxDiagGetTempGdiCount(void)
{
    ThreadTemps* temps = existingTemps();
    return temps ? temps->gdi.temporaryCount() + temps->dcs.temporaryCount() : 0;
}
