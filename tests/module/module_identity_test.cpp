// The library as a host that links it sees it: identity, setters, imports.
#include <afxwin.h>

#include "DAZ32.h"
#include "LexorinUILanguageMgr.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

HMODULE dialogsModule() { return GetModuleHandleW(L"Dialogs.dll"); }

std::wstring moduleFileName(HMODULE module)
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(module, path, MAX_PATH * 4);
    return path;
}

// Restores the identity a test changes.
class Identity : public ::testing::Test {
protected:
    void TearDown() override
    {
        CT_DialogsDLLMain::sv_SetModuleName(moduleFileName(dialogsModule()).c_str());
        CT_DialogsDLLMain::sv_SetInstance(dialogsModule());
    }
};

TEST_F(Identity, LoadedLibraryKnowsItsModuleVersionAndBuild)
{
    ASSERT_NE(dialogsModule(), nullptr);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetVersion(), 7u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);
    EXPECT_EQ(CT_DialogsDLLMain::sh_GetInstance(), dialogsModule());

    const CT_UString* name = CT_DialogsDLLMain::spcco_GetModuleName();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::wstring(name->qcuz_Get()), moduleFileName(dialogsModule()));
    EXPECT_NE(std::wstring(name->qcuz_Get()), L"Dialogs");
    EXPECT_GT(name->vn_GetLength(), 12u);
    const std::wstring path = name->qcuz_Get();
    EXPECT_EQ(lstrcmpiW(path.substr(path.size() - 12).c_str(), L"\\Dialogs.dll"), 0) << path;
}

TEST_F(Identity, SettersReplaceTheNameAndInstanceButNotVersionOrBuild)
{
    CT_DialogsDLLMain::sv_SetModuleName(L"C:\\elsewhere\\Other.dll");
    EXPECT_STREQ(CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get(), L"C:\\elsewhere\\Other.dll");
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetVersion(), 7u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);

    CT_DialogsDLLMain::sv_SetModuleName(L"");
    EXPECT_EQ(CT_DialogsDLLMain::spcco_GetModuleName()->vn_GetLength(), 0u);

    HINSTANCE exe = GetModuleHandleW(nullptr);
    CT_DialogsDLLMain::sv_SetInstance(exe);
    EXPECT_EQ(CT_DialogsDLLMain::sh_GetInstance(), exe);
}

TEST_F(Identity, NoVersionRecordAndNoProductVersion)
{
    EXPECT_EQ(CT_DialogsDLLMain::spcco_GetVersion(), nullptr);
    EXPECT_EQ(CT_DialogsDLLMain::spcco_GetProductVersion(), nullptr);
}

TEST_F(Identity, AssignmentCopiesNothingAndReturnsTheObject)
{
    CT_DialogsDLLMain a, b;
    EXPECT_EQ(&(a = b), &a);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);
}

TEST_F(Identity, ThreadsComingAndGoingChangeNothing)
{
    const std::wstring name = CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get();
    const long blocks = DAZ_GetLiveBlockCount();
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] { Sleep(1); });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(std::wstring(CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get()), name);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetVersion(), 7u);
    EXPECT_EQ(CT_DialogsDLLMain::sn_GetBuild(), 320u);
    EXPECT_EQ(CT_DialogsDLLMain::sh_GetInstance(), dialogsModule());
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
}

// The import table of the loaded library, as the loader resolved it.
std::vector<ULONG_PTR> importsFrom(HMODULE module, const char* dll)
{
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<ULONG_PTR> thunks;
    for (auto* desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         desc->Name; ++desc) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), dll) != 0)
            continue;
        for (auto* t = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
             t->u1.AddressOfData; ++t)
            thunks.push_back(t->u1.Ordinal);
    }
    return thunks;
}

TEST(Allocator, LibraryImportsDaz32ByOrdinalOnly)
{
    std::vector<ULONG_PTR> thunks = importsFrom(dialogsModule(), "DAZ32.DLL");
    ASSERT_EQ(thunks.size(), 2u);
    for (ULONG_PTR thunk : thunks)
        EXPECT_TRUE(IMAGE_SNAP_BY_ORDINAL(thunk)) << std::hex << thunk;
    std::vector<ULONG_PTR> ordinals;
    for (ULONG_PTR thunk : thunks)
        ordinals.push_back(IMAGE_ORDINAL(thunk));
    std::sort(ordinals.begin(), ordinals.end());
    EXPECT_EQ(ordinals, (std::vector<ULONG_PTR>{250, 251}));
}

TEST(LanguageSwitch, LibraryIsRegisteredWithItsEnglishModule)
{
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    EXPECT_GE(manager->n_GetSwitchCount(), 1u);
    unsigned english = 0x0409;
    EXPECT_NE(manager->pcco_GetLanguages()->n_Find(&english), 0u);
    EXPECT_EQ(manager->n_GetLanguage(), english);

    HMODULE module = GetModuleHandleW(L"DialogsENU.dll");
    ASSERT_NE(module, nullptr);
    std::wstring path = moduleFileName(module);
    std::wstring folder = moduleFileName(dialogsModule());
    folder.resize(folder.find_last_of(L"\\/") + 1);
    EXPECT_EQ(path, folder + L"DialogsENU.dll");
}

} // namespace
