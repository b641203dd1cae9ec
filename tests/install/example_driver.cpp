// Plays the user of the guide's examples (docs/examples), each a program of
// its own built against the installed library: starts the example, waits
// for its window, reads what it shows, ends it with a button, Esc or the
// close box, and checks what the program did then.
//
//   example_driver.exe EXAMPLE FOLDER    FOLDER holds EXAMPLE.exe
//
// Exit code 0 when the example behaved as the guide says; 1 with the reason
// printed. The waits only guard against a hang: nothing is timed.
#include "ShownDialog.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const DWORD kPatienceMs = 60000;
const DWORD kPollMs = 50;

struct Failure {
    std::string reason;
};

void check(bool condition, const char* reason)
{
    if (!condition)
        throw Failure{reason};
}

std::wstring g_Folder;

// Waits until `condition` holds; fails with `reason` when it never does.
template <typename Condition>
void waitFor(Condition condition, const char* reason)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (condition())
            return;
        Sleep(kPollMs);
    }
    throw Failure{reason};
}

class Example {
public:
    // Starts FOLDER\name.exe in `workingFolder` (FOLDER when empty).
    explicit Example(const wchar_t* name, const std::wstring& workingFolder = std::wstring())
    {
        std::wstring command = L"\"" + g_Folder + L"\\" + name + L".exe\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        const std::wstring folder = workingFolder.empty() ? g_Folder : workingFolder;
        check(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                             &process_) != 0,
              "the example could not be started");
    }

    ~Example()
    {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // The shown dialog box with that caption (any with none), once it is up.
    HWND dialog(const wchar_t* caption = nullptr) const
    {
        for (DWORD waited = 0; waited < kPatienceMs && running(); waited += kPollMs) {
            if (HWND found = findShownDialog(process_.dwThreadId, caption)) {
                // Answered from its message loop: its start-up is over.
                DWORD_PTR answer = 0;
                SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &answer);
                return found;
            }
            Sleep(kPollMs);
        }
        throw Failure{"the example's dialog never appeared"};
    }

    // A visible top-level window of the example that `test` accepts.
    template <typename Test>
    HWND window(Test test, const char* missing) const
    {
        for (DWORD waited = 0; waited < kPatienceMs && running(); waited += kPollMs) {
            Search<Test> search{test, nullptr};
            EnumThreadWindows(process_.dwThreadId, take<Test>, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            Sleep(kPollMs);
        }
        throw Failure{missing};
    }

    // The program's exit code once it has ended.
    DWORD exitCode() const
    {
        waitFor([&] { return !running(); }, "the example did not end");
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    // Ends without showing any dialog box on the way.
    void endsWithoutDialog() const
    {
        for (DWORD waited = 0; waited < kPatienceMs && running(); waited += kPollMs) {
            check(!findShownDialog(process_.dwThreadId), "the example showed a dialog where it should not");
            Sleep(kPollMs);
        }
        endsCleanly();
    }

    // A program that ran no message loop of its own (InitInstance returned
    // FALSE) ends with the framework's ExitInstance code, the wParam of the
    // last message its dialogs pumped; an exception's code means it crashed.
    void endsCleanly() const { check(exitCode() < 0xC0000000, "the example crashed"); }

private:
    template <typename Test>
    struct Search {
        Test test;
        HWND found;
    };

    template <typename Test>
    static BOOL CALLBACK take(HWND window, LPARAM data)
    {
        auto* search = reinterpret_cast<Search<Test>*>(data);
        if (!IsWindowVisible(window) || !search->test(window))
            return TRUE;
        search->found = window;
        return FALSE;
    }

    PROCESS_INFORMATION process_ = {};
};

// As a user clicks it; the example's own thread handles the click.
void press(HWND dialog, int id)
{
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void pressEscapeKey(HWND dialog)
{
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
}

BOOL CALLBACK collectText(HWND child, LPARAM texts)
{
    reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(windowText(child));
    return TRUE;
}

// The texts of a message box (or any dialog) and its items.
bool showsText(HWND dialog, const std::wstring& text)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&texts));
    for (const std::wstring& shown : texts)
        if (_wcsicmp(shown.c_str(), text.c_str()) == 0)
            return true;
    return false;
}

std::wstring settingsValue(const std::wstring& file, const wchar_t* key)
{
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Tips", key, L"", value, 64, file.c_str());
    return value;
}

void runSplash()
{
    Example example(L"splash");
    HWND splash = example.window(
        [](HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; },
        "the splash never appeared");
    // A click on the splash, as the system posts it to the program's queue.
    PostMessageW(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    waitFor([&] { return !IsWindow(splash); }, "the splash did not close");
    HWND main = example.window([](HWND window) { return windowText(window) == L"Splash example"; },
                               "the main window never appeared");
    pressCloseBox(main);
    check(example.exitCode() == 0, "the message loop did not end with the main window's 0");
}

void runAbout()
{
    Example example(L"about");
    HWND about = example.dialog(L"About Example Host");
    check(itemText(about, 1031) == L"Version 2.1 (Build 57)", "the version line is not the host's");
    check(itemText(about, 1000) == L"Example Host, a host of Dialogs.dll", "string 10012 is not shown");
    check(itemText(about, 1012) == L"Copyright \u00A9 2026 Example Software. All rights reserved.",
          "string 10006 is not shown");
    pressEscapeKey(about);
    example.endsCleanly();
}

const wchar_t* const kTips[] = {
    L"Press F1 anywhere for help on what you see.",
    L"Reports are saved in the folder you chose last.",
    L"Untick \"Show tips at startup\" and press OK to start without tips.",
};

// The tip shown, the check box, and the settings each run leaves behind.
void runTipOfTheDay()
{
    const std::wstring settings = g_Folder + L"\\tips.ini";
    DeleteFileW(settings.c_str());
    {
        Example first(L"tip_of_the_day");
        HWND tips = first.dialog(L"Tip of the Day");
        check(itemText(tips, 1004) == kTips[0], "the first run does not start with tip 0");
        check(isChecked(tips, 1007), "the first run does not show the start-up choice ticked");
        press(tips, 1008);
        waitFor([&] { return itemText(tips, 1004) == kTips[1]; }, "Next Tip did not show tip 1");
        press(tips, 1007);
        waitFor([&] { return !isChecked(tips, 1007); }, "the check box did not untick");
        pressEscapeKey(tips);
        first.endsCleanly();
    }
    check(settingsValue(settings, L"LastTip") == L"1", "the tip shown last was not kept");
    check(settingsValue(settings, L"ShowAtStartup") == L"1", "Esc changed the start-up choice");
    {
        Example second(L"tip_of_the_day");
        HWND tips = second.dialog(L"Tip of the Day");
        check(itemText(tips, 1004) == kTips[2], "the second run does not go on with tip 2");
        press(tips, 1007);
        waitFor([&] { return !isChecked(tips, 1007); }, "the check box did not untick");
        press(tips, IDOK);
        second.endsCleanly();
    }
    check(settingsValue(settings, L"LastTip") == L"2", "the tip shown last was not kept");
    check(settingsValue(settings, L"ShowAtStartup") == L"0", "OK did not keep the unticked check box");
    Example third(L"tip_of_the_day");
    third.endsWithoutDialog();
}

struct HostLanguage {
    unsigned id;
    const wchar_t* title;
    const wchar_t* answer;
};

const HostLanguage kGerman = {0x0407, L"Beispielprogramm", L"Die Benutzeroberfl\u00E4che ist jetzt deutsch."};
const HostLanguage kEnglish = {0x0409, L"Example Host", L"The user interface is in English now."};

// Picks another language than the current one in the list, as a user does
// (German, or English in a German session), confirms, and reads the host's
// answer in its new language.
void runLanguage()
{
    const unsigned kJapanese = 0x0411;
    Example example(L"language");
    HWND chooser = example.dialog();
    HWND list = GetDlgItem(chooser, 1003);
    const LRESULT current = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const bool germanSession =
        current != CB_ERR && static_cast<unsigned>(SendMessageW(list, CB_GETITEMDATA, current, 0)) == kGerman.id;
    const HostLanguage& wanted = germanSession ? kEnglish : kGerman;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    LRESULT entry = CB_ERR;
    for (LRESULT i = 0; i < count; ++i) {
        const unsigned language = static_cast<unsigned>(SendMessageW(list, CB_GETITEMDATA, i, 0));
        check(language != kJapanese, "Japanese is offered though the host has no texts in it");
        if (language == wanted.id)
            entry = i;
    }
    check(entry != CB_ERR, "the language to switch to is not offered");
    std::printf("language: switching to 0x%04X\n", wanted.id);
    SendMessageW(list, CB_SETCURSEL, entry, 0);
    press(chooser, IDOK);
    HWND answer = example.dialog(wanted.title);
    check(showsText(answer, wanted.answer), "the host's answer is not in its texts of the new language");
    press(answer, IDOK);
    example.endsCleanly();
}

// Whether the shell has selected an item of the folder tree and kept it a
// while. The items cannot be read from another process; the selection is
// what OK hands back.
bool selectsAFolder(HWND tree)
{
    const DWORD kSelectionPatienceMs = 15000;
    HTREEITEM selected = nullptr;
    int steady = 0;
    for (DWORD waited = 0; waited < kSelectionPatienceMs && steady < 10; waited += kPollMs) {
        Sleep(kPollMs);
        HTREEITEM now = treeItem(tree, TVGN_CARET, nullptr);
        steady = now && now == selected ? steady + 1 : 0;
        selected = now;
    }
    return steady >= 10;
}

// Starts the example in a folder of its own; the browse opens there, and OK
// hands that folder back. The folder lies on the prefix's drive C:, whose
// tree Wine's shell shows (its Z: drive, the Unix root, it cannot read).
// Now and then Wine's shell leaves the tree without any selection, as if it
// had not found the folder: the browse is then cancelled, which must end the
// example without an answer, and the example started again.
void runSelectDirectory()
{
    wchar_t temporary[MAX_PATH] = {};
    check(GetTempPathW(MAX_PATH, temporary) != 0, "no folder for temporary files");
    const std::wstring reports = std::wstring(temporary) + L"reports";
    CreateDirectoryW(reports.c_str(), nullptr);
    for (int attempt = 1;; ++attempt) {
        Example example(L"select_directory", reports);
        HWND browse = example.dialog();
        HWND tree = FindWindowExW(browse, nullptr, WC_TREEVIEWW, nullptr);
        check(tree != nullptr, "the folder dialog has no tree");
        const int button = selectsAFolder(tree) ? IDOK : IDCANCEL;
        PostMessageW(browse, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(browse, button)));
        if (button == IDCANCEL) {
            check(attempt < 3, "the folder dialog selected no folder");
            std::printf("the shell selected no folder: cancelled, and the example started again\n");
            waitFor([&] { return !IsWindow(browse); }, "Cancel did not close the folder dialog");
            example.endsWithoutDialog();
            continue;
        }
        HWND answer = example.dialog(L"Reports go to");
        check(showsText(answer, reports),
              "the folder dialog did not open on the current folder, or OK did not hand it back");
        press(answer, IDOK);
        example.endsCleanly();
        return;
    }
}

BOOL CALLBACK takePictureWindow(HWND child, LPARAM found)
{
    RECT client;
    GetClientRect(child, &client);
    if (GetDlgCtrlID(child) == 0 && client.right == 64 && client.bottom == 64)
        *reinterpret_cast<HWND*>(found) = child;
    return TRUE;
}

void runControls()
{
    Example example(L"controls");
    HWND dialog = example.dialog(L"Controls of Dialogs.dll");
    HWND picture = nullptr;
    EnumChildWindows(dialog, takePictureWindow, reinterpret_cast<LPARAM>(&picture));
    check(picture != nullptr, "the DIB window is not in the dialog at the picture's size");
    check(itemText(dialog, 401) == L"https://www.example.com/", "the text link is missing");
    pressCloseBox(dialog);
    example.endsCleanly();
}

struct Scenario {
    const wchar_t* example;
    void (*run)();
};

const Scenario kScenarios[] = {
    {L"splash", runSplash},
    {L"about", runAbout},
    {L"tip_of_the_day", runTipOfTheDay},
    {L"language", runLanguage},
    {L"select_directory", runSelectDirectory},
    {L"controls", runControls},
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::printf("usage: example_driver EXAMPLE FOLDER\n");
        return 2;
    }
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(argv[2], MAX_PATH, folder, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        std::printf("the examples' folder is not usable\n");
        return 2;
    }
    g_Folder = folder;
    for (const Scenario& scenario : kScenarios) {
        if (wcscmp(scenario.example, argv[1]) != 0)
            continue;
        try {
            scenario.run();
        } catch (const Failure& failure) {
            std::printf("%ls: FAILED: %s\n", argv[1], failure.reason.c_str());
            return 1;
        }
        std::printf("%ls: ran as the guide says\n", argv[1]);
        return 0;
    }
    std::printf("no example %ls\n", argv[1]);
    return 2;
}
