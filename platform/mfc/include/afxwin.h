// The framework's window side: command targets and message maps, windows on
// real Win32 handles, message reflection, dialogs with data exchange, the
// standard controls, and the application object with its message pump.
//
// Window objects are found from their handles through a map kept per
// thread: permanent entries for objects attached to a window (Attach,
// SubclassWindow, creation), temporary ones for windows that FromHandle was
// asked about and no object owns. Temporary objects are deleted when the
// thread's message loop is idle (see AfxUnlockTempMaps) and when the thread
// ends; do not keep their addresses across messages.
#pragma once

#include "afx.h"
#include "afxtypes.h"
#include "afxgdi.h"

class CCmdTarget;
class CWnd;
class CDataExchange;
class CWinThread;
class CWinApp;
struct CCreateContext;

// ---------------------------------------------------------------------------
// Message maps


// The 16-bit colour message that stands for every _AFX_WM_CTLCOLOR* message in a
// message map (with the control type as a parameter).
#ifndef _AFX_WM_CTLCOLOR
#define _AFX_WM_CTLCOLOR 0x0019
#endif
// A control's own messages that its parent passed back to it: the reflected
// form of message m is _AFX_WM_REFLECT_BASE + m.
#define _AFX_WM_REFLECT_BASE 0xBC00
// Command code of a menu item, an accelerator or a button click.
#define CN_COMMAND 0

typedef void (CCmdTarget::*_AFX_PMSG)();
typedef void (CWnd::*_AFX_PMSGW)();

// How a handler is called: its parameters and result.
enum _AfxSig {
    _AfxSig_end = 0,   // marks the end of a map
    _AfxSig_vv,        // void ()
    _AfxSig_is,        // int (LPCREATESTRUCT)
    _AfxSig_bD,        // BOOL (CDC*)
    _AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    _AfxSig_hDw,       // HBRUSH (CDC*, UINT)
    _AfxSig_vwp,       // void (UINT, CPoint)
    _AfxSig_vW,        // void (CWnd*)
    _AfxSig_vwww,      // void (UINT, UINT, UINT)
    _AfxSig_vwii,      // void (UINT, int, int)
    _AfxSig_vw,        // void (UINT_PTR)
    _AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    _AfxSig_vWl,       // void (CWnd*), the window in lParam
    _AfxSig_vOWNER,    // void (int, LPDRAWITEMSTRUCT)
    _AfxSigCmd_v,      // void () for a command
    _AfxSigCmd_b,      // BOOL () for a command; FALSE passes it on
    _AfxSigNotify_v    // void (NMHDR*, LRESULT*)
};

struct _AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message (WM_COMMAND and WM_NOTIFY for commands and notifications)
    UINT nCode;      // command or notification code
    UINT nID;        // first control ID
    UINT nLastID;    // last control ID
    UINT_PTR nSig;   // an _AfxSig
    _AFX_PMSG pfn;
};

struct _AFX_MSGMAP {
    const _AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();   // null for the root
    const _AFX_MSGMAP_ENTRY* lpEntries;
};

// What WM_NOTIFY handlers receive through OnCmdMsg's pExtra.
struct _AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled in by OnCmdMsg instead of calling the handler.
struct _AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    _AFX_PMSG pmf;
};

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const _AFX_MSGMAP* PASCAL _GetThisMessageMap();        \
    virtual const _AFX_MSGMAP* _GetMessageMap() const override;

// A class's map, searched before its base class's map.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                  \
    const _AFX_MSGMAP* theClass::_GetMessageMap() const           \
    {                                                           \
        return _GetThisMessageMap();                             \
    }                                                           \
    const _AFX_MSGMAP* PASCAL theClass::_GetThisMessageMap()      \
    {                                                           \
        /* an empty map names no handler of ThisClass */        \
        [[maybe_unused]] typedef theClass ThisClass;            \
        typedef baseClass TheBaseClass;                         \
        static const _AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                       \
        {0, 0, 0, 0, _AfxSig_end, nullptr}};                                     \
        static const _AFX_MSGMAP messageMap = {&TheBaseClass::_GetThisMessageMap, \
                                              &_messageEntries[0]};             \
        return &messageMap;                                                     \
    }

// The first entry of the chain that takes nMessage with code nCode from
// control nID; null when none does.
_AFX_CORE_API const _AFX_MSGMAP_ENTRY* AFXAPI _AfxFindMessageEntry(const _AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                                UINT nID);

// ---------------------------------------------------------------------------
// Command targets

class _AFX_CORE_CLASS CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Calls the handler of command nID (nCode: the notification code, with
    // the message in the high word for anything but WM_COMMAND). TRUE when a
    // handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, _AFX_CMDHANDLERINFO* pHandlerInfo);

    // The hourglass while work is done: the application's DoWaitCursor with
    // 1, -1 and 0.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const _AFX_MSGMAP* PASCAL _GetThisMessageMap();
    virtual const _AFX_MSGMAP* _GetMessageMap() const;
};

// ---------------------------------------------------------------------------
// Windows

// _m_nFlags
#define _AFX_WF_MODALLOOP 0x0001       // a modal loop runs on the window
#define _AFX_WF_CONTINUEMODAL 0x0002   // and goes on
#define _AFX_WF_NCDESTROYED 0x0004     // the original procedure has seen WM_NCDESTROY

// RunModalLoop flags
#define MLF_SHOWONIDLE 0x0001     // show the window when the loop first idles

class _AFX_CORE_CLASS CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    HWND m_hWnd;
    UINT _m_nFlags;
    WNDPROC _m_pfnSuper;    // the procedure the window had before the object took it over
    int _m_nModalResult;

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    CWnd();
    // Destroys a window that the object still owns.
    ~CWnd() override;

    // Null for a null object as well.
    HWND GetSafeHwnd() const;
    operator HWND() const { return m_hWnd; }
    BOOL operator==(const CWnd& wnd) const { return m_hWnd == wnd.m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return m_hWnd != wnd.m_hWnd; }

    // The object attached to hWnd or, when none is, a temporary one; null for
    // a null or dead handle, or without memory.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();

    // Attach records the object for hWnd (FALSE for a null or dead handle, a
    // window that has an object, or an object that has a window); messages
    // still go to the window's own procedure. Subclassing, for windows of the
    // calling thread, also routes them through the object; PreSubclassWindow
    // runs before the first of them. Detach and UnsubclassWindow let go of
    // the window and give a subclassed one its own procedure back.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation: the object is attached before the window's first message,
    // so that OnCreate runs. When creation fails after that, PostNcDestroy
    // has run as Windows destroyed the window, and the object may be gone.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // A window of the object's may delete the object in PostNcDestroy:
    // touch nothing of it afterwards.
    virtual BOOL DestroyWindow();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // TRUE when the style changed; nFlags (SWP_*) also applies it to the frame.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The message being handled, passed on to the window's own procedure.
    LRESULT Default();

    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;

    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // pWndInsertAfter: a window, or &wndTop, &wndBottom, &wndTopMost,
    // &wndNoTopMost; null stands for wndTop.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    // A child in its parent's client area; any other window on its owner
    // (pAlternateOwner when given), or on the work area of its screen when it
    // has no visible owner. The window is kept within the work area.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void UpdateWindow();
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);

    // The window that had the focus or capture before, or null.
    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    CWnd* SetCapture();
    static CWnd* PASCAL GetCapture();
    static CWnd* PASCAL GetActiveWindow();

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;

    // The window a dialog of pParent's should be owned by: pParent's
    // top-level window, else the application's main window, else the
    // thread's active window; null when there is none. *pWndTop (when given)
    // receives that window's top-level ancestor.
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);

    // A client-area context, temporary; give it back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Runs DoDataExchange; FALSE when a value failed to be read or checked
    // (the failing control then has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL IsDialogMessage(LPMSG lpMsg);

    // Gives the window a look at a message before it is dispatched; TRUE
    // when the message has been dealt with.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers the message to the objects of its target window and of that
    // window's parents (and owners), up to hWndStop; TRUE once one took it.
    static BOOL PASCAL _WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // Passes the message being handled (a child's notification to this
    // parent) back to the child's object. TRUE when the child handled it.
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);

    // A modal loop on this window: runs until EndModalLoop, the window's
    // destruction or WM_QUIT (which is posted again); the result given to
    // EndModalLoop, else -1.
    virtual int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    virtual void PreSubclassWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void DoDataExchange(CDataExchange* pDX);

protected:
    explicit CWnd(HWND hWnd);

    // Message handling: WindowProc gives the message to OnWndMsg, which
    // finds the handler in the message map; what no handler takes goes to
    // DefWindowProc, the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window's last message; the object may delete itself here.
    virtual void PostNcDestroy();
    // WM_COMMAND and WM_NOTIFY: a control's notification goes to the
    // control's object first (reflection), then to this object's map.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // This control's notification, passed back by its parent: message is
    // what the parent received. TRUE when handled (*pResult the answer).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // IsDialogMessage for keyboard and mouse messages.
    BOOL _PreTranslateInput(LPMSG lpMsg);

    // Handlers: each passes the message on to the window's own procedure.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    // Passes the message on, detaches the object and calls PostNcDestroy.
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    // An owner-drawn item's drawing goes to the item's object (its
    // DrawItem); a menu's, or an item without an object, is passed on.
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Offers the colours to the control's object first (its reflected
    // handler); when that gives no brush, the window's own procedure answers.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

    friend class CWndInternal;
};

// The same for a known object: records the message for Default and
// ReflectLastMsg, and finishes the object's window after WM_NCDESTROY.
_AFX_CORE_API LRESULT AFXAPI _AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);

// The name of a window class with the given style, cursor, background and
// icon, registered on first request. The text stays valid for the life of
// the process. Throws CResourceException when the class cannot be registered.
_AFX_CORE_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                                HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// ---------------------------------------------------------------------------
// Dialogs and dialog data exchange

// A Windows resource (a device context, a window class) could not be had.
class _AFX_CORE_CLASS CResourceException : public CSimpleException {
    DECLARE_DYNAMIC(CResourceException)

public:
    CResourceException();
    ~CResourceException() override;
};

// Stops an operation of the user's: thrown once the user knows why.
class _AFX_CORE_CLASS CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)

public:
    CUserException();
    ~CUserException() override;
};

[[noreturn]] _AFX_CORE_API void AFXAPI AfxThrowResourceException();
[[noreturn]] _AFX_CORE_API void AFXAPI AfxThrowUserException();

// The context of one DoDataExchange run. A failing exchange calls Fail,
// which puts the focus on the control last prepared and throws
// CUserException; UpdateData catches it and returns FALSE.
class _AFX_CORE_CLASS CDataExchange {
public:
    BOOL m_bSaveAndValidate;   // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND _m_hWndLastControl;
    int _m_idLastControl;
    BOOL _m_bEditLastControl;

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Control nIDC of the dialog. A dialog without it is asked for what it
    // cannot do: throws CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    [[noreturn]] void Fail();
};

// Subclasses control nIDC as rControl, unless rControl has a window already.
_AFX_CORE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box's state: BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE.
_AFX_CORE_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
_AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Numbers in decimal; text that is not one fails the exchange.
_AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
_AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
// The selected index of a combo box (CB_ERR for none).
_AFX_CORE_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

class _AFX_CORE_CLASS CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    // The template by name or number; pParentWnd owns the dialog (see DoModal).
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Shows the dialog modally and returns what EndDialog was given, or -1
    // when the template is missing or the dialog cannot be created. The
    // template comes from the module that AfxFindResourceHandle names; the
    // owner, disabled meanwhile, is the parent, else the application's main
    // window, else the thread's active window.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // The default exchanges data into the controls and returns TRUE (the
    // dialog then puts the focus on its first control).
    virtual BOOL OnInitDialog();
    // Dialog keys (Tab, Enter, Esc, mnemonics) for the dialog's controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCTSTR _m_lpszTemplateName;
    CWnd* _m_pParentWnd;

protected:
    CDialog();

    // IDOK: saves the controls' data and ends with IDOK when that works.
    virtual void OnOK();
    // IDCANCEL (also Esc and the close box): ends with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Standard controls

class _AFX_CORE_CLASS CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

public:
    CStatic() = default;
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);

    // Draws an SS_OWNERDRAW control: override it for such a control. The
    // framework's debug build stops here, and so does this one.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class _AFX_CORE_CLASS CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)

public:
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int AddString(LPCTSTR lpszString);
    // The index of the item whose whole text is lpszFind (case ignored),
    // searching after nIndexStart (-1: from the top); CB_ERR when none is.
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    void GetLBText(int nIndex, CString& rString) const;
};

// ---------------------------------------------------------------------------
// Threads and the application

// The thread that runs the message pump. The framework has one: the
// application object.
class _AFX_CORE_CLASS CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd;
    DWORD m_nThreadID;
    MSG _m_msgCur;

    virtual BOOL InitInstance();
    // The message pump: idles when the queue is empty, pre-translates and
    // dispatches each message; ends on WM_QUIT with ExitInstance's result.
    virtual int Run();
    // Walks the window tree from the message's target up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work; lCount counts the calls since the last message. The
    // default deletes temporary objects and asks for no more calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // The exit code of the WM_QUIT that ended the pump.
    virtual int ExitInstance();
    // Waits for, pre-translates and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    virtual CWnd* GetMainWnd();
    // An exception that a message's handler let through: a window whose
    // WM_PAINT failed is validated, a failed WM_CREATE answers -1.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

private:
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
};

// The one application object, constructed (usually as a global) before
// AfxWinMain runs it.
class _AFX_CORE_CLASS CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    virtual BOOL _InitApplication();
    // The wait cursor of CCmdTarget::BeginWaitCursor and its kin: 1 shows
    // it, -1 takes one showing back, 0 shows it again while any is showing.
    virtual void DoWaitCursor(int nCode);

private:
    CString m_strAppName;   // what m_pszAppName points at
};

_AFX_CORE_API CWinApp* AFXAPI AfxGetApp();
// The application's thread object when called on its thread, else null.
_AFX_CORE_API CWinThread* AFXAPI AfxGetThread();
_AFX_CORE_API CWnd* AFXAPI AfxGetMainWnd();
// Records the start-up arguments in the application object.
_AFX_CORE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

#include "afxmsg_.h"
