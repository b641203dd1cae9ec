// Modal dialogs from a template in a resource module of their own, with a
// dialog class from an extension DLL: results of OK, Cancel, Esc and the
// close box, data exchange both ways, the owner disabled meanwhile, the
// modal loop's pre-translation, and dialogs that cannot be made.
#include "../ModuleTestSupport.h"
#include "DialogDriver.h"
#include "ShownDialog.h"
#include "TestDialogIds.h"
#include "TestWindows.h"
#include "WndTestSupport.h"

#include <gtest/gtest.h>
#include <afxdiag.h>

namespace {

const wchar_t kDialogs[] = L"MfcTestDialogs.dll";
const wchar_t kExchangeCaption[] = L"Exchange Test";
const wchar_t kPlainCaption[] = L"Plain Test";

int selection(HWND hDialog, int nID)
{
    return static_cast<int>(SendDlgItemMessageW(hDialog, nID, CB_GETCURSEL, 0, 0));
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialogs.loaded());
        AfxSetResourceHandle(dialogs.handle());
        permanentBefore = AfxDiagGetPermanentWindowCount();
    }
    void TearDown() override
    {
        CWnd::DeleteTempMap();
        EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
        EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr) << "no dialog is left behind";
    }

    ResourceSettingsGuard settings;
    LoadedModule dialogs{kDialogs};
    int permanentBefore = 0;
};

TEST_F(Dialogs, OkExchangesTheDataBothWays)
{
    CTestExchangeDialog dlg;
    dlg.m_nCheck = BST_CHECKED;
    dlg.m_strText = L"hello";
    dlg.m_nNumber = 42;
    dlg.m_nIndex = 1;
    dlg.m_nIndexEx = 2;

    struct Shown {
        UINT check = 99;
        CString text, number;
        int index = 99, indexEx = 99;
    } shown;
    DialogDriver driver(kExchangeCaption, [&](HWND hDialog) {
        shown.check = IsDlgButtonChecked(hDialog, IDC_CHECK);
        shown.text = itemText(hDialog, IDC_TEXT).c_str();
        shown.number = itemText(hDialog, IDC_NUMBER).c_str();
        shown.index = selection(hDialog, IDC_COMBO);
        shown.indexEx = selection(hDialog, IDC_COMBOEX);
        CheckDlgButton(hDialog, IDC_CHECK, BST_UNCHECKED);
        SetDlgItemTextW(hDialog, IDC_TEXT, L"world");
        SetDlgItemTextW(hDialog, IDC_NUMBER, L" -7 ");
        SendDlgItemMessageW(hDialog, IDC_COMBO, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageW(hDialog, IDC_COMBOEX, CB_SETCURSEL, 0, 0);
        click(hDialog, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_TRUE(driver.acted());

    EXPECT_EQ(shown.check, static_cast<UINT>(BST_CHECKED));
    EXPECT_STREQ(shown.text, L"hello");
    EXPECT_STREQ(shown.number, L"42");
    EXPECT_EQ(shown.index, 1);
    EXPECT_EQ(shown.indexEx, 2);

    EXPECT_EQ(dlg.m_nCheck, BST_UNCHECKED);
    EXPECT_STREQ(dlg.m_strText, L"world");
    EXPECT_EQ(dlg.m_nNumber, -7);
    EXPECT_EQ(dlg.m_nIndex, 2);
    EXPECT_EQ(dlg.m_nIndexEx, 0);
    EXPECT_EQ(dlg.m_nInitDialogCalls, 1);
    // Bound once, although the data went both ways.
    EXPECT_EQ(dlg.m_link.m_nPreSubclassCalls, 1);
    EXPECT_EQ(dlg.m_link.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(Dialogs, CancelEscAndTheCloseBoxKeepTheData)
{
    const std::function<void(HWND)> endings[] = {
        [](HWND hDialog) { click(hDialog, IDCANCEL); },
        [](HWND hDialog) { PostMessageW(hDialog, WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND hDialog) { PostMessageW(hDialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& end : endings) {
        CTestExchangeDialog dlg;
        dlg.m_strText = L"kept";
        DialogDriver driver(kExchangeCaption, [&](HWND hDialog) {
            SetDlgItemTextW(hDialog, IDC_TEXT, L"changed");
            end(hDialog);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_TRUE(driver.acted());
        EXPECT_STREQ(dlg.m_strText, L"kept");
    }
}

TEST_F(Dialogs, EnterPressesTheDefaultButton)
{
    CDialog dlg(IDD_PLAIN);
    DialogDriver driver(kPlainCaption, [](HWND hDialog) { PostMessageW(hDialog, WM_KEYDOWN, VK_RETURN, 0); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Dialogs, AValueThatFailsToSaveKeepsTheDialogOpen)
{
    CTestExchangeDialog dlg;
    dlg.m_nNumber = 5;
    bool stillOpen = false;
    int focusAfterFailure = 0;
    DialogDriver driver(kExchangeCaption, [&](HWND hDialog) {
        SetDlgItemTextW(hDialog, IDC_NUMBER, L"12abc");
        SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        stillOpen = IsWindow(hDialog) && IsWindowVisible(hDialog);
        focusAfterFailure = GetDlgCtrlID(GetFocus());
        SetDlgItemTextW(hDialog, IDC_NUMBER, L"12");
        SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dlg.m_nNumber, 12);
    EXPECT_EQ(focusAfterFailure, IDC_NUMBER) << "the user is taken to the value that failed";
}

TEST_F(Dialogs, TheLoopGivesAControlItsMouseMessagesFirst)
{
    CTestExchangeDialog dlg;
    HWND hLink = nullptr;
    DialogDriver driver(kExchangeCaption, [&](HWND hDialog) {
        hLink = GetDlgItem(hDialog, IDC_LINK);
        PostMessageW(hLink, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        PostMessageW(hLink, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageW(hLink, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_GE(dlg.m_link.m_nMousePreTranslated, 3);
    EXPECT_EQ(dlg.m_link.m_hWndLastPreTranslated, hLink);
    EXPECT_EQ(dlg.m_link.m_nClicks, 1) << "and then dispatches them";
}

TEST_F(Dialogs, TheOwnerIsDisabledMeanwhileAndActiveAfterwards)
{
    PlainWindow owner(WS_OVERLAPPEDWINDOW | WS_VISIBLE, L"Owner");
    SetActiveWindow(owner.handle());
    // Given as parent, and found as the active window without a parent.
    for (CWnd* pParent : {CWnd::FromHandle(owner.handle()), static_cast<CWnd*>(nullptr)}) {
        ASSERT_EQ(GetActiveWindow(), owner.handle());
        CDialog dlg(IDD_PLAIN, pParent);
        HWND dialogOwner = nullptr;
        BOOL ownerEnabled = TRUE;
        DialogDriver driver(kPlainCaption, [&](HWND hDialog) {
            dialogOwner = GetWindow(hDialog, GW_OWNER);
            ownerEnabled = IsWindowEnabled(owner.handle());
            click(hDialog, IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dialogOwner, owner.handle());
        EXPECT_FALSE(ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(owner.handle()));
        EXPECT_EQ(GetActiveWindow(), owner.handle());
    }

    // An owner that was disabled before stays so.
    EnableWindow(owner.handle(), FALSE);
    CDialog dlg(IDD_PLAIN, CWnd::FromHandle(owner.handle()));
    DialogDriver driver(kPlainCaption, [](HWND hDialog) { click(hDialog, IDCANCEL); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(IsWindowEnabled(owner.handle()));
}

TEST_F(Dialogs, ADialogDestroyedDuringItsLoopEndsIt)
{
    CDialog dlg(IDD_PLAIN);
    DialogDriver driver(kPlainCaption, [](HWND hDialog) { DestroyWindow(hDialog); });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(driver.acted());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(Dialogs, TemplatesAreFoundByNameToo)
{
    CDialog dlg(L"NAMEDPLAIN");
    DialogDriver driver(L"Named Test", [](HWND hDialog) { click(hDialog, IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Dialogs, ADialogEndedWhileItStartsNeverWaits)
{
    CTestExchangeDialog dlg;
    dlg.m_pfnAfterInit = [](CTestExchangeDialog* pDialog) { pDialog->EndDialog(77); };
    EXPECT_EQ(dlg.DoModal(), 77);
}

TEST_F(Dialogs, MissingOrBrokenTemplatesGiveMinusOneAndNoWindow)
{
    CTestExchangeDialog exchange;
    CDialog missing(IDD_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog missingName(L"NOSUCHTEMPLATE");
    EXPECT_EQ(missingName.DoModal(), -1);

    PlainWindow owner(WS_OVERLAPPEDWINDOW | WS_VISIBLE, L"Owner");
    CDialog broken(IDD_BROKEN, CWnd::FromHandle(owner.handle()));
    EXPECT_EQ(broken.DoModal(), -1);
    EXPECT_EQ(broken.m_hWnd, nullptr);
    EXPECT_EQ(FindWindowW(nullptr, L"Broken Test"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));

    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    EXPECT_EQ(exchange.DoModal(), -1) << "the template is in no module of the chain";
    EXPECT_EQ(exchange.m_nInitDialogCalls, 0);
}

// Numbers exchanged with two edit controls of a plain framework window.
class CNumbersWnd : public CWnd {
public:
    UINT count = 7;
    int offset = 3;
    int check = 0;
    bool withMissingControl = false;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 1, count);
        DDX_Text(pDX, 2, offset);
        if (withMissingControl)
            DDX_Check(pDX, 99, check);
    }
};

TEST(DataExchange, NumbersOutOfRangeOrMalformedAreRefused)
{
    CNumbersWnd wnd;
    EXPECT_FALSE(wnd.UpdateData(TRUE)) << "no window, nothing to exchange";
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"Numbers", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    HWND hCount = createChild(wnd.m_hWnd, 1, ES_LEFT, L"EDIT", L"");
    HWND hOffset = createChild(wnd.m_hWnd, 2, ES_LEFT, L"EDIT", L"");
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_STREQ(itemText(wnd.m_hWnd, 1).c_str(), L"7");
    EXPECT_STREQ(itemText(wnd.m_hWnd, 2).c_str(), L"3");

    SetWindowTextW(hCount, L"4294967295");
    SetWindowTextW(hOffset, L"-2147483648");
    EXPECT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(wnd.count, 4294967295u);
    EXPECT_EQ(wnd.offset, -2147483647 - 1);

    for (const wchar_t* bad : {L"4294967296", L"-1", L"", L"1 2", L"0x10"}) {
        SetWindowTextW(hCount, bad);
        EXPECT_FALSE(wnd.UpdateData(TRUE)) << "count " << CString(bad).GetString();
        EXPECT_EQ(wnd.count, 4294967295u);
    }

    // What comes before the failing value is saved; what fails is kept.
    SetWindowTextW(hCount, L"5");
    SetWindowTextW(hOffset, L"2147483648");
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    EXPECT_EQ(wnd.count, 5u);
    EXPECT_EQ(wnd.offset, -2147483647 - 1);

    // A missing control is no value the user can mend: the exchange stops
    // with an exception that UpdateData leaves to its caller.
    SetWindowTextW(hOffset, L"12");
    wnd.withMissingControl = true;
    bool notSupported = false;
    try {
        wnd.UpdateData(TRUE);
    } catch (CNotSupportedException* e) {
        e->Delete();
        notSupported = true;
    }
    EXPECT_TRUE(notSupported);
    EXPECT_EQ(wnd.offset, 12);
}

} // namespace
