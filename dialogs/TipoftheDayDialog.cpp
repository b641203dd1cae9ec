#include <Dialogs/TipoftheDayDialog.h>

#include <Dialogs/TemplateIds.h>

#include "LexorinUILanguageMgr.h"
#include "LibraryState.h"
#include "resource.h"

namespace {

const unsigned kCaptionString = 10200;
// String resources are numbered in 16 bits: tips whose number lies above
// hold no text.
const unsigned kLastStringID = 0xFFFF;

// Stands in for a missing record: a range without tips.
const CT_TipoftheDayDialog::st_Parameters kNoTips = {nullptr, 1, 0};

} // namespace

CT_TipoftheDayDialog::st_Parameters& CT_TipoftheDayDialog::st_Parameters::operator=(const st_Parameters& other) =
    default;

void CT_TipoftheDayDialog::sv_Show(const st_Parameters* pcso_Parameters, int* pb_ShowAtStartup,
                                   unsigned int* pn_Tip)
{
    if (!pcso_Parameters || !pb_ShowAtStartup || !pn_Tip)
        return;
    CT_ResHandleGuard guard(h_GetLanguageResourceHandle());
    CT_TipoftheDayDialog dialog(pcso_Parameters, nullptr);
    dialog.b_ShowAtStartup = *pb_ShowAtStartup;
    dialog.n_Tip = *pn_Tip;
    dialog.DoModal();
    *pb_ShowAtStartup = dialog.b_ShowAtStartup;
    *pn_Tip = dialog.n_Tip;
}

BEGIN_MESSAGE_MAP(CT_TipoftheDayDialog, CDialog)
    ON_BN_CLICKED(IDC_TIP_NEXT, &CT_TipoftheDayDialog::OnNextTip)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CT_TipoftheDayDialog::CT_TipoftheDayDialog(const st_Parameters* pcso_Parameters_, CWnd* pParent)
    : CDialog(IDD_TIP_DIALOG, pParent),
      b_ShowAtStartup(TRUE),
      pcso_Parameters(pcso_Parameters_ ? pcso_Parameters_ : &kNoTips),
      n_Tip(0xFFFFFFFF),
      n_TipCount(pcso_Parameters->n_LastTip - pcso_Parameters->n_FirstTip + 1),
      co_Bitmap(IDB_TIPBULB),
      pco_HeadingFont(nullptr),
      pco_TipFont(nullptr)
{
}

CT_TipoftheDayDialog::~CT_TipoftheDayDialog()
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    if (pco_HeadingFont) {
        manager->v_Fire(pco_HeadingFont);
        pco_HeadingFont = nullptr;
    }
    if (pco_TipFont) {
        manager->v_Fire(pco_TipFont);
        pco_TipFont = nullptr;
    }
}

// A template without one of the controls (a damaged language module), or a
// tip that no memory holds, fails the exchange as a refused value does: OK
// then leaves the dialog open, and Cancel keeps the values given: the check
// state read before the failure is put back.
void CT_TipoftheDayDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    const int b_Given = b_ShowAtStartup;
    try {
        DDX_Check(pDX, IDC_TIP_SHOW_AT_STARTUP, b_ShowAtStartup);
        DDX_Text(pDX, IDC_TIP_TEXT, co_Tip);
    } catch (CNotSupportedException* e) {
        e->Delete();
        b_ShowAtStartup = b_Given;
        pDX->Fail();
    } catch (CMemoryException* e) {
        e->Delete();
        b_ShowAtStartup = b_Given;
        pDX->Fail();
    }
}

// A count of 0 stands for the whole 32-bit range, where the step wraps by itself.
unsigned CT_TipoftheDayDialog::n_FollowingTip(unsigned index) const
{
    return n_TipCount ? (index + 1) % n_TipCount : index + 1;
}

// A record whose last tip lies below its first names no tip: it shows an
// empty text as tip 0 instead of dividing by nothing or searching the whole
// number range. Tips past the last string number are empty, so the search
// wraps to tip 0 as soon as it reaches them.
void CT_TipoftheDayDialog::v_LoadNextTip()
{
    const st_Parameters& range = *pcso_Parameters;
    CT_UString text;
    if (range.n_LastTip < range.n_FirstTip) {
        n_Tip = 0;
    } else {
        do {
            n_Tip = n_FollowingTip(n_Tip);
            if (range.n_FirstTip + n_Tip > kLastStringID)
                n_Tip = 0;
            CT_LoadString::sv_LoadString(&text, range.h_Instance, range.n_FirstTip + n_Tip);
        } while (text.vn_GetLength() == 0 && n_Tip != 0);
    }
    // A tip that no memory holds shows as empty rather than as the one before.
    try {
        co_Tip = text.qcuz_Get();
    } catch (CMemoryException* e) {
        e->Delete();
        co_Tip.Empty();
    }
}

BOOL CT_TipoftheDayDialog::OnInitDialog()
{
    v_LoadNextTip();
    CDialog::OnInitDialog();
    if (!co_Bitmap.SubclassDlgItem(IDC_TIP_PICTURE, this))
        return FALSE;

    CT_UString caption;
    CT_LoadString::sv_LoadString(&caption, pcso_Parameters->h_Instance, kCaptionString);
    SetWindowText(caption.qcuz_Get());

    pco_HeadingFont = pco_HireFont(150, TRUE, IDC_TIP_HEADING);
    pco_TipFont = pco_HireFont(125, FALSE, IDC_TIP_TEXT);
    return TRUE;
}

// A font of the system's default face at `percent` of its size, given to
// the control; null (the control keeps its font) when none could be hired.
CT_LogicalFont* CT_TipoftheDayDialog::pco_HireFont(unsigned percent, int bold, int nIDControl)
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    const CT_LogicalFont* system = manager->pcco_GetSystemDefaultFont();
    CT_LogicalFont* font = nullptr;
    try {
        CClientDC dc(this);
        font = manager->pco_Hire(dc.m_hDC, &system->co_FaceName, 1, system->n_Size * percent / 100, bold, 0, 0, 0);
    } catch (CResourceException* e) {
        // No context to hire for: the control keeps its font.
        e->Delete();
        return nullptr;
    }
    if (font) {
        CWnd* control = GetDlgItem(nIDControl);
        if (control)
            control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->h_Font), TRUE);
    }
    return font;
}

// Only the tip changes: a data exchange would also set the check box back
// to b_ShowAtStartup, undoing what the user chose there.
void CT_TipoftheDayDialog::OnNextTip()
{
    v_LoadNextTip();
    SetDlgItemText(IDC_TIP_TEXT, co_Tip);
}

HBRUSH CT_TipoftheDayDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (pWnd ? pWnd->GetDlgCtrlID() : 0) {
    case IDC_TIP_PANEL:
    case IDC_TIP_HEADING:
    case IDC_TIP_TEXT:
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    default:
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}
