// The bitmap object: its window class, the picture it holds and drawing it.
#include <Dialogs/BigBitmap.h>

#include "DibLock.h"

#include <limits.h>

IMPLEMENT_DYNAMIC(CT_BigBitmap, CWnd)

BEGIN_MESSAGE_MAP(CT_BigBitmap, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CT_UString* CT_BigBitmap::spco_ClassName = nullptr;

CT_BigBitmap::CT_BigBitmap()
    : n_ID(0), so_Point{0, 0}, h_Instance(nullptr), n_Height(0), n_Width(0), pco_Palette(nullptr), h_DIB(nullptr),
      pco_DocPalette(nullptr), co_DocSize(0, 0)
{
    sv_RegisterClass();
}

CT_BigBitmap::CT_BigBitmap(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint)
    : CT_BigBitmap()
{
    v_Null();
    v_Set(pDialog, hInstance, nID, pPoint);
}

CT_BigBitmap::~CT_BigBitmap()
{
    v_Exit();
    v_ReleasePicture();
}

// One class serves every object: the name is kept until the library unloads.
// A class the system refuses leaves no name, and a later object tries again.
void CT_BigBitmap::sv_RegisterClass()
{
    if (spco_ClassName)
        return;
    LPCTSTR name = nullptr;
    try {
        name = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS);
    } catch (CResourceException* e) {
        e->Delete();
        return;
    }
    spco_ClassName = new CT_UString(name);
}

const CT_UString* CT_BigBitmap::spcco_GetClassName()
{
    return spco_ClassName;
}

void CT_BigBitmap::sv_Exit()
{
    delete spco_ClassName;
    spco_ClassName = nullptr;
}

void CT_BigBitmap::v_Set(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint)
{
    n_ID = nID;
    h_Instance = hInstance;
    v_Exit();
    v_ReleasePicture();
    pco_Palette = new CPalette;

    so_Point = pPoint ? *pPoint : POINT{0, 0};

    BeginWaitCursor();
    h_DIB = h_ReadDIBFile(nID);
    v_InitDIBData();
    EndWaitCursor();

    v_RealizePalette(pDialog);
}

void CT_BigBitmap::v_Init(CDialog* pDialog, HINSTANCE hInstance, unsigned nID, const POINT* pPoint)
{
    v_Set(pDialog, hInstance, nID, pPoint);
}

// The size of a picture goes with it.
void CT_BigBitmap::v_ReleasePicture()
{
    n_Width = 0;
    n_Height = 0;
    co_DocSize = CSize(0, 0);
    delete pco_DocPalette;
    pco_DocPalette = nullptr;
    if (h_DIB) {
        GlobalFree(h_DIB);
        h_DIB = nullptr;
    }
}

void CT_BigBitmap::v_Exit()
{
    delete pco_Palette;
    pco_Palette = nullptr;
}

void CT_BigBitmap::v_Null()
{
    pco_Palette = nullptr;
}

void CT_BigBitmap::DoDataExchange(CDataExchange* /*pDX*/)
{
}

// Without a context to paint with, the picture stays undrawn until the
// window is next invalidated.
void CT_BigBitmap::OnPaint()
{
    try {
        CPaintDC dc(this);
        OnDraw(&dc);
    } catch (CResourceException* e) {
        e->Delete();
        ValidateRect(nullptr);
    }
}

void CT_BigBitmap::OnDraw(CDC* pDC)
{
    if (!h_DIB || !pDC)
        return;
    unsigned cxDIB = 0;
    unsigned cyDIB = 0;
    {
        CT_DIBLock lock(h_DIB);
        if (!lock.b_IsReadable())
            return;
        cxDIB = n_DIBWidth(lock.pn1_Get());
        cyDIB = n_DIBHeight(lock.pn1_Get());
    }
    CRect rcDIB(0, 0, static_cast<int>(cxDIB), static_cast<int>(cyDIB));
    CRect rcDest;
    if (pDC->IsPrinting()) {
        const int cxPage = pDC->GetDeviceCaps(HORZRES);
        const int cxInch = pDC->GetDeviceCaps(LOGPIXELSX);
        const int cyInch = pDC->GetDeviceCaps(LOGPIXELSY);
        // Without an attribute context there is no page to measure.
        if (cxInch <= 0)
            return;
        const double height = double(cyInch) * cyDIB * cxPage / (double(cxDIB) * cxInch);
        rcDest.SetRect(0, 0, cxPage, height < INT_MAX ? static_cast<int>(height) : INT_MAX);
    } else {
        rcDest.SetRect(so_Point.x, so_Point.y, static_cast<int>(so_Point.x + cxDIB),
                       static_cast<int>(so_Point.y + cyDIB));
    }
    b_PaintDIB(pDC->m_hDC, &rcDest, h_DIB, &rcDIB, pco_DocPalette);
}
