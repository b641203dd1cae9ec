#include <Dialogs/TransparentBitmap.h>

#include "DibResource.h"

namespace {

// Checked in the module the framework will load the picture from.
bool b_IsWholePicture(UINT nBitmapID)
{
    const LPCTSTR name = MAKEINTRESOURCE(LOWORD(nBitmapID));
    return pcn1_FindWholePicture(AfxFindResourceHandle(name, RT_BITMAP), name, nullptr) != nullptr;
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

// The resource is never changed: the colour goes into a memory copy. The
// wrappers are declared so that they go in the order the copy needs: the
// memory context first (still holding bitmap and brush), then the bitmap,
// the brush, and the painting last.
void CT_TransparentBitmap::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    CBitmap picture;
    // A missing or broken picture paints nothing rather than measuring no bitmap.
    if (!b_IsWholePicture(n_BitmapID) || !picture.LoadBitmap(LOWORD(n_BitmapID)))
        return;
    BITMAP size = {};
    if (!picture.GetBitmap(&size))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    // The objects selected before are not asked for: the context goes with
    // bitmap and brush still in it.
    memory.SelectObject(picture.m_hObject);
    memory.SelectObject(shadow.m_hObject);
    memory.ExtFloodFill(0, 0, RGB(255, 255, 255), FLOODFILLSURFACE);
    dc.BitBlt(client.left, client.top, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
}
