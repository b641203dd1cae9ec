// A host application of Dialogs.dll: a main window whose menu shows each of
// the library's dialogs. Run with --print to print the library's identity and
// leave.
#include "DemoActions.h"
#include "DemoResources.h"
#include "Dialogs.h"

#include <cstdio>
#include <cwchar>

namespace {

const wchar_t kClassName[] = L"DialogsDemoHost";
const UINT kFirstCommand = 100;

HMENU h_BuildMenu()
{
    HMENU bar = CreateMenu();
    HMENU dialogs = CreatePopupMenu();
    for (UINT i = 0; g_DemoActions[i].text; ++i)
        AppendMenuW(dialogs, MF_STRING, kFirstCommand + i, g_DemoActions[i].text);
    AppendMenuW(dialogs, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(dialogs, MF_STRING, IDCANCEL, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dialogs), L"&Dialogs");
    return bar;
}

void v_OnCommand(HWND window, UINT id)
{
    if (id == IDCANCEL) {
        DestroyWindow(window);
        return;
    }
    UINT count = 0;
    while (g_DemoActions[count].text)
        ++count;
    if (id >= kFirstCommand && id < kFirstCommand + count)
        g_DemoActions[id - kFirstCommand].run(window);
}

void v_OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    InflateRect(&client, -16, -16);
    wchar_t text[512];
    swprintf(text, sizeof text / sizeof text[0],
             L"A host of Dialogs.dll %u (build %u).\n\nThe Dialogs menu shows what the library offers.",
             CT_DialogsDLLMain::sn_GetVersion(), CT_DialogsDLLMain::sn_GetBuild());
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
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void v_PrintIdentity()
{
    std::printf("Dialogs.dll version %u, build %u, module %ls\n", CT_DialogsDLLMain::sn_GetVersion(),
                CT_DialogsDLLMain::sn_GetBuild(), CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get());
    std::fflush(stdout);
}

// The splash stays at least two seconds, or until a key or a click.
void v_ShowSplash(HINSTANCE instance)
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

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    v_PrintIdentity();
    if (wcsstr(commandLine, L"--print"))
        return 0;
    v_ShowSplash(instance);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);

    HWND window = CreateWindowExW(0, kClassName, L"Dialogs demo host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 560, 360, nullptr, h_BuildMenu(), instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    CT_SplashWindow::sv_Hide();
    v_DemoShowTipAtStartup(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (CT_SplashWindow::sb_PreTranslateAppMessage(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
