#include <Dialogs/AboutDialog.h>

#include <afxstat_.h>

#include <Dialogs/BigBitmap.h>
#include <Dialogs/DialogsDLLMain.h>
#include <Dialogs/TemplateIds.h>

#include "LexorinUILanguageMgr.h"
#include "LibraryState.h"
#include "VersionLine.h"
#include "WholeText.h"
#include "resource.h"

namespace {

const char kMakerWebAddress[] = "https://www.lexorin.example/";

const unsigned kSmallPrintString = 10006;
const unsigned kVersionString = 10007;
const unsigned kCaptionString = 10010;
const unsigned kProductPageString = 10011;
const unsigned kTextString = 10012;

const unsigned kSmallPrintPoints = 7;

} // namespace

CT_AboutDialog::st_Parameters::st_Parameters()
    : n_Build(0), h_Instance(nullptr), h_ResourceInstance(nullptr), n_Bitmap16Colors(0), n_Bitmap(0)
{
}

CT_AboutDialog::st_Parameters::~st_Parameters() = default;

CT_AboutDialog::st_Parameters& CT_AboutDialog::st_Parameters::operator=(const st_Parameters& other) = default;

// The guard is made first so that it outlives the dialog: the template and
// everything the dialog looks up come from the current language's module.
BOOL CT_AboutDialog::sb_Show(const st_Parameters* pcso_Parameters)
{
    if (!pcso_Parameters)
        return FALSE;
    CT_ResHandleGuard guard(h_GetLanguageResourceHandle());
    CT_AboutDialog dialog(pcso_Parameters, nullptr);
    return dialog.DoModal() == IDOK;
}

BEGIN_MESSAGE_MAP(CT_AboutDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CT_AboutDialog::CT_AboutDialog(const st_Parameters* pcso_Parameters_, CWnd* pParent)
    : CDialog(IDD_ABOUT_DIALOG, pParent),
      CT_Dialog(0),
      pcso_Parameters(pcso_Parameters_),
      pco_SmallFont(nullptr),
      pco_ProductBitmap(nullptr),
      pco_MakerBitmap(nullptr)
{
}

CT_AboutDialog::~CT_AboutDialog()
{
    if (pco_SmallFont) {
        CT_FontManager::spco_GetFontManager()->v_Fire(pco_SmallFont);
        pco_SmallFont = nullptr;
    }
    delete pco_ProductBitmap;
    pco_ProductBitmap = nullptr;
    delete pco_MakerBitmap;
    pco_MakerBitmap = nullptr;
}

BOOL CT_AboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    v_InitDialog(pcso_Parameters->h_Instance, m_hWnd, nullptr);
    v_SetFont(CT_FontManager::spco_GetFontManager()->h_GetSystemDefaultFont());

    pco_ProductBitmap = pco_CreatePicture(IDC_ABOUT_PRODUCT_LINK, pcso_Parameters->h_Instance, n_ProductBitmap());
    pco_MakerBitmap = pco_CreatePicture(IDC_ABOUT_MAKER_LINK, CT_DialogsDLLMain::sh_GetInstance(), IDB_LOGO);

    if (!co_ProductLink.SubclassDlgItem(IDC_ABOUT_PRODUCT_LINK, this))
        return FALSE;
    CT_UString productPage(pcso_Parameters->co_WebAddress);
    if (productPage.vn_GetLength() == 0)
        CT_LoadString::sv_LoadString(&productPage, pcso_Parameters->h_ResourceInstance, kProductPageString);
    co_ProductLink.v_SetURL(&productPage);

    if (!co_MakerLink.SubclassDlgItem(IDC_ABOUT_MAKER_LINK, this))
        return FALSE;
    const CT_UString makerSite(kMakerWebAddress, kWholeText);
    co_MakerLink.v_SetURL(&makerSite);

    v_SetTexts();
    v_SetSmallPrintFont();

    CT_UString versionLine;
    v_LoadVersionLine(&versionLine, pcso_Parameters->h_ResourceInstance, kVersionString,
                      pcso_Parameters->co_Version, pcso_Parameters->n_Build);
    SetDlgItemText(IDC_ABOUT_VERSION, versionLine.qcuz_Get());
    return TRUE;
}

// A palette display of exactly 16 colours gets the host's 16-colour picture.
unsigned CT_AboutDialog::n_ProductBitmap()
{
    CDC* pDC = GetDC();
    if (!pDC)
        return pcso_Parameters->n_Bitmap;
    const int colours = pDC->GetDeviceCaps(NUMCOLORS);
    ReleaseDC(pDC);
    return colours == 16 ? pcso_Parameters->n_Bitmap16Colors : pcso_Parameters->n_Bitmap;
}

CT_BigBitmap* CT_AboutDialog::pco_CreatePicture(int nIDItem, HINSTANCE hInstance, unsigned nIDBitmap)
{
    CWnd* pItem = GetDlgItem(nIDItem);
    if (!pItem)
        return nullptr;
    CRect item;
    pItem->GetWindowRect(&item);
    ScreenToClient(&item);
    const CPoint corner = item.TopLeft();
    return new CT_BigBitmap(this, hInstance, nIDBitmap, &corner);
}

void CT_AboutDialog::v_SetTexts()
{
    CT_UString text;
    CT_LoadString::sv_LoadString(&text, pcso_Parameters->h_ResourceInstance, kCaptionString);
    SetWindowText(text.qcuz_Get());
    CT_LoadString::sv_LoadString(&text, pcso_Parameters->h_ResourceInstance, kTextString);
    SetDlgItemText(IDC_ABOUT_TEXT, text.qcuz_Get());
    CT_LoadString::sv_LoadString(&text, AfxGetAppModuleState()->m_appLangDLL, kSmallPrintString);
    SetDlgItemText(IDC_ABOUT_SMALL_PRINT, text.qcuz_Get());
}

// The old system face is too large for the small print, which then takes a
// small Arial; any other face keeps the dialog's font.
void CT_AboutDialog::v_SetSmallPrintFont()
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    if (manager->pcco_GetSystemDefaultFont()->co_FaceName.vi_Compare("MS Sans Serif", kWholeText, 0))
        return;
    const HWND desktop = ::GetDesktopWindow();
    const HDC dc = ::GetDC(desktop);
    const CT_UString face("Arial", kWholeText);
    pco_SmallFont = manager->pco_Hire(dc, &face, 1, kSmallPrintPoints, 0, 0, 0, 0);
    if (pco_SmallFont)
        ::SendDlgItemMessageW(m_hWnd, IDC_ABOUT_SMALL_PRINT, WM_SETFONT,
                              reinterpret_cast<WPARAM>(pco_SmallFont->h_Font), TRUE);
    ::ReleaseDC(desktop, dc);
}

// Without a context to paint with, the pictures stay undrawn until the
// dialog is next invalidated.
void CT_AboutDialog::OnPaint()
{
    try {
        CPaintDC dc(this);
        if (pco_ProductBitmap)
            pco_ProductBitmap->OnDraw(&dc);
        if (pco_MakerBitmap)
            pco_MakerBitmap->OnDraw(&dc);
    } catch (CResourceException* e) {
        e->Delete();
        ValidateRect(nullptr);
    }
}
