// Window operations with behaviour of their own: registered classes,
// centring, the insert-after windows, owners, the wait cursor, and text and
// styles read back from real windows.
#include "WndTestSupport.h"

#include <gtest/gtest.h>

namespace {

class Popup : public CWnd {
public:
    BOOL create(int cx, int cy, HWND hOwner = nullptr, DWORD dwStyle = WS_POPUP)
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"Popup", dwStyle, 0, 0, cx, cy, hOwner, nullptr);
    }
};

RECT workArea()
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

CRect windowRect(HWND hWnd)
{
    CRect rect;
    GetWindowRect(hWnd, &rect);
    return rect;
}

class WindowOperations : public ::testing::Test {
protected:
    void TearDown() override { CWnd::DeleteTempMap(); }
};

TEST_F(WindowOperations, RegisteredClassNamesStayAndAreRegisteredOnce)
{
    HCURSOR hArrow = LoadCursorW(nullptr, IDC_ARROW);
    LPCTSTR first = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, hArrow);
    ASSERT_NE(first, nullptr);
    const CString copy(first);
    EXPECT_EQ(AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, hArrow), first);
    LPCTSTR other = AfxRegisterWndClass(CS_DBLCLKS);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(CString(other), copy);
    EXPECT_EQ(CString(first), copy) << "a later registration leaves earlier names alone";

    WNDCLASSW wc = {};
    ASSERT_TRUE(GetClassInfoW(AfxGetInstanceHandle(), first, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW));
    EXPECT_EQ(wc.hCursor, hArrow);
    EXPECT_EQ(wc.hbrBackground, nullptr);
}

TEST_F(WindowOperations, AWindowWithoutOwnerIsCentredOnTheWorkArea)
{
    Popup popup;
    ASSERT_TRUE(popup.create(200, 100));
    popup.CenterWindow();
    const RECT area = workArea();
    const CRect rect = windowRect(popup.m_hWnd);
    EXPECT_EQ(rect.left, area.left + (area.right - area.left - 200) / 2);
    EXPECT_EQ(rect.top, area.top + (area.bottom - area.top - 100) / 2);
    EXPECT_EQ(rect.Width(), 200);

    // One larger than the work area keeps its top-left corner on it.
    Popup large;
    ASSERT_TRUE(large.create(area.right - area.left + 100, area.bottom - area.top + 100));
    large.CenterWindow();
    EXPECT_EQ(windowRect(large.m_hWnd).TopLeft(), CPoint(area.left, area.top));
}

TEST_F(WindowOperations, AnOwnedWindowIsCentredOnItsOwnerAndAChildOnItsParent)
{
    PlainWindow owner(WS_POPUP | WS_VISIBLE);
    MoveWindow(owner.handle(), 100, 80, 400, 300, FALSE);
    Popup popup;
    ASSERT_TRUE(popup.create(100, 50, owner.handle()));
    popup.CenterWindow();
    EXPECT_EQ(windowRect(popup.m_hWnd).TopLeft(), CPoint(250, 205));

    Popup child;
    ASSERT_TRUE(child.create(100, 50, owner.handle(), WS_CHILD));
    child.CenterWindow();
    CRect inParent = windowRect(child.m_hWnd);
    CWnd::FromHandle(owner.handle())->ScreenToClient(&inParent);
    EXPECT_EQ(inParent.TopLeft(), CPoint(150, 125));
}

TEST_F(WindowOperations, InsertAfterWindowsSetAndClearTopmost)
{
    Popup popup;
    ASSERT_TRUE(popup.create(50, 50));
    EXPECT_EQ(CWnd::wndTop.m_hWnd, HWND_TOP);
    EXPECT_EQ(CWnd::wndBottom.m_hWnd, HWND_BOTTOM);
    ASSERT_TRUE(popup.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_TRUE(popup.GetExStyle() & WS_EX_TOPMOST);
    ASSERT_TRUE(popup.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_FALSE(popup.GetExStyle() & WS_EX_TOPMOST);
    ASSERT_TRUE(popup.SetWindowPos(&CWnd::wndTop, 5, 6, 70, 80, 0));
    EXPECT_EQ(windowRect(popup.m_hWnd), CRect(5, 6, 75, 86));
}

TEST_F(WindowOperations, TheSafeOwnerIsATopLevelWindow)
{
    PlainWindow owner;
    HWND hChild = createChild(owner.handle(), 9);
    HWND hTop = nullptr;
    EXPECT_EQ(CWnd::GetSafeOwner(CWnd::FromHandle(hChild), &hTop)->m_hWnd, owner.handle());
    EXPECT_EQ(hTop, owner.handle());

    ShowWindow(owner.handle(), SW_SHOW);
    SetActiveWindow(owner.handle());
    ASSERT_EQ(GetActiveWindow(), owner.handle());
    CWnd* pOwner = CWnd::GetSafeOwner();
    ASSERT_NE(pOwner, nullptr);
    EXPECT_EQ(pOwner->m_hWnd, owner.handle()) << "without parent or main window, the active window";
}

TEST_F(WindowOperations, TheWaitCursorNestsAndRestoresTheCursorOfBefore)
{
    HCURSOR hArrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hWait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(hArrow);
    CCmdTarget target;
    target.EndWaitCursor();
    EXPECT_EQ(GetCursor(), hArrow) << "an end without a beginning changes nothing";
    target.BeginWaitCursor();
    EXPECT_EQ(GetCursor(), hWait);
    target.BeginWaitCursor();
    target.EndWaitCursor();
    EXPECT_EQ(GetCursor(), hWait);
    SetCursor(hArrow);
    target.RestoreWaitCursor();
    EXPECT_EQ(GetCursor(), hWait);
    target.EndWaitCursor();
    EXPECT_EQ(GetCursor(), hArrow);
}

TEST_F(WindowOperations, TextStyleAndItemsReadBack)
{
    PlainWindow parent;
    CWnd* pParent = CWnd::FromHandle(parent.handle());
    ASSERT_NE(pParent, nullptr);
    pParent->SetWindowText(L"Caption text");
    CString text;
    pParent->GetWindowText(text);
    EXPECT_STREQ(text, L"Caption text");
    EXPECT_EQ(pParent->GetWindowTextLength(), 12);
    wchar_t buffer[8] = {};
    EXPECT_EQ(pParent->GetWindowText(buffer, 8), 7);
    EXPECT_STREQ(buffer, L"Caption");

    CWnd noWindow;
    text = L"stale";
    noWindow.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());

    HWND hItem = createChild(parent.handle(), 33);
    CWnd* pItem = pParent->GetDlgItem(33);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_hWnd, hItem);
    EXPECT_EQ(pItem->GetDlgCtrlID(), 33);
    EXPECT_EQ(pItem->GetParent()->m_hWnd, parent.handle());
    EXPECT_EQ(pParent->GetDlgItem(34), nullptr);
    pParent->SetDlgItemText(33, L"Item");
    EXPECT_EQ(pParent->GetDlgItemText(33, text), 4);
    EXPECT_STREQ(text, L"Item");
    EXPECT_EQ(pParent->GetDlgItemText(34, text), 0);

    EXPECT_TRUE(pItem->ModifyStyle(0, SS_NOTIFY));
    EXPECT_TRUE(pItem->GetStyle() & SS_NOTIFY);
    EXPECT_FALSE(pItem->ModifyStyle(0, SS_NOTIFY)) << "nothing to change";
    EXPECT_TRUE(pItem->ModifyStyle(SS_NOTIFY, 0));
}

TEST_F(WindowOperations, ANullObjectHasANullHandle)
{
    CWnd* volatile pNone = nullptr;
    EXPECT_EQ(pNone->GetSafeHwnd(), nullptr);
    PlainWindow plain;
    EXPECT_EQ(CWnd::FromHandle(plain.handle())->GetSafeHwnd(), plain.handle());
}

} // namespace
