// The window side's per-thread state: made on first use, its temporary
// objects cleared with the other temporary maps, and freed when its thread
// ends or the framework unloads.
#include "WndState.h"

#include "../ThreadSlot.h"
#include <afxdiag.h>

namespace {

CAfxThreadSlot stateSlot = {0};

void AFXAPI deleteTempWindowObjects()
{
    CWnd::DeleteTempMap();
    CImageList::DeleteTempMap();
}

[[maybe_unused]] const BOOL tempCleanupRegistered = AfxAddTempMapCleanup(deleteTempWindowObjects);

void endThreadState()
{
    CAfxWndThreadState* state = AfxExistingWndState();
    if (!state)
        return;
    deleteTempWindowObjects();
    if (state->hCbtHook)
        UnhookWindowsHookEx(state->hCbtHook);
    stateSlot.Set(nullptr);
    delete state;
}

// Permanent objects are their owners' and stay; the maps that named them go.
void NTAPI onThreadEvent(PVOID, DWORD dwReason, PVOID)
{
    if (dwReason != DLL_THREAD_DETACH && dwReason != DLL_PROCESS_DETACH)
        return;
    endThreadState();
    if (dwReason == DLL_PROCESS_DETACH)
        stateSlot.Free();
}

} // namespace

extern "C" __attribute__((section(".CRT$XLM"), used))
const PIMAGE_TLS_CALLBACK afxWndStateThreadCallback = onThreadEvent;

CAfxWndThreadState* AfxExistingWndState()
{
    return static_cast<CAfxWndThreadState*>(stateSlot.Get());
}

CAfxWndThreadState* AfxWndState()
{
    return stateSlot.Obtain<CAfxWndThreadState>();
}

void PASCAL CWnd::DeleteTempMap()
{
    if (CAfxWndThreadState* state = AfxExistingWndState())
        state->windows.deleteTemporaries();
}

void PASCAL CImageList::DeleteTempMap()
{
    if (CAfxWndThreadState* state = AfxExistingWndState())
        state->imageLists.deleteTemporaries();
}

extern "C" int __cdecl AfxDiagGetPermanentWindowCount(void)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    return state ? state->windows.permanentCount() : 0;
}

extern "C" int __cdecl AfxDiagGetTempWindowCount(void)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    return state ? state->windows.temporaryCount() : 0;
}

extern "C" int __cdecl AfxDiagGetTempImageListCount(void)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    return state ? state->imageLists.temporaryCount() : 0;
}
