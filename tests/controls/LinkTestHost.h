// A shown, framework-subclassed dialog with the static items of
// LinkTestIds.h, so that their notifications and colour requests are
// reflected to the link objects attached to them.
#pragma once

#include <afxwin.h>

#include <vector>

class LinkTestHost {
public:
    LinkTestHost();
    ~LinkTestHost();
    LinkTestHost(const LinkTestHost&) = delete;
    LinkTestHost& operator=(const LinkTestHost&) = delete;

    HWND dialog() const { return dialog_.m_hWnd; }
    CWnd* window() { return &dialog_; }
    HWND item(int id) const { return GetDlgItem(dialog_.m_hWnd, id); }
    // The item's window rectangle in the dialog's client coordinates.
    RECT itemRect(int id) const;
    // Paints the whole dialog again, children included.
    void paint();

    // Pixels of the dialog's client area (its device context reads what the
    // screen shows there, children included).
    COLORREF pixel(int x, int y) const;
    // The pixels of the frame one pixel outside the item's client area.
    std::vector<COLORREF> ringAround(int id) const;
    // Pixels of the item's client area, row by row.
    std::vector<std::vector<COLORREF>> itemPixels(int id) const;

private:
    CWnd dialog_;
};

// Client rectangle of a window.
RECT clientRect(HWND window);
