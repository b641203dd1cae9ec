// The pointer and the focus visiting an item of a shown dialog box.
#pragma once

#include <windows.h>

// The pointer moves onto the item and off it again; then the focus visits it.
void hover(HWND dialog, int id);
