#include <Dialogs/Dialogs.h>

#include "BenchPictures.h"
#include "BenchTiming.h"
#include "ControlBenches.h"
#include "PlainWin32.h"

namespace {

const int kRounds = 51;
const int kWidth = 1920;
const int kHeight = 1080;

double f_LibraryPicture(HMODULE pictures, HDC target)
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

double f_PlainPicture(HMODULE pictures, HDC target)
{
    const double start = f_Now();
    HGLOBAL dib = h_PlainReadDIB(pictures, BENCH_LARGE);
    if (!dib)
        return -1;
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    HPALETTE palette = h_PlainCreatePalette(bytes);
    v_PlainRealize(nullptr, palette);
    i_PlainDrawDIB(target, 0, 0, bytes, palette);
    GlobalUnlock(dib);
    const double elapsed = f_Now() - start;
    GlobalFree(dib);
    DeleteObject(palette);
    return elapsed;
}

} // namespace

BenchRow so_BenchPicture(const BenchModules& modules, int rounds)
{
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ original = SelectObject(target, canvas);
    rounds = rounds ? rounds : kRounds;
    const BenchTimes times = vv_RunRounds(rounds,
                                          {[&] { return f_LibraryPicture(modules.pictures, target); },
                                           [&] { return f_PlainPicture(modules.pictures, target); }},
                                          true);
    SelectObject(target, original);
    DeleteObject(canvas);
    DeleteDC(target);
    return so_MakeRow("dib-1920x1080", "1920 x 1080 8-bit DIB, read + draw", times[0], times[1], false);
}
