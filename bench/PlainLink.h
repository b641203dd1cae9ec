// A static item of a dialog made a link the plain Win32 way: the hand cursor
// over it, a tooltip of its own showing its target, a focus frame one pixel
// outside it, and a click or the Space key opening the target with the shell
// (visited after a successful open). The item needs SS_NOTIFY.
#pragma once

#include <windows.h>

#include <string>

struct PlainLink {
    HWND item = nullptr;
    WNDPROC staticProcedure = nullptr;   // the item's own, behind the link's
    HWND tip = nullptr;
    HCURSOR hand = nullptr;
    std::wstring target;
    bool visited = false;
    HFONT font = nullptr;   // the text link's underlined font, made once
};

// Turns `item` into a link to `target` with the cursor `hand`, taking the
// item's window procedure and user data. The link must stay where it is
// until v_PlainFreeLink.
void v_PlainMakeLink(PlainLink* link, HWND item, const wchar_t* target, HCURSOR hand);

// Also shows the item's text underlined: the underlined copy of its font
// made once and given to it, its width fitted to the target in that font.
// The parent colours it with h_PlainColourTextLink.
void v_PlainMakeTextLink(PlainLink* link, HWND item, const wchar_t* target, HCURSOR hand);

// The parent's WM_CTLCOLORSTATIC for a text link: the link colour, blue or
// purple once visited, on a transparent background.
HBRUSH h_PlainColourTextLink(const PlainLink& link, HDC dc);

// Fits the width of a text link to its target, leaving position and height;
// `toTop` also moves it to the top of its siblings.
void v_PlainFitTextLink(const PlainLink& link, bool toTop);

// The parent's WM_COMMAND: opens the target when the link was clicked.
// TRUE when the command was the link's click.
BOOL b_PlainOnLinkCommand(PlainLink* link, WPARAM command, LPARAM control);

// Gives the item its own window procedure back and destroys the tooltip and
// the font.
void v_PlainFreeLink(PlainLink* link);
