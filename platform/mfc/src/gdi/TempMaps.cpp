// When temporary wrappers go: at idle, once no caller holds the maps locked,
// and when their thread ends.
#include "HandleMaps.h"
#include "../ThreadSlot.h"
#include <afxdiag.h>

namespace {

CAfxThreadSlot lockSlot = {0};

// Cleanups of other temporary maps, filled in once and never emptied.
const int MAX_CLEANUPS = 8;
AFX_PFN_DELETE_TEMP_MAP volatile cleanups[MAX_CLEANUPS];

LONG_PTR lockCount()
{
    return reinterpret_cast<LONG_PTR>(lockSlot.Get());
}

void runCleanups()
{
    for (AFX_PFN_DELETE_TEMP_MAP pfn : cleanups) {
        if (pfn)
            pfn();
    }
}

// Runs for every thread that ends while the framework is loaded, and for the
// thread that unloads it. When the whole process ends (lpReserved set),
// other threads are gone already and nothing needs giving back.
void NTAPI onThreadEvent(PVOID, DWORD dwReason, PVOID lpReserved)
{
    if (dwReason != DLL_THREAD_DETACH && dwReason != DLL_PROCESS_DETACH)
        return;
    if (dwReason == DLL_PROCESS_DETACH && lpReserved)
        return;
    AfxEndThreadTemps();
    runCleanups();
    if (lockCount())
        lockSlot.Set(nullptr);
    if (dwReason == DLL_PROCESS_DETACH) {
        AfxFreeTempStorage();
        lockSlot.Free();
    }
}

} // namespace

// The loader calls the callbacks listed between the runtime's .CRT$XLA and
// .CRT$XLZ markers on thread and process events, before the entry point.
extern "C" __attribute__((section(".CRT$XLM"), used))
const PIMAGE_TLS_CALLBACK afxTempMapThreadCallback = onThreadEvent;

void AFXAPI AfxLockTempMaps()
{
    lockSlot.Set(reinterpret_cast<void*>(lockCount() + 1));
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    LONG_PTR count = lockCount();
    if (count > 0) {
        --count;
        lockSlot.Set(reinterpret_cast<void*>(count));
    }
    if (count > 0)
        return FALSE;
    if (bDeleteTemps) {
        AfxDeleteTempGdiObjects();
        AfxDeleteTempDCs();
        runCleanups();
    }
    return TRUE;
}

BOOL AFXAPI AfxAddTempMapCleanup(AFX_PFN_DELETE_TEMP_MAP pfn)
{
    if (!pfn)
        return FALSE;
    for (AFX_PFN_DELETE_TEMP_MAP volatile& slot : cleanups) {
        AFX_PFN_DELETE_TEMP_MAP current = slot;
        if (current == pfn)
            return TRUE;
        if (current)
            continue;
        current = reinterpret_cast<AFX_PFN_DELETE_TEMP_MAP>(InterlockedCompareExchangePointer(
            reinterpret_cast<PVOID volatile*>(&slot), reinterpret_cast<PVOID>(pfn), nullptr));
        if (!current || current == pfn)
            return TRUE;
    }
    return FALSE;
}

void PASCAL CGdiObject::DeleteTempMap()
{
    AfxDeleteTempGdiObjects();
}

void PASCAL CDC::DeleteTempMap()
{
    AfxDeleteTempDCs();
}
