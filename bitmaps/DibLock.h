// A DIB block locked for reading while the object lives. Internal to the
// bitmap classes.
#pragma once

#include <Dialogs/BigBitmap.h>

#include "DibFormat.h"

class CT_DIBLock {
public:
    explicit CT_DIBLock(HDIB hDIB)
        : h_DIB(hDIB), pn1_DIB(hDIB ? static_cast<BYTE*>(GlobalLock(hDIB)) : nullptr)
    {
    }
    ~CT_DIBLock()
    {
        if (pn1_DIB)
            GlobalUnlock(h_DIB);
    }
    CT_DIBLock(const CT_DIBLock&) = delete;
    CT_DIBLock& operator=(const CT_DIBLock&) = delete;

    // Null when the block could not be locked.
    BYTE* pn1_Get() const { return pn1_DIB; }
    // Locked and one whole picture: safe to read and to hand to the system.
    bool b_IsReadable() const { return pn1_DIB && CT_DIBFormat::sb_IsReadable(pn1_DIB, GlobalSize(h_DIB)); }

private:
    HDIB h_DIB;
    BYTE* pn1_DIB;
};
