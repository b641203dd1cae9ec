// Message reflection: a control's notification to its parent goes back to
// the control's object first. A handled reflected command never reaches the
// parent's map; the parent's colour handling offers the colours to the
// control, and a control that gives no brush leaves them to the parent.
#include "TestWindows.h"
#include "WndTestSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT ID_LINK = 201;
const UINT ID_PLAIN = 202;
const UINT ID_PASSING = 203;
const COLORREF kGreen = RGB(0, 200, 0);
const COLORREF kBlue = RGB(0, 0, 210);
const UINT WM_TEST_REFLECT = WM_APP + 20;

// A parent with handlers for its children's clicks and colours.
class CParentWnd : public CWnd {
public:
    int linkClicks = 0;
    int plainClicks = 0;
    int passingClicks = 0;
    int ctlColorCalls = 0;
    int parentNotifies = 0;
    LRESULT reflectedAnswer = -1;

    BOOL create()
    {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), L"Parent",
                        WS_OVERLAPPEDWINDOW, CRect(50, 50, 350, 250), nullptr, 0);
    }

protected:
    afx_msg void OnLinkClicked() { ++linkClicks; }
    afx_msg void OnPlainClicked() { ++plainClicks; }
    afx_msg void OnPassingClicked() { ++passingClicks; }
    afx_msg void OnLinkNotify(NMHDR*, LRESULT*) { ++parentNotifies; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++ctlColorCalls;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    // Hands the message being handled to child ID_LINK.
    afx_msg LRESULT OnTestReflect(WPARAM, LPARAM)
    {
        LRESULT result = 0;
        if (ReflectLastMsg(::GetDlgItem(m_hWnd, ID_LINK), &result))
            reflectedAnswer = result;
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_CONTROL(STN_CLICKED, ID_LINK, &CParentWnd::OnLinkClicked)
    ON_CONTROL(STN_CLICKED, ID_PLAIN, &CParentWnd::OnPlainClicked)
    ON_CONTROL(STN_CLICKED, ID_PASSING, &CParentWnd::OnPassingClicked)
    ON_NOTIFY(NM_CLICK, ID_LINK, &CParentWnd::OnLinkNotify)
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_TEST_REFLECT, &CParentWnd::OnTestReflect)
END_MESSAGE_MAP()

// A parent that chooses every child's colours itself.
class CColouringParent : public CParentWnd {
protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd*, UINT)
    {
        if (!brush.m_hObject)
            brush.CreateSolidBrush(kBlue);
        pDC->SetBkColor(kBlue);
        return static_cast<HBRUSH>(brush.m_hObject);
    }

    CBrush brush;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouringParent, CParentWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Handles its click and lets the parent see it too.
class CPassingLink : public CStatic {
public:
    int clicks = 0;
    int notifies = 0;

protected:
    afx_msg BOOL OnClicked()
    {
        ++clicks;
        return FALSE;
    }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT* pResult)
    {
        ++notifies;
        *pResult = 5;
    }
    afx_msg LRESULT OnReflectedTest(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassingLink, CStatic)
    ON_CONTROL_REFLECT_EX(STN_CLICKED, &CPassingLink::OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, &CPassingLink::OnNotifyClick)
    ON_MESSAGE(_AFX_WM_REFLECT_BASE + WM_TEST_REFLECT, &CPassingLink::OnReflectedTest)
END_MESSAGE_MAP()

void click(HWND hWnd)
{
    PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    pumpPending();
}

BOOL createLink(CStatic& link, CWnd& parent, UINT nID)
{
    return link.Create(L"Link", SS_LEFT | SS_NOTIFY | WS_VISIBLE, CRect(10, 10, 130, 40), &parent, nID);
}

BOOL createGreenLink(CTestLink& link, CWnd& parent)
{
    link.m_bOwnColours = TRUE;
    link.m_crBackground = kGreen;
    return createLink(link, parent, ID_LINK);
}

// A pixel of the control's background, away from its text.
COLORREF backgroundOf(HWND hWnd)
{
    return printedPixel(hWnd, 115, 25);
}

class Reflection : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.create()); }
    void TearDown() override { CWnd::DeleteTempMap(); }

    CParentWnd parent;
};

TEST_F(Reflection, AControlHandlesItsOwnClickAndTheParentDoesNotSeeIt)
{
    CTestLink link;
    ASSERT_TRUE(createLink(link, parent, ID_LINK));
    HWND hPlain = createChild(parent.m_hWnd, ID_PLAIN, SS_NOTIFY);

    click(link.m_hWnd);
    EXPECT_EQ(link.m_nClicks, 1);
    EXPECT_EQ(parent.linkClicks, 0);

    click(hPlain);
    EXPECT_EQ(parent.plainClicks, 1) << "a control without an object notifies its parent as usual";
}

TEST_F(Reflection, AnItemSubclassedFromItsParentHandlesItsOwnClick)
{
    HWND hItem = createChild(parent.m_hWnd, ID_LINK, SS_LEFT | SS_NOTIFY);
    CTestLink link;
    ASSERT_TRUE(link.SubclassDlgItem(ID_LINK, &parent));
    EXPECT_EQ(link.m_nMessagesAtPreSubclass, 0);

    click(hItem);
    EXPECT_EQ(link.m_nClicks, 1);
    EXPECT_EQ(parent.linkClicks, 0);
    EXPECT_GE(link.m_nMessages, 2) << "the click reached the control through its object";
}

TEST_F(Reflection, AnExtendedReflectionHandlerCanLetTheParentHandleItToo)
{
    CPassingLink link;
    ASSERT_TRUE(createLink(link, parent, ID_PASSING));
    click(link.m_hWnd);
    EXPECT_EQ(link.clicks, 1);
    EXPECT_EQ(parent.passingClicks, 1);
}

TEST_F(Reflection, NotificationsAndOtherMessagesAreReflectedToo)
{
    CPassingLink link;
    ASSERT_TRUE(createLink(link, parent, ID_LINK));

    NMHDR header = {link.m_hWnd, ID_LINK, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, ID_LINK, reinterpret_cast<LPARAM>(&header)), 5);
    EXPECT_EQ(link.notifies, 1);
    EXPECT_EQ(parent.parentNotifies, 0);

    parent.SendMessage(WM_TEST_REFLECT, 21, 0);
    EXPECT_EQ(parent.reflectedAnswer, 42);
}

TEST_F(Reflection, AReflectedColourHandlerPaintsTheControl)
{
    CTestLink link;
    ASSERT_TRUE(createGreenLink(link, parent));

    EXPECT_EQ(backgroundOf(link.m_hWnd), kGreen);
    EXPECT_GE(link.m_nCtlColorCalls, 1);
    EXPECT_GE(parent.ctlColorCalls, 1) << "the parent's handler runs and offers the colours";
}

TEST_F(Reflection, NoBrushFromTheControlLeavesTheParentsColours)
{
    CTestLink link;
    ASSERT_TRUE(createLink(link, parent, ID_LINK));
    HWND hPlain = createChild(parent.m_hWnd, ID_PLAIN, SS_LEFT, L"STATIC", L"Link", 120, 30);

    const COLORREF background = backgroundOf(link.m_hWnd);
    EXPECT_GE(link.m_nCtlColorCalls, 1);
    EXPECT_NE(background, kUnpainted);
    EXPECT_EQ(background, backgroundOf(hPlain));
}

TEST_F(Reflection, AParentThatChoosesTheColoursItselfOverridesReflection)
{
    CColouringParent colouring;
    ASSERT_TRUE(colouring.create());
    CTestLink link;
    ASSERT_TRUE(createGreenLink(link, colouring));

    EXPECT_EQ(backgroundOf(link.m_hWnd), kBlue);
    EXPECT_EQ(link.m_nCtlColorCalls, 0);
}

} // namespace
