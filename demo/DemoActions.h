// What the demo host's menu offers. Each dialog of the library has its own
// file that shows it; the table in DemoActions.cpp lists them in menu order.
#pragma once

#include <windows.h>

#include <string>

struct DemoAction {
    const wchar_t* text;        // menu text when the language module has none
    void (*run)(HWND mainWindow);
};

// The actions, ended by an entry with a null text.
extern const DemoAction g_DemoActions[];

// Shows what the library says of itself.
void v_DemoShowIdentity(HWND mainWindow);

// Asks for a folder, starting at the one chosen last, and shows the answer.
void v_DemoChooseFolder(HWND mainWindow);

// Shows the next tip and keeps the user's choices for the next run.
void v_DemoShowTipOfTheDay(HWND mainWindow);
// The same at start-up, unless the user turned start-up tips off.
void v_DemoShowTipAtStartup(HWND mainWindow);

// The file that keeps the user's tip settings: DialogsDemo.ini in %APPDATA%,
// else beside the program.
std::wstring co_DemoSettingsFile();

// Shows the demo's About box.
void v_DemoShowAbout(HWND mainWindow);

// Lets the user choose the language of the user interface and switches to it.
void v_DemoChooseLanguage(HWND mainWindow);
// Switches the library and the demo to `language`; FALSE, and nothing
// changed, when either has no texts in it.
BOOL b_DemoSwitchLanguage(unsigned language);

// Shows the library's four controls in a window of the demo's own.
void v_DemoShowControls(HWND mainWindow);

// An action's answer to the user: a message box under the demo's title.
void v_DemoTell(HWND mainWindow, const wchar_t* message);
