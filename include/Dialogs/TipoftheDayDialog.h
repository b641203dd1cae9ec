// The Tip of the Day box: one tip of a host's string range at a time, a
// button for the next one and a check box for showing tips at start-up.
#pragma once

#include "DialogsExport.h"
#include "LexorinBasis.h"
#include "TransparentBitmap.h"

#include <afxwin.h>

class DIALOGS_API CT_TipoftheDayDialog : public CDialog {
public:
    // Filled by the host, which keeps it alive while the dialog runs.
    struct DIALOGS_API st_Parameters {
        HINSTANCE h_Instance;    // holds the caption (string 10200) and the tips
        unsigned n_FirstTip;     // string of tip 0
        unsigned n_LastTip;      // string of the last tip, not below n_FirstTip

        st_Parameters& operator=(const st_Parameters& other);
    };

    // Shows the box, modal, with no parent. *pn_Tip is the tip shown last
    // (0xFFFFFFFF before the first run): the box starts with the next one,
    // and on return it is the one on screen at the end. *pb_ShowAtStartup is
    // the check box: set as given, read back only when the user pressed OK.
    // Both are written back however the box was closed; nothing is shown
    // when a pointer is null.
    static void sv_Show(const st_Parameters* pcso_Parameters, int* pb_ShowAtStartup, unsigned int* pn_Tip);

    // A null record shows no tip.
    CT_TipoftheDayDialog(const st_Parameters* pcso_Parameters, CWnd* pParent);
    ~CT_TipoftheDayDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnNextTip();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

    // Steps to the next tip that has text, wrapping to tip 0, whose text is
    // taken even when empty.
    void v_LoadNextTip();

    BOOL b_ShowAtStartup;
    const st_Parameters* pcso_Parameters;
    CString co_Tip;
    unsigned n_Tip;
    unsigned n_TipCount;
    CT_TransparentBitmap co_Bitmap;
    CT_LogicalFont* pco_HeadingFont;
    CT_LogicalFont* pco_TipFont;

private:
    CT_LogicalFont* pco_HireFont(unsigned percent, int bold, int nIDControl);
    unsigned n_FollowingTip(unsigned index) const;
};
