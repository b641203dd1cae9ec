#include "HandleMaps.h"

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

CPalette* PASCAL CPalette::FromHandle(HPALETTE hPalette)
{
    return static_cast<CPalette*>(AfxGdiFromHandle(hPalette, RUNTIME_CLASS(CPalette)));
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return lpLogPalette ? AfxAttachNewGdi(this, ::CreatePalette(lpLogPalette)) : FALSE;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    if (!pDC || !pDC->m_hDC)
        return FALSE;
    return AfxAttachNewGdi(this, ::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    if (!GetObject(sizeof(nEntries), &nEntries))
        return 0;
    return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    // Without lpPaletteColors the system answers with the number of entries.
    if (!m_hObject)
        return 0;
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    if (!m_hObject || !lpPaletteColors)
        return 0;
    return ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return m_hObject ? ::GetNearestPaletteIndex(*this, crColor) : CLR_INVALID;
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return m_hObject ? ::ResizePalette(*this, nNumEntries) : FALSE;
}
