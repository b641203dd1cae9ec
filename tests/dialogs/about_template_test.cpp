// The About box over language modules whose templates are at fault: one
// without the template, one whose template lacks the picture items. The
// program runs from a folder of its own with copies of the library, so that
// no other program sees these modules.
#include <afxwin.h>

#include "AboutBoxView.h"
#include "DAZ32.h"
#include "DialogDriver.h"
#include "GdiCounter.h"
#include "LexorinUILanguageMgr.h"
#include "ShownDialog.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

namespace {

class AboutTemplateFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        parameters.co_Version.v_Set(L"1.0", static_cast<unsigned>(-1));
        parameters.h_Instance = GetModuleHandleW(nullptr);
        parameters.h_ResourceInstance = GetModuleHandleW(nullptr);
    }

    void expectNothingLeft(const std::function<void()>& run)
    {
        run();   // what lives on is set up by the first run
        const long blocks = DAZ_GetLiveBlockCount();
        const unsigned hires = CT_FontManager::spco_GetFontManager()->n_GetHireCount();
        GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL", L"LexorinBasis.dll"});
        run();
        EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
        EXPECT_EQ(CT_FontManager::spco_GetFontManager()->n_GetHireCount(), hires);
        EXPECT_EQ(gdi.liveObjects(), 0u);
        EXPECT_EQ(gdi.liveWindowDCs(), 0u);
        EXPECT_EQ(tooltipWindows(), 0);
    }

    CT_AboutDialog::st_Parameters parameters;
};

TEST_F(AboutTemplateFault, AMissingTemplateGivesFalseAndShowsNothing)
{
    ASSERT_TRUE(CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(0x0409));
    expectNothingLeft([&] {
        DialogDriver driver(pressOK);
        EXPECT_FALSE(CT_AboutDialog::sb_Show(&parameters));
        EXPECT_EQ(driver.stepsRun(), 0u);
    });
}

TEST_F(AboutTemplateFault, ATemplateWithoutPictureItemsStillRunsWithoutPictures)
{
    ASSERT_TRUE(CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(0x0407));
    expectNothingLeft([&] {
        std::wstring caption;
        int links = -1;
        DialogDriver driver({[&](HWND box) {
                                      repaint(box);
                                      caption = windowText(box);
                                      links = tooltipWindows();
                                  },
                                  pressOK});
        EXPECT_TRUE(CT_AboutDialog::sb_Show(&parameters));
        EXPECT_EQ(caption, L"Template without pictures") << "set-up ends where the first link cannot be made";
        EXPECT_EQ(links, 0);
    });
}

} // namespace
