// Device contexts of real windows: painting, client area, whole window and
// screen, each given back to the system by its wrapper.
#include <afxwin.h>

#include "GdiCounter.h"
#include "GdiTestSupport.h"
#include "ImportPatch.h"

#include <functional>

namespace {

const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);

// What the window does with WM_PAINT; default painting when empty.
std::function<void(HWND)> onPaint;

LRESULT CALLBACK testWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && onPaint) {
        onPaint(hWnd);
        return 0;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

// A visible captioned top-level window with a CWnd object attached.
class WindowDCTest : public TempMapsCleared {
protected:
    void SetUp() override
    {
        TempMapsCleared::SetUp();
        WNDCLASS windowClass = {};
        windowClass.lpfnWndProc = testWindowProc;
        windowClass.hInstance = GetModuleHandle(nullptr);
        windowClass.lpszClassName = L"GdiWindowDCTest";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClass(&windowClass);
        HWND hWnd = CreateWindow(L"GdiWindowDCTest", L"Window DC test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 220, 160, nullptr, nullptr, GetModuleHandle(nullptr), nullptr);
        ASSERT_NE(nullptr, hWnd);
        ASSERT_TRUE(wnd.Attach(hWnd));
        pump();
    }

    void TearDown() override
    {
        onPaint = nullptr;
        DestroyWindow(wnd.Detach());
        UnregisterClass(L"GdiWindowDCTest", GetModuleHandle(nullptr));
        TempMapsCleared::TearDown();
    }

    static void pump()
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }

    COLORREF clientPixel(int x, int y)
    {
        HDC hDC = GetDC(wnd.m_hWnd);
        const COLORREF color = ::GetPixel(hDC, x, y);
        ReleaseDC(wnd.m_hWnd, hDC);
        return color;
    }

    CWnd wnd;
};

} // namespace

TEST_F(WindowDCTest, PaintContextPaintsTheInvalidAreaAndEndsPainting)
{
    HDC paintedWith = nullptr;
    CDC* foundWrapper = nullptr;
    CDC* wrapperAddress = nullptr;
    RECT paintArea = {};
    onPaint = [&](HWND hWnd) {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        paintedWith = dc.m_hDC;
        wrapperAddress = &dc;
        foundWrapper = CDC::FromHandle(dc.m_hDC);
        paintArea = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, red);
    };
    InvalidateRect(wnd.m_hWnd, CRect(10, 10, 30, 30), FALSE);
    UpdateWindow(wnd.m_hWnd);

    ASSERT_NE(nullptr, paintedWith);
    EXPECT_EQ(wrapperAddress, foundWrapper);
    EXPECT_EQ(CRect(10, 10, 30, 30), paintArea);
    EXPECT_EQ(red, clientPixel(15, 15));
    EXPECT_NE(red, clientPixel(35, 35));
    RECT stillInvalid;
    EXPECT_FALSE(GetUpdateRect(wnd.m_hWnd, &stillInvalid, FALSE));
    // EndPaint gave the context back: there is nothing left to release.
    EXPECT_EQ(0, ReleaseDC(wnd.m_hWnd, paintedWith));
    EXPECT_NE(wrapperAddress, CDC::FromHandle(paintedWith));
}

// Whether constructing the wrapper threw CResourceException.
template <class Wrapper> bool throwsResourceException(CWnd* pWnd)
{
    try {
        Wrapper dc(pWnd);
    } catch (CResourceException* e) {
        e->Delete();
        return true;
    }
    return false;
}

HDC WINAPI noDC(HWND)
{
    return nullptr;
}

TEST_F(WindowDCTest, PaintContextWithoutAWindowThrows)
{
    EXPECT_TRUE(throwsResourceException<CPaintDC>(nullptr));
    CWnd windowless;
    EXPECT_TRUE(throwsResourceException<CPaintDC>(&windowless));
}

// The system hands out no context on demand: the framework's calls are
// refused in its place.
TEST_F(WindowDCTest, WrappersThatGetNoContextThrowAndHoldNothing)
{
    const HMODULE framework = GetModuleHandle(L"MFC71U.DLL");
    GdiCounter counter({L"MFC71U.DLL"});
    {
        ImportPatch client(framework, "USER32.dll", "GetDC", reinterpret_cast<void*>(noDC));
        ImportPatch window(framework, "USER32.dll", "GetWindowDC", reinterpret_cast<void*>(noDC));
        ASSERT_TRUE(client.ok() && window.ok());
        EXPECT_TRUE(throwsResourceException<CClientDC>(&wnd));
        EXPECT_TRUE(throwsResourceException<CWindowDC>(&wnd));
    }
    EXPECT_FALSE(throwsResourceException<CClientDC>(&wnd));
    EXPECT_EQ(0u, counter.liveWindowDCs());
    EXPECT_EQ(0u, counter.liveObjects());
}

TEST_F(WindowDCTest, ClientContextDrawsInTheClientAreaAndIsReleased)
{
    HDC used = nullptr;
    CRect clip;
    {
        CClientDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        used = dc.m_hDC;
        EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
        dc.FillSolidRect(0, 0, 5, 5, blue);
        dc.GetClipBox(&clip);
    }
    EXPECT_EQ(blue, clientPixel(0, 0));
    EXPECT_EQ(blue, clientPixel(4, 4));
    CRect client;
    GetClientRect(wnd.m_hWnd, &client);
    EXPECT_EQ(client, clip);
    EXPECT_EQ(0, ReleaseDC(wnd.m_hWnd, used));
}

// The window context starts at the window's corner, the client context at
// the client area's, below the caption.
TEST_F(WindowDCTest, WindowContextStartsAtTheFrameAndIsReleased)
{
    HDC used = nullptr;
    POINT windowOrigin = {};
    POINT clientOrigin = {};
    {
        CWindowDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        used = dc.m_hDC;
        GetDCOrgEx(dc, &windowOrigin);
        CClientDC client(&wnd);
        GetDCOrgEx(client, &clientOrigin);
    }
    CRect window;
    GetWindowRect(wnd.m_hWnd, &window);
    EXPECT_EQ(window.TopLeft(), CPoint(windowOrigin));
    CPoint clientCorner(0, 0);
    ClientToScreen(wnd.m_hWnd, &clientCorner);
    EXPECT_EQ(clientCorner, CPoint(clientOrigin));
    EXPECT_GT(clientOrigin.y, windowOrigin.y);
    EXPECT_EQ(0, ReleaseDC(wnd.m_hWnd, used));
}

TEST_F(WindowDCTest, NullWindowMeansTheWholeScreen)
{
    HDC used = nullptr;
    {
        CClientDC screen(nullptr);
        ASSERT_NE(nullptr, screen.m_hDC);
        used = screen.m_hDC;
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.GetDeviceCaps(HORZRES));
        // A palette goes in and comes back out as the screen's code does it.
        LOGPALETTE logPalette = {0x300, 1, {{1, 2, 3, 0}}};
        CPalette palette;
        ASSERT_TRUE(palette.CreatePalette(&logPalette));
        CPalette* previous = screen.SelectPalette(&palette, TRUE);
        ASSERT_NE(nullptr, previous);
        EXPECT_NE(GDI_ERROR, screen.RealizePalette());
        EXPECT_EQ(&palette, screen.SelectPalette(previous, TRUE));
    }
    EXPECT_EQ(0, ReleaseDC(nullptr, used));
    CWindowDC whole(nullptr);
    EXPECT_NE(nullptr, whole.m_hDC);
}
