// A static text item shown as a hyperlink.
#pragma once

#include "HttpLink.h"

// A CT_HttpLink that draws its text underlined, blue until it was opened and
// purple afterwards, on a transparent background, and keeps its width equal
// to its target written in that font. Only plain left, centred or right text
// items (no other style bit of the low byte, SS_NOPREFIX included) take the
// link look; every item is fitted to its target.
class DIALOGS_API CT_TextHttpLink : public CT_HttpLink {
    DECLARE_DYNAMIC(CT_TextHttpLink)

public:
    CT_TextHttpLink();
    ~CT_TextHttpLink() override;

    // Width of the target in the link font, height and position kept.
    void vv_AdjustSize() override;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    CFont co_Font;              // underlined copy of the item's font, made on the first paint
    COLORREF n_LinkColour;      // before a successful open
    COLORREF n_VisitedColour;   // after it

private:
    void v_Null();
    void v_CreateLinkFont();
    void v_KeepLinkFont();
    void v_GiveItemFontBack();

    HWND h_FontItem = nullptr;    // the item drawing in co_Font
    HFONT h_ItemFont = nullptr;   // the font it had before, given back when the link lets go
};
