// The directory chooser opened and answered again and again in one process:
// the shell's dialog is slow under Wine, so fewer rounds than the others.
#include <afxwin.h>

#include "BrowseWindowWatcher.h"
#include "LeakCounts.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace {

const int kRounds = 20;

class FolderSoak : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = std::wstring(temp) + L"DialogsSoak" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        // Wine's shell may not yet know a folder made a moment ago when its
        // dialog first looks the folder up, and then drops the selection;
        // one look-up here makes it known.
        PIDLIST_ABSOLUTE known = nullptr;
        SFGAOF attributes = 0;
        if (SUCCEEDED(SHParseDisplayName(folder_.c_str(), nullptr, &known, 0, &attributes)))
            CoTaskMemFree(known);
    }
    void TearDown() override
    {
        RemoveDirectoryW(folder_.c_str());
        CoUninitialize();
    }

    std::wstring folder_;
};

TEST_F(FolderSoak, ChooseAFolderAndCancel)
{
    const CT_UString title(L"Pick the soak folder");
    const CT_UString initial(folder_.c_str());
    int round = 0;
    soak("Directory chooser", kRounds, [&] {
        // Every second round is cancelled, which keeps the earlier result.
        const int button = round++ % 2 ? IDCANCEL : IDOK;
        CT_SelectDirectory chooser(&title, &initial, nullptr);
        BrowseWindowWatcher watcher(GetCurrentThreadId(), button, true);
        const int chose = chooser.b_Browse();
        const BrowseWindowView view = watcher.finish();
        ASSERT_TRUE(view.opened);
        ASSERT_EQ(chose, button == IDOK);
        ASSERT_EQ(std::wstring(chooser.pco_GetResult()->qcuz_Get()), button == IDOK ? folder_ : L"");
    });
}

} // namespace
