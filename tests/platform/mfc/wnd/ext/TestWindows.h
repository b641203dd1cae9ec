// Window classes of the test extension DLL MfcTestWindows.dll: window
// objects that live in a module other than the program, as the library's do.
#pragma once

#include <afxcmn.h>

// A static control acting as a link: handles its own click (a reflected
// STN_CLICKED) and its own colours (a reflected WM_CTLCOLORSTATIC), and
// records what reached it.
class AFX_EXT_CLASS CTestLink : public CStatic {
    DECLARE_DYNAMIC(CTestLink)

public:
    CTestLink();

    int m_nClicks;                  // reflected STN_CLICKED handled
    int m_nPreSubclassCalls;
    int m_nMessagesAtPreSubclass;   // messages seen when PreSubclassWindow ran (-1: never ran)
    int m_nMessages;                // messages through WindowProc
    int m_nMousePreTranslated;      // mouse messages given to PreTranslateMessage
    HWND m_hWndLastPreTranslated;   // target of the last of them

    // Colours: with m_bOwnColours the control paints on m_crBackground,
    // otherwise it gives no brush and leaves the colours to its parent.
    BOOL m_bOwnColours;
    COLORREF m_crBackground;
    int m_nCtlColorCalls;

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnClicked();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    CBrush m_brush;

    DECLARE_MESSAGE_MAP()
};

// The data-exchange dialog (template IDD_EXCHANGE): a check box, a text, a
// number, a combo box and an extended combo box by index, and the link
// control bound with DDX_Control.
class AFX_EXT_CLASS CTestExchangeDialog : public CDialog {
    DECLARE_DYNAMIC(CTestExchangeDialog)

public:
    explicit CTestExchangeDialog(CWnd* pParent = nullptr);

    int m_nCheck;
    CString m_strText;
    int m_nNumber;
    int m_nIndex;
    int m_nIndexEx;
    CTestLink m_link;
    CComboBoxEx m_comboEx;
    int m_nInitDialogCalls;

    // Called at the end of OnInitDialog, when set.
    void (*m_pfnAfterInit)(CTestExchangeDialog* pDialog);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
