#include <afxwin.h>

#include "LanguageDialogRun.h"

#include "DialogDriver.h"
#include "LexorinUILanguageMgr.h"
#include "ShownDialog.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <commctrl.h>

namespace {

void end(HWND dialog, DialogEnd how)
{
    switch (how) {
    case DialogEnd::Ok:
        click(dialog, IDOK);
        break;
    case DialogEnd::Cancel:
        click(dialog, IDCANCEL);
        break;
    case DialogEnd::Close:
        pressCloseBox(dialog);
        break;
    }
}

} // namespace

LanguageDialogView readLanguageDialog(HWND dialog)
{
    LanguageDialogView view;
    view.shown = true;
    view.caption = windowText(dialog);
    view.cancelText = windowText(GetDlgItem(dialog, IDCANCEL));
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 256;
        if (!SendMessageW(list, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            continue;
        view.entries.push_back({text, static_cast<unsigned>(item.lParam), item.iImage, item.iSelectedImage});
    }
    view.selection = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, CBEM_GETIMAGELIST, 0, 0));
    view.hasImageList = images != nullptr;
    if (images) {
        view.imageCount = ImageList_GetImageCount(images);
        ImageList_GetIconSize(images, &view.imageWidth, &view.imageHeight);
    }
    return view;
}

bool selectLanguage(HWND dialog, unsigned id)
{
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (static_cast<unsigned>(SendMessageW(list, CB_GETITEMDATA, i, 0)) == id)
            return SendMessageW(list, CB_SETCURSEL, i, 0) == i;
    }
    return false;
}

LanguageDialogRun runLanguageDialog(unsigned* language, int showSubLanguage, int showFlags, DialogEnd how,
                                    LanguageDialogAction act)
{
    LanguageDialogRun run;
    DialogDriver driver([&](HWND dialog) {
        run.view = readLanguageDialog(dialog);
        if (act)
            act(dialog, run.view);
        end(dialog, how);
    });
    run.result = CT_LanguageDialog::sb_Show(language, showSubLanguage, showFlags);
    EXPECT_FALSE(driver.closedTheBox()) << "the dialog was still up after its user had ended it";
    return run;
}

std::vector<unsigned> identifiers(const LanguageDialogView& view)
{
    std::vector<unsigned> ids;
    for (const LanguageEntry& entry : view.entries)
        ids.push_back(entry.id);
    return ids;
}

std::vector<std::wstring> texts(const LanguageDialogView& view)
{
    std::vector<std::wstring> result;
    for (const LanguageEntry& entry : view.entries)
        result.push_back(entry.text);
    return result;
}

void LanguageDialogTest::SetUp()
{
    CT_LanguageDialog::sv_SetLangFilterProc(nullptr);
    ASSERT_EQ(CT_UILanguageMgr::spco_GetUILanguageMgr()->n_GetLanguage(), kEnglishUS);
}

void LanguageDialogTest::TearDown()
{
    CT_LanguageDialog::sv_SetLangFilterProc(nullptr);
    CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(kEnglishUS);
}
