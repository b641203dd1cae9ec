// Times Dialogs.dll against plain Win32 code doing the same work, in one
// run, and prints a table of the medians and their ratios:
//   - a splash window from the show call to its painted picture and texts;
//   - a 1920 x 1080, 8-bit picture read from a resource and drawn;
//   - the About box and the language chooser from the show call until they
//     and their items have painted;
//   - one repaint of a text link.
// The two sides take turns, so that both see the same state of the system.
// Nothing here passes or fails: the figures are for reading.
#include "BenchPictures.h"
#include "BenchTiming.h"
#include "DialogBenches.h"
#include "PlainWin32.h"

#include <Dialogs/Dialogs.h>
#include <cstdio>
#include <vector>

namespace {

const wchar_t* const kLines[] = {L"Lexorin 7.0.1", L"Starting...", L"Copyright Lexorin Software"};
const int kLineCount = 3;

double timeLibrarySplash(HMODULE pictures)
{
    CT_SplashWindow::st_Parameters parameters;
    parameters.h_Instance = pictures;
    parameters.n_Bitmap = BENCH_SPLASH;
    parameters.n_Seconds = 60;
    parameters.n_TextCount = kLineCount;
    for (int i = 0; i < kLineCount; ++i) {
        parameters.aso_Text[i].i_X = 20;
        parameters.aso_Text[i].i_Y = 196 + 16 * i;
        parameters.aso_Text[i].co_Text.v_Set(kLines[i], static_cast<unsigned>(-1));
    }
    const double start = f_Now();
    CT_SplashWindow::sv_Show(&parameters);
    const double elapsed = f_Now() - start;
    CT_SplashWindow::sv_Kill();
    v_Drain();
    return elapsed;
}

double timePlainSplash(HMODULE pictures)
{
    const double start = f_Now();
    HWND splash = h_PlainShowSplash(pictures, BENCH_SPLASH, kLines, kLineCount);
    const double elapsed = f_Now() - start;
    v_PlainCloseSplash(splash);
    v_Drain();
    return elapsed;
}

double timeLibraryPicture(HMODULE pictures, HDC target)
{
    CDC dc;
    dc.Attach(target);
    const POINT origin = {0, 0};
    const double start = f_Now();
    auto* picture = new CT_BigBitmap(nullptr, pictures, BENCH_LARGE, &origin);
    picture->OnDraw(&dc);
    const double elapsed = f_Now() - start;
    delete picture;
    dc.Detach();
    return elapsed;
}

double timePlainPicture(HMODULE pictures, HDC target)
{
    const double start = f_Now();
    HGLOBAL dib = h_PlainReadDIB(pictures, BENCH_LARGE);
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    HPALETTE palette = h_PlainCreatePalette(bytes);
    v_PlainRealizeOnScreen(palette);
    i_PlainDrawDIB(target, 0, 0, bytes, palette);
    GlobalUnlock(dib);
    const double elapsed = f_Now() - start;
    GlobalFree(dib);
    DeleteObject(palette);
    return elapsed;
}

void v_PrintTable(const std::vector<BenchFigure>& figures)
{
    std::printf("Dialogs.dll against plain Win32 code in the same run: medians of alternating rounds, in ms\n\n");
    std::printf("%-40s %7s %11s %12s %7s\n", "what", "rounds", "library", "plain Win32", "ratio");
    std::printf("%-40s %7s %11s %12s %7s\n", "----", "------", "-------", "-----------", "-----");
    for (const BenchFigure& figure : figures) {
        if (figure.library < 0 || figure.plain <= 0)
            std::printf("%-40s %7d %11s %12s %7s\n", figure.what.c_str(), figure.rounds, "-", "-", "-");
        else
            std::printf("%-40s %7d %11.3f %12.3f %7.2f\n", figure.what.c_str(), figure.rounds, figure.library,
                        figure.plain, figure.library / figure.plain);
    }
    std::fflush(stdout);
}

} // namespace

int main()
{
    HMODULE pictures = LoadLibraryW(L"BenchPictures.dll");
    if (!pictures) {
        std::fprintf(stderr, "DialogsBench: BenchPictures.dll is missing\n");
        return 1;
    }
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 1920, 1080);
    ReleaseDC(nullptr, screen);
    HGDIOBJ original = SelectObject(target, canvas);

    std::vector<BenchFigure> figures;
    figures.push_back(so_Compare("splash, show to painted", 101, [&] { return timeLibrarySplash(pictures); },
                                 [&] { return timePlainSplash(pictures); }));
    figures.push_back(so_Compare("1920 x 1080 8-bit DIB, read + draw", 51,
                                 [&] { return timeLibraryPicture(pictures, target); },
                                 [&] { return timePlainPicture(pictures, target); }));
    figures.push_back(so_BenchAbout(pictures));
    figures.push_back(so_BenchLanguages());
    figures.push_back(so_BenchTextLink(pictures));
    v_PrintTable(figures);

    SelectObject(target, original);
    DeleteObject(canvas);
    DeleteDC(target);
    FreeLibrary(pictures);
    return 0;
}
