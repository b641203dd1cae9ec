#include "TestWindows.h"

#include "../TestDialogIds.h"

IMPLEMENT_DYNAMIC(CTestLink, CStatic)

BEGIN_MESSAGE_MAP(CTestLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &CTestLink::OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CTestLink::CTestLink()
    : m_nClicks(0),
      m_nPreSubclassCalls(0),
      m_nMessagesAtPreSubclass(-1),
      m_nMessages(0),
      m_nMousePreTranslated(0),
      m_hWndLastPreTranslated(nullptr),
      m_bOwnColours(FALSE),
      m_crBackground(RGB(0, 0, 0)),
      m_nCtlColorCalls(0)
{
}

// Asks its window something first, as a link does for its tooltip: the
// answer must come from the window's own procedure, not through the object.
void CTestLink::PreSubclassWindow()
{
    ++m_nPreSubclassCalls;
    SendMessage(WM_GETFONT);
    m_nMessagesAtPreSubclass = m_nMessages;
    CStatic::PreSubclassWindow();
}

BOOL CTestLink::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) {
        ++m_nMousePreTranslated;
        m_hWndLastPreTranslated = pMsg->hwnd;
    }
    return CStatic::PreTranslateMessage(pMsg);
}

LRESULT CTestLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++m_nMessages;
    return CStatic::WindowProc(message, wParam, lParam);
}

void CTestLink::OnClicked()
{
    ++m_nClicks;
}

HBRUSH CTestLink::CtlColor(CDC* pDC, UINT)
{
    ++m_nCtlColorCalls;
    if (!m_bOwnColours)
        return nullptr;
    if (!m_brush.m_hObject)
        m_brush.CreateSolidBrush(m_crBackground);
    pDC->SetBkColor(m_crBackground);
    return static_cast<HBRUSH>(m_brush.m_hObject);
}

IMPLEMENT_DYNAMIC(CTestExchangeDialog, CDialog)

CTestExchangeDialog::CTestExchangeDialog(CWnd* pParent)
    : CDialog(IDD_EXCHANGE, pParent),
      m_nCheck(BST_UNCHECKED),
      m_nNumber(0),
      m_nIndex(CB_ERR),
      m_nIndexEx(CB_ERR),
      m_nInitDialogCalls(0),
      m_pfnAfterInit(nullptr)
{
}

// The lists are filled before the first exchange selects in them.
BOOL CTestExchangeDialog::OnInitDialog()
{
    ++m_nInitDialogCalls;
    static const wchar_t* const colours[] = {L"Red", L"Green", L"Blue"};
    for (const wchar_t* colour : colours) {
        SendDlgItemMessageW(m_hWnd, IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(colour));
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = -1;
        item.pszText = const_cast<LPWSTR>(colour);
        SendDlgItemMessageW(m_hWnd, IDC_COMBOEX, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    const BOOL result = CDialog::OnInitDialog();
    if (m_pfnAfterInit)
        m_pfnAfterInit(this);
    return result;
}

void CTestExchangeDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINK, m_link);
    DDX_Control(pDX, IDC_COMBOEX, m_comboEx);
    DDX_Check(pDX, IDC_CHECK, m_nCheck);
    DDX_Text(pDX, IDC_TEXT, m_strText);
    DDX_Text(pDX, IDC_NUMBER, m_nNumber);
    DDX_CBIndex(pDX, IDC_COMBO, m_nIndex);
    DDX_CBIndex(pDX, IDC_COMBOEX, m_nIndexEx);
}
