#include <afxwin.h>

#include "HardeningSupport.h"

#include "BasisDiagnostics.h"
#include "DAZ32.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>
#include <afxdiag.h>

namespace {

// Loaded once and freed: the handle then points where nothing is mapped.
HINSTANCE freedModule()
{
    static HINSTANCE freed = [] {
        HINSTANCE module = LoadLibraryW(L"DibTestPictures.dll");
        if (module)
            FreeLibrary(module);
        return module;
    }();
    return freed;
}

} // namespace

std::vector<ForeignModule> foreignModules()
{
    return {{"a freed module", freedModule()},
            {"an address where no module is", reinterpret_cast<HINSTANCE>(0x12340000)},
            {"the test program", GetModuleHandleW(nullptr)},
            {"no module", nullptr}};
}

Leftovers::Leftovers()
    : libraryBlocks_(DAZ_GetLiveBlockCount()),
      basisBlocks_(LexorinBasis_GetLiveBlockCount()),
      fontHires_(CT_FontManager::spco_GetFontManager()->n_GetHireCount()),
      windowObjects_(AfxDiagGetPermanentWindowCount()),
      gdi_({L"Dialogs.dll", L"MFC71U.DLL", L"LexorinBasis.dll", L"LexorinInterface.dll"})
{
}

void Leftovers::expectNone() const
{
    EXPECT_TRUE(gdi_.watching());
    EXPECT_EQ(DAZ_GetLiveBlockCount(), libraryBlocks_) << "library heap blocks";
    EXPECT_EQ(LexorinBasis_GetLiveBlockCount(), basisBlocks_) << "basis library heap blocks";
    EXPECT_EQ(CT_FontManager::spco_GetFontManager()->n_GetHireCount(), fontHires_) << "hired fonts";
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), windowObjects_) << "window objects";
    EXPECT_EQ(gdi_.liveObjects(), 0u) << "GDI objects";
    EXPECT_EQ(gdi_.liveWindowDCs(), 0u) << "window device contexts";
}

const COLORREF PictureHost::kColour = RGB(0x20, 0x90, 0x40);

PictureHost::PictureHost(HINSTANCE resources, int width, int height)
    : width_(width), height_(height), previousResources_(AfxGetResourceHandle())
{
    static const ATOM hostClass = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = CreateSolidBrush(kColour);   // the class owns it from here
        windowClass.lpszClassName = L"HardeningPictureHost";
        return RegisterClassW(&windowClass);
    }();
    host_ = CreateWindowExW(0, MAKEINTATOM(hostClass), L"", WS_POPUP | WS_VISIBLE, 0, 0, width + 20, height + 20,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    item_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, width, height, host_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    AfxSetResourceHandle(resources);
}

PictureHost::~PictureHost()
{
    AfxSetResourceHandle(previousResources_);
    if (host_)
        DestroyWindow(host_);
    CWnd::DeleteTempMap();
}

void PictureHost::repaint() const
{
    RedrawWindow(host_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int PictureHost::painted(const RECT* area) const
{
    const RECT whole = {0, 0, width_, height_};
    RECT part = whole;
    if (area && !IntersectRect(&part, area, &whole))
        return 0;
    int count = 0;
    HDC dc = GetDC(item_);
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            count += GetPixel(dc, x, y) != kColour;
    ReleaseDC(item_, dc);
    return count;
}

COLORREF PictureHost::at(int x, int y) const
{
    HDC dc = GetDC(item_);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(item_, dc);
    return pixel;
}
