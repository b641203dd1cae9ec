// Plays the user of the shell's folder-browse dialog from a second thread:
// waits for the dialog that a thread opens, reads what it shows, then presses
// OK or Cancel.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct BrowseWindowView {
    bool opened = false;
    std::vector<std::wstring> selection;   // the selected tree item, then its parents to the top
    std::wstring top;                      // the first item of the tree
    std::vector<std::wstring> texts;       // texts of the visible static controls
};

class BrowseWindowWatcher {
public:
    // `button` is IDOK or IDCANCEL; watching starts at once. With
    // `expectSelection` the watcher waits for the tree to show a selection
    // before it reads the dialog (the shell may fill the tree in late).
    BrowseWindowWatcher(DWORD threadId, int button, bool expectSelection = false);
    ~BrowseWindowWatcher();
    BrowseWindowWatcher(const BrowseWindowWatcher&) = delete;
    BrowseWindowWatcher& operator=(const BrowseWindowWatcher&) = delete;

    // Call once the browse has returned: stops watching, tells what was seen.
    BrowseWindowView finish();

private:
    void run();

    DWORD threadId_;
    int button_;
    bool expectSelection_;
    std::atomic<bool> stop_{false};
    BrowseWindowView view_;
    std::thread thread_;
};
