#include "LexorinBasis.h"
#include "LexorinUILanguageMgr.h"
#include "PlainWin32.h"

#include <Dialogs/TemplateIds.h>
#include <commctrl.h>

namespace {

const unsigned kJapanese = 0x0411;

bool b_JapaneseFont()
{
    LOGFONTW font = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font.lfCharSet == SHIFTJIS_CHARSET;
}

// The flags are the bitmaps of the interface library, numbered by language.
int i_AddFlag(HIMAGELIST flags, unsigned language)
{
    static const HMODULE kFlags = GetModuleHandleW(L"LexorinInterface.dll");
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(kFlags, MAKEINTRESOURCEW(language), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return -1;
    const int image = ImageList_Add(flags, bitmap, nullptr);
    DeleteObject(bitmap);
    return image;
}

void v_Fill(HWND list, HIMAGELIST flags, unsigned current)
{
    const CT_VoidArray* languages = CT_UILanguageMgr::spco_GetUILanguageMgr()->pcco_GetLanguages();
    const bool japanese = b_JapaneseFont();
    LRESULT chosen = CB_ERR;
    for (unsigned i = 0; i < languages->n_GetCount(); ++i) {
        const unsigned language = *static_cast<const unsigned*>(languages->pcv_GetAt(i));
        if (language == kJapanese && !japanese)
            continue;
        CT_Language::et_Primary primary = CT_Language::ep_None;
        CT_Language::et_Sub sub = CT_Language::es_None;
        CT_Language::sv_GetLanguages(language, &primary, &sub);
        CT_UString name;
        CT_Language::sv_MakeLanguageString(&name, primary, sub);
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = -1;
        item.pszText = const_cast<wchar_t*>(name.qcuz_Get());
        item.lParam = language;
        item.iImage = item.iSelectedImage = i_AddFlag(flags, language);
        const LRESULT index = SendMessageW(list, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (language == current)
            chosen = index;
    }
    if (chosen != CB_ERR)
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

INT_PTR CALLBACK i_LanguageProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        HIMAGELIST flags = ImageList_Create(23, 14, ILC_COLOR4, 0, 1);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(flags));
        HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
        SendMessageW(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(flags));
        v_Fill(list, flags, static_cast<unsigned>(lParam));
        return TRUE;
    }
    case WM_COMMAND:
        return b_PlainEndOnOkOrCancel(dialog, wParam);
    case WM_DESTROY:
        if (HIMAGELIST flags = reinterpret_cast<HIMAGELIST>(GetWindowLongPtrW(dialog, DWLP_USER)))
            ImageList_Destroy(flags);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR i_PlainShowLanguages(HMODULE templates, unsigned current)
{
    static const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_USEREX_CLASSES};
    static const BOOL registered = InitCommonControlsEx(&controls);
    if (!registered)
        return -1;
    return DialogBoxParamW(templates, MAKEINTRESOURCEW(IDD_LANGUAGE_DIALOG), nullptr, i_LanguageProcedure,
                           static_cast<LPARAM>(current));
}
