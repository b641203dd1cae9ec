#include <Dialogs/Dialogs.h>

#include "BenchPictures.h"
#include "BenchTiming.h"
#include "ControlBenches.h"
#include "PlainLink.h"

#include <algorithm>
#include <cstdio>

namespace {

const int kRounds = 101;
const int kRepaints = 20;
const wchar_t kTarget[] = L"https://www.lexorin.example/";
const unsigned kHandCursor = 1006;

// The plain link's dialog. With `prescribed` it also does, at every paint,
// the work the library's link is prescribed to do there: measure its target
// and move to the top of its siblings.
struct PlainHost {
    PlainLink link;
    HCURSOR hand = nullptr;
    bool prescribed = false;
};

INT_PTR CALLBACK i_LibraryHostProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

INT_PTR i_OnPlainColour(PlainHost* host, HDC dc, HWND item)
{
    if (!host || item != host->link.item)
        return FALSE;
    if (host->prescribed)
        v_PlainFitTextLink(host->link, true);
    return reinterpret_cast<INT_PTR>(h_PlainColourTextLink(host->link, dc));
}

INT_PTR CALLBACK i_PlainHostProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<PlainHost*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        host = reinterpret_cast<PlainHost*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        v_PlainMakeTextLink(&host->link, GetDlgItem(dialog, BENCH_LINK_ITEM), kTarget, host->hand);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return i_OnPlainColour(host, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return host && b_PlainOnLinkCommand(&host->link, wParam, lParam);
    case WM_DESTROY:
        if (host)
            v_PlainFreeLink(&host->link);
        return FALSE;
    default:
        return FALSE;
    }
}

void v_Show(HWND dialog, int y)
{
    SetWindowPos(dialog, HWND_TOP, 100, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Milliseconds for one repaint of the item, the mean of kRepaints.
double f_TimeRepaint(HWND item)
{
    const double start = f_Now();
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return (f_Now() - start) / kRepaints;
}

double f_Middle(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What the prescribed work costs the plain code (its time with the work less
// its time without) and that cost's share of the library's time, medians of
// the rounds. Noise can make a cost negative.
std::string co_ShareNote(const BenchTimes& times)
{
    std::vector<double> costs, shares;
    for (size_t i = 0; i < times[0].size(); ++i) {
        if (times[0][i] <= 0 || times[1][i] <= 0 || times[2][i] <= 0)
            return "text link: the prescribed work was not measured";
        costs.push_back(times[2][i] - times[1][i]);
        shares.push_back(costs.back() / times[0][i]);
    }
    char note[256];
    std::snprintf(note, sizeof note,
                  "text link: measuring the target and moving to the top at every paint (prescribed) costs the "
                  "plain code %.3f ms a repaint, %.0f%% of the library's time",
                  f_Middle(costs), 100 * f_Middle(shares));
    return note;
}

} // namespace

// The library's link sits in a dialog that goes through the framework, so
// that the item's colour requests are reflected to the link as in any host;
// the plain link's dialog is a plain one, the same template below it.
void v_BenchTextLink(const BenchModules& modules, int rounds, std::vector<BenchRow>* rows,
                     std::vector<std::string>* notes)
{
    rounds = rounds ? rounds : kRounds;
    const LPCWSTR dialogName = MAKEINTRESOURCEW(BENCH_LINK_DIALOG);
    const HWND libraryDialog = CreateDialogParamW(modules.pictures, dialogName, nullptr, i_LibraryHostProcedure, 0);
    PlainHost plain;
    plain.hand = LoadCursorW(modules.library, MAKEINTRESOURCEW(kHandCursor));
    const HWND plainDialog = CreateDialogParamW(modules.pictures, dialogName, nullptr, i_PlainHostProcedure,
                                                reinterpret_cast<LPARAM>(&plain));
    BenchTimes times(3, std::vector<double>(1, -1));
    if (libraryDialog && plainDialog) {
        CWnd host;
        host.SubclassWindow(libraryDialog);
        CT_TextHttpLink link;
        link.SubclassDlgItem(BENCH_LINK_ITEM, &host);
        const CT_UString target(kTarget);
        link.v_SetURL(&target);
        v_Show(libraryDialog, 100);
        v_Show(plainDialog, 300);
        v_Drain();
        times = vv_RunRounds(rounds,
                             {[&] { return f_TimeRepaint(link.m_hWnd); },
                              [&] {
                                  plain.prescribed = false;
                                  return f_TimeRepaint(plain.link.item);
                              },
                              [&] {
                                  plain.prescribed = true;
                                  return f_TimeRepaint(plain.link.item);
                              }},
                             true);
        link.UnsubclassWindow();
        host.UnsubclassWindow();
    }
    if (libraryDialog)
        DestroyWindow(libraryDialog);
    if (plainDialog)
        DestroyWindow(plainDialog);
    v_Drain();
    rows->push_back(so_MakeRow("text-link", "text link, one repaint", times[0], times[1], true));
    rows->push_back(so_MakeRow("text-link-prescribed-in-plain", "text link, one repaint; plain fits at every paint too",
                               times[0], times[2], false));
    notes->push_back(co_ShareNote(times));
}
