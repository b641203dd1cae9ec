// The folder chooser as a host uses it: the shell's real browse dialog is
// opened, read and closed with OK or Cancel by a second thread, on real
// folders under the temporary directory.
#include <afxwin.h>

#include "BrowseWindowWatcher.h"
#include "DAZ32.h"
#include "HostHeap.h"
#include "ShellSpy.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// What the object keeps, as a host class derived from it sees it.
class Probe : public CT_SelectDirectory {
public:
    using CT_SelectDirectory::CT_SelectDirectory;
    using CT_SelectDirectory::co_InitialFolder;
    using CT_SelectDirectory::co_Result;
    using CT_SelectDirectory::i_Image;
    using CT_SelectDirectory::pcco_Root;
    using CT_SelectDirectory::pcco_Title;
};

std::wstring text(const CT_UString& string)
{
    return string.qcuz_Get();
}

struct Outcome {
    int result;
    BrowseWindowView view;
};

// One browse, with `button` pressed in the dialog if one opens.
Outcome browse(CT_SelectDirectory& chooser, int button)
{
    // A chooser with an initial folder has the shell select it.
    const Probe* probe = dynamic_cast<const Probe*>(&chooser);
    const bool expectSelection = probe && probe->co_InitialFolder.vn_GetLength() > 0;
    BrowseWindowWatcher watcher(GetCurrentThreadId(), button, expectSelection);
    const int result = chooser.b_Browse();
    return {result, watcher.finish()};
}

// The shell's own dialog with the chooser's flags and nothing preselected.
BrowseWindowView shellDefault()
{
    wchar_t name[MAX_PATH] = {};
    BROWSEINFOW info = {};
    info.pszDisplayName = name;
    info.lpszTitle = L"Default";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    BrowseWindowWatcher watcher(GetCurrentThreadId(), IDCANCEL);
    CoTaskMemFree(SHBrowseForFolderW(&info));
    return watcher.finish();
}

ULONG references(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

TEST(SelectDirectoryObject, ConstructionKeepsTheCallersPointersAndCopiesTheInitialFolder)
{
    CT_UString title(L"Title"), initial(L"C:\\start"), root(L"C:\\");
    Probe chooser(&title, &initial, &root);
    EXPECT_EQ(chooser.pcco_Title, &title);
    EXPECT_EQ(chooser.pcco_Root, &root);
    EXPECT_EQ(text(chooser.co_InitialFolder), L"C:\\start");
    EXPECT_NE(chooser.co_InitialFolder.qcuz_Get(), initial.qcuz_Get());
    EXPECT_EQ(chooser.pco_GetResult(), &chooser.co_Result);
    EXPECT_EQ(chooser.pco_GetResult()->vn_GetLength(), 0u);
    EXPECT_EQ(chooser.i_Image, -1);

    initial.v_Set(L"changed", static_cast<unsigned>(-1));
    EXPECT_EQ(text(chooser.co_InitialFolder), L"C:\\start");

    Probe bare(&title, nullptr, nullptr);
    EXPECT_EQ(bare.co_InitialFolder.vn_GetLength(), 0u);
    EXPECT_EQ(bare.pcco_Root, nullptr);
}

TEST(SelectDirectoryObject, AssignmentAndCopyTakeEveryMember)
{
    CT_UString titleA(L"A"), titleB(L"B"), initial(L"C:\\a"), root(L"C:\\");
    Probe source(&titleA, &initial, &root);
    source.co_Result.v_Set(L"C:\\chosen", static_cast<unsigned>(-1));
    source.i_Image = 7;

    Probe target(&titleB, nullptr, nullptr);
    EXPECT_EQ(&(target = source), &target);
    Probe copy(source);
    for (const Probe* p : {&target, &copy}) {
        EXPECT_EQ(p->pcco_Title, &titleA);
        EXPECT_EQ(p->pcco_Root, &root);
        EXPECT_EQ(text(p->co_Result), L"C:\\chosen");
        EXPECT_EQ(text(p->co_InitialFolder), L"C:\\a");
        EXPECT_EQ(p->i_Image, 7);
    }
    source.co_Result.v_Set(L"other", static_cast<unsigned>(-1));
    EXPECT_EQ(text(target.co_Result), L"C:\\chosen");

    target = target;
    EXPECT_EQ(text(target.co_Result), L"C:\\chosen");
}

TEST(SelectDirectoryObject, VSetEmptiesTheResultAndKeepsTheInitialFolderWhenGivenNull)
{
    CT_UString title(L"T"), other(L"U"), initial(L"C:\\first"), next(L"C:\\next"), root(L"C:\\");
    Probe chooser(&title, &initial, &root);
    chooser.co_Result.v_Set(L"C:\\chosen", static_cast<unsigned>(-1));

    chooser.v_Set(&other, nullptr, nullptr);
    EXPECT_EQ(chooser.pcco_Title, &other);
    EXPECT_EQ(chooser.pcco_Root, nullptr);
    EXPECT_EQ(text(chooser.co_InitialFolder), L"C:\\first");
    EXPECT_EQ(chooser.pco_GetResult()->vn_GetLength(), 0u);

    chooser.v_Set(&title, &next, &root);
    EXPECT_EQ(text(chooser.co_InitialFolder), L"C:\\next");
    EXPECT_EQ(chooser.pcco_Root, &root);
}

TEST(SelectDirectoryObject, AHostsNewAndDeleteUseTheLibrarysAllocator)
{
    CT_UString title(L"T"), initial(L"C:\\x");
    const long host = hostLiveBlocks();
    CT_SelectDirectory* chooser = new CT_SelectDirectory(&title, &initial, nullptr);
    ASSERT_NE(chooser, nullptr);
    const long library = DAZ_GetLiveBlockCount();
    delete chooser;   // the deleting destructor runs in Dialogs.dll
    EXPECT_LT(DAZ_GetLiveBlockCount(), library);   // the object and its strings
    EXPECT_EQ(hostLiveBlocks(), host);

    const long before = DAZ_GetLiveBlockCount();
    DAZ_FailAllocationsAfter(0);
    EXPECT_EQ(new CT_SelectDirectory(&title, &initial, nullptr), nullptr);
    DAZ_FailAllocationsAfter(-1);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    EXPECT_EQ(hostLiveBlocks(), host);
}

// Real folders <temp>\SelectDirectoryTest<pid>\alpha\beta, COM set up as a
// host sets it up, and the spy between the library and the shell.
class SelectDirectoryBrowse : public ::testing::Test {
public:
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_TRUE(spy_.ok());
        ASSERT_TRUE(SUCCEEDED(SHGetDesktopFolder(&desktop_)));
        desktopReferences_ = references(desktop_);
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        base_ = std::wstring(temp) + L"SelectDirectoryTest" + std::to_wstring(GetCurrentProcessId());
        alpha_ = base_ + L"\\alpha";
        beta_ = alpha_ + L"\\beta";
        for (const std::wstring& folder : {base_, alpha_, beta_})
            ASSERT_TRUE(makeFolder(folder));
    }

    void TearDown() override
    {
        for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder)
            RemoveDirectoryW((L"\\\\?\\" + *folder).c_str());
        if (desktop_)
            desktop_->Release();
        CoUninitialize();
    }

    bool makeFolder(const std::wstring& path)
    {
        if (!CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr))
            return false;
        made_.push_back(path);
        // Wine's shell may not yet know a folder made a moment ago when the
        // browse dialog first looks it up, and then drops the selection;
        // looking it up once here makes the shell know it.
        PIDLIST_ABSOLUTE known = nullptr;
        SFGAOF attributes = 0;
        if (path.size() < MAX_PATH && SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &known, 0, &attributes)))
            CoTaskMemFree(known);
        return true;
    }

    // Every item identifier list the library took went back through the
    // shell's allocator, and the allocator and desktop folder were released.
    void expectEverythingGivenBack()
    {
        EXPECT_EQ(spy_.mallocReferences(), 0);
        EXPECT_EQ(references(desktop_), desktopReferences_);
        size_t lists = 0;
        for (const void* list : {spy_.chosen, static_cast<const void*>(spy_.handed.pidlRoot)}) {
            if (list) {
                ++lists;
                EXPECT_TRUE(spy_.wasFreed(list));
            }
        }
        EXPECT_EQ(spy_.freed.size(), lists);
    }

    CT_UString title_{L"Pick a test folder"};
    ShellSpy spy_;
    IShellFolder* desktop_ = nullptr;
    ULONG desktopReferences_ = 0;
    std::wstring base_, alpha_, beta_;
    std::vector<std::wstring> made_;
};

TEST_F(SelectDirectoryBrowse, OpensOnTheInitialFolderAndReturnsTheChosenPath)
{
    CT_UString initial(beta_.c_str());
    Probe chooser(&title_, &initial, nullptr);
    const Outcome o = browse(chooser, IDOK);

    ASSERT_TRUE(o.view.opened);
    ASSERT_GE(o.view.selection.size(), 2u);
    EXPECT_EQ(o.view.selection[0], L"beta");
    EXPECT_EQ(o.view.selection[1], L"alpha");
    EXPECT_NE(std::find(o.view.texts.begin(), o.view.texts.end(), L"Pick a test folder"), o.view.texts.end());

    EXPECT_EQ(o.result, TRUE);
    EXPECT_EQ(text(*chooser.pco_GetResult()), beta_);
    EXPECT_EQ(chooser.i_Image, spy_.reportedImage);
    EXPECT_GE(chooser.i_Image, 0);

    EXPECT_EQ(spy_.browseCalls, 1);
    EXPECT_EQ(spy_.handed.hwndOwner, nullptr);
    EXPECT_EQ(spy_.handed.pidlRoot, nullptr);
    EXPECT_NE(spy_.handed.pszDisplayName, nullptr);
    EXPECT_EQ(spy_.title, L"Pick a test folder");
    EXPECT_EQ(spy_.handed.ulFlags, 9u);
    EXPECT_EQ(spy_.handed.lpfn, &CT_SelectDirectory::si_BrowseCtrlCallback);
    EXPECT_EQ(spy_.handed.lParam, reinterpret_cast<LPARAM>(&chooser));
    EXPECT_EQ(spy_.handed.iImage, 0);
    ASSERT_EQ(spy_.selections.size(), 1u);
    EXPECT_EQ(spy_.selections[0].first, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(spy_.selections[0].second, beta_);
    EXPECT_EQ(spy_.desktopCalls, 0);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, OneTrailingSeparatorIsRemovedBeforeTheDialogOpens)
{
    const std::wstring drive = beta_.substr(0, 3);   // "C:\"
    struct Case {
        std::wstring given, handed, shown;
    };
    const Case cases[] = {
        {beta_ + L"\\", beta_, L"beta"},
        {beta_ + L"/", beta_, L"beta"},
        {beta_ + L"\\\\", beta_ + L"\\", L"beta"},
        {drive, drive.substr(0, 2), drive.substr(0, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        spy_.forget();
        CT_UString initial(c.given.c_str());
        Probe chooser(&title_, &initial, nullptr);
        const Outcome o = browse(chooser, IDCANCEL);

        EXPECT_EQ(o.result, FALSE);
        EXPECT_EQ(text(chooser.co_InitialFolder), c.handed);
        EXPECT_EQ(text(initial), c.given);
        ASSERT_EQ(spy_.selections.size(), 1u);
        EXPECT_EQ(spy_.selections[0].second, c.handed);
        ASSERT_FALSE(o.view.selection.empty());
        EXPECT_NE(o.view.selection[0].find(c.shown), std::wstring::npos) << o.view.selection[0];
        expectEverythingGivenBack();
    }
}

TEST_F(SelectDirectoryBrowse, WithoutAnInitialFolderTheDialogKeepsItsDefault)
{
    const BrowseWindowView shell = shellDefault();
    ASSERT_TRUE(shell.opened);
    const CT_UString empty;
    for (const CT_UString* initial : {static_cast<const CT_UString*>(nullptr), &empty}) {
        spy_.forget();
        CT_SelectDirectory chooser(&title_, initial, nullptr);
        const Outcome o = browse(chooser, IDCANCEL);
        EXPECT_TRUE(o.view.opened);
        EXPECT_EQ(o.result, FALSE);
        EXPECT_TRUE(spy_.selections.empty());
        EXPECT_EQ(o.view.selection, shell.selection);
        EXPECT_EQ(o.view.top, shell.top);
        expectEverythingGivenBack();
    }
}

TEST_F(SelectDirectoryBrowse, AnEmptyRootActsAsNoRoot)
{
    const BrowseWindowView shell = shellDefault();
    const CT_UString empty;
    CT_SelectDirectory chooser(&title_, nullptr, &empty);
    const Outcome o = browse(chooser, IDCANCEL);
    EXPECT_TRUE(o.view.opened);
    EXPECT_EQ(spy_.handed.pidlRoot, nullptr);
    EXPECT_EQ(spy_.desktopCalls, 0);
    EXPECT_FALSE(o.view.top.empty());
    EXPECT_EQ(o.view.top, shell.top);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, ARootBecomesTheTopOfTheTree)
{
    CT_UString initial(beta_.c_str()), root(base_.c_str());
    CT_SelectDirectory chooser(&title_, &initial, &root);
    const Outcome o = browse(chooser, IDOK);
    ASSERT_TRUE(o.view.opened);
    EXPECT_EQ(o.view.top, base_.substr(base_.rfind(L'\\') + 1));
    ASSERT_FALSE(o.view.selection.empty());
    EXPECT_EQ(o.view.selection.front(), L"beta");
    EXPECT_EQ(o.view.selection.back(), o.view.top);
    EXPECT_EQ(o.result, TRUE);
    EXPECT_EQ(text(*chooser.pco_GetResult()), beta_);
    EXPECT_NE(spy_.handed.pidlRoot, nullptr);
    EXPECT_EQ(spy_.desktopCalls, 1);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, ARootThatDoesNotExistReturnsFalseWithoutADialog)
{
    CT_UString initial(beta_.c_str()), root((base_ + L"\\missing").c_str());
    Probe chooser(&title_, &initial, &root);
    chooser.co_Result.v_Set(L"C:\\earlier", static_cast<unsigned>(-1));
    const Outcome o = browse(chooser, IDOK);
    EXPECT_EQ(o.result, FALSE);
    EXPECT_FALSE(o.view.opened);
    EXPECT_EQ(spy_.browseCalls, 0);
    EXPECT_EQ(text(chooser.co_Result), L"C:\\earlier");
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, ARootLongerThanAPathBufferIsRefusedWithoutADialog)
{
    // A real folder whose path fills the buffer but for its terminator.
    std::wstring longest = base_ + L"\\";
    longest.append(MAX_PATH - 1 - longest.size(), L'x');
    ASSERT_TRUE(makeFolder(longest));

    CT_UString fits(longest.c_str());
    CT_SelectDirectory chooser(&title_, nullptr, &fits);
    const Outcome opened = browse(chooser, IDCANCEL);
    EXPECT_TRUE(opened.view.opened);
    EXPECT_NE(spy_.handed.pidlRoot, nullptr);
    expectEverythingGivenBack();

    // The same folder with a separator, and a very long name: one unit too
    // many for the buffer is enough to refuse.
    const CT_UString oneTooMany((longest + L"\\").c_str());
    const CT_UString huge(std::wstring(4000, L'y').c_str());
    for (const CT_UString* root : {&oneTooMany, &huge}) {
        spy_.forget();
        chooser.v_Set(&title_, nullptr, root);
        const Outcome refused = browse(chooser, IDCANCEL);
        EXPECT_EQ(refused.result, FALSE);
        EXPECT_FALSE(refused.view.opened);
        EXPECT_EQ(spy_.browseCalls, 0);
        expectEverythingGivenBack();
    }
}

TEST_F(SelectDirectoryBrowse, ANullTitleShowsTheDialogWithoutOne)
{
    CT_UString initial(beta_.c_str());
    CT_SelectDirectory chooser(nullptr, &initial, nullptr);
    const Outcome o = browse(chooser, IDOK);
    ASSERT_TRUE(o.view.opened);
    EXPECT_FALSE(spy_.titleGiven);
    for (const std::wstring& shown : o.view.texts)
        EXPECT_EQ(shown, L"");
    EXPECT_EQ(o.result, TRUE);
    EXPECT_EQ(text(*chooser.pco_GetResult()), beta_);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, CancelKeepsTheEarlierResultUntilVSetEmptiesIt)
{
    CT_UString initial(beta_.c_str());
    Probe chooser(&title_, &initial, nullptr);
    ASSERT_EQ(browse(chooser, IDOK).result, TRUE);
    const int image = chooser.i_Image;

    spy_.forget();
    const Outcome cancelled = browse(chooser, IDCANCEL);
    EXPECT_TRUE(cancelled.view.opened);
    EXPECT_EQ(cancelled.result, FALSE);
    EXPECT_EQ(text(*chooser.pco_GetResult()), beta_);
    EXPECT_EQ(chooser.i_Image, image);
    expectEverythingGivenBack();

    CT_UString again(L"Once more");
    chooser.v_Set(&again, nullptr, nullptr);
    EXPECT_EQ(chooser.pco_GetResult()->vn_GetLength(), 0u);
    spy_.forget();
    const Outcome reopened = browse(chooser, IDCANCEL);
    EXPECT_NE(std::find(reopened.view.texts.begin(), reopened.view.texts.end(), L"Once more"),
              reopened.view.texts.end());
    ASSERT_EQ(spy_.selections.size(), 1u);
    EXPECT_EQ(spy_.selections[0].second, beta_);
}

TEST_F(SelectDirectoryBrowse, WithoutTheShellsAllocatorNothingOpens)
{
    spy_.failMalloc = true;
    CT_UString initial(beta_.c_str()), root(base_.c_str());
    CT_SelectDirectory chooser(&title_, &initial, &root);
    const Outcome o = browse(chooser, IDOK);
    EXPECT_EQ(o.result, FALSE);
    EXPECT_FALSE(o.view.opened);
    EXPECT_EQ(spy_.browseCalls, 0);
    EXPECT_EQ(spy_.desktopCalls, 0);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, WithoutTheDesktopFolderTheWholeNamespaceIsOffered)
{
    spy_.failDesktop = true;
    CT_UString initial(beta_.c_str()), root(base_.c_str());
    CT_SelectDirectory chooser(&title_, &initial, &root);
    const Outcome o = browse(chooser, IDOK);
    ASSERT_TRUE(o.view.opened);
    EXPECT_EQ(spy_.desktopCalls, 1);
    EXPECT_EQ(spy_.handed.pidlRoot, nullptr);
    EXPECT_EQ(o.view.top, shellDefault().top);
    EXPECT_EQ(o.result, TRUE);
    EXPECT_EQ(text(*chooser.pco_GetResult()), beta_);
    expectEverythingGivenBack();
}

TEST_F(SelectDirectoryBrowse, AChoiceWithoutAPathKeepsTheResultButTakesTheIcon)
{
    spy_.failPath = true;
    CT_UString initial(beta_.c_str());
    Probe chooser(&title_, &initial, nullptr);
    chooser.co_Result.v_Set(L"C:\\earlier", static_cast<unsigned>(-1));
    const Outcome o = browse(chooser, IDOK);
    ASSERT_TRUE(o.view.opened);
    EXPECT_EQ(o.result, FALSE);
    EXPECT_EQ(text(chooser.co_Result), L"C:\\earlier");
    EXPECT_NE(spy_.chosen, nullptr);
    EXPECT_EQ(chooser.i_Image, spy_.reportedImage);
    EXPECT_GE(chooser.i_Image, 0);
    expectEverythingGivenBack();
}

} // namespace
