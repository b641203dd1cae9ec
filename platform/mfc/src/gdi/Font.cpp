#include "HandleMaps.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* PASCAL CFont::FromHandle(HFONT hFont)
{
    return static_cast<CFont*>(AfxGdiFromHandle(hFont, RUNTIME_CLASS(CFont)));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return lpLogFont ? AfxAttachNewGdi(this, ::CreateFontIndirect(lpLogFont)) : FALSE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return AfxAttachNewGdi(this, ::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                  cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                  lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpyn(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

// Points become device pixels by the context's vertical resolution, and
// pixels become logical units by its mapping mode. The height is negative:
// it is the characters' height, not the cell's.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (!lpLogFont)
        return FALSE;
    HDC hDC = pDC ? pDC->m_hAttribDC : GetDC(nullptr);
    if (!hDC)
        return FALSE;
    POINT height = {0, MulDiv(GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)};
    POINT origin = {0, 0};
    DPtoLP(hDC, &height, 1);
    DPtoLP(hDC, &origin, 1);
    if (!pDC)
        ReleaseDC(nullptr, hDC);
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = -abs(height.y - origin.y);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return pLogFont ? GetObject(sizeof(LOGFONT), pLogFont) : 0;
}
