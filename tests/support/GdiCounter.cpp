#include "GdiCounter.h"

#include "ImportPatch.h"

#include <mutex>
#include <set>

namespace {

std::mutex lock;
std::set<HANDLE> objects;
std::set<HDC> windowDCs;
size_t createdCount = 0;

// The system's own function, reached past every import table: a watched
// module may be this very program.
template <typename F> F real(F, const char* dll, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
}
#define REAL(dll, f) real(&::f, dll, #f)
#define GDI(f) REAL("gdi32.dll", f)
#define USER(f) REAL("user32.dll", f)

HANDLE track(HANDLE h)
{
    if (h) {
        std::lock_guard<std::mutex> guard(lock);
        objects.insert(h);
        ++createdCount;
    }
    return h;
}

void untrack(HANDLE h)
{
    std::lock_guard<std::mutex> guard(lock);
    objects.erase(h);
}

// Creation calls, each passing straight through to the system.
HFONT WINAPI createFontIndirectW(const LOGFONTW* lf) { return (HFONT)track(GDI(CreateFontIndirectW)(lf)); }
HFONT WINAPI createFontW(int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op,
                         DWORD cp, DWORD q, DWORD pf, LPCWSTR face)
{
    return (HFONT)track(GDI(CreateFontW)(h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face));
}
HBRUSH WINAPI createSolidBrush(COLORREF c) { return (HBRUSH)track(GDI(CreateSolidBrush)(c)); }
HBRUSH WINAPI createBrushIndirect(const LOGBRUSH* b) { return (HBRUSH)track(GDI(CreateBrushIndirect)(b)); }
HPEN WINAPI createPen(int s, int w, COLORREF c) { return (HPEN)track(GDI(CreatePen)(s, w, c)); }
HPALETTE WINAPI createPalette(const LOGPALETTE* p) { return (HPALETTE)track(GDI(CreatePalette)(p)); }
HRGN WINAPI createRectRgn(int l, int t, int r, int b) { return (HRGN)track(GDI(CreateRectRgn)(l, t, r, b)); }
HDC WINAPI createCompatibleDC(HDC dc) { return (HDC)track(GDI(CreateCompatibleDC)(dc)); }
HBITMAP WINAPI createCompatibleBitmap(HDC dc, int cx, int cy)
{
    return (HBITMAP)track(GDI(CreateCompatibleBitmap)(dc, cx, cy));
}
HBITMAP WINAPI createBitmap(int cx, int cy, UINT planes, UINT bits, const void* data)
{
    return (HBITMAP)track(GDI(CreateBitmap)(cx, cy, planes, bits, data));
}
HBITMAP WINAPI createDIBSection(HDC dc, const BITMAPINFO* bi, UINT usage, void** bits, HANDLE section, DWORD offset)
{
    return (HBITMAP)track(GDI(CreateDIBSection)(dc, bi, usage, bits, section, offset));
}
HBITMAP WINAPI loadBitmapW(HINSTANCE module, LPCWSTR name) { return (HBITMAP)track(USER(LoadBitmapW)(module, name)); }
HANDLE WINAPI loadImageW(HINSTANCE module, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    HANDLE h = USER(LoadImageW)(module, name, type, cx, cy, flags);
    // Shared icons and cursors belong to the system, bitmaps to the caller.
    return type == IMAGE_BITMAP ? track(h) : h;
}

BOOL WINAPI deleteObject(HGDIOBJ h)
{
    const BOOL result = GDI(DeleteObject)(h);
    if (result)
        untrack(h);
    return result;
}
BOOL WINAPI deleteDC(HDC dc)
{
    const BOOL result = GDI(DeleteDC)(dc);
    if (result)
        untrack(dc);
    return result;
}

HDC trackWindowDC(HDC dc)
{
    if (dc) {
        std::lock_guard<std::mutex> guard(lock);
        windowDCs.insert(dc);
    }
    return dc;
}
HDC WINAPI getDC(HWND w) { return trackWindowDC(USER(GetDC)(w)); }
HDC WINAPI getWindowDC(HWND w) { return trackWindowDC(USER(GetWindowDC)(w)); }
HDC WINAPI getDCEx(HWND w, HRGN r, DWORD f) { return trackWindowDC(USER(GetDCEx)(w, r, f)); }
int WINAPI releaseDC(HWND w, HDC dc)
{
    const int result = USER(ReleaseDC)(w, dc);
    std::lock_guard<std::mutex> guard(lock);
    windowDCs.erase(dc);
    return result;
}

struct Hook {
    const char* dll;
    const char* name;
    void* replacement;
};

const Hook hooks[] = {
    {"gdi32.dll", "CreateFontIndirectW", (void*)createFontIndirectW},
    {"gdi32.dll", "CreateFontW", (void*)createFontW},
    {"gdi32.dll", "CreateSolidBrush", (void*)createSolidBrush},
    {"gdi32.dll", "CreateBrushIndirect", (void*)createBrushIndirect},
    {"gdi32.dll", "CreatePen", (void*)createPen},
    {"gdi32.dll", "CreatePalette", (void*)createPalette},
    {"gdi32.dll", "CreateRectRgn", (void*)createRectRgn},
    {"gdi32.dll", "CreateCompatibleDC", (void*)createCompatibleDC},
    {"gdi32.dll", "CreateCompatibleBitmap", (void*)createCompatibleBitmap},
    {"gdi32.dll", "CreateBitmap", (void*)createBitmap},
    {"gdi32.dll", "CreateDIBSection", (void*)createDIBSection},
    {"gdi32.dll", "DeleteObject", (void*)deleteObject},
    {"gdi32.dll", "DeleteDC", (void*)deleteDC},
    {"user32.dll", "LoadBitmapW", (void*)loadBitmapW},
    {"user32.dll", "LoadImageW", (void*)loadImageW},
    {"user32.dll", "GetDC", (void*)getDC},
    {"user32.dll", "GetWindowDC", (void*)getWindowDC},
    {"user32.dll", "GetDCEx", (void*)getDCEx},
    {"user32.dll", "ReleaseDC", (void*)releaseDC},
};

} // namespace

GdiCounter::GdiCounter(std::initializer_list<const wchar_t*> modules)
{
    {
        std::lock_guard<std::mutex> guard(lock);
        objects.clear();
        windowDCs.clear();
        createdCount = 0;
    }
    for (const wchar_t* name : modules) {
        HMODULE module = GetModuleHandleW(name);
        if (!module) {
            watching_ = false;
            continue;
        }
        for (const Hook& hook : hooks) {
            auto patch = std::make_unique<ImportPatch>(module, hook.dll, hook.name, hook.replacement);
            if (patch->ok())
                patches_.push_back(std::move(patch));
        }
    }
}

GdiCounter::~GdiCounter() = default;

size_t GdiCounter::liveObjects() const
{
    std::lock_guard<std::mutex> guard(lock);
    return objects.size();
}

size_t GdiCounter::liveWindowDCs() const
{
    std::lock_guard<std::mutex> guard(lock);
    return windowDCs.size();
}

size_t GdiCounter::created() const
{
    std::lock_guard<std::mutex> guard(lock);
    return createdCount;
}
