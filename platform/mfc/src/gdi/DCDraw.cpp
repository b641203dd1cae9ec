// Drawing on the output context.
#include "BothDCs.h"

namespace {

HDC sourceOf(CDC* pSrcDC)
{
    return pSrcDC ? pSrcDC->m_hDC : nullptr;
}

HBRUSH brushOf(CBrush* pBrush)
{
    return pBrush ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr;
}

} // namespace

// The current position is kept the same on both contexts.
CPoint CDC::MoveTo(int x, int y)
{
    return AfxOnBothDCs(*this, CPoint(), [=](HDC hDC) {
        POINT previous = {0, 0};
        MoveToEx(hDC, x, y, &previous);
        return CPoint(previous);
    });
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_hDC)
        return FALSE;
    if (m_hAttribDC && m_hAttribDC != m_hDC)
        MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (m_hDC && lpRect)
        ::DrawFocusRect(m_hDC, lpRect);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (m_hDC && lpRect && brushOf(pBrush))
        ::FillRect(m_hDC, lpRect, brushOf(pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (m_hDC && lpRect && brushOf(pBrush))
        ::FrameRect(m_hDC, lpRect, brushOf(pBrush));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    if (m_hDC && lpRect)
        ::InvertRect(m_hDC, lpRect);
}

// An opaque text output of no characters fills the rectangle with the
// background colour, which is set for the call only.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (!m_hDC || !lpRect)
        return;
    const COLORREF previous = ::SetBkColor(m_hDC, clr);
    if (previous == CLR_INVALID)
        return;
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return m_hDC ? ::Rectangle(m_hDC, x1, y1, x2, y2) : FALSE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect ? Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (!m_hDC)
        return FALSE;
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, sourceOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    if (!m_hDC)
        return FALSE;
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, sourceOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return m_hDC ? ::ExtFloodFill(m_hDC, x, y, crColor, nFillType) : FALSE;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return m_hDC ? ::GetPixel(m_hDC, x, y) : CLR_INVALID;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return m_hDC ? ::SetPixel(m_hDC, x, y, crColor) : CLR_INVALID;
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    return m_hDC && lpRect ? ::GetClipBox(m_hDC, lpRect) : ERROR;
}
