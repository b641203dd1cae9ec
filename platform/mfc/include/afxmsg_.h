// Message-map entries. Each macro checks the handler's signature at compile
// time (a handler of the wrong type does not compile) and records how the
// message's parameters are to be unpacked when it is called.
#pragma once

// A window-message handler of type `type` (a pointer to a CWnd member), kept
// in the entry in the common member-pointer form. The ON_WM_* entries name
// the handler of the class whose map they are in; every other entry takes
// the member as written, &Class::Handler.
#define _AFX_WND_HANDLER(type, pmf) static_cast<_AFX_PMSG>(reinterpret_cast<_AFX_PMSGW>(static_cast<type>(pmf)))
// A command or notification handler of type `type` (a pointer to a
// CCmdTarget member).
#define _AFX_CMD_HANDLER(type, pmf) reinterpret_cast<_AFX_PMSG>(static_cast<type>(pmf))

#define _AFX_WM_ENTRY(message, sig, type, pmf) {message, 0, 0, 0, sig, _AFX_WND_HANDLER(type, pmf)},

// Window messages, with MFC's handler names and signatures.
#define ON_WM_CREATE() \
    _AFX_WM_ENTRY(WM_CREATE, _AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)
#define ON_WM_DESTROY() _AFX_WM_ENTRY(WM_DESTROY, _AfxSig_vv, void (CWnd::*)(), &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() \
    _AFX_WM_ENTRY(WM_NCDESTROY, _AfxSig_vv, void (CWnd::*)(), &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() _AFX_WM_ENTRY(WM_CLOSE, _AfxSig_vv, void (CWnd::*)(), &ThisClass::OnClose)
#define ON_WM_PAINT() _AFX_WM_ENTRY(WM_PAINT, _AfxSig_vv, void (CWnd::*)(), &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() \
    _AFX_WM_ENTRY(WM_ERASEBKGND, _AfxSig_bD, BOOL (CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() \
    _AFX_WM_ENTRY(WM_SIZE, _AfxSig_vwii, void (CWnd::*)(UINT, int, int), &ThisClass::OnSize)
#define ON_WM_TIMER() _AFX_WM_ENTRY(WM_TIMER, _AfxSig_vw, void (CWnd::*)(UINT_PTR), &ThisClass::OnTimer)
#define ON_WM_SETFOCUS() \
    _AFX_WM_ENTRY(WM_SETFOCUS, _AfxSig_vW, void (CWnd::*)(CWnd*), &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() \
    _AFX_WM_ENTRY(WM_KILLFOCUS, _AfxSig_vW, void (CWnd::*)(CWnd*), &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() \
    _AFX_WM_ENTRY(WM_KEYDOWN, _AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() \
    _AFX_WM_ENTRY(WM_KEYUP, _AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyUp)
#define ON_WM_MOUSEMOVE() \
    _AFX_WM_ENTRY(WM_MOUSEMOVE, _AfxSig_vwp, void (CWnd::*)(UINT, CPoint), &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() \
    _AFX_WM_ENTRY(WM_LBUTTONDOWN, _AfxSig_vwp, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() \
    _AFX_WM_ENTRY(WM_LBUTTONUP, _AfxSig_vwp, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
    _AFX_WM_ENTRY(WM_LBUTTONDBLCLK, _AfxSig_vwp, void (CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDblClk)
// nIDCtl: the item's identifier (0 for a menu). The default reflects an
// item's drawing to the item's object (see CStatic::DrawItem).
#define ON_WM_DRAWITEM() \
    _AFX_WM_ENTRY(WM_DRAWITEM, _AfxSig_vOWNER, void (CWnd::*)(int, LPDRAWITEMSTRUCT), \
                  &ThisClass::OnDrawItem)
// pWnd: the window that takes the capture, null when none does.
#define ON_WM_CAPTURECHANGED() \
    _AFX_WM_ENTRY(WM_CAPTURECHANGED, _AfxSig_vWl, void (CWnd::*)(CWnd*), &ThisClass::OnCaptureChanged)
// Every _AFX_WM_CTLCOLOR* message of the window's children comes here, with
// nCtlColor telling which (CTLCOLOR_STATIC and so on).
#define ON_WM_CTLCOLOR() \
    _AFX_WM_ENTRY(_AFX_WM_CTLCOLOR, _AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)
// Any message, raw: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    _AFX_WM_ENTRY(message, _AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)

// Commands and control notifications: void memberFxn().
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, static_cast<WORD>(id), static_cast<WORD>(id), _AfxSigCmd_v, \
     _AFX_CMD_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, static_cast<WORD>(wNotifyCode), static_cast<WORD>(id), static_cast<WORD>(id), _AfxSigCmd_v, \
     _AFX_CMD_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// WM_NOTIFY from a child: void memberFxn(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), static_cast<WORD>(id), static_cast<WORD>(id), \
     _AfxSigNotify_v, _AFX_CMD_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// Reflected messages: a control handles what it sent to its parent. A
// handled reflected command or notification does not reach the parent; the
// _EX forms return BOOL, and FALSE lets the parent handle it as well.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {_AFX_WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(wNotifyCode), 0, 0, _AfxSigCmd_v, \
     _AFX_CMD_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {_AFX_WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(wNotifyCode), 0, 0, _AfxSigCmd_b, \
     _AFX_CMD_HANDLER(BOOL (CCmdTarget::*)(), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {_AFX_WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), 0, 0, _AfxSigNotify_v, \
     _AFX_CMD_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// HBRUSH CtlColor(CDC*, UINT nCtlColor). A NULL brush leaves the colours to
// the parent.
#define ON_WM_CTLCOLOR_REFLECT() \
    _AFX_WM_ENTRY(_AFX_WM_REFLECT_BASE + _AFX_WM_CTLCOLOR, _AfxSig_hDw, HBRUSH (CWnd::*)(CDC*, UINT), \
                  &ThisClass::CtlColor)
