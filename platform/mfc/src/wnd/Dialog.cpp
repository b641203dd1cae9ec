// Modal dialogs: the template from the resource chain, the owner disabled
// meanwhile, the framework's modal loop, and OK and Cancel.
#include "WndInternal.h"

namespace {

INT_PTR CALLBACK dialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    if (!pDialog)
        return TRUE;
    try {
        return pDialog->OnInitDialog();
    } catch (CException* e) {
        const MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
        return AfxProcessWndProcException(e, &msg);
    }
}

// The template and the module that holds it; null when it is found nowhere.
const DLGTEMPLATE* findTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInstance)
{
    HINSTANCE hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = hInstance ? FindResourceW(hInstance, lpszTemplateName, RT_DIALOG) : nullptr;
    HGLOBAL hTemplate = hResource ? LoadResource(hInstance, hResource) : nullptr;
    *phInstance = hInstance;
    return hTemplate ? static_cast<const DLGTEMPLATE*>(LockResource(hTemplate)) : nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() : _m_lpszTemplateName(nullptr), _m_pParentWnd(nullptr)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : _m_lpszTemplateName(lpszTemplateName), _m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : _m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), _m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

// The owner is enabled again before the dialog goes, so that activation
// returns to it rather than to some other window.
INT_PTR CDialog::DoModal()
{
    if (m_hWnd || !_m_lpszTemplateName)
        return -1;
    HINSTANCE hInstance = nullptr;
    const DLGTEMPLATE* pTemplate = findTemplate(_m_lpszTemplateName, &hInstance);
    if (!pTemplate)
        return -1;
    AfxInitCommonControls(ICC_WIN95_CLASSES | ICC_USEREX_CLASSES);

    HWND hOwner = AfxGetSafeOwnerHwnd(_m_pParentWnd ? _m_pParentWnd->m_hWnd : nullptr);
    const bool bEnableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bEnableOwner)
        ::EnableWindow(hOwner, FALSE);

    _m_nModalResult = -1;
    _m_nFlags |= _AFX_WF_CONTINUEMODAL;
    CAfxWndCreator creator(this, nullptr);
    HWND hWnd = nullptr;
    if (creator.Hooked())
        hWnd = CreateDialogIndirectParamW(hInstance, pTemplate, hOwner, dialogProc, 0);
    // A dialog ended during OnInitDialog never enters the loop.
    if (creator.Finish(hWnd) && (_m_nFlags & _AFX_WF_CONTINUEMODAL))
        RunModalLoop(MLF_SHOWONIDLE);
    _m_nFlags &= ~(_AFX_WF_CONTINUEMODAL | _AFX_WF_MODALLOOP);

    const bool bWasActive = m_hWnd && ::GetActiveWindow() == m_hWnd;
    if (bEnableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (bWasActive && hOwner)
        ::SetActiveWindow(hOwner);
    if (m_hWnd)
        DestroyWindow();
    return _m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (_m_nFlags & (_AFX_WF_MODALLOOP | _AFX_WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || !pMsg || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return _PreTranslateInput(pMsg);
}
