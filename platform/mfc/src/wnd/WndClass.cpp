// Window classes registered on request: one per combination of style,
// cursor, background and icon, named after them.
#include "../AfxGlobals.h"

#include <stdio.h>

#include <list>
#include <string>

namespace {

// The names handed out. A list never moves its elements, so each name's
// text stays where it is for as long as the framework is loaded.
std::list<std::wstring>& registeredNames()
{
    static std::list<std::wstring> names;
    return names;
}

} // namespace

// Windows of these classes start with the default procedure; the framework's
// creation hook routes them through their objects.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    WCHAR name[96] = {};
    _snwprintf(name, 95, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
               static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    CAfxGlobalsLock lock;
    std::list<std::wstring>& names = registeredNames();
    for (const std::wstring& known : names) {
        if (known == name)
            return known.c_str();
    }
    WNDCLASSW wc = {};
    if (!GetClassInfoW(hInstance, name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        if (!RegisterClassW(&wc))
            AfxThrowResourceException();
    }
    try {
        names.emplace_back(name);
    } catch (...) {
        AfxThrowResourceException();
    }
    return names.back().c_str();
}
