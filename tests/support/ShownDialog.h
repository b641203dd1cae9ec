// Finding the dialog box that a thread shows, and reading and pressing its
// items, for tests that play its user.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

// The visible dialog box (class "#32770") of that thread, the one with that
// caption when one is given; null when there is none.
HWND findShownDialog(DWORD threadId, const wchar_t* caption = nullptr);

std::wstring windowText(HWND window);
std::wstring itemText(HWND dialog, int id);
bool isChecked(HWND dialog, int id);
// As a user clicks it (BM_CLICK), handled before this returns.
void click(HWND dialog, int id);
// As a user presses OK.
void pressOK(HWND dialog);
// As a user presses Esc: the key goes to the window with the focus, and the
// box's modal loop makes IDCANCEL of it.
void pressEscape(HWND dialog);
// As a user clicks the close box of the caption.
void pressCloseBox(HWND dialog);
// Paints the box and its items afresh, now.
void repaint(HWND dialog);
// A pixel of an item's client area as the screen shows it.
COLORREF itemPixel(HWND dialog, int id, int x, int y);
// A tree view's item in `relation` (TVGN_*) to `from`, and an item's text.
HTREEITEM treeItem(HWND tree, UINT relation, HTREEITEM from);
std::wstring treeItemText(HWND tree, HTREEITEM item);
