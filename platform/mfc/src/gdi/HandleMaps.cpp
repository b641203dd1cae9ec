// Permanent maps (process-wide: a wrapper may be destroyed on another thread
// than the one that created it) and temporary maps (per thread: temporaries
// live until their own thread clears them).
#include "HandleMaps.h"
#include "../ThreadSlot.h"

#include <unordered_map>
#include <vector>

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

template <class Handle, class Object> class PermanentMap {
public:
    bool set(Handle handle, Object* object)
    {
        CriticalSection::Guard guard(lock);
        try {
            auto result = owners.emplace(handle, object);
            return result.second || result.first->second == object;
        } catch (...) {
            return false;
        }
    }

    void remove(Handle handle, Object* object)
    {
        CriticalSection::Guard guard(lock);
        auto it = owners.find(handle);
        if (it != owners.end() && it->second == object)
            owners.erase(it);
    }

    Object* lookup(Handle handle)
    {
        CriticalSection::Guard guard(lock);
        auto it = owners.find(handle);
        return it == owners.end() ? nullptr : it->second;
    }

private:
    CriticalSection lock;
    std::unordered_map<Handle, Object*> owners;
};

PermanentMap<HGDIOBJ, CGdiObject>& permanentGdi()
{
    static PermanentMap<HGDIOBJ, CGdiObject> map;
    return map;
}

PermanentMap<HDC, CDC>& permanentDCs()
{
    static PermanentMap<HDC, CDC> map;
    return map;
}

// Every temporary made since the last clearing, and the latest one for each
// handle. A handle whose object was deleted and whose value came back for
// another kind of object gets a new temporary; the old one stays listed
// until the clearing, since its user may still hold it.
template <class Handle, class Object> class TempList {
public:
    Object* find(Handle handle) const
    {
        auto it = latest.find(handle);
        return it == latest.end() ? nullptr : it->second;
    }

    bool add(Handle handle, Object* object)
    {
        try {
            made.push_back(object);
        } catch (...) {
            return false;
        }
        try {
            latest[handle] = object;
        } catch (...) {
            made.pop_back();
            return false;
        }
        return true;
    }

    // `disown` empties a wrapper so that deleting it leaves the handle alone.
    template <class Disown> void clear(Disown disown)
    {
        std::vector<Object*> doomed;
        doomed.swap(made);
        latest.clear();
        for (Object* object : doomed) {
            disown(object);
            delete object;
        }
    }

    size_t size() const { return made.size(); }

private:
    std::vector<Object*> made;
    std::unordered_map<Handle, Object*> latest;
};

struct ThreadTemps {
    TempList<HGDIOBJ, CGdiObject> gdi;
    TempList<HDC, CDC> dcs;
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

void disownGdi(CGdiObject* object)
{
    object->m_hObject = nullptr;
}

void disownDC(CDC* dc)
{
    dc->m_hDC = nullptr;
    dc->m_hAttribDC = nullptr;
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
    return permanentGdi().set(hObject, pObject);
}

void AfxRemovePermanentGdi(HGDIOBJ hObject, CGdiObject* pObject)
{
    permanentGdi().remove(hObject, pObject);
}

bool AfxSetPermanentDC(HDC hDC, CDC* pDC)
{
    return permanentDCs().set(hDC, pDC);
}

void AfxRemovePermanentDC(HDC hDC, CDC* pDC)
{
    permanentDCs().remove(hDC, pDC);
}

// A handle that names no object (never made, or deleted) gets no wrapper.
CGdiObject* AfxGdiFromHandle(HGDIOBJ hObject, CRuntimeClass* pClass)
{
    if (!hObject || !GetObjectType(hObject))
        return nullptr;
    CGdiObject* owner = permanentGdi().lookup(hObject);
    if (owner && owner->IsKindOf(pClass))
        return owner;
    ThreadTemps* temps = threadTemps();
    if (!temps)
        return nullptr;
    if (pClass == RUNTIME_CLASS(CGdiObject))
        pClass = classOfObject(hObject);
    CGdiObject* temp = temps->gdi.find(hObject);
    if (temp && temp->m_hObject == hObject && temp->GetRuntimeClass() == pClass)
        return temp;
    temp = newWrapper(pClass);
    if (!temp)
        return nullptr;
    temp->m_hObject = hObject;
    if (!temps->gdi.add(hObject, temp)) {
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
    if (CDC* owner = permanentDCs().lookup(hDC))
        return owner;
    ThreadTemps* temps = threadTemps();
    if (!temps)
        return nullptr;
    CDC* temp = temps->dcs.find(hDC);
    if (temp && temp->m_hDC == hDC && temp->m_hAttribDC == hDC)
        return temp;
    temp = new CDC;
    if (!temp)
        return nullptr;
    temp->m_hDC = temp->m_hAttribDC = hDC;
    if (!temps->dcs.add(hDC, temp)) {
        disownDC(temp);
        delete temp;
        return nullptr;
    }
    return temp;
}

void AfxDeleteTempGdiObjects()
{
    if (ThreadTemps* temps = existingTemps())
        temps->gdi.clear(disownGdi);
}

void AfxDeleteTempDCs()
{
    if (ThreadTemps* temps = existingTemps())
        temps->dcs.clear(disownDC);
}

void AfxEndThreadTemps()
{
    ThreadTemps* temps = existingTemps();
    if (!temps)
        return;
    temps->gdi.clear(disownGdi);
    temps->dcs.clear(disownDC);
    tempSlot.Set(nullptr);
    delete temps;
}

void AfxFreeTempStorage()
{
    tempSlot.Free();
}

int AFX_CDECL AfxDiagGetTempGdiCount(void)
{
    ThreadTemps* temps = existingTemps();
    return temps ? static_cast<int>(temps->gdi.size() + temps->dcs.size()) : 0;
}
