// The drawing attributes of a device context: set on both contexts, read
// from the attribute context.
#include "BothDCs.h"

COLORREF CDC::GetTextColor() const
{
    return m_hAttribDC ? ::GetTextColor(m_hAttribDC) : CLR_INVALID;
}

COLORREF CDC::GetBkColor() const
{
    return m_hAttribDC ? ::GetBkColor(m_hAttribDC) : CLR_INVALID;
}

int CDC::GetBkMode() const
{
    return m_hAttribDC ? ::GetBkMode(m_hAttribDC) : 0;
}

UINT CDC::GetTextAlign() const
{
    return m_hAttribDC ? ::GetTextAlign(m_hAttribDC) : GDI_ERROR;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return AfxOnBothDCs(*this, COLORREF(CLR_INVALID), [=](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return AfxOnBothDCs(*this, COLORREF(CLR_INVALID), [=](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return AfxOnBothDCs(*this, 0, [=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return AfxOnBothDCs(*this, UINT(GDI_ERROR), [=](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return AfxOnBothDCs(*this, 0, [=](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}

int CDC::SetMapMode(int nMapMode)
{
    return AfxOnBothDCs(*this, 0, [=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return AfxOnBothDCs(*this, 0, [=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

BOOL CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    return m_hAttribDC && lpPoints && nCount >= 0 ? ::DPtoLP(m_hAttribDC, lpPoints, nCount) : FALSE;
}
