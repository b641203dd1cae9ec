#include <afxwin.h>

#include "DemoHost.h"

#include "DemoActions.h"
#include "DemoLanguage.h"
#include "DemoResources.h"
#include "DemoTexts.h"

#include <Dialogs/Dialogs.h>
#include <cwchar>
#include <string>

namespace {

const wchar_t kClassName[] = L"DialogsDemoHost";
const UINT kFirstCommand = 100;

UINT n_ActionCount()
{
    UINT count = 0;
    while (g_DemoActions[count].text)
        ++count;
    return count;
}

HMENU h_BuildMenu()
{
    HMENU bar = CreateMenu();
    HMENU dialogs = CreatePopupMenu();
    for (UINT i = 0; g_DemoActions[i].text; ++i)
        AppendMenuW(dialogs, MF_STRING, kFirstCommand + i,
                    co_DemoText(IDS_DEMO_ACTION_FIRST + i, g_DemoActions[i].text).c_str());
    AppendMenuW(dialogs, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(dialogs, MF_STRING, IDCANCEL, co_DemoText(IDS_DEMO_MENU_EXIT, L"E&xit").c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dialogs),
                co_DemoText(IDS_DEMO_MENU_DIALOGS, L"&Dialogs").c_str());
    return bar;
}

void v_OnCommand(HWND window, UINT id)
{
    if (id == IDCANCEL) {
        DestroyWindow(window);
        return;
    }
    if (id >= kFirstCommand && id < kFirstCommand + n_ActionCount())
        g_DemoActions[id - kFirstCommand].run(window);
}

// Menu, caption and text are read again in the new language.
void v_OnLanguageChanged(HWND window)
{
    HMENU previous = GetMenu(window);
    SetMenu(window, h_BuildMenu());
    if (previous)
        DestroyMenu(previous);
    SetWindowTextW(window, co_DemoTitle().c_str());
    InvalidateRect(window, nullptr, TRUE);
}

void v_OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    InflateRect(&client, -16, -16);
    const std::wstring format =
        co_DemoText(IDS_DEMO_WELCOME, L"A host of Dialogs.dll %u (build %u).\n\nThe Dialogs menu shows what the "
                                      L"library offers.");
    wchar_t text[512];
    swprintf(text, sizeof text / sizeof text[0], format.c_str(), CT_DialogsDLLMain::sn_GetVersion(),
             CT_DialogsDLLMain::sn_GetBuild());
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, text, -1, &client, DT_LEFT | DT_WORDBREAK);
    SelectObject(dc, font);
    EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        v_OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_PAINT:
        v_OnPaint(window);
        return 0;
    case WM_DEMO_LANGUAGE_CHANGED:
        v_OnLanguageChanged(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

void v_DemoShowSplash(HINSTANCE instance)
{
    CT_SplashWindow::st_Parameters splash;
    splash.h_Instance = instance;
    splash.n_Bitmap = IDB_DEMO_SPLASH;
    splash.n_Seconds = 2;
    wchar_t version[128];
    swprintf(version, sizeof version / sizeof version[0], L"Lexorin 7.0.1 - Dialogs.dll %u, build %u",
             CT_DialogsDLLMain::sn_GetVersion(), CT_DialogsDLLMain::sn_GetBuild());
    const wchar_t* lines[] = {version, L"Starting the demo host...", L"Copyright \u00A9 2026 Lexorin Software"};
    for (const wchar_t* line : lines) {
        CT_SplashWindow::st_Text& text = splash.aso_Text[splash.n_TextCount];
        text.i_X = 20;
        text.i_Y = 196 + 16 * static_cast<int>(splash.n_TextCount);
        text.co_Text.v_Set(line, static_cast<unsigned>(-1));
        ++splash.n_TextCount;
    }
    CT_SplashWindow::sv_Show(&splash);
}

HWND h_DemoCreateMainWindow(HINSTANCE instance, int show)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);

    HWND window = CreateWindowExW(0, kClassName, co_DemoTitle().c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 560, 360, nullptr, h_BuildMenu(), instance, nullptr);
    if (!window)
        return nullptr;
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

std::wstring co_DemoProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* name = length && length < MAX_PATH ? wcsrchr(path, L'\\') : nullptr;
    return name ? std::wstring(path, name + 1) : std::wstring();
}
