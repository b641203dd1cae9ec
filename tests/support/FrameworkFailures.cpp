#include "FrameworkFailures.h"

#include <stddef.h>

namespace {

HMODULE framework()
{
    return GetModuleHandleW(L"MFC71U.DLL");
}

HDC WINAPI noContext(HWND)
{
    return nullptr;
}

HDC WINAPI noPaintContext(HWND, LPPAINTSTRUCT paint)
{
    *paint = PAINTSTRUCT{};
    return nullptr;
}

void* noMemory(size_t)
{
    return nullptr;
}

void* noMoreMemory(void*, size_t)
{
    return nullptr;
}

LPCTSTR AFXAPI refuseClass(UINT, HCURSOR, HBRUSH, HICON)
{
    AfxThrowResourceException();
}

// The library imports the framework's function by its C++ name, which
// carries the size of the arguments in 32-bit builds.
const char* registerWndClassName()
{
    return sizeof(void*) == 4 ? "_Z19AfxRegisterWndClassjP7HICON__P8HBRUSH__S0_@16"
                              : "_Z19AfxRegisterWndClassjP7HICON__P8HBRUSH__S0_";
}

} // namespace

NoWindowContexts::NoWindowContexts()
    : client_(framework(), "USER32.dll", "GetDC", reinterpret_cast<void*>(noContext)),
      window_(framework(), "USER32.dll", "GetWindowDC", reinterpret_cast<void*>(noContext)),
      paint_(framework(), "USER32.dll", "BeginPaint", reinterpret_cast<void*>(noPaintContext))
{
}

NoFrameworkMemory::NoFrameworkMemory()
    : malloc_(framework(), "msvcrt.dll", "malloc", reinterpret_cast<void*>(noMemory)),
      realloc_(framework(), "msvcrt.dll", "realloc", reinterpret_cast<void*>(noMoreMemory))
{
}

RefusedWindowClass::RefusedWindowClass()
    : patch_(GetModuleHandleW(L"Dialogs.dll"), "MFC71U.DLL", registerWndClassName(),
             reinterpret_cast<void*>(refuseClass))
{
}
