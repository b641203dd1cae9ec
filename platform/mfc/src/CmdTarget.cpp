// Command targets: the root of every message map, command dispatch through
// the map, and the wait cursor.
#include "wnd/WndState.h"

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

// nCode: 1 shows the wait cursor, -1 takes one showing back, 0 shows it
// again when it is due. The cursor of before comes back with the last -1.
void doWaitCursor(int nCode)
{
    CAfxWndThreadState* state = AfxWndState();
    if (!state)
        return;
    HCURSOR hcurWait = LoadCursorW(nullptr, IDC_WAIT);
    if (nCode > 0) {
        HCURSOR hcurPrevious = SetCursor(hcurWait);
        if (state->nWaitCursorCount++ == 0)
            state->hcurWaitRestore = hcurPrevious;
    } else if (nCode < 0) {
        if (state->nWaitCursorCount > 0 && --state->nWaitCursorCount == 0)
            SetCursor(state->hcurWaitRestore);
    } else if (state->nWaitCursorCount > 0) {
        SetCursor(hcurWait);
    }
}

} // namespace

void CCmdTarget::BeginWaitCursor()
{
    doWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    doWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    doWaitCursor(0);
}
