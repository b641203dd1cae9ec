// A static item of a dialog that acts as a hyperlink.
#pragma once

#include "DialogsExport.h"
#include "LexorinBasis.h"

#include <afxcmn.h>
#include <afxwin.h>

// Attach it to a static item (SubclassDlgItem), then give it its target. The
// pointer turns into a pointing hand over it and a tooltip shows the target;
// a click, or Space while it has the focus, hands the target to the shell
// with "open". It paints nothing of its own but a focus rectangle, so it
// looks like the item it was attached to.
//
// Clicks and the mouse reach a static item only when its template gives it
// SS_NOTIFY; without it only the keyboard opens the link.
class DIALOGS_API CT_HttpLink : public CStatic {
    DECLARE_DYNAMIC(CT_HttpLink)

public:
    CT_HttpLink();
    ~CT_HttpLink() override;

    // Copies the target. With a window the control also fits itself to it,
    // renames its tooltip and repaints; without one the tooltip takes the
    // target when the control is attached.
    void v_SetURL(const CT_String* pcco_URL);

    // Fits the control to its target; this class keeps its size.
    virtual void vv_AdjustSize();

    // Relays the control's mouse messages to the tooltip.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    // An owner-drawn item (the About box's pictures) shows what its dialog
    // paints beneath it: the link itself draws nothing.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Opens the target through the shell; one longer than any address
    // (2083 characters) is not opened, as a failed open.
    afx_msg void v_OnClicked();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    // Hands assistive technology an object that tells it the link's target
    // and state and opens it; see LinkAccessible.h.
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL b_Visited;            // opened successfully at least once
    BOOL b_Over;               // the pointer is inside and the control holds the capture
    HCURSOR h_LinkCursor;      // shared resource cursor: never destroyed
    HCURSOR h_PreviousCursor;  // put back when hovering ends
    CToolTipCtrl co_ToolTip;
    CT_UString co_URL;

private:
    // Reads the target and the visited state, and opens the link, for
    // assistive technology.
    friend class CT_LinkAccessible;

    void v_Null();
    void v_EndHover();
    // Inverts a dotted frame one pixel outside the client area; drawing it
    // again removes it.
    void v_DrawFocusRect();
};
