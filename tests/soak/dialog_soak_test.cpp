// The modal dialogs shown and closed hundreds of times in one process, each
// run played through like a user: everything they take comes back.
#include <afxwin.h>

#include "DialogDriver.h"
#include "Hover.h"
#include "LeakCounts.h"
#include "LexorinUILanguageMgr.h"
#include "ScreenReader.h"
#include "SoakIds.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <oleacc.h>

namespace {

const int kRounds = 200;
const unsigned kEnglishUS = 0x0409, kGerman = 0x0407;

// Selects the list entry of that language, as the user would.
void choose(HWND list, unsigned language)
{
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (static_cast<unsigned>(SendMessageW(list, CB_GETITEMDATA, i, 0)) == language)
            SendMessageW(list, CB_SETCURSEL, i, 0);
    }
}

TEST(DialogSoak, AboutBox)
{
    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"7.0.1", static_cast<unsigned>(-1));
    parameters.n_Build = 320;
    parameters.h_Instance = GetModuleHandleW(nullptr);
    parameters.h_ResourceInstance = GetModuleHandleW(nullptr);
    parameters.n_Bitmap16Colors = IDB_SOAK_PRODUCT16;
    parameters.n_Bitmap = IDB_SOAK_PRODUCT256;

    ScreenReader reader;
    soak("About box", kRounds, [&] {
        std::wstring caption;
        long productRole = 0;
        DialogDriver player([&](HWND box) {
            caption = windowText(box);
            repaint(box);
            hover(box, IDC_ABOUT_PRODUCT_LINK);
            productRole = reader.read(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK)).role;
            click(box, IDOK);
        });
        ASSERT_EQ(CT_AboutDialog::sb_Show(&parameters), TRUE);
        ASSERT_TRUE(player.acted());
        ASSERT_EQ(caption, L"About the soak host");
        ASSERT_EQ(productRole, ROLE_SYSTEM_LINK);
    });
}

TEST(DialogSoak, TipOfTheDay)
{
    const CT_TipoftheDayDialog::st_Parameters parameters = {GetModuleHandleW(nullptr), IDS_SOAK_TIPS_FIRST,
                                                            IDS_SOAK_TIPS_LAST};
    unsigned tip = 0xFFFFFFFF;
    int showAtStartup = TRUE;
    soak("Tip of the Day", kRounds, [&] {
        const unsigned shownLast = tip;
        std::wstring caption;
        DialogDriver player([&](HWND box) {
            caption = windowText(box);
            repaint(box);
            click(box, IDC_TIP_NEXT);
            click(box, IDOK);
        });
        CT_TipoftheDayDialog::sv_Show(&parameters, &showAtStartup, &tip);
        ASSERT_TRUE(player.acted());
        ASSERT_EQ(caption, L"Tips of the soak");
        // The box opens on the tip after the one shown last, and Next steps once more.
        ASSERT_EQ(tip, (shownLast + 2) % 3);
        ASSERT_EQ(showAtStartup, TRUE);
    });
}

void soakLanguageDialog(const char* what, int showFlags)
{
    ASSERT_EQ(CT_UILanguageMgr::spco_GetUILanguageMgr()->n_GetLanguage(), kEnglishUS);
    int round = 0;
    soak(what, kRounds / 2, [&] {
        // Every second round the user picks German; the host does not switch.
        const unsigned wanted = round++ % 2 ? kGerman : kEnglishUS;
        unsigned language = kEnglishUS;
        int entries = 0;
        bool flagsShown = false;
        DialogDriver player([&](HWND box) {
            HWND list = GetDlgItem(box, IDC_LANGUAGE_LIST);
            entries = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
            flagsShown = SendMessageW(list, CBEM_GETIMAGELIST, 0, 0) != 0;
            repaint(box);
            SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
            SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
            choose(list, wanted);
            click(box, IDOK);
        });
        ASSERT_EQ(CT_LanguageDialog::sb_Show(&language, TRUE, showFlags), TRUE);
        ASSERT_TRUE(player.acted());
        ASSERT_GE(entries, 2) << "English and German at least";
        ASSERT_EQ(flagsShown, showFlags != 0);
        ASSERT_EQ(language, wanted);
    });
}

TEST(DialogSoak, LanguageDialogWithFlags)
{
    soakLanguageDialog("Language dialog with flags", TRUE);
}

TEST(DialogSoak, LanguageDialogWithoutFlags)
{
    soakLanguageDialog("Language dialog without flags", FALSE);
}

} // namespace
