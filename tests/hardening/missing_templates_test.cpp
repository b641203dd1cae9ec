// Every modal dialog over a language module that holds no template: none
// shows, the About and language boxes report FALSE, the Tip of the Day box
// hands both values back as they came, and nothing is left behind. The
// program runs from a folder of its own, beside copies of the library and
// that one language module.
#include <afxwin.h>

#include "DialogDriver.h"
#include "HardeningSupport.h"
#include "LexorinUILanguageMgr.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

namespace {

// Run twice: what lives on for the process is set up by the first run.
void expectNothingLeft(const std::function<void()>& run)
{
    run();
    Leftovers leftovers;
    run();
    leftovers.expectNone();
}

TEST(MissingTemplates, NoDialogShowsAndEachReportsItsQuietFailure)
{
    ASSERT_TRUE(CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(0x0409));
    expectNothingLeft([] {
        DialogDriver driver([](HWND box) { click(box, IDCANCEL); });

        const CT_TipoftheDayDialog::st_Parameters range = {GetModuleHandleW(nullptr), 100, 104};
        int showAtStartup = FALSE;
        unsigned tip = 3;
        CT_TipoftheDayDialog::sv_Show(&range, &showAtStartup, &tip);
        EXPECT_EQ(showAtStartup, FALSE);
        EXPECT_EQ(tip, 3u);

        CT_AboutDialog::st_Parameters about;
        EXPECT_FALSE(CT_AboutDialog::sb_Show(&about));

        unsigned language = 0x0409;
        EXPECT_FALSE(CT_LanguageDialog::sb_Show(&language, TRUE, TRUE));
        EXPECT_EQ(language, 0x0409u);

        EXPECT_FALSE(driver.acted()) << "a dialog showed";
    });
}

} // namespace
