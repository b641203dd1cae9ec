// Texts and paths longer than any buffer they pass through: initial folders
// of the folder chooser far past a path's length, a link target that no
// shell call takes, a module name, a version and a splash line of the
// longest length a text may have. Each is taken whole or refused whole, and
// nothing is cut short into something else.
#include <afxwin.h>

#include "AboutBoxView.h"
#include "BrowseWindowWatcher.h"
#include "DialogDriver.h"
#include "DibTestSupport.h"
#include "HardeningSupport.h"
#include "ImportPatch.h"
#include "ShownDialog.h"
#include "SplashHost.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const size_t kLengths[] = {300, 5000, 32767};

std::wstring longPath(size_t length)
{
    std::wstring path = L"C:\\";
    path.append(length - path.size() - 1, L'n');
    return path + L"\\";
}

struct Browse {
    int result = -1;
    BrowseWindowView view;
};

Browse browse(CT_SelectDirectory& chooser)
{
    BrowseWindowWatcher watcher(GetCurrentThreadId(), IDCANCEL);
    Browse outcome;
    outcome.result = chooser.b_Browse();
    outcome.view = watcher.finish();
    return outcome;
}

// A folder the shell cannot hold in a path opens the dialog on its own
// default selection, as a folder that does not exist does; the object keeps
// the folder, less its one trailing separator.
TEST(LongTexts, AnInitialFolderLongerThanAnyPathOpensOnTheDefaultSelection)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        const CT_UString title(L"Pick a folder");
        CT_SelectDirectory plain(&title, nullptr, nullptr);
        const Browse usual = browse(plain);
        ASSERT_TRUE(usual.view.opened);
        for (size_t length : kLengths) {
            SCOPED_TRACE(length);
            const std::wstring path = longPath(length);
            const CT_UString initial(path.c_str());
            CT_SelectDirectory chooser(&title, &initial, nullptr);
            const Browse outcome = browse(chooser);
            EXPECT_EQ(outcome.result, FALSE);
            EXPECT_TRUE(outcome.view.opened);
            EXPECT_EQ(outcome.view.selection, usual.view.selection);
            EXPECT_EQ(chooser.pco_GetResult()->vn_GetLength(), 0u);
        }
    }
    CoUninitialize();
}

// A root that no path buffer holds is refused before any dialog opens; it is
// not cut to a shorter path, which would name another folder.
TEST(LongTexts, ARootLongerThanAnyPathOpensNoDialog)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        const CT_UString title(L"Pick a folder");
        for (size_t length : kLengths) {
            SCOPED_TRACE(length);
            const CT_UString root(longPath(length).c_str());
            CT_SelectDirectory chooser(&title, nullptr, &root);
            const Browse outcome = browse(chooser);
            EXPECT_EQ(outcome.result, FALSE);
            EXPECT_FALSE(outcome.view.opened);
        }
    }
    CoUninitialize();
}

// The link keeps the whole target. One the shell fails to open leaves the
// link unvisited; one longer than any address is not handed to the shell at
// all, since some shells overrun their buffers on it (this system's dies on
// a path of about a thousand characters).
class ProbeLink : public CT_HttpLink {
public:
    BOOL visited() const { return b_Visited; }
    unsigned targetLength() const { return co_URL.vn_GetLength(); }
};

// Stands between the library and ShellExecuteW only to see which targets
// reach it at the boundary, as the real call ends this process there.
std::vector<size_t> g_handed;
HINSTANCE WINAPI recordedOpen(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT)
{
    g_handed.push_back(lstrlenW(file));
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_FNF));
}

class LinkHost {
public:
    LinkHost()
    {
        host_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 60, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        item_ = CreateWindowExW(0, L"STATIC", L"Link", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 4, 4, 80, 20, host_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~LinkHost()
    {
        DestroyWindow(host_);
        CWnd::DeleteTempMap();
    }
    LinkHost(const LinkHost&) = delete;
    LinkHost& operator=(const LinkHost&) = delete;
    HWND item() const { return item_; }

private:
    HWND host_ = nullptr;
    HWND item_ = nullptr;
};

std::wstring missingFile(size_t length)
{
    std::wstring path = longPath(length - 3);
    return path.substr(0, path.size() - 1) + L".txt";
}

TEST(LongTexts, ALinkTargetLongerThanAnyAddressIsKeptWholeButNotOpened)
{
    LinkHost host;
    ASSERT_NE(host.item(), nullptr);
    ProbeLink link;
    ASSERT_TRUE(link.SubclassWindow(host.item()));
    const CT_UString first(L"C:\\missing.txt");
    link.v_SetURL(&first);   // the target's own block is the link's
    Leftovers leftovers;
    for (size_t length : kLengths) {
        SCOPED_TRACE(length);
        const std::wstring path = missingFile(length);
        const CT_UString target(path.c_str());
        link.v_SetURL(&target);
        EXPECT_EQ(link.targetLength(), length);
        SendMessageW(host.item(), WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_FALSE(link.visited());
    }
    leftovers.expectNone();

    ImportPatch patch(GetModuleHandleW(L"Dialogs.dll"), "SHELL32.dll", "ShellExecuteW",
                      reinterpret_cast<void*>(&recordedOpen));
    ASSERT_TRUE(patch.ok());
    g_handed.clear();
    for (size_t length : {2083u, 2084u}) {
        const CT_UString target(missingFile(length).c_str());
        link.v_SetURL(&target);
        SendMessageW(host.item(), WM_KEYDOWN, VK_SPACE, 0);
    }
    EXPECT_EQ(g_handed, std::vector<size_t>{2083});
    EXPECT_FALSE(link.visited());
    link.UnsubclassWindow();
}

// The text link fits its width to the whole target, however long (as far as
// the system lets a window grow), and keeps its height.
TEST(LongTexts, ATextLinkFitsItsWidthToTheLongestTarget)
{
    LinkHost host;
    ASSERT_NE(host.item(), nullptr);
    RECT before = {};
    GetWindowRect(host.item(), &before);
    CT_TextHttpLink link;
    ASSERT_TRUE(link.SubclassWindow(host.item()));
    int previousWidth = before.right - before.left;
    for (size_t length : kLengths) {
        SCOPED_TRACE(length);
        const CT_UString target(missingFile(length).c_str());
        link.v_SetURL(&target);
        UpdateWindow(host.item());
        RECT now = {};
        GetWindowRect(host.item(), &now);
        if (length == kLengths[0]) {
            EXPECT_GT(now.right - now.left, previousWidth) << "fitted to the longer target";
        }
        EXPECT_GE(now.right - now.left, previousWidth);
        EXPECT_EQ(now.bottom - now.top, before.bottom - before.top);
        previousWidth = now.right - now.left;
    }
    link.UnsubclassWindow();
}

TEST(LongTexts, AModuleNameOfTheLongestTextIsKeptWholeAndTheIdentityStays)
{
    const std::wstring saved = CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get();
    const std::wstring name(32767, L'm');
    CT_DialogsDLLMain::sv_SetModuleName(name.c_str());
    EXPECT_EQ(std::wstring(CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get()), name);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetVersion(), 7u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);
    CT_DialogsDLLMain::sv_SetModuleName(saved.c_str());
    EXPECT_EQ(std::wstring(CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get()), saved);
}

std::wstring fullText(HWND window)
{
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, &text[0], static_cast<int>(text.size())));
    return text;
}

// The version line takes the whole version text, however long (the
// format module's own format does not fit the version and build, so the
// line is the version and build alone).
TEST(LongTexts, AVersionOfThousandsOfCharactersIsShownWhole)
{
    HMODULE format = LoadLibraryW(L"AboutFormatReversed.dll");
    ASSERT_NE(format, nullptr);
    CT_AboutDialog::st_Parameters parameters;
    parameters.h_ResourceInstance = format;
    parameters.n_Build = 77;
    for (size_t length : kLengths) {
        SCOPED_TRACE(length);
        const std::wstring version(length, L'v');
        parameters.co_Version.v_Set(version.c_str(), static_cast<unsigned>(-1));
        parameters.co_WebAddress.v_Set(version.c_str(), static_cast<unsigned>(-1));
        std::wstring line;
        DialogDriver driver([&line](HWND box) {
            line = fullText(GetDlgItem(box, IDC_ABOUT_VERSION));
            SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(CT_AboutDialog::sb_Show(&parameters));
        EXPECT_NE(line.find(version), std::wstring::npos) << "a line of " << line.size() << " units";
        EXPECT_NE(line.find(L"77"), std::wstring::npos);
    }
    FreeLibrary(format);
}

// A splash line of the longest length is drawn from its start, as the same
// text cut to what fits in the window would be.
TEST(LongTexts, ASplashLineOfTheLongestTextIsDrawnFromItsStart)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    auto shown = [&](const std::wstring& text) {
        CT_SplashWindow::st_Parameters record;
        record.h_Instance = pictures.handle();
        record.n_Bitmap = DIB_SPLASH;
        record.n_TextCount = 1;
        record.aso_Text[0].i_X = 2;
        record.aso_Text[0].i_Y = 2;
        record.aso_Text[0].co_Text.v_Set(text.c_str(), static_cast<unsigned>(-1));
        CT_SplashWindow::sv_Show(&record);
        HWND splash = findSplashWindow();
        std::vector<COLORREF> pixels;
        if (splash) {
            RedrawWindow(splash, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            HDC dc = GetDC(splash);
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 120; ++x)
                    pixels.push_back(GetPixel(dc, x, y));
            ReleaseDC(splash, dc);
        }
        CT_SplashWindow::sv_Kill();
        return pixels;
    };
    const std::vector<COLORREF> cut = shown(std::wstring(40, L'W'));
    ASSERT_EQ(cut.size(), 120u * 60u);
    EXPECT_EQ(shown(std::wstring(32767, L'W')), cut);
    EXPECT_FALSE(CT_SplashWindow::sb_Active());
}

} // namespace
