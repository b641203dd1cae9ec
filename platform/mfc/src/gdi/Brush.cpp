#include "HandleMaps.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
    CreatePatternBrush(pBitmap);
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return static_cast<CBrush*>(AfxGdiFromHandle(hBrush, RUNTIME_CLASS(CBrush)));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return AfxAttachNewGdi(this, ::CreateSolidBrush(crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    if (!pBitmap || !pBitmap->m_hObject)
        return FALSE;
    return AfxAttachNewGdi(this, ::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return lpLogBrush ? AfxAttachNewGdi(this, ::CreateBrushIndirect(lpLogBrush)) : FALSE;
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return AfxAttachNewGdi(this, GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    return pLogBrush ? GetObject(sizeof(LOGBRUSH), pLogBrush) : 0;
}
