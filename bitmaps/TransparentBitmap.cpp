#include <Dialogs/TransparentBitmap.h>

#include "DibDrawing.h"
#include "DibFormat.h"
#include "DibResource.h"

namespace {

// In the first module the framework finds it in; null when missing or broken.
const BYTE* pcn1_FindPicture(UINT nBitmapID)
{
    const LPCTSTR name = MAKEINTRESOURCE(LOWORD(nBitmapID));
    return pcn1_FindWholePicture(AfxFindResourceHandle(name, RT_BITMAP), name, nullptr);
}

} // namespace

BEGIN_MESSAGE_MAP(CT_TransparentBitmap, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CT_TransparentBitmap::CT_TransparentBitmap(UINT nBitmapID) : n_BitmapID(nBitmapID)
{
}

CT_TransparentBitmap::~CT_TransparentBitmap() = default;

void CT_TransparentBitmap::v_SetBitmapID(UINT nBitmapID)
{
    n_BitmapID = nBitmapID;
}

// The resource is never changed: the picture is drawn into a memory copy by
// the same copy the bitmap object draws with, which reads every header form
// and row order the checks accept (the system's bitmap loader reads fewer,
// and some of them wrongly). The wrappers are declared so that they go in
// the order the copy needs: the memory context first (still holding bitmap
// and brush), then the bitmap, the brush, and the painting last.
void CT_TransparentBitmap::OnPaint()
{
    try {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        // A missing or broken picture paints nothing.
        const BYTE* dib = pcn1_FindPicture(n_BitmapID);
        if (!dib)
            return;
        const RECT whole = {0, 0, static_cast<int>(CT_DIBFormat::sn_Width(dib)),
                            static_cast<int>(CT_DIBFormat::sn_Height(dib))};
        CBitmap picture;
        if (!picture.CreateCompatibleBitmap(&dc, whole.right, whole.bottom))
            return;
        CDC memory;
        if (!memory.CreateCompatibleDC(&dc))
            return;
        // The objects selected before are not asked for: the context goes with
        // bitmap and brush still in it.
        memory.SelectObject(picture.m_hObject);
        // What a run-length picture leaves out is background, as its white is.
        memory.FillSolidRect(&whole, RGB(255, 255, 255));
        i_CopyDIB(memory.m_hDC, whole, dib, whole);
        memory.SelectObject(shadow.m_hObject);
        memory.ExtFloodFill(0, 0, RGB(255, 255, 255), FLOODFILLSURFACE);
        dc.BitBlt(client.left, client.top, whole.right, whole.bottom, &memory, 0, 0, SRCCOPY);
    } catch (CResourceException* e) {
        // No context to paint with: undrawn until next invalidated.
        e->Delete();
        ValidateRect(nullptr);
    }
}
