#include <afxwin.h>

#include "DemoTour.h"

#include "DemoActions.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "ScreenCapture.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <string>

namespace {

const UINT kTickMs = 100;
// A dialog is photographed once it has been up this many ticks: long enough
// for the shell's folder tree and every delayed paint to settle.
const int kSettleTicks = 5;
const unsigned kEnglish = 0x0409, kGerman = 0x0407, kJapanese = 0x0411;

struct Tour {
    std::wstring folder;
    std::deque<std::wstring> expected;   // pictures of the dialogs to come, in order; empty: just close it
    HWND dialog = nullptr;               // the dialog being watched
    HWND closing = nullptr;              // asked to close, not to be taken again
    int ticks = 0;
    int missing = 0;
    unsigned chooseLanguage = 0;         // picked in the language chooser, which then ends with OK
};

Tour g_Tour;

std::wstring co_PicturePath(const std::wstring& name)
{
    return g_Tour.folder + L"\\" + name;
}

void v_Record(const std::wstring& name, BOOL written)
{
    std::printf("%s %ls\n", written ? "wrote" : "MISSING", co_PicturePath(name).c_str());
    std::fflush(stdout);
    if (!written)
        ++g_Tour.missing;
}

BOOL CALLBACK b_FindDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
        window == g_Tour.closing)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The modal dialog the thread shows now, if any.
HWND h_CurrentDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), b_FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Selects the entry of `language` in the language chooser's list, as the
// user would; FALSE when the dialog has no such entry.
BOOL b_SelectLanguage(HWND dialog, unsigned language)
{
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    if (!list)
        return FALSE;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (static_cast<unsigned>(SendMessageW(list, CB_GETITEMDATA, i, 0)) == language) {
            SendMessageW(list, CB_SETCURSEL, i, 0);
            return TRUE;
        }
    }
    std::printf("the language chooser offers no 0x%04X\n", language);
    return FALSE;
}

// Runs inside each dialog's modal loop: waits for the dialog to settle,
// photographs it and closes it with Cancel (OK where there is none).
void CALLBACK v_OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = h_CurrentDialog();
    if (dialog != g_Tour.dialog) {
        g_Tour.dialog = dialog;
        g_Tour.ticks = 0;
    }
    if (!dialog || ++g_Tour.ticks < kSettleTicks)
        return;
    if (!g_Tour.expected.empty()) {
        const std::wstring name = g_Tour.expected.front();
        g_Tour.expected.pop_front();
        if (!name.empty())
            v_Record(name, b_CaptureWindow(dialog, co_PicturePath(name).c_str()));
    }
    WPARAM command = GetDlgItem(dialog, IDCANCEL) ? IDCANCEL : IDOK;
    if (g_Tour.chooseLanguage && b_SelectLanguage(dialog, g_Tour.chooseLanguage))
        command = IDOK;
    g_Tour.closing = dialog;
    g_Tour.dialog = nullptr;
    PostMessageW(dialog, WM_COMMAND, command, 0);
}

// Runs one of the demo's actions and photographs the dialogs it opens, in
// order (an empty name closes a dialog without a picture).
void v_Visit(void (*action)(HWND), HWND mainWindow, std::deque<std::wstring> pictures, unsigned chooseLanguage = 0)
{
    g_Tour.expected = std::move(pictures);
    g_Tour.chooseLanguage = chooseLanguage;
    g_Tour.dialog = g_Tour.closing = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, v_OnTick);
    action(mainWindow);
    KillTimer(nullptr, timer);
    for (const std::wstring& name : g_Tour.expected)
        if (!name.empty())
            v_Record(name, FALSE);
    g_Tour.expected.clear();
}

// Lets posted messages, paints and the splash's timer run for a while.
void v_Settle(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

BOOL CALLBACK b_FindTopmost(HWND window, LPARAM found)
{
    if (!IsWindowVisible(window) || !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void v_CaptureSplash(HINSTANCE instance)
{
    v_DemoShowSplash(instance);
    v_Settle(500);
    HWND splash = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), b_FindTopmost, reinterpret_cast<LPARAM>(&splash));
    v_Record(L"01-splash.png", splash && b_CaptureWindow(splash, co_PicturePath(L"01-splash.png").c_str()));
    CT_SplashWindow::sv_Kill();
    v_Settle(200);
}

struct MenuShot {
    HWND window = nullptr;
    const wchar_t* name = nullptr;
    int ticks = 0;
    BOOL written = FALSE;
};

MenuShot g_MenuShot;

// Runs inside the menu's modal loop: photographs the main window with the
// open menu over it, then closes the menu.
void CALLBACK v_OnMenuTick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup) || ++g_MenuShot.ticks < kSettleTicks)
        return;
    RECT area, menu;
    GetWindowRect(g_MenuShot.window, &area);
    GetWindowRect(popup, &menu);
    UnionRect(&area, &area, &menu);
    g_MenuShot.written = b_CaptureScreenArea(area, co_PicturePath(g_MenuShot.name).c_str());
    EndMenu();
}

// The main window with its Dialogs menu open, as the user sees it.
void v_CaptureMainWindow(HWND window, const wchar_t* name)
{
    v_Settle(300);
    g_MenuShot = MenuShot();
    g_MenuShot.window = window;
    g_MenuShot.name = name;
    RECT item;
    HMENU bar = GetMenu(window);
    if (bar && GetMenuItemRect(window, bar, 0, &item)) {
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, v_OnMenuTick);
        SetForegroundWindow(window);
        TrackPopupMenuEx(GetSubMenu(bar, 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, item.left, item.bottom,
                         window, nullptr);
        KillTimer(nullptr, timer);
    }
    v_Record(name, g_MenuShot.written);
}

void v_SwitchLanguage(unsigned language)
{
    if (!b_DemoSwitchLanguage(language))
        std::printf("the tour could not switch to language 0x%04X\n", language);
}

// The tip shown last and the start-up choice go to a settings file of the
// tour's own, so that the user's are left as they are.
std::wstring co_UseTourSettings()
{
    SetEnvironmentVariableW(L"APPDATA", g_Tour.folder.c_str());
    return co_DemoSettingsFile();
}

} // namespace

int i_RunDemoTour(HINSTANCE instance, const wchar_t* folder)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(folder, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        std::printf("the tour's folder is not usable\n");
        return 1;
    }
    g_Tour.folder = full;
    CreateDirectoryW(full, nullptr);
    std::printf("tour pictures go to %ls\n", full);
    const std::wstring settings = co_UseTourSettings();

    v_CaptureSplash(instance);
    HWND window = h_DemoCreateMainWindow(instance, SW_SHOWNORMAL);
    if (!window)
        return 1;
    v_DemoJoinLanguages(window);
    v_SwitchLanguage(kEnglish);
    v_CaptureMainWindow(window, L"02-main-window.png");
    v_Visit(v_DemoShowAbout, window, {L"03-about.png"});
    v_Visit(v_DemoShowTipOfTheDay, window, {L"04-tip-of-the-day.png"});
    v_Visit(v_DemoChooseFolder, window, {L"05-folder-chooser.png", L""});
    v_Visit(v_DemoShowControls, window, {L"12-controls.png"});
    // German is chosen in the language chooser, as a user does; the demo's
    // window follows.
    v_Visit(v_DemoChooseLanguage, window, {L"06-language.png"}, kGerman);
    v_CaptureMainWindow(window, L"07-main-window-german.png");
    v_Visit(v_DemoShowAbout, window, {L"08-about-german.png"});
    // The chooser offers Japanese only with a Japanese system font: the host
    // switches itself.
    v_SwitchLanguage(kJapanese);
    v_CaptureMainWindow(window, L"09-main-window-japanese.png");
    v_Visit(v_DemoShowAbout, window, {L"10-about-japanese.png"});
    v_Visit(v_DemoShowTipOfTheDay, window, {L"11-tip-of-the-day-japanese.png"});

    DestroyWindow(window);
    v_Settle(100);
    DeleteFileW(settings.c_str());
    std::printf("%d of the tour's pictures missing\n", g_Tour.missing);
    return g_Tour.missing ? 1 : 0;
}
