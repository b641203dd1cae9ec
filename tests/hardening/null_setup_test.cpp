// Null pointers where a host might pass them: set-up with null strings, a
// null message while a splash is up, and a null device context or palette
// object given to the DIB operations of a picture that is held.
#include "DibTestSupport.h"
#include "HardeningSupport.h"
#include "SplashHost.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NullSetUp, ANullModuleNameEmptiesTheNameAndKeepsTheIdentity)
{
    const std::wstring saved = CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get();
    ASSERT_FALSE(saved.empty());
    CT_DialogsDLLMain::sv_SetModuleName(nullptr);
    EXPECT_EQ(CT_DialogsDLLMain::spcco_GetModuleName()->vn_GetLength(), 0u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetVersion(), 7u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);
    CT_DialogsDLLMain::sv_SetModuleName(saved.c_str());
}

class ProbeLink : public CT_HttpLink {
public:
    BOOL visited() const { return b_Visited; }
    unsigned targetLength() const { return co_URL.vn_GetLength(); }
};

// A null target is an empty one, before and after the link has its window;
// opening it fails quietly.
TEST(NullSetUp, ANullLinkTargetIsAnEmptyOneThatOpensNothing)
{
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 60, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    HWND item = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 4, 4, 80, 20, host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(item, nullptr);
    {
        ProbeLink link;
        const CT_UString target(L"C:\\missing.txt");
        link.v_SetURL(&target);
        link.v_SetURL(nullptr);
        EXPECT_EQ(link.targetLength(), 0u);
        ASSERT_TRUE(link.SubclassWindow(item));
        link.v_SetURL(&target);
        link.v_SetURL(nullptr);
        EXPECT_EQ(link.targetLength(), 0u);
        SendMessageW(item, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_FALSE(link.visited());
        link.UnsubclassWindow();
    }
    DestroyWindow(host);
    CWnd::DeleteTempMap();
}

// No message is no key press: the splash stays up and nothing is taken.
TEST(NullSetUp, ANullMessageLeavesTheSplashUp)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    CT_SplashWindow::st_Parameters record;
    record.h_Instance = pictures.handle();
    record.n_Bitmap = DIB_SPLASH;
    CT_SplashWindow::sv_Show(&record);
    ASSERT_TRUE(CT_SplashWindow::sb_Active());
    EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(nullptr));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    EXPECT_NE(findSplashWindow(), nullptr);
    CT_SplashWindow::sv_Kill();
    EXPECT_FALSE(CT_SplashWindow::sb_Active());
}

// A held picture given a null device context or a null window draws
// nothing and keeps no context; its palette is realised on the screen.
TEST(NullSetUp, TheDibOperationsOfAHeldPictureRefuseANullContext)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    ASSERT_NE(picture.h_GetHDIB(), nullptr);
    ASSERT_NE(picture.pco_GetDocPalette(), nullptr);
    Leftovers leftovers;
    RECT area = {0, 0, 8, 6};
    EXPECT_EQ(picture.b_PaintDIB(nullptr, &area, picture.h_GetHDIB(), &area, picture.pco_GetDocPalette()), 0);
    EXPECT_EQ(picture.b_PaintDIB(nullptr, &area, picture.h_GetHDIB(), &area, nullptr), 0);
    picture.v_RealizePalette(nullptr);
    EXPECT_NE(picture.h_GetHDIB(), nullptr);
    leftovers.expectNone();
}

} // namespace
