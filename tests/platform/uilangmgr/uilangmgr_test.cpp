// The UI-language manager with real resource modules beside the test program.
#include <afx.h>

#include "LexorinUILanguageMgr.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

const unsigned kEnglishUS = 0x0409, kEnglishUK = 0x0809, kGerman = 0x0407, kGermanSwiss = 0x0807,
               kJapanese = 0x0411, kFrench = 0x040C;

CT_UString programFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    *wcsrchr(path, L'\\') = 0;   // without the separator: the switch adds one
    return CT_UString(path);
}

std::wstring text(HINSTANCE module, UINT id = 1)
{
    wchar_t buffer[128] = {};
    if (!module || !LoadStringW(module, id, buffer, 128))
        return L"(none)";
    return buffer;
}

bool offered(unsigned language)
{
    return CT_UILanguageMgr::spco_GetUILanguageMgr()->pcco_GetLanguages()->n_Find(&language) != 0;
}

struct Switch : CT_DLLSwitch {
    explicit Switch(const char* name)
    {
        CT_UString folder = programFolder();
        CT_UString base(name, (unsigned)-1);
        v_Initialize(&folder, &base);
    }
};

class Manager : public ::testing::Test {
protected:
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    void SetUp() override { ASSERT_EQ(manager->n_GetSwitchCount(), 0u); }
};

TEST_F(Manager, ModulePathsFollowTheSatelliteConvention)
{
    CT_DLLSwitch s;
    CT_UString folder(L"C:\\apps\\"), name(L"Dialogs");
    s.v_Initialize(&folder, &name);
    CT_UString path;
    s.v_MakeModulePath(&path, kJapanese);
    EXPECT_STREQ(path.qcuz_Get(), L"C:\\apps\\DialogsJPN.dll");
    s.v_MakeModulePath(&path, 0xFFFF);
    EXPECT_EQ(path.vn_GetLength(), 0u);

    CT_UString bare(L"C:\\apps");
    s.v_Initialize(&bare, &name);
    s.v_MakeModulePath(&path, kGerman);
    EXPECT_STREQ(path.qcuz_Get(), L"C:\\apps\\DialogsDEU.dll");
    EXPECT_EQ(s.h_GetResourceHandle(), nullptr);
}

TEST_F(Manager, RegisteredSwitchHoldsTheModuleOfTheCurrentLanguage)
{
    Switch probe("UilmProbe");
    manager->v_Register(&probe);
    EXPECT_TRUE(offered(kEnglishUS));
    EXPECT_TRUE(offered(kGerman));
    EXPECT_TRUE(offered(kGermanSwiss));
    EXPECT_TRUE(offered(kJapanese));
    EXPECT_FALSE(offered(kFrench));
    EXPECT_EQ(manager->pcco_GetLanguages()->n_GetCount(), 4u);

    // Wine's user interface language is English (United States).
    EXPECT_EQ(manager->n_GetLanguage(), kEnglishUS);
    EXPECT_EQ(text(probe.h_GetResourceHandle()), L"English");
    EXPECT_EQ(probe.n_GetLanguage(), kEnglishUS);

    ASSERT_TRUE(manager->b_SetLanguage(kJapanese));
    EXPECT_EQ(text(probe.h_GetResourceHandle()), L"Japanese");
    EXPECT_FALSE(manager->b_SetLanguage(kFrench));
    EXPECT_EQ(manager->n_GetLanguage(), kJapanese);
    EXPECT_EQ(text(probe.h_GetResourceHandle()), L"Japanese");

    manager->v_Unregister(&probe);
    EXPECT_EQ(probe.h_GetResourceHandle(), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"UilmProbeJPN.dll"), nullptr);
    EXPECT_EQ(manager->pcco_GetLanguages()->n_GetCount(), 0u);
    EXPECT_FALSE(manager->b_SetLanguage(kEnglishUS));   // nothing is offered now
}

TEST_F(Manager, OffersOnlyLanguagesEverySwitchCanShowAndSwitchesThemAll)
{
    Switch probe("UilmProbe"), other("UilmOther");
    manager->v_Register(&probe);
    manager->v_Register(&other);
    manager->v_Register(&other);   // twice is once
    EXPECT_EQ(manager->n_GetSwitchCount(), 2u);
    EXPECT_TRUE(offered(kEnglishUS));
    EXPECT_TRUE(offered(kGerman));
    EXPECT_FALSE(offered(kJapanese));
    EXPECT_FALSE(manager->b_SetLanguage(kJapanese));

    ASSERT_TRUE(manager->b_SetLanguage(kGerman));
    EXPECT_EQ(text(probe.h_GetResourceHandle()), L"Deutsch");
    EXPECT_EQ(text(other.h_GetResourceHandle()), L"Other Deutsch");

    manager->v_Unregister(&other);
    EXPECT_TRUE(offered(kJapanese));
    manager->v_Unregister(&probe);
    manager->v_Unregister(&probe);   // a stranger now: nothing happens
    EXPECT_EQ(manager->n_GetSwitchCount(), 0u);
}

TEST_F(Manager, SwitchWithoutTheCurrentLanguageTakesAVariantOrEnglish)
{
    Switch probe("UilmProbe");
    manager->v_Register(&probe);
    ASSERT_TRUE(manager->b_SetLanguage(kGermanSwiss));

    Switch other("UilmOther");          // has German (Germany) but not Swiss
    manager->v_Register(&other);
    EXPECT_EQ(text(other.h_GetResourceHandle()), L"Other Deutsch");

    Switch solo("UilmSolo");            // only British English
    manager->v_Register(&solo);
    EXPECT_EQ(manager->pcco_GetLanguages()->n_GetCount(), 0u);
    EXPECT_EQ(solo.h_GetResourceHandle(), nullptr);
    EXPECT_EQ(text(probe.h_GetResourceHandle()), L"Deutsch (Schweiz)");

    manager->v_Unregister(&solo);
    manager->v_Unregister(&other);
    manager->v_Unregister(&probe);
}

TEST_F(Manager, SwitchDestroyedWhileRegisteredLeavesTheManager)
{
    wchar_t path[MAX_PATH] = {};
    {
        Switch probe("UilmProbe");
        manager->v_Register(&probe);
        EXPECT_EQ(manager->n_GetSwitchCount(), 1u);
        ASSERT_NE(probe.h_GetResourceHandle(), nullptr);
        GetModuleFileNameW(probe.h_GetResourceHandle(), path, MAX_PATH);
    }
    EXPECT_EQ(manager->n_GetSwitchCount(), 0u);
    EXPECT_EQ(GetModuleHandleW(path), nullptr) << path;
}

TEST_F(Manager, SwitchWithoutModulesHoldsNothing)
{
    Switch nowhere("NoSuchLibrary");
    manager->v_Register(&nowhere);
    EXPECT_EQ(nowhere.h_GetResourceHandle(), nullptr);
    EXPECT_EQ(manager->pcco_GetLanguages()->n_GetCount(), 0u);
    manager->v_Unregister(&nowhere);
    manager->v_Register(nullptr);
    EXPECT_EQ(manager->n_GetSwitchCount(), 0u);
}

TEST(ResHandleGuard, RedirectsResourceLookupsForItsLifetimeAndRestores)
{
    HINSTANCE original = AfxGetResourceHandle();
    HMODULE module = LoadLibraryW(L"UilmProbeDEU.dll");
    ASSERT_NE(module, nullptr);
    {
        CT_ResHandleGuard guard(module);
        EXPECT_EQ(AfxGetResourceHandle(), module);
        EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(1), RT_STRING), module);
        {
            CT_ResHandleGuard inner(original);
            EXPECT_EQ(AfxGetResourceHandle(), original);
        }
        EXPECT_EQ(AfxGetResourceHandle(), module);
    }
    EXPECT_EQ(AfxGetResourceHandle(), original);
    FreeLibrary(module);
}

} // namespace
