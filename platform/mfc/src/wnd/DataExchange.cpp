// Dialog data exchange: values between a dialog's members and its controls.
#include "WndInternal.h"

#include <limits.h>
#include <stdio.h>

namespace {

// The control to exchange with; null only without an exchange.
HWND prepare(CDataExchange* pDX, int nIDC, bool bEdit)
{
    if (!pDX)
        return nullptr;
    return bEdit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
}

CString textOf(HWND hWnd)
{
    CString text;
    AfxGetWindowText(hWnd, text);
    return text;
}

// Setting the same text again would only make the control flicker.
void setText(HWND hWnd, LPCWSTR lpszText)
{
    if (textOf(hWnd) != lpszText)
        SetWindowTextW(hWnd, lpszText);
}

// A decimal number with optional blanks around it and, when allowed, a
// sign; false for anything else and for values out of range.
bool parseNumber(LPCWSTR text, bool bSigned, long long nMin, long long nMax, long long* pValue)
{
    while (*text == L' ' || *text == L'\t')
        ++text;
    bool negative = false;
    if (*text == L'+' || (bSigned && *text == L'-')) {
        negative = *text == L'-';
        ++text;
    }
    if (*text < L'0' || *text > L'9')
        return false;
    long long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        if (value > nMax + 1LL)
            return false;
    }
    while (*text == L' ' || *text == L'\t')
        ++text;
    if (*text)
        return false;
    value = negative ? -value : value;
    if (value < nMin || value > nMax)
        return false;
    *pValue = value;
    return true;
}

template <class Number>
void exchangeNumber(CDataExchange* pDX, int nIDC, Number& value, bool bSigned, long long nMin, long long nMax)
{
    HWND hWnd = prepare(pDX, nIDC, true);
    if (!hWnd)
        return;
    if (!pDX->m_bSaveAndValidate) {
        WCHAR text[16] = {};
        _snwprintf(text, 15, bSigned ? L"%d" : L"%u", value);
        setText(hWnd, text);
        return;
    }
    long long parsed = 0;
    if (parseNumber(textOf(hWnd), bSigned, nMin, nMax, &parsed))
        value = static_cast<Number>(parsed);
    else
        pDX->Fail();
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      _m_hWndLastControl(nullptr),
      _m_idLastControl(0),
      _m_bEditLastControl(FALSE)
{
}

// A missing control is a fault of the dialog's template or code, not a value
// the user can mend, so it is not a validation failure (which UpdateData
// would swallow): the dialog is asked for something it cannot do.
HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWnd = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!hWnd)
        AfxThrowNotSupportedException();
    _m_idLastControl = nIDC;
    _m_hWndLastControl = hWnd;
    _m_bEditLastControl = FALSE;
    return hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    _m_bEditLastControl = TRUE;
    return hWnd;
}

// While saving, the user is taken to the value that failed.
void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && _m_hWndLastControl) {
        ::SetFocus(_m_hWndLastControl);
        if (_m_bEditLastControl)
            ::SendMessageW(_m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

// Only a failed validation is caught here: the user knows of it already.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    if (!m_hWnd)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWnd = prepare(pDX, nIDC, false);
    if (hWnd && !rControl.SubclassWindow(hWnd))
        pDX->Fail();
}

// A value other than the three states shows as unchecked.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = prepare(pDX, nIDC, false);
    if (!hWnd)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageW(hWnd, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < BST_UNCHECKED || value > BST_INDETERMINATE)
        value = BST_UNCHECKED;
    SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = prepare(pDX, nIDC, true);
    if (!hWnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = textOf(hWnd);
    else
        setText(hWnd, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    exchangeNumber(pDX, nIDC, value, true, INT_MIN, INT_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    exchangeNumber(pDX, nIDC, value, false, 0, UINT_MAX);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = prepare(pDX, nIDC, false);
    if (!hWnd)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
    else
        SendMessageW(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
