// CGdiObject: ownership of one GDI handle.
#include "HandleMaps.h"
#include "../SafeHandle.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

// Indexes of the system colours whose brushes GetSysColorBrush hands out.
const int LAST_SYS_COLOR = 30;   // COLOR_MENUBAR
const int LAST_STOCK_OBJECT = DC_PEN;

} // namespace

bool AfxIsSystemGdiObject(HGDIOBJ hObject)
{
    for (int i = 0; i <= LAST_STOCK_OBJECT; ++i) {
        if (GetStockObject(i) == hObject)
            return true;
    }
    if (GetObjectType(hObject) != OBJ_BRUSH)
        return false;
    for (int i = 0; i <= LAST_SYS_COLOR; ++i) {
        if (GetSysColorBrush(i) == hObject)
            return true;
    }
    return false;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return AfxSafeHandle(this, &CGdiObject::m_hObject);
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxGdiFromHandle(hObject, RUNTIME_CLASS(CGdiObject));
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject)
        return FALSE;
    // Any number of wrappers may hold a system object, since none deletes it.
    if (!AfxIsSystemGdiObject(hObject) && !AfxSetPermanentGdi(hObject, this))
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject)
        AfxRemovePermanentGdi(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ hObject = Detach();
    if (AfxIsSystemGdiObject(hObject))
        return TRUE;
    return ::DeleteObject(hObject);
}

BOOL AfxAttachNewGdi(CGdiObject* pObject, HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    if (pObject->Attach(hObject))
        return TRUE;
    if (!AfxIsSystemGdiObject(hObject))
        ::DeleteObject(hObject);
    return FALSE;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return AfxAttachNewGdi(this, GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return m_hObject ? ::UnrealizeObject(m_hObject) : FALSE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    // A null lpObject asks for the size that the object's record needs.
    if (!m_hObject || nCount < 0)
        return 0;
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0;
}
