// The framework's GDI side: wrappers of pens, brushes, fonts, bitmaps,
// palettes and regions, and device contexts.
//
// A wrapper that creates or attaches a handle owns it and deletes it when it
// is destroyed; stock objects and system colour brushes are never deleted.
// FromHandle answers with the wrapper that owns a handle or, when none does,
// with a temporary one that owns nothing and lives until the calling thread's
// temporary maps are next cleared (see AfxUnlockTempMaps); with null for a
// null handle or one that names no object.
#pragma once

#include "afx.h"
#include "afxtypes.h"

class CWnd;
class CDC;


class _AFX_CORE_CLASS CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)

public:
    HGDIOBJ m_hObject;

    CGdiObject() noexcept : m_hObject(nullptr) {}
    ~CGdiObject() override;

    operator HGDIOBJ() const noexcept { return m_hObject; }
    // Null for a null object as well, as callers of the framework expect.
    HGDIOBJ GetSafeHandle() const;

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    // FALSE when this wrapper already holds a handle, for a null handle, and
    // for a handle that another wrapper owns (two owners would delete it twice).
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the owned handle; FALSE when there is none.
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;

    BOOL operator==(const CGdiObject& obj) const noexcept { return m_hObject == obj.m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const noexcept { return m_hObject != obj.m_hObject; }
};

class _AFX_CORE_CLASS CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)

public:
    CPen() noexcept = default;
    // An empty wrapper when the pen cannot be made.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* PASCAL FromHandle(HPEN hPen);
    operator HPEN() const noexcept { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;
};

class CBitmap;

class _AFX_CORE_CLASS CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)

public:
    CBrush() noexcept = default;
    // Empty wrappers when the brush cannot be made.
    explicit CBrush(COLORREF crColor);
    explicit CBrush(CBitmap* pBitmap);

    static CBrush* PASCAL FromHandle(HBRUSH hBrush);
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    // The system's brush for colour nIndex; it belongs to the system and is
    // not deleted with the wrapper.
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class _AFX_CORE_CLASS CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)

public:
    static CFont* PASCAL FromHandle(HFONT hFont);
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // A font nPointSize tenths of a point high for pDC's attribute context
    // (the screen when pDC is null).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    // The same with lfHeight of *lpLogFont read as tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
};

class _AFX_CORE_CLASS CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)

public:
    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }

    // From the module that AfxFindResourceHandle names for the bitmap.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
};

class _AFX_CORE_CLASS CPalette : public CGdiObject {
    DECLARE_DYNAMIC(CPalette)

public:
    static CPalette* PASCAL FromHandle(HPALETTE hPalette);
    operator HPALETTE() const noexcept { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    BOOL CreateHalftonePalette(CDC* pDC);
    // Number of entries; 0 without a palette.
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    BOOL ResizePalette(UINT nNumEntries);
};

class _AFX_CORE_CLASS CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)

public:
    static CRgn* PASCAL FromHandle(HRGN hRgn);
    operator HRGN() const noexcept { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    // Combines two regions into this one, which must exist already.
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    BOOL PtInRegion(POINT point) const;
    int GetRgnBox(LPRECT lpRect) const;
};

// A device context with two handles: output goes to m_hDC, and questions
// about the device (capabilities, text measures, current attributes) go to
// m_hAttribDC. Usually both are the same handle; print preview, for one,
// sets them apart. The wrapper deletes m_hDC when it is destroyed.
class _AFX_CORE_CLASS CDC : public CObject {
    DECLARE_DYNAMIC(CDC)

public:
    HDC m_hDC;
    HDC m_hAttribDC;

    CDC() noexcept : m_hDC(nullptr), m_hAttribDC(nullptr) {}
    ~CDC() override;

    operator HDC() const noexcept { return m_hDC; }
    // Null for a null object as well.
    HDC GetSafeHdc() const;
    BOOL IsPrinting() const noexcept { return m_bPrinting; }

    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();

    // Both handles become hDC. FALSE when a handle is held already, for a
    // null handle, and for a handle that another wrapper owns.
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    BOOL CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    // A memory context compatible with pDC (with the screen when null).
    BOOL CreateCompatibleDC(CDC* pDC);

    // The handles of a wrapper that holds none, set one by one. They are not
    // listed for FromHandle, and m_hDC is deleted with the wrapper like any
    // other: release what it must not delete.
    void SetAttribDC(HDC hDC) noexcept { m_hAttribDC = hDC; }
    void SetOutputDC(HDC hDC) noexcept { m_hDC = hDC; }
    void ReleaseAttribDC() noexcept { m_hAttribDC = nullptr; }
    void ReleaseOutputDC() noexcept { m_hDC = nullptr; }

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    // Selection answers with the object selected before, as the wrapper that
    // owns it or as a temporary one; null when nothing was selected.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    // The region's type (SIMPLEREGION and so on), or ERROR.
    int SelectObject(CRgn* pRgn);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();
    int SelectClipRgn(CRgn* pRgn);

    COLORREF GetTextColor() const;
    COLORREF GetBkColor() const;
    int GetBkMode() const;
    UINT GetTextAlign() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    UINT SetTextAlign(UINT nFlags);
    int SetStretchBltMode(int nStretchMode);
    int SetMapMode(int nMapMode);
    int SetROP2(int nDrawMode);

    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    LPINT lpDxWidths);
    // The text is never written to: DT_MODIFYSTRING is ignored.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    // Measured on the attribute context; (0, 0) for a null text.
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    // Measured on the output context.
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    void DrawFocusRect(LPCRECT lpRect);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void InvertRect(LPCRECT lpRect);
    // Fills with one colour; the background colour is left as it was.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    // pSrcDC may be null for raster operations that take no source.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }

    int GetClipBox(LPRECT lpRect) const;
    BOOL DPtoLP(LPPOINT lpPoints, int nCount = 1) const;

private:
    BOOL m_bPrinting = FALSE;   // set by the code that prints

    friend class CDCInternal;
};

// Painting a window between BeginPaint and EndPaint.
class _AFX_CORE_CLASS CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)

public:
    // No context (m_hDC null) for a null window or when painting cannot begin.
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// A window's client area (the whole screen for a null window).
class _AFX_CORE_CLASS CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)

public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// A whole window, frame included (the whole screen for a null window).
class _AFX_CORE_CLASS CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)

public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

