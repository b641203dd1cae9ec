#include "HandleMaps.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
    return static_cast<CPen*>(AfxGdiFromHandle(hPen, RUNTIME_CLASS(CPen)));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AfxAttachNewGdi(this, ::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return lpLogPen ? AfxAttachNewGdi(this, ::CreatePenIndirect(lpLogPen)) : FALSE;
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    return pLogPen ? GetObject(sizeof(LOGPEN), pLogPen) : 0;
}
