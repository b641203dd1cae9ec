// When temporary wrappers go: at idle once no one holds the maps, and when
// their thread ends.
#include "GdiTestSupport.h"
#include <afxdiag.h>

namespace {

// What the registered cleanup saw when it ran on the watched thread (other
// threads of the process may end at any time and call it too).
volatile DWORD watchedThread = 0;
volatile LONG cleanupCalls = 0;
volatile LONG tempsAtCleanup = -1;

void AFXAPI recordCleanup()
{
    if (GetCurrentThreadId() != watchedThread)
        return;
    InterlockedIncrement(&cleanupCalls);
    tempsAtCleanup = AfxDiagGetTempGdiCount();
}

struct ThreadResult {
    int tempsWhileRunning = -1;
};

DWORD WINAPI makeTemporaries(LPVOID parameter)
{
    auto* result = static_cast<ThreadResult*>(parameter);
    watchedThread = GetCurrentThreadId();
    CGdiObject::FromHandle(GetStockObject(WHITE_PEN));
    CGdiObject::FromHandle(GetStockObject(GRAY_BRUSH));
    HDC screen = GetDC(nullptr);
    CDC::FromHandle(screen);
    result->tempsWhileRunning = AfxDiagGetTempGdiCount();
    ReleaseDC(nullptr, screen);
    return 0;
}

} // namespace

TEST_F(TempMapsCleared, NestedLocksKeepTemporariesForTheOuterCaller)
{
    AfxLockTempMaps();   // a handler is running
    CGdiObject* temp = CGdiObject::FromHandle(GetStockObject(BLACK_PEN));
    ASSERT_NE(nullptr, temp);
    // A modal loop inside the handler goes idle.
    AfxLockTempMaps();
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(1, AfxDiagGetTempGdiCount());
    EXPECT_EQ(temp, CGdiObject::FromHandle(GetStockObject(BLACK_PEN)));
    // The handler returns without deleting; the next idle deletes.
    EXPECT_TRUE(AfxUnlockTempMaps(FALSE));
    EXPECT_EQ(1, AfxDiagGetTempGdiCount());
    ClearTempMapsAtIdle();
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
    // Unlocking more often than locking never leaves a debt.
    EXPECT_TRUE(AfxUnlockTempMaps());
    AfxLockTempMaps();
    EXPECT_TRUE(AfxUnlockTempMaps());
}

TEST_F(TempMapsCleared, ClassCleanupsDeleteTheirOwnKindOnly)
{
    HDC screen = GetDC(nullptr);
    CDC* dc = CDC::FromHandle(screen);
    ASSERT_NE(nullptr, dc);
    ASSERT_NE(nullptr, CGdiObject::FromHandle(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(2, AfxDiagGetTempGdiCount());
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(1, AfxDiagGetTempGdiCount());
    EXPECT_EQ(dc, CDC::FromHandle(screen));
    CDC::DeleteTempMap();
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
    // A temporary context is never deleted or released.
    EXPECT_NE(0u, GetObjectType(screen));
    ReleaseDC(nullptr, screen);
}

TEST_F(TempMapsCleared, OtherMapsJoinTheCleanupAtIdleAndAtThreadEnd)
{
    EXPECT_FALSE(AfxAddTempMapCleanup(nullptr));
    ASSERT_TRUE(AfxAddTempMapCleanup(recordCleanup));
    EXPECT_TRUE(AfxAddTempMapCleanup(recordCleanup));   // once only

    watchedThread = GetCurrentThreadId();
    ClearTempMapsAtIdle();
    EXPECT_EQ(1, cleanupCalls);
    cleanupCalls = 0;

    // A thread that ends gives its temporaries back before the other maps'
    // cleanups run on it.
    ThreadResult result;
    HANDLE thread = CreateThread(nullptr, 0, makeTemporaries, &result, 0, nullptr);
    ASSERT_NE(nullptr, thread);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, INFINITE));
    CloseHandle(thread);
    EXPECT_EQ(3, result.tempsWhileRunning);
    EXPECT_EQ(1, cleanupCalls);
    EXPECT_EQ(0, tempsAtCleanup);
    watchedThread = 0;
    // Another thread's temporaries were never this thread's.
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
    EXPECT_NE(0u, GetObjectType(GetStockObject(GRAY_BRUSH)));
}
