// The items that show the library's own pictures, the bulb of the Tip of the
// Day (item 1006) and the maker's banner of the About box (item 1013), hold
// the whole picture at the font of every language's template. The test is
// built into two programs: this one in the usual session, and the Japanese
// session's, whose dialog font measures smaller.
#include <afxwin.h>

#include "DialogDriver.h"
#include "LexorinUILanguageMgr.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <stdio.h>

#include <functional>

namespace {

const unsigned kBulb = 2006, kBanner = 1007;

SIZE bitmapSize(unsigned id)
{
    BITMAP info = {};
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(L"Dialogs.dll"), MAKEINTRESOURCEW(id));
    GetObjectW(bitmap, sizeof info, &info);
    DeleteObject(bitmap);
    return {info.bmWidth, info.bmHeight};
}

// The client size of item `id` of the box that `show` puts up, which is
// then ended with OK.
SIZE itemSizeShown(int id, const std::function<void()>& show)
{
    SIZE size = {};
    DialogDriver driver([&](HWND box) {
        RECT client = {};
        GetClientRect(GetDlgItem(box, id), &client);
        size = {client.right, client.bottom};
        pressOK(box);
    });
    show();
    EXPECT_TRUE(driver.acted());
    EXPECT_FALSE(driver.closedTheBox());
    return size;
}

TEST(PictureItems, HoldTheWholeBulbAndBannerInEveryLanguage)
{
    const SIZE bulb = bitmapSize(kBulb), banner = bitmapSize(kBanner);
    ASSERT_GT(bulb.cx, 0);
    ASSERT_GT(banner.cx, 0);

    const HMODULE host = GetModuleHandleW(nullptr);
    const CT_TipoftheDayDialog::st_Parameters tips = {host, 1, 1};
    CT_AboutDialog::st_Parameters about;
    about.h_Instance = about.h_ResourceInstance = host;

    CT_UILanguageMgr* languages = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const unsigned before = languages->n_GetLanguage();
    for (unsigned language : {0x0409u, 0x0407u, 0x0411u}) {
        ASSERT_TRUE(languages->b_SetLanguage(language)) << std::hex << language;
        int showAtStartup = TRUE;
        unsigned tip = 0;
        const SIZE bulbItem =
            itemSizeShown(IDC_TIP_PICTURE, [&] { CT_TipoftheDayDialog::sv_Show(&tips, &showAtStartup, &tip); });
        const SIZE bannerItem = itemSizeShown(IDC_ABOUT_MAKER_LINK, [&] { CT_AboutDialog::sb_Show(&about); });
        printf("language %04x, code page %u: bulb item %ld x %ld, banner item %ld x %ld\n", language, GetACP(),
               bulbItem.cx, bulbItem.cy, bannerItem.cx, bannerItem.cy);
        EXPECT_GE(bulbItem.cx, bulb.cx) << std::hex << language;
        EXPECT_GE(bulbItem.cy, bulb.cy) << std::hex << language;
        EXPECT_GE(bannerItem.cx, banner.cx) << std::hex << language;
        EXPECT_GE(bannerItem.cy, banner.cy) << std::hex << language;
    }
    languages->b_SetLanguage(before);
}

} // namespace
