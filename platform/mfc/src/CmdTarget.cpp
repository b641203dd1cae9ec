// Command targets: the root of every message map, command dispatch through
// the map, and the wait cursor.
#include <afxwin.h>

#include <cstdlib>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const _AFX_MSGMAP* PASCAL CCmdTarget::_GetThisMessageMap()
{
    static const _AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, _AfxSig_end, nullptr}};
    static const _AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const _AFX_MSGMAP* CCmdTarget::_GetMessageMap() const
{
    return _GetThisMessageMap();
}

const _AFX_MSGMAP_ENTRY* AFXAPI _AfxFindMessageEntry(const _AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    while (pMap) {
        for (const _AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry && pEntry->nSig != _AfxSig_end; ++pEntry) {
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode && nID >= pEntry->nID &&
                nID <= pEntry->nLastID)
                return pEntry;
        }
        const _AFX_MSGMAP* pBase = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr;
        // A class named as its own base would loop for ever.
        if (pBase == pMap)
            break;
        pMap = pBase;
    }
    return nullptr;
}

// Entries keep notification codes in 16 bits, so the code is compared in
// its low word.
BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, _AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const UINT nMessage = HIWORD(nCode) ? HIWORD(nCode) : WM_COMMAND;
    const _AFX_MSGMAP_ENTRY* pEntry = _AfxFindMessageEntry(_GetMessageMap(), nMessage, LOWORD(nCode), nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }
    _AFX_NOTIFY* pNotify = static_cast<_AFX_NOTIFY*>(pExtra);
    switch (pEntry->nSig) {
    case _AfxSigCmd_v:
        (this->*pEntry->pfn)();
        return TRUE;
    case _AfxSigCmd_b:
        return (this->*reinterpret_cast<BOOL (CCmdTarget::*)()>(pEntry->pfn))();
    case _AfxSigNotify_v:
        if (!pNotify)
            return FALSE;
        (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry->pfn))(pNotify->pNMHDR,
                                                                                       pNotify->pResult);
        return TRUE;
    default:
        return FALSE;
    }
}

namespace {

// The wait cursor is the application's: a program without an application
// object has none, and stops here as the framework's debug build does.
CWinApp* waitCursorApp()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp) {
        OutputDebugStringW(L"CCmdTarget: the wait cursor needs the application object (CWinApp)\n");
        abort();
    }
    return pApp;
}

} // namespace

void CCmdTarget::BeginWaitCursor()
{
    waitCursorApp()->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    waitCursorApp()->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    waitCursorApp()->DoWaitCursor(0);
}
