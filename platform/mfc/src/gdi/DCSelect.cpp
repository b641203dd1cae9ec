// Selecting objects into a device context. Pens, brushes, fonts and clip
// regions go into both contexts; a bitmap can be selected into one context
// only, the output one, and so goes a palette.
#include "BothDCs.h"
#include "HandleMaps.h"

namespace {

HGDIOBJ selectIntoBoth(const CDC& dc, HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    return AfxOnBothDCs(dc, HGDIOBJ(), [=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

HGDIOBJ selectIntoOutput(const CDC& dc, HGDIOBJ hObject)
{
    if (!hObject || !dc.m_hDC)
        return nullptr;
    return ::SelectObject(dc.m_hDC, hObject);
}

int selectClipRgn(const CDC& dc, HRGN hRgn)
{
    return AfxOnBothDCs(dc, int(ERROR), [=](HDC hDC) { return ::SelectClipRgn(hDC, hRgn); });
}

} // namespace

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen)
        return nullptr;
    return CPen::FromHandle(static_cast<HPEN>(selectIntoBoth(*this, pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (!pBrush)
        return nullptr;
    return CBrush::FromHandle(static_cast<HBRUSH>(selectIntoBoth(*this, pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (!pFont)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(selectIntoBoth(*this, pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (!pBitmap)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(selectIntoOutput(*this, pBitmap->m_hObject)));
}

// A region has no "previous" object: null for it.
CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject || pObject->GetObjectType() == OBJ_REGION)
        return nullptr;
    return CGdiObject::FromHandle(SelectObject(pObject->m_hObject));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return pRgn && pRgn->m_hObject ? selectClipRgn(*this, *pRgn) : ERROR;
}

// A region answers with itself when it could be selected.
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    switch (GetObjectType(hObject)) {
    case 0:
        return nullptr;
    case OBJ_BITMAP:
        return selectIntoOutput(*this, hObject);
    case OBJ_REGION:
        return selectClipRgn(*this, static_cast<HRGN>(hObject)) == ERROR ? nullptr : hObject;
    default:
        return selectIntoBoth(*this, hObject);
    }
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(selectIntoBoth(*this, GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    if (!pPalette || !pPalette->m_hObject || !m_hDC)
        return nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, *pPalette, bForceBackground));
}

UINT CDC::RealizePalette()
{
    return m_hDC ? ::RealizePalette(m_hDC) : GDI_ERROR;
}

// A null region removes the clipping.
int CDC::SelectClipRgn(CRgn* pRgn)
{
    return selectClipRgn(*this, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}
