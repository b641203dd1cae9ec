// The splash window: showing it, its minimum time and the ways it closes.
#include <Dialogs/SplashWindow.h>

BEGIN_MESSAGE_MAP(CT_SplashWindow, CT_BigBitmap)
    ON_WM_CREATE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The class's state, kept from the host: the splash that exists, whether it
// was asked to close, whether it may close now, and its minimum-time timer.
CT_SplashWindow* spco_SplashWindow = nullptr;
BOOL sb_HideRequested = FALSE;
BOOL sb_MayClose = FALSE;
UINT_PTR sn_Timer = 0;

HINSTANCE h_PictureModule(const CT_SplashWindow::st_Parameters* pso_Parameters)
{
    return pso_Parameters ? pso_Parameters->h_Instance : nullptr;
}

unsigned n_Picture(const CT_SplashWindow::st_Parameters* pso_Parameters)
{
    return pso_Parameters ? pso_Parameters->n_Bitmap : 0;
}

} // namespace

// The window has exactly the picture's size, so the picture is drawn from
// the client area's corner, whatever points the texts have.
CT_SplashWindow::CT_SplashWindow(st_Parameters* pso_Parameters)
    : CT_BigBitmap(nullptr, h_PictureModule(pso_Parameters), n_Picture(pso_Parameters), nullptr),
      so_Parameters(pso_Parameters)
{
    spco_SplashWindow = this;
    sb_HideRequested = FALSE;
    sb_MayClose = FALSE;
    sn_Timer = 0;
}

CT_SplashWindow::~CT_SplashWindow()
{
    spco_SplashWindow = nullptr;
    if (sn_Timer) {
        ::KillTimer(nullptr, sn_Timer);
        sn_Timer = 0;
    }
}

void CT_SplashWindow::sv_Show(st_Parameters* pso_Parameters)
{
    if (!pso_Parameters || spco_SplashWindow)
        return;
    CT_SplashWindow* pco_Splash = new CT_SplashWindow(pso_Parameters);
    if (!pco_Splash)
        return;
    const CT_UString* pcco_ClassName = spcco_GetClassName();
    if (!pcco_ClassName) {
        delete pco_Splash;
        return;
    }
    // A failed creation has destroyed the half-made window, and with it the object.
    if (!pco_Splash->CreateEx(WS_EX_TOPMOST, pcco_ClassName->qcuz_Get(), nullptr, WS_POPUP, CRect(0, 0, 0, 0),
                              nullptr, 0, nullptr))
        return;
    pco_Splash->SetWindowPos(&CWnd::wndTop, 0, 0, static_cast<int>(pco_Splash->n_GetWidth()),
                             static_cast<int>(pco_Splash->n_GetHeight()), 0);
    pco_Splash->CenterWindow(nullptr);
    pco_Splash->ShowWindow(SW_SHOWNORMAL);
    pco_Splash->UpdateWindow();
}

void CT_SplashWindow::sv_Hide()
{
    if (spco_SplashWindow)
        spco_SplashWindow->DestroyWindow();
}

void CT_SplashWindow::sv_Kill()
{
    if (!spco_SplashWindow)
        return;
    sb_MayClose = TRUE;
    spco_SplashWindow->DestroyWindow();
}

BOOL CT_SplashWindow::sb_Active()
{
    return spco_SplashWindow != nullptr;
}

// Once the splash is gone every message goes its usual way again.
BOOL CT_SplashWindow::sb_PreTranslateAppMessage(MSG* pMsg)
{
    if (!pMsg || !spco_SplashWindow)
        return FALSE;
    switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        sv_Kill();
        return TRUE;
    default:
        return FALSE;
    }
}

void CALLBACK CT_SplashWindow::sv_TimerProcedure(HWND, UINT, UINT_PTR, DWORD)
{
    sb_MayClose = TRUE;
    ::KillTimer(nullptr, sn_Timer);
    sn_Timer = 0;
    if (sb_HideRequested && spco_SplashWindow)
        spco_SplashWindow->DestroyWindow();
}

BOOL CT_SplashWindow::DestroyWindow()
{
    sb_HideRequested = TRUE;
    if (!sb_MayClose)
        return FALSE;
    return CWnd::DestroyWindow();
}

void CT_SplashWindow::PostNcDestroy()
{
    delete this;
}

// The minimum time starts with the window. Seconds beyond the longest timer
// the system keeps are held to that longest one rather than wrapping round.
int CT_SplashWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CT_BigBitmap::OnCreate(lpCreateStruct) == -1)
        return -1;
    const unsigned nSeconds = so_Parameters.n_Seconds;
    const UINT nPeriod = nSeconds > USER_TIMER_MAXIMUM / 1000 ? USER_TIMER_MAXIMUM : nSeconds * 1000;
    sn_Timer = ::SetTimer(nullptr, 0, nPeriod, &CT_SplashWindow::sv_TimerProcedure);
    return sn_Timer ? 0 : -1;
}

// Without a context to paint with, the window stays undrawn until it is
// next invalidated.
void CT_SplashWindow::OnPaint()
{
    try {
        CPaintDC dc(this);
        OnDraw(&dc);
        if (so_Parameters.n_TextCount != 0)
            v_DrawTexts(dc);
    } catch (CResourceException* e) {
        e->Delete();
        ValidateRect(nullptr);
    }
}

// In the context's own text colour, over the picture.
void CT_SplashWindow::v_DrawTexts(CDC& dc)
{
    const UINT nOldAlign = dc.SetTextAlign(TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    HGDIOBJ hOldFont = dc.SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
    const unsigned nCount = so_Parameters.n_TextCount < sn_MaxTexts ? so_Parameters.n_TextCount : sn_MaxTexts;
    for (unsigned i = 0; i < nCount; ++i) {
        const st_Text& text = so_Parameters.aso_Text[i];
        dc.TextOut(text.i_X, text.i_Y, text.co_Text.qcuz_Get(), static_cast<int>(text.co_Text.vn_GetLength()));
    }
    dc.SetBkMode(nOldMode);
    dc.SelectObject(hOldFont);
    dc.SetTextAlign(nOldAlign);
}
