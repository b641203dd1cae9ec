// Subclassing existing windows: PreSubclassWindow before the first message
// reaches the object, the window's own procedure still doing its work
// through Default, and giving the window back.
#include "TestWindows.h"
#include "WndTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <afxdiag.h>

namespace {

const int ID_ITEM = 42;

// Takes two messages and passes both on with Default.
class CPassingStatic : public CStatic {
public:
    int getTextCalls = 0;
    int printCalls = 0;

protected:
    afx_msg LRESULT OnGetText(WPARAM, LPARAM)
    {
        ++getTextCalls;
        return Default();
    }
    afx_msg LRESULT OnPrintClient(WPARAM, LPARAM)
    {
        ++printCalls;
        return Default();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassingStatic, CStatic)
    ON_MESSAGE(WM_GETTEXT, &CPassingStatic::OnGetText)
    ON_MESSAGE(WM_PRINTCLIENT, &CPassingStatic::OnPrintClient)
END_MESSAGE_MAP()

class Subclassing : public ::testing::Test {
protected:
    void SetUp() override
    {
        hItem = createChild(parent.handle(), ID_ITEM, SS_LEFT | SS_NOTIFY, L"STATIC", L"Default text", 150, 30);
        ASSERT_NE(hItem, nullptr);
        pParent = CWnd::FromHandle(parent.handle());
        procBefore = GetWindowLongPtrW(hItem, GWLP_WNDPROC);
    }
    void TearDown() override { CWnd::DeleteTempMap(); }

    PlainWindow parent;
    HWND hItem = nullptr;
    CWnd* pParent = nullptr;
    LONG_PTR procBefore = 0;
};

TEST_F(Subclassing, PreSubclassWindowRunsBeforeAnyMessageReachesTheObject)
{
    CTestLink link;
    SendMessageW(hItem, WM_NULL, 0, 0);
    ASSERT_TRUE(link.SubclassDlgItem(ID_ITEM, pParent));
    EXPECT_EQ(link.m_hWnd, hItem);
    EXPECT_EQ(link.m_nPreSubclassCalls, 1);
    EXPECT_EQ(link.m_nMessagesAtPreSubclass, 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hItem, GWLP_WNDPROC)), AfxWndProc);

    SendMessageW(hItem, WM_NULL, 0, 0);
    EXPECT_EQ(link.m_nMessages, 1);

    CTestLink second;
    EXPECT_FALSE(second.SubclassDlgItem(ID_ITEM, pParent)) << "the window has an object";
    EXPECT_EQ(second.m_nPreSubclassCalls, 0);
}

TEST_F(Subclassing, MissingItemsAndParentsAreRefused)
{
    CTestLink link;
    EXPECT_FALSE(link.SubclassDlgItem(ID_ITEM + 1, pParent));
    EXPECT_FALSE(link.SubclassDlgItem(ID_ITEM, nullptr));
    CWnd noWindow;
    EXPECT_FALSE(link.SubclassDlgItem(ID_ITEM, &noWindow));
    EXPECT_FALSE(link.SubclassWindow(nullptr));
    EXPECT_EQ(link.m_nPreSubclassCalls, 0);
    EXPECT_EQ(link.m_hWnd, nullptr);
}

TEST_F(Subclassing, DefaultReachesTheWindowsOwnProcedure)
{
    const std::vector<COLORREF> before = printClient(hItem);
    ASSERT_GE(std::set<COLORREF>(before.begin(), before.end()).size(), 2u) << "text on a background";

    CPassingStatic item;
    ASSERT_TRUE(item.SubclassDlgItem(ID_ITEM, pParent));
    CString text;
    item.GetWindowText(text);
    EXPECT_EQ(item.getTextCalls, 1);
    EXPECT_STREQ(text, L"Default text");

    EXPECT_EQ(printClient(hItem), before) << "the static control still paints itself";
    EXPECT_EQ(item.printCalls, 1);
}

TEST_F(Subclassing, UnsubclassingGivesTheWindowItsProcedureBack)
{
    CPassingStatic item;
    ASSERT_TRUE(item.SubclassDlgItem(ID_ITEM, pParent));
    EXPECT_EQ(item.UnsubclassWindow(), hItem);
    EXPECT_EQ(item.m_hWnd, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hItem, GWLP_WNDPROC), procBefore);
    EXPECT_EQ(CWnd::FromHandlePermanent(hItem), nullptr);

    wchar_t text[32] = {};
    GetWindowTextW(hItem, text, 32);
    EXPECT_STREQ(text, L"Default text");
    EXPECT_EQ(item.getTextCalls, 0);

    // The window can be taken over again, by any object.
    CTestLink link;
    EXPECT_TRUE(link.SubclassWindow(hItem));
    EXPECT_EQ(link.m_nPreSubclassCalls, 1);
}

} // namespace
