// A window object's life: creation with the object hooked in before the
// first message, failed creation, destruction and self-deletion, attaching,
// and the temporary objects of FromHandle.
#include "CountingAllocator.h"
#include "WndTestSupport.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>
#include <afxdiag.h>

namespace {

// Records every message that reaches it and what the framework did with it.
class CRecordingWnd : public CWnd {
public:
    std::vector<UINT> messages;
    int preSubclassCalls = 0;
    size_t messagesAtPreSubclass = static_cast<size_t>(-1);
    int onCreateCalls = 0;
    int onCreateResult = 0;
    int postNcDestroyCalls = 0;

    // Asks its window something: before the object takes over, the answer
    // comes from the window's own procedure and is not recorded.
    void PreSubclassWindow() override
    {
        ++preSubclassCalls;
        SendMessage(WM_GETTEXTLENGTH);
        messagesAtPreSubclass = messages.size();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        ++onCreateCalls;
        if (CWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        return onCreateResult;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Lives exactly as long as its window, as the splash window does.
class CSelfDeletingWnd : public CWnd {
public:
    static int live;
    int createResult = 0;

    CSelfDeletingWnd() { ++live; }
    ~CSelfDeletingWnd() override { --live; }

protected:
    void PostNcDestroy() override { delete this; }
    afx_msg int OnCreate(LPCREATESTRUCT) { return createResult; }

    DECLARE_MESSAGE_MAP()
};

int CSelfDeletingWnd::live = 0;

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

LPCTSTR popupClass()
{
    return AfxRegisterWndClass(0);
}

BOOL createPopup(CWnd& wnd, LPCTSTR lpszClass = popupClass(), LPCTSTR lpszName = L"Framework popup")
{
    return wnd.CreateEx(0, lpszClass, lpszName, WS_POPUP, CRect(0, 0, 60, 40), nullptr, 0);
}

class WindowLife : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWnd::DeleteTempMap();
        permanentBefore = AfxDiagGetPermanentWindowCount();
    }
    void TearDown() override { CWnd::DeleteTempMap(); }

    int permanentBefore = 0;
};

TEST_F(WindowLife, CreateExHooksTheObjectInBeforeTheFirstMessage)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(createPopup(wnd));
    HWND hWnd = wnd.m_hWnd;
    ASSERT_TRUE(IsWindow(hWnd));

    EXPECT_EQ(wnd.onCreateCalls, 1);
    EXPECT_EQ(wnd.preSubclassCalls, 1);
    EXPECT_EQ(wnd.messagesAtPreSubclass, 0u);
    ASSERT_FALSE(wnd.messages.empty());
    EXPECT_NE(std::find(wnd.messages.begin(), wnd.messages.end(), WM_NCCREATE), wnd.messages.end());
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)), AfxWndProc);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore + 1);

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_EQ(wnd.messages.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
    EXPECT_FALSE(wnd.DestroyWindow());
}

TEST_F(WindowLife, AWindowThatDeletesItselfLeavesNothingBehind)
{
    const long blocksBefore = CountingAllocator_GetLiveBlocks();
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd;
    ASSERT_NE(pWnd, nullptr);
    ASSERT_TRUE(createPopup(*pWnd, popupClass(), L"Self-deleting"));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(CSelfDeletingWnd::live, 1);

    DestroyWindow(hWnd);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(CSelfDeletingWnd::live, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), blocksBefore);
}

TEST_F(WindowLife, OnCreateFailingDestroysTheWindowAndCallsPostNcDestroy)
{
    const long blocksBefore = CountingAllocator_GetLiveBlocks();
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd;
    pWnd->createResult = -1;
    EXPECT_FALSE(createPopup(*pWnd, popupClass(), L"Refuses creation"));
    EXPECT_EQ(CSelfDeletingWnd::live, 0);
    EXPECT_EQ(FindWindowW(nullptr, L"Refuses creation"), nullptr);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), blocksBefore);

    CRecordingWnd wnd;
    wnd.onCreateResult = -1;
    EXPECT_FALSE(createPopup(wnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_EQ(wnd.messages.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
}

TEST_F(WindowLife, CreationThatNeverStartsStillEndsTheObject)
{
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd;
    EXPECT_FALSE(createPopup(*pWnd, L"NoSuchWindowClassAnywhere"));
    EXPECT_EQ(CSelfDeletingWnd::live, 0);

    CRecordingWnd wnd;
    ASSERT_TRUE(createPopup(wnd));
    HWND hFirst = wnd.m_hWnd;
    EXPECT_FALSE(createPopup(wnd)) << "an object has one window at a time";
    EXPECT_EQ(wnd.m_hWnd, hFirst);
    EXPECT_EQ(wnd.postNcDestroyCalls, 0);
}

TEST_F(WindowLife, TheDestructorDestroysTheWindowItOwns)
{
    HWND hWnd = nullptr;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(createPopup(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
}

TEST_F(WindowLife, AttachRecordsTheObjectWithoutTakingMessages)
{
    PlainWindow plain;
    HWND hWnd = plain.handle();
    const LONG_PTR procBefore = GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hWnd));
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
        EXPECT_EQ(GetWindowLongPtrW(hWnd, GWLP_WNDPROC), procBefore);

        CWnd other;
        EXPECT_FALSE(other.Attach(hWnd)) << "one object per window";
        EXPECT_FALSE(wnd.Attach(hWnd)) << "one window per object";
        EXPECT_EQ(wnd.Detach(), hWnd);
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    }
    EXPECT_TRUE(IsWindow(hWnd)) << "a detached window stays";

    CWnd wnd;
    HWND hDead = createChild(hWnd, 1);
    DestroyWindow(hDead);
    EXPECT_FALSE(wnd.Attach(nullptr));
    EXPECT_FALSE(wnd.Attach(hDead));
    EXPECT_EQ(wnd.Detach(), nullptr);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
}

TEST_F(WindowLife, FromHandleMakesOneTemporaryObjectPerWindowUntilIdle)
{
    PlainWindow plain;
    HWND hWnd = plain.handle();
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);

    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp);
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 1);

    // Idle time in a nested loop leaves them to the handler that holds them.
    AfxLockTempMaps();
    AfxLockTempMaps();
    AfxUnlockTempMaps();
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 1);
    AfxUnlockTempMaps();
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 0);
    EXPECT_TRUE(IsWindow(hWnd)) << "deleting a temporary object leaves its window";

    // An object attached later takes over from the temporary one.
    CWnd::FromHandle(hWnd);
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
    wnd.Detach();
    CWnd::DeleteTempMap();
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 0);

    HWND hDead = createChild(hWnd, 1);
    DestroyWindow(hDead);
    EXPECT_EQ(CWnd::FromHandle(hDead), nullptr);
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 0);
}

TEST_F(WindowLife, DestroyingAWindowThroughItsTemporaryObjectFreesTheHandle)
{
    PlainWindow plain;
    HWND hChild = createChild(plain.handle(), 5);
    CWnd* pTemp = CWnd::FromHandle(hChild);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_FALSE(IsWindow(hChild));
    EXPECT_EQ(pTemp->m_hWnd, nullptr);

    HWND hNext = createChild(plain.handle(), 6);
    CWnd* pNext = CWnd::FromHandle(hNext);
    ASSERT_NE(pNext, nullptr);
    EXPECT_EQ(pNext->m_hWnd, hNext);
    CWnd::DeleteTempMap();
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 0);
}

TEST_F(WindowLife, WindowsOfAnotherThreadAreNotSubclassed)
{
    HWND hForeign = nullptr;
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread owner([&] {
        hForeign = CreateWindowExW(0, L"STATIC", L"Foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                   nullptr);
        SetEvent(created);
        WaitForSingleObject(release, INFINITE);
        DestroyWindow(hForeign);
    });
    WaitForSingleObject(created, INFINITE);
    ASSERT_NE(hForeign, nullptr);
    const LONG_PTR procBefore = GetWindowLongPtrW(hForeign, GWLP_WNDPROC);

    CRecordingWnd wnd;
    EXPECT_FALSE(wnd.SubclassWindow(hForeign));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.preSubclassCalls, 0);
    EXPECT_EQ(GetWindowLongPtrW(hForeign, GWLP_WNDPROC), procBefore);

    SetEvent(release);
    owner.join();
    CloseHandle(created);
    CloseHandle(release);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore);
}

// Creates its tooltip while it is being attached, as a link does.
class CWndWithTip : public CWnd {
public:
    CToolTipCtrl tip;
    BOOL tipCreated = FALSE;

    void PreSubclassWindow() override { tipCreated = tip.Create(this); }
};

TEST_F(WindowLife, WindowsCreatedWhileAnotherIsAttachedGetTheirOwnObjects)
{
    CWndWithTip wnd;
    ASSERT_TRUE(createPopup(wnd));
    EXPECT_TRUE(wnd.tipCreated);
    ASSERT_NE(wnd.tip.m_hWnd, nullptr);
    EXPECT_NE(wnd.tip.m_hWnd, wnd.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.tip.m_hWnd), &wnd.tip);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), permanentBefore + 2);
}

} // namespace
