// Message maps: a derived class's entry wins over its base class's for the
// same message, the base's entries still serve the rest, handlers get the
// message's parameters unpacked as MFC's signatures say, and what no entry
// takes reaches the window's own procedure.
#include "WndTestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>
#include <afxdiag.h>

namespace {

const UINT ID_SHARED = 101;      // handled by both maps
const UINT ID_BASE_ONLY = 102;
const UINT ID_BUTTON = 103;
const UINT ID_EDIT = 104;
const UINT WM_TEST_RAW = WM_APP + 10;

class CBaseHandlers : public CWnd {
public:
    int baseSize = 0;
    int baseTimer = 0;
    UINT_PTR lastTimer = 0;
    int baseShared = 0;
    int baseOnly = 0;

protected:
    afx_msg void OnSize(UINT, int, int) { ++baseSize; }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        ++baseTimer;
        lastTimer = nIDEvent;
    }
    afx_msg void OnShared() { ++baseShared; }
    afx_msg void OnBaseOnly() { ++baseOnly; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseHandlers, CWnd)
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_COMMAND(ID_SHARED, &CBaseHandlers::OnShared)
    ON_COMMAND(ID_BASE_ONLY, &CBaseHandlers::OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedHandlers : public CBaseHandlers {
public:
    int derivedSize = 0;
    UINT sizeType = 0;
    int sizeCx = 0;
    int sizeCy = 0;
    int derivedShared = 0;
    UINT keyChar = 0, keyRepeat = 0, keyFlags = 0;
    UINT mouseFlags = 0;
    CPoint mousePoint;
    int buttonDowns = 0;
    HWND oldFocus = reinterpret_cast<HWND>(-1);
    HWND newFocus = reinterpret_cast<HWND>(-1);
    HDC eraseDC = nullptr;
    int buttonClicks = 0;
    int editChanges = 0;
    NMHDR notified = {};

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        ++derivedSize;
        sizeType = nType;
        sizeCx = cx;
        sizeCy = cy;
    }
    afx_msg void OnShared() { ++derivedShared; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        keyChar = nChar;
        keyRepeat = nRepCnt;
        keyFlags = nFlags;
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        mouseFlags = nFlags;
        mousePoint = point;
    }
    afx_msg void OnLButtonDown(UINT, CPoint) { ++buttonDowns; }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { oldFocus = pOldWnd ? pOldWnd->m_hWnd : nullptr; }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { newFocus = pNewWnd ? pNewWnd->m_hWnd : nullptr; }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        eraseDC = pDC ? pDC->m_hDC : nullptr;
        return 7;
    }
    afx_msg LRESULT OnRaw(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    afx_msg void OnButtonClicked() { ++buttonClicks; }
    afx_msg void OnEditChange() { ++editChanges; }
    afx_msg void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        notified = *pNMHDR;
        *pResult = 42;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedHandlers, CBaseHandlers)
    ON_WM_SIZE()
    ON_COMMAND(ID_SHARED, &CDerivedHandlers::OnShared)
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_TEST_RAW, &CDerivedHandlers::OnRaw)
    ON_BN_CLICKED(ID_BUTTON, &CDerivedHandlers::OnButtonClicked)
    ON_EN_CHANGE(ID_EDIT, &CDerivedHandlers::OnEditChange)
    ON_NOTIFY(NM_CLICK, ID_BUTTON, &CDerivedHandlers::OnNotifyClick)
END_MESSAGE_MAP()

// Handlers of a window's life, some leaving out the base class's handler.
class CLifeHandlers : public CWnd {
public:
    int paints = 0, closes = 0, destroys = 0, ncDestroys = 0, postNcDestroys = 0;
    int buttonUps = 0, doubleClicks = 0, keyUps = 0, selections = 0;
    bool attachedAtNcDestroy = false;
    bool callBaseNcDestroy = true;

    BOOL create()
    {
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"Life", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    }

protected:
    void PostNcDestroy() override { ++postNcDestroys; }

    afx_msg void OnPaint()
    {
        ++paints;
        CWnd::OnPaint();
    }
    // Does not pass WM_CLOSE on, so the window stays.
    afx_msg void OnClose() { ++closes; }
    afx_msg void OnDestroy()
    {
        ++destroys;
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy()
    {
        ++ncDestroys;
        attachedAtNcDestroy = FromHandlePermanent(m_hWnd) == this;
        if (callBaseNcDestroy)
            CWnd::OnNcDestroy();
    }
    afx_msg void OnLButtonUp(UINT, CPoint) { ++buttonUps; }
    afx_msg void OnLButtonDblClk(UINT, CPoint) { ++doubleClicks; }
    afx_msg void OnKeyUp(UINT, UINT, UINT) { ++keyUps; }
    afx_msg void OnSelectionChange() { ++selections; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeHandlers, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYUP()
    ON_CBN_SELCHANGE(ID_EDIT, &CLifeHandlers::OnSelectionChange)
END_MESSAGE_MAP()

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"Handlers", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100),
                                 nullptr, 0));
        // Creation sends its own WM_SIZE; count from here.
        wnd.derivedSize = wnd.baseSize = 0;
    }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageW(wnd.m_hWnd, message, wParam, lParam);
    }

    CDerivedHandlers wnd;
};

TEST_F(MessageMaps, TheDerivedEntryWinsAndTheBaseServesTheRest)
{
    send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 45));
    EXPECT_EQ(wnd.derivedSize, 1);
    EXPECT_EQ(wnd.baseSize, 0);
    EXPECT_EQ(wnd.sizeType, static_cast<UINT>(SIZE_RESTORED));
    EXPECT_EQ(wnd.sizeCx, 120);
    EXPECT_EQ(wnd.sizeCy, 45);

    send(WM_TIMER, 77);
    EXPECT_EQ(wnd.baseTimer, 1);
    EXPECT_EQ(wnd.lastTimer, 77u);

    send(WM_COMMAND, MAKEWPARAM(ID_SHARED, 0));
    EXPECT_EQ(wnd.derivedShared, 1);
    EXPECT_EQ(wnd.baseShared, 0);
    // An accelerator (code 1) is a command like a menu item.
    send(WM_COMMAND, MAKEWPARAM(ID_BASE_ONLY, 1));
    EXPECT_EQ(wnd.baseOnly, 1);
}

TEST_F(MessageMaps, HandlersGetTheParametersUnpacked)
{
    send(WM_KEYDOWN, VK_SPACE, MAKELPARAM(3, 0x4039));
    EXPECT_EQ(wnd.keyChar, static_cast<UINT>(VK_SPACE));
    EXPECT_EQ(wnd.keyRepeat, 3u);
    EXPECT_EQ(wnd.keyFlags, 0x4039u);

    // Points left of or above the client area come out negative.
    send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 7));
    EXPECT_EQ(wnd.mouseFlags, static_cast<UINT>(MK_LBUTTON));
    EXPECT_EQ(wnd.mousePoint, CPoint(-5, 7));
    send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(wnd.buttonDowns, 1);

    PlainWindow other;
    send(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.handle()));
    EXPECT_EQ(wnd.oldFocus, other.handle());
    send(WM_KILLFOCUS, 0);
    EXPECT_EQ(wnd.newFocus, nullptr);

    HDC hDC = GetDC(wnd.m_hWnd);
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC)), 7);
    EXPECT_EQ(wnd.eraseDC, hDC);
    ReleaseDC(wnd.m_hWnd, hDC);

    EXPECT_EQ(send(WM_TEST_RAW, 40, 2), 42);
}

TEST_F(MessageMaps, ControlNotificationsGoByIdAndCode)
{
    HWND hButton = createChild(wnd.m_hWnd, ID_BUTTON, BS_PUSHBUTTON, L"BUTTON");
    HWND hEdit = createChild(wnd.m_hWnd, ID_EDIT, ES_LEFT, L"EDIT");
    send(WM_COMMAND, MAKEWPARAM(ID_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(wnd.buttonClicks, 1);
    send(WM_COMMAND, MAKEWPARAM(ID_BUTTON, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(wnd.buttonClicks, 1);

    SetWindowTextW(hEdit, L"typed");
    EXPECT_EQ(wnd.editChanges, 1);
    send(WM_COMMAND, MAKEWPARAM(ID_EDIT, EN_UPDATE), reinterpret_cast<LPARAM>(hEdit));
    EXPECT_EQ(wnd.editChanges, 1);

    NMHDR header = {hButton, ID_BUTTON, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(send(WM_NOTIFY, ID_BUTTON, reinterpret_cast<LPARAM>(&header)), 42);
    EXPECT_EQ(wnd.notified.hwndFrom, hButton);
    EXPECT_EQ(wnd.notified.code, static_cast<UINT>(NM_CLICK));
    header.code = static_cast<UINT>(NM_DBLCLK);
    EXPECT_EQ(send(WM_NOTIFY, ID_BUTTON, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(send(WM_NOTIFY, ID_BUTTON, 0), 0) << "a notification without its header is ignored";
}

TEST_F(MessageMaps, WhatNoEntryTakesReachesTheWindowsOwnProcedure)
{
    wchar_t title[32] = {};
    EXPECT_EQ(send(WM_GETTEXT, 32, reinterpret_cast<LPARAM>(title)), 8);
    EXPECT_STREQ(title, L"Handlers");
    EXPECT_EQ(send(WM_COMMAND, MAKEWPARAM(999, 0)), 0);
    EXPECT_EQ(wnd.baseShared + wnd.derivedShared + wnd.baseOnly, 0);
}

TEST(MessageMapLife, LifeAndInputMessagesReachTheirHandlers)
{
    CLifeHandlers wnd;
    ASSERT_TRUE(wnd.create());
    HWND hWnd = wnd.m_hWnd;
    SendMessageW(hWnd, WM_PAINT, 0, 0);
    SendMessageW(hWnd, WM_LBUTTONUP, 0, 0);
    SendMessageW(hWnd, WM_LBUTTONDBLCLK, 0, 0);
    SendMessageW(hWnd, WM_KEYUP, VK_SPACE, 0);
    SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(ID_EDIT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hWnd));
    SendMessageW(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_EQ(wnd.buttonUps, 1);
    EXPECT_EQ(wnd.doubleClicks, 1);
    EXPECT_EQ(wnd.keyUps, 1);
    EXPECT_EQ(wnd.selections, 1);
    EXPECT_EQ(wnd.closes, 1);
    ASSERT_TRUE(IsWindow(hWnd));

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.destroys, 1);
    EXPECT_EQ(wnd.ncDestroys, 1);
    EXPECT_TRUE(wnd.attachedAtNcDestroy) << "the object is let go after its handler";
    EXPECT_EQ(wnd.postNcDestroys, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(MessageMapLife, AHandlerThatLeavesOutTheCleanupStillLetsTheWindowGo)
{
    const int permanentBefore = AfxDiagGetPermanentWindowCount();
    CLifeHandlers wnd;
    wnd.callBaseNcDestroy = false;
    ASSERT_TRUE(wnd.create());
    HWND hWnd = wnd.m_hWnd;
    DestroyWindow(hWnd);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(wnd.ncDestroys, 1);
    EXPECT_EQ(wnd.postNcDestroys, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
}

} // namespace
