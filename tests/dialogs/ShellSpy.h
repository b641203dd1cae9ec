// Stands between Dialogs.dll and the shell while a test runs, by rewriting the
// library's imports: the test sees what the library hands to the browse
// dialog (a record the dialog never shows), counts what goes back through the
// shell's allocator, and can make one shell call fail to reach a branch that
// this desktop never takes. The real shell does all the work.
#pragma once

#include "ImportPatch.h"

#include <shlobj.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class ShellSpy {
public:
    ShellSpy();
    ~ShellSpy();
    ShellSpy(const ShellSpy&) = delete;
    ShellSpy& operator=(const ShellSpy&) = delete;

    // Every import is in place.
    bool ok() const;

    // Make SHGetMalloc, SHGetDesktopFolder or SHGetPathFromIDListW fail.
    bool failMalloc = false;
    bool failDesktop = false;
    bool failPath = false;

    // SHBrowseForFolderW: calls, the record as the library handed it (and its
    // title), what the shell returned and the icon index it left in the record.
    int browseCalls = 0;
    BROWSEINFOW handed = {};
    bool titleGiven = false;
    std::wstring title;
    const void* chosen = nullptr;
    int reportedImage = 0;

    // BFFM_SETSELECTIONW messages the library sent: wParam and path.
    std::vector<std::pair<WPARAM, std::wstring>> selections;

    int desktopCalls = 0;
    // Blocks given back through the shell's allocator, and references to it
    // that the library took and has not released.
    std::vector<const void*> freed;
    long mallocReferences() const;

    bool wasFreed(const void* block) const;
    // Forgets what was seen (not the failure switches), for another browse.
    void forget();

private:
    std::vector<std::unique_ptr<ImportPatch>> patches_;
};
