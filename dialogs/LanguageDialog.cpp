#include <Dialogs/LanguageDialog.h>

#include <Dialogs/TemplateIds.h>

#include "LanguageList.h"
#include "LexorinUILanguageMgr.h"
#include "LibraryState.h"

namespace {

const unsigned kJapaneseJapan = 0x0411;

// The host's filter, kept for every later showing.
CT_LanguageDialog::pf_LangFilterProc spf_LangFilter = nullptr;

// Japanese needs a font that can show it, which only a Shift-JIS system
// font promises; neither the host nor the modules can overrule that.
int b_IsAvailable(unsigned int n_Language)
{
    if (n_Language == kJapaneseJapan && !b_HasJapaneseSystemFont())
        return FALSE;
    if (spf_LangFilter && !spf_LangFilter(n_Language))
        return FALSE;
    const CT_VoidArray* pcco_Languages = CT_UILanguageMgr::spco_GetUILanguageMgr()->pcco_GetLanguages();
    return pcco_Languages->n_Find(&n_Language) != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CT_LanguageDialog, CDialog)
END_MESSAGE_MAP()

CT_LanguageDialog::CT_LanguageDialog(CWnd* pParentWnd)
    : CDialog(IDD_LANGUAGE_DIALOG, pParentWnd), n_Language(0), b_ShowFlags(0), b_ShowSubLanguage(0)
{
}

CT_LanguageDialog::~CT_LanguageDialog() = default;

int CT_LanguageDialog::sb_Show(unsigned int* pn_Language, int b_ShowSubLanguage, int b_ShowFlags)
{
    if (!pn_Language)
        return FALSE;
    CT_ResHandleGuard co_Guard(h_GetLanguageResourceHandle());
    CT_LanguageDialog co_Dialog;
    co_Dialog.n_Language = *pn_Language;
    co_Dialog.b_ShowSubLanguage = b_ShowSubLanguage;
    co_Dialog.b_ShowFlags = b_ShowFlags;
    if (co_Dialog.DoModal() != IDOK)
        return FALSE;
    *pn_Language = co_Dialog.n_Language;
    return TRUE;
}

void CT_LanguageDialog::sv_SetLangFilterProc(pf_LangFilterProc pf_Filter)
{
    spf_LangFilter = pf_Filter;
}

// Confirming without a selection keeps the current language: the combo
// box's "no item" value is no language identifier.
void CT_LanguageDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // A template without the list (a damaged language module) fails the
    // exchange as a refused value does: OK leaves the dialog open.
    try {
        DDX_Control(pDX, IDC_LANGUAGE_LIST, co_LanguageList);
    } catch (CNotSupportedException* e) {
        e->Delete();
        pDX->Fail();
    }
    if (!pDX->m_bSaveAndValidate)
        return;
    int i_Index = CB_ERR;
    DDX_CBIndex(pDX, IDC_LANGUAGE_LIST, i_Index);
    if (i_Index != CB_ERR)
        n_Language = static_cast<unsigned int>(co_LanguageList.GetItemData(i_Index));
}

BOOL CT_LanguageDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A template without the list (a damaged language module) leaves nothing to fill.
    if (!co_LanguageList.GetSafeHwnd())
        return TRUE;
    if (b_ShowFlags) {
        // 23 x 14 flags in 16 colours, one more picture per entry.
        if (!co_Flags.GetSafeHandle() && !co_Flags.Create(23, 14, ILC_COLOR4, 0, 1))
            return FALSE;
        co_LanguageList.SetImageList(&co_Flags);
    }
    v_FillLanguageList(&co_LanguageList, b_ShowFlags ? &co_Flags : nullptr, n_Language, b_IsAvailable,
                       b_ShowSubLanguage);
    return TRUE;
}
