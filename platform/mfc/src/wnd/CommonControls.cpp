// Tooltips and the extended combo box, and registering the common-control
// classes before their first window.
#include "WndInternal.h"
#include <afxdiag.h>

namespace {

volatile LONG registeredClasses = 0;

// Tools are described in the form every comctl32 version accepts.
TOOLINFOW toolInfo(const CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (nIDTool == 0) {
        info.hwnd = ::GetParent(pWnd->m_hWnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        info.hwnd = pWnd->m_hWnd;
        info.uId = nIDTool;
    }
    return info;
}

// A text given as a string number is loaded from the module that has it.
void setToolText(TOOLINFOW& info, LPCTSTR lpszText)
{
    if (lpszText && IS_INTRESOURCE(lpszText))
        info.hinst = AfxFindStringResourceHandle(LOWORD(lpszText));
    info.lpszText = const_cast<LPWSTR>(lpszText);
}

bool hasWindow(const CWnd* pWnd)
{
    return pWnd && pWnd->m_hWnd;
}

} // namespace

void AfxInitCommonControls(DWORD dwClasses)
{
    const DWORD dwMissing = dwClasses & ~static_cast<DWORD>(registeredClasses);
    if (!dwMissing)
        return;
    INITCOMMONCONTROLSEX init = {sizeof(init), dwMissing};
    if (InitCommonControlsEx(&init))
        InterlockedOr(&registeredClasses, static_cast<LONG>(dwMissing));
}

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    AfxInitCommonControls(ICC_BAR_CLASSES);
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!m_hWnd || !hasWindow(pWnd))
        return FALSE;
    TOOLINFOW info = toolInfo(pWnd, nIDTool);
    if (lpRectTool)
        info.rect = *lpRectTool;
    else if (nIDTool != 0)
        ::GetClientRect(pWnd->m_hWnd, &info.rect);
    setToolText(info, lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    if (!m_hWnd || !hasWindow(pWnd))
        return;
    TOOLINFOW info = toolInfo(pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    if (!m_hWnd || !hasWindow(pWnd))
        return;
    TOOLINFOW info = toolInfo(pWnd, nIDTool);
    setToolText(info, lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    if (!m_hWnd || !hasWindow(pWnd) || !lpRect)
        return;
    TOOLINFOW info = toolInfo(pWnd, nIDTool);
    info.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

// The buffer's size goes with the request, so a longer text is cut rather
// than written past the buffer.
void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    str.Empty();
    if (!m_hWnd || !hasWindow(pWnd))
        return;
    const int nMaxLength = 1024;
    LPWSTR buffer = str.GetBuffer(nMaxLength);
    if (!buffer)
        return;
    buffer[0] = 0;
    TOOLINFOW info = toolInfo(pWnd, nIDTool);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXTW, nMaxLength + 1, reinterpret_cast<LPARAM>(&info));
    str.ReleaseBuffer();
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    if (m_hWnd && lpMsg)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_USEREX_CLASSES);
    return CWnd::Create(WC_COMBOBOXEXW, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* pCBItem)
{
    if (!pCBItem)
        return -1;
    return static_cast<int>(SendMessage(CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pCBItem)));
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList)
{
    HIMAGELIST hImageList = pImageList ? pImageList->m_hImageList : nullptr;
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList))));
}

CImageList* CComboBoxEx::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(CBEM_GETIMAGELIST)));
}

// The framework's object for the inner combo box adds nothing to CWnd, so
// the window's object serves as a CComboBox.
CComboBox* CComboBoxEx::GetComboBoxCtrl()
{
    return static_cast<CComboBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL))));
}
