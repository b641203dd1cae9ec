// Bitmap resources checked where they lie. Internal to the bitmap classes.
#pragma once

#include <windows.h>

// The bytes of bitmap `name` of `module` when they hold one whole picture
// (CT_DIBFormat::sb_IsReadable), with their count in *pSize when asked for;
// null for a missing or broken picture. Valid while the module is loaded.
const BYTE* pcn1_FindWholePicture(HINSTANCE module, LPCWSTR name, DWORD* pSize);
