// The bitmap object's DIB operations: reading a bitmap resource, making its
// palette and drawing it.
#include <Dialogs/BigBitmap.h>

#include "DibDrawing.h"
#include "DibLock.h"
#include "DibResource.h"

#include <string.h>

unsigned CT_BigBitmap::n_DIBWidth(BYTE* lpbi) const
{
    return lpbi ? CT_DIBFormat::sn_Width(lpbi) : 0;
}

unsigned CT_BigBitmap::n_DIBHeight(BYTE* lpbi) const
{
    return lpbi ? CT_DIBFormat::sn_Height(lpbi) : 0;
}

unsigned CT_BigBitmap::n_DIBNumColors(BYTE* lpbi) const
{
    return lpbi ? CT_DIBFormat::sn_NumColors(lpbi) : 0;
}

unsigned CT_BigBitmap::n_PaletteSize(BYTE* lpbi) const
{
    return lpbi ? CT_DIBFormat::sn_PaletteSize(lpbi) : 0;
}

void* CT_BigBitmap::pv_FindDIBBits(BYTE* lpbi) const
{
    return lpbi ? lpbi + CT_DIBFormat::sn_BitsOffset(lpbi) : nullptr;
}

// A bitmap resource is a packed DIB without the file header.
HDIB CT_BigBitmap::h_ReadDIBFile(unsigned nID)
{
    DWORD size = 0;
    const BYTE* data = pcn1_FindWholePicture(h_Instance, MAKEINTRESOURCEW(LOWORD(nID)), &size);
    if (!data)
        return nullptr;

    HDIB hDIB = GlobalAlloc(GHND, size);
    if (!hDIB)
        return nullptr;
    void* target = GlobalLock(hDIB);
    if (!target) {
        GlobalFree(hDIB);
        return nullptr;
    }
    memcpy(target, data, size);
    GlobalUnlock(hDIB);
    return hDIB;
}

BOOL CT_BigBitmap::b_CreateDIBPalette(HDIB hDIB, CPalette* pPal)
{
    if (!hDIB || !pPal)
        return FALSE;
    CT_DIBLock lock(hDIB);
    if (!lock.b_IsReadable())
        return FALSE;
    BYTE* lpbi = lock.pn1_Get();
    // A wrapper that holds a palette already keeps it: the framework would
    // not take a second one.
    if (pPal->GetSafeHandle())
        return FALSE;
    const unsigned nColours = n_DIBNumColors(lpbi);
    if (nColours == 0)
        return FALSE;

    HGLOBAL hLogPal = GlobalAlloc(GHND, 8 + 4 * nColours);
    if (!hLogPal)
        return FALSE;
    auto* pLogPal = static_cast<LOGPALETTE*>(GlobalLock(hLogPal));
    if (!pLogPal) {
        GlobalFree(hLogPal);
        return FALSE;
    }
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries = static_cast<WORD>(nColours);
    for (unsigned i = 0; i < nColours; ++i) {
        PALETTEENTRY& entry = pLogPal->palPalEntry[i];
        CT_DIBFormat::sv_GetColour(lpbi, i, &entry.peRed, &entry.peGreen, &entry.peBlue);
        entry.peFlags = 0;
    }
    const BOOL bResult = pPal->CreatePalette(pLogPal);
    GlobalUnlock(hLogPal);
    GlobalFree(hLogPal);
    return bResult;
}

BOOL CT_BigBitmap::b_PaintDIB(HDC hDC, RECT* lpDCRect, HDIB hDIB, RECT* lpDIBRect, CPalette* pPal)
{
    if (!hDIB || !lpDCRect || !lpDIBRect)
        return FALSE;
    CT_DIBLock lock(hDIB);
    if (!lock.b_IsReadable())
        return FALSE;

    HPALETTE hOldPal = nullptr;
    if (pPal)
        hOldPal = ::SelectPalette(hDC, static_cast<HPALETTE>(pPal->GetSafeHandle()), TRUE);
    ::SetStretchBltMode(hDC, COLORONCOLOR);
    const int nScans = i_CopyDIB(hDC, *lpDCRect, lock.pn1_Get(), *lpDIBRect);
    if (hOldPal)
        ::SelectPalette(hDC, hOldPal, TRUE);
    return nScans;
}

void CT_BigBitmap::v_InitDIBData()
{
    delete pco_DocPalette;
    pco_DocPalette = nullptr;
    if (!h_DIB)
        return;
    {
        CT_DIBLock lock(h_DIB);
        if (!lock.b_IsReadable()) {
            v_ReleasePicture();
            return;
        }
        n_Width = n_DIBWidth(lock.pn1_Get());
        n_Height = n_DIBHeight(lock.pn1_Get());
        co_DocSize = CSize(static_cast<int>(n_Width), static_cast<int>(n_Height));
    }

    pco_DocPalette = new CPalette;
    if (!pco_DocPalette) {
        // Without memory the object is one without picture.
        v_ReleasePicture();
        return;
    }
    if (!b_CreateDIBPalette(h_DIB, pco_DocPalette)) {
        delete pco_DocPalette;
        pco_DocPalette = nullptr;
    }
}

void CT_BigBitmap::v_RealizePalette(CDialog* pDialog)
{
    if (!h_DIB || !pco_DocPalette)
        return;
    // Without a context there is nothing to realise the palette in.
    try {
        CClientDC dc(pDialog);
        CPalette* pOldPal = dc.SelectPalette(pco_DocPalette, TRUE);
        if (pOldPal) {
            dc.RealizePalette();
            dc.SelectPalette(pOldPal, TRUE);
        }
    } catch (CResourceException* e) {
        e->Delete();
    }
}
