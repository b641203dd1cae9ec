#include "BenchPictures.h"
#include "DialogBenches.h"

#include <Dialogs/Dialogs.h>

namespace {

const int kRepaints = 20;

INT_PTR CALLBACK i_HostProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// Milliseconds for one repaint of the item, the mean of kRepaints.
double f_TimeRepaint(HWND item)
{
    const double start = f_Now();
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return (f_Now() - start) / kRepaints;
}

} // namespace

BenchFigure so_BenchTextLink(HMODULE pictures)
{
    // The dialog goes through the framework, so that the items' colour
    // requests are reflected to the link as in any host.
    HWND dialog = CreateDialogParamW(pictures, MAKEINTRESOURCEW(BENCH_LINK_DIALOG), nullptr, i_HostProcedure, 0);
    if (!dialog)
        return {"text link, one repaint (no dialog)", 0, 0, 0};
    CWnd host;
    host.SubclassWindow(dialog);
    CT_TextHttpLink link;
    link.SubclassDlgItem(BENCH_LINK_ITEM, &host);
    const CT_UString target(L"https://www.lexorin.example/");
    link.v_SetURL(&target);
    SetWindowPos(dialog, HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    v_Drain();

    HWND plain = GetDlgItem(dialog, BENCH_PLAIN_ITEM);
    const BenchFigure figure = so_Compare("text link vs plain static, one repaint", 101,
                                          [&] { return f_TimeRepaint(link.m_hWnd); },
                                          [&] { return f_TimeRepaint(plain); });
    link.UnsubclassWindow();
    host.DestroyWindow();
    v_Drain();
    return figure;
}
