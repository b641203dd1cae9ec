// Whole pictures handed to the system's copy calls. Internal to the bitmap
// classes.
#pragma once

#include <windows.h>

// Copies part `source` of a whole packed picture (CT_DIBFormat::sb_IsReadable)
// into `target` of hDC: unstretched when both have the same size, else
// stretched in the context's stretching mode. Both count the source's rows
// from the picture's top, whichever way they are stored. The number of scan
// lines copied; 0 when nothing was.
int i_CopyDIB(HDC hDC, const RECT& target, const BYTE* pcn1_DIB, const RECT& source);
