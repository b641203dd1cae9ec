#include "HandleMaps.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn)
{
    return static_cast<CRgn*>(AfxGdiFromHandle(hRgn, RUNTIME_CLASS(CRgn)));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return AfxAttachNewGdi(this, ::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect ? AfxAttachNewGdi(this, ::CreateRectRgnIndirect(lpRect)) : FALSE;
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return AfxAttachNewGdi(this, ::CreateEllipticRgn(x1, y1, x2, y2));
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    // RGN_COPY reads only the first source.
    if (!m_hObject || !pRgn1 || (!pRgn2 && nCombineMode != RGN_COPY))
        return ERROR;
    return ::CombineRgn(*this, *pRgn1, pRgn2 ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return m_hObject ? ::PtInRegion(*this, point.x, point.y) : FALSE;
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return m_hObject && lpRect ? ::GetRgnBox(*this, lpRect) : ERROR;
}
