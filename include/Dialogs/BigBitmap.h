// A device-independent bitmap read from a bitmap resource and drawn with the
// palette of its own colour table.
#pragma once

#include "DialogsExport.h"
#include "LexorinBasis.h"

#include <afxwin.h>

// A packed DIB (header, colour table, pixel bits) in moveable global memory.
typedef HGLOBAL HDIB;

// Holds one picture and draws it at its natural size. A dialog may keep
// objects of this class without windows and call OnDraw from its own
// painting; a derived class may create a window of the class that the first
// object registered (spcco_GetClassName), which then paints itself.
//
// A picture that is missing, cannot be read, or whose header, colour table
// or bits do not fit inside its resource is not held: the object then has
// no DIB, a size of 0 x 0, and draws nothing.
class DIALOGS_API CT_BigBitmap : public CWnd {
    DECLARE_DYNAMIC(CT_BigBitmap)

public:
    CT_BigBitmap();
    // Reads bitmap nID (low 16 bits) of hInstance and realises its palette on
    // pDialog (on the screen when null). Drawn at *pPoint, or at (0, 0).
    CT_BigBitmap(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint);
    ~CT_BigBitmap() override;

    // Releases the picture held and reads the named one in its place.
    void v_Set(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint);

    // The shared window class; null before the first construction and after
    // the library's unload (sv_Exit).
    static const CT_UString* spcco_GetClassName();
    static void sv_Exit();

    unsigned n_GetHeight() const { return n_Height; }
    unsigned n_GetWidth() const { return n_Width; }
    CPalette* pco_GetPalette() const { return pco_Palette; }
    HDIB h_GetHDIB() const { return h_DIB; }
    CPalette* pco_GetDocPalette() const { return pco_DocPalette; }
    CSize pco_GetDocSize() const { return co_DocSize; }

    // Readers of a packed DIB in memory; they trust the block they are given.
    // Heights count rows, also of a picture stored top-down.
    unsigned n_DIBWidth(BYTE* lpbi) const;
    unsigned n_DIBHeight(BYTE* lpbi) const;
    unsigned n_DIBNumColors(BYTE* lpbi) const;
    unsigned n_PaletteSize(BYTE* lpbi) const;
    void* pv_FindDIBBits(BYTE* lpbi) const;

    // Bitmap nID of the resource module as a new DIB block, or null when it
    // is missing, cannot be copied or is not a whole picture.
    HDIB h_ReadDIBFile(unsigned nID);
    // A palette of the DIB's colour table, attached to pPal (which must hold
    // none yet). FALSE without a colour table or a usable DIB.
    BOOL b_CreateDIBPalette(HDIB hDIB, CPalette* pPal);
    // Draws lpDIBRect of the DIB (its rows counted from the picture's top)
    // into lpDCRect, stretched when their sizes differ, with pPal (when
    // given) as background palette. The number of scan lines drawn; 0 when
    // nothing was.
    BOOL b_PaintDIB(HDC hDC, RECT* lpDCRect, HDIB hDIB, RECT* lpDIBRect, CPalette* pPal);
    // Size and document palette of the DIB held.
    void v_InitDIBData();
    void v_RealizePalette(CDialog* pDialog);

protected:
    void v_Init(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint);
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

public:
    // On a screen, the picture's top-left corner at the drawing position; on
    // a printer, the page's width with the picture's proportions.
    virtual void OnDraw(CDC* pDC);

protected:
    unsigned n_ID;
    POINT so_Point;
    HINSTANCE h_Instance;
    unsigned n_Height;
    unsigned n_Width;
    CPalette* pco_Palette;
    HDIB h_DIB;
    CPalette* pco_DocPalette;
    CSize co_DocSize;

private:
    static CT_UString* spco_ClassName;
    // Frees the class name when the library's static objects are destroyed.
    static CT_Exit sco_Exit;

    static void sv_RegisterClass();
    void v_ReleasePicture();
    void v_Exit();
    void v_Null();
};
