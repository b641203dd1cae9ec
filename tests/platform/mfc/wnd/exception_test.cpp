// The framework's exceptions: thrown by pointer from MFC71U.DLL and caught
// in this program, ended with Delete; what the window procedure does with
// one that a handler lets through.
#include "WndTestSupport.h"
#include "ImportPatch.h"

#include <gtest/gtest.h>

namespace {

int deletedExceptions = 0;

class CCountedException : public CException {
public:
    ~CCountedException() override { ++deletedExceptions; }
};

// Throws from the handlers of the messages it is told to.
class CThrowingWnd : public CWnd {
public:
    UINT throwOn = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == throwOn)
            throw new CCountedException;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

ATOM WINAPI refuseClass(const WNDCLASSW*)
{
    return 0;
}

TEST(Exceptions, AHandlersExceptionEndsAtTheWindowProcedure)
{
    deletedExceptions = 0;
    CThrowingWnd refused;
    refused.throwOn = WM_CREATE;
    EXPECT_FALSE(refused.CreateEx(0, AfxRegisterWndClass(0), L"Refused", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_EQ(deletedExceptions, 1);

    CThrowingWnd wnd;
    wnd.throwOn = WM_PAINT;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"Painting", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50),
                             nullptr, 0));
    wnd.InvalidateRect(nullptr);
    wnd.UpdateWindow();
    EXPECT_EQ(deletedExceptions, 2);
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE)) << "a window that failed to paint is not asked again";
    wnd.DestroyWindow();
}

TEST(Exceptions, ARefusedWindowClassThrowsResourceException)
{
    ImportPatch patch(GetModuleHandleW(L"MFC71U.DLL"), "USER32.dll", "RegisterClassW",
                      reinterpret_cast<void*>(refuseClass));
    ASSERT_TRUE(patch.ok());
    bool thrown = false;
    try {
        AfxRegisterWndClass(CS_NOCLOSE | CS_SAVEBITS | CS_BYTEALIGNWINDOW);
    } catch (CResourceException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(Exceptions, FailTakesTheUserToTheControlThenThrows)
{
    PlainWindow parent;
    HWND hEdit = createChild(parent.handle(), 5, ES_LEFT, L"EDIT", L"value");
    HWND hOther = createChild(parent.handle(), 6, ES_LEFT, L"EDIT", L"other");
    ::SetFocus(hOther);
    CDataExchange dx(CWnd::FromHandle(parent.handle()), TRUE);
    dx.PrepareEditCtrl(5);
    bool thrown = false;
    try {
        dx.Fail();
    } catch (CUserException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(::GetFocus(), hEdit);
}

// Memory that has run out cannot hold its own exception: there is one.
TEST(Exceptions, TheMemoryExceptionNeedsNoMemoryAndSaysWhatItIs)
{
    CMemoryException* first = nullptr;
    for (int i = 0; i < 2; ++i) {
        try {
            AfxThrowMemoryException();
        } catch (CException* e) {
            ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
            if (!first)
                first = static_cast<CMemoryException*>(e);
            EXPECT_EQ(e, first);
            WCHAR text[64] = {};
            EXPECT_TRUE(e->GetErrorMessage(text, 64));
            EXPECT_NE(text[0], 0);
            e->Delete();
        }
    }
}

} // namespace
