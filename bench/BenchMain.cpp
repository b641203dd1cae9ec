// Times Dialogs.dll against plain Win32 code doing the same work, in one
// run, and prints the medians and their ratios:
//   - a splash window from the show call to its painted picture and texts;
//   - a 1920 x 1080, 8-bit picture read from a resource and drawn.
// The two sides take turns, so that both see the same state of the system.
#include "BenchPictures.h"
#include "Dialogs.h"
#include "PlainWin32.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const wchar_t* const kLines[] = {L"Lexorin 7.0.1", L"Starting...", L"Copyright Lexorin Software"};
const int kLineCount = 3;

double now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

void drain()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

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
    const double start = now();
    CT_SplashWindow::sv_Show(&parameters);
    const double elapsed = now() - start;
    CT_SplashWindow::sv_Kill();
    drain();
    return elapsed;
}

double timePlainSplash(HMODULE pictures)
{
    const double start = now();
    HWND splash = h_PlainShowSplash(pictures, BENCH_SPLASH, kLines, kLineCount);
    const double elapsed = now() - start;
    v_PlainCloseSplash(splash);
    drain();
    return elapsed;
}

double timeLibraryPicture(HMODULE pictures, HDC target)
{
    CDC dc;
    dc.Attach(target);
    const POINT origin = {0, 0};
    const double start = now();
    auto* picture = new CT_BigBitmap(nullptr, pictures, BENCH_LARGE, &origin);
    picture->OnDraw(&dc);
    const double elapsed = now() - start;
    delete picture;
    dc.Detach();
    return elapsed;
}

double timePlainPicture(HMODULE pictures, HDC target)
{
    const double start = now();
    HGLOBAL dib = h_PlainReadDIB(pictures, BENCH_LARGE);
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    HPALETTE palette = h_PlainCreatePalette(bytes);
    v_PlainRealizeOnScreen(palette);
    i_PlainDrawDIB(target, 0, 0, bytes, palette);
    GlobalUnlock(dib);
    const double elapsed = now() - start;
    GlobalFree(dib);
    DeleteObject(palette);
    return elapsed;
}

// Runs both sides `rounds` times, alternating which goes first, and prints
// their medians and ratio.
void compare(const char* what, int rounds, const std::function<double()>& library,
             const std::function<double()>& plain)
{
    std::vector<double> libraryTimes, plainTimes;
    library();   // warm-up: first-use costs (class registration, page faults) are not what is measured
    plain();
    for (int i = 0; i < rounds; ++i) {
        if (i % 2) {
            libraryTimes.push_back(library());
            plainTimes.push_back(plain());
        } else {
            plainTimes.push_back(plain());
            libraryTimes.push_back(library());
        }
    }
    const double l = median(libraryTimes), p = median(plainTimes);
    std::printf("%-34s library %8.3f ms   plain Win32 %8.3f ms   ratio %.3f\n", what, l, p, l / p);
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

    std::printf("Dialogs.dll against plain Win32 code, medians of alternating runs\n");
    compare("splash, show to painted", 101, [&] { return timeLibrarySplash(pictures); },
            [&] { return timePlainSplash(pictures); });
    compare("1920 x 1080 8-bit DIB, read + draw", 51, [&] { return timeLibraryPicture(pictures, target); },
            [&] { return timePlainPicture(pictures, target); });

    SelectObject(target, original);
    DeleteObject(canvas);
    DeleteDC(target);
    FreeLibrary(pictures);
    return 0;
}
