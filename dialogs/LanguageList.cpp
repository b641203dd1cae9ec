#include "LanguageList.h"

#include "LexorinBasis.h"
#include "LexorinInterface.h"

namespace {

// The product's own languages have no system locale to ask for.
const unsigned kOwnLanguagesPrimary = 54;

typedef CT_Language::et_Primary et_Primary;
typedef CT_Language::et_Sub et_Sub;

void v_MakeText(CT_UString* pco_Text, et_Primary e_Primary, et_Sub e_Sub, int b_ShowSubLanguage)
{
    CT_Language::sv_MakeLanguageString(pco_Text, e_Primary, b_ShowSubLanguage ? e_Sub : CT_Language::es_None);
}

// A copy of the language's flag in the image list; -1 when there is none,
// and the entry then shows no picture.
int i_AddFlag(CImageList* pco_Flags, unsigned n_Language)
{
    CT_BitmapManager* pco_Manager = CT_BitmapManager::spco_GetBitmapManager();
    CT_Bitmap* pco_Bitmap = pco_Manager->pco_Hire(n_Language);
    if (!pco_Bitmap)
        return -1;
    const int i_Image = ImageList_Add(pco_Flags->GetSafeHandle(), pco_Bitmap->h_Bitmap, nullptr);
    pco_Manager->v_Fire(pco_Bitmap);
    return i_Image;
}

void v_AppendEntry(CComboBoxEx* pco_List, CImageList* pco_Flags, const CT_UString& co_Text, unsigned n_Language)
{
    COMBOBOXEXITEMW so_Item = {};
    so_Item.mask = CBEIF_TEXT | CBEIF_LPARAM;
    so_Item.iItem = -1;
    so_Item.pszText = const_cast<wchar_t*>(co_Text.qcuz_Get());
    so_Item.lParam = n_Language;
    if (pco_Flags) {
        so_Item.mask |= CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        so_Item.iImage = so_Item.iSelectedImage = i_AddFlag(pco_Flags, n_Language);
    }
    pco_List->InsertItem(&so_Item);
}

bool b_HasLocale(unsigned n_Primary, unsigned n_Language)
{
    return n_Primary == kOwnLanguagesPrimary || CT_LocaleInfo::sb_IsInstalled(n_Language) ||
           CT_LocaleInfo::sb_IsProprietary(n_Language);
}

// The entry of the current language itself; only when none has it, the
// first entry with its text, so that a variant that is not offered still
// finds its language. Several variants share one text while sub-languages
// are hidden: taking the first of them would hand back another language on
// an untouched OK. An empty text (a language outside the table) matches no
// entry.
void v_SelectCurrent(CComboBoxEx* pco_List, unsigned n_Current, int b_ShowSubLanguage)
{
    const int i_Count = pco_List->GetCount();
    for (int i = 0; i < i_Count; ++i) {
        if (pco_List->GetItemData(i) == n_Current) {
            pco_List->SetCurSel(i);
            return;
        }
    }
    et_Primary e_Primary = CT_Language::ep_None;
    et_Sub e_Sub = CT_Language::es_None;
    CT_Language::sv_GetLanguages(n_Current, &e_Primary, &e_Sub);
    CT_UString co_Text;
    v_MakeText(&co_Text, e_Primary, e_Sub, b_ShowSubLanguage);
    if (co_Text.vn_GetLength() == 0)
        return;
    const int i_Index = pco_List->FindStringExact(-1, co_Text.qcuz_Get());
    if (i_Index != CB_ERR)
        pco_List->SetCurSel(i_Index);
}

} // namespace

void v_FillLanguageList(CComboBoxEx* pco_List, CImageList* pco_Flags, unsigned int n_Current,
                        pf_LanguageAvailable pf_Available, int b_ShowSubLanguage)
{
    CT_UString co_Text;
    for (unsigned n_Primary = 1; n_Primary <= CT_Language::sn_GetPrimaryCount(); ++n_Primary) {
        const et_Primary e_Primary = static_cast<et_Primary>(n_Primary);
        unsigned n_SubCount = CT_Language::sn_GetSubCount(e_Primary);
        if (n_SubCount == 0)
            n_SubCount = 1;
        for (unsigned i = 1; i <= n_SubCount; ++i) {
            const et_Sub e_Sub = CT_Language::seo_GetSubAt(e_Primary, i);
            const unsigned n_Language = CT_Language::sn_MakeLanguageID(e_Primary, e_Sub);
            if (!pf_Available(n_Language) || !b_HasLocale(n_Primary, n_Language))
                continue;
            v_MakeText(&co_Text, e_Primary, e_Sub, b_ShowSubLanguage);
            v_AppendEntry(pco_List, pco_Flags, co_Text, n_Language);
        }
    }
    v_SelectCurrent(pco_List, n_Current, b_ShowSubLanguage);
}
