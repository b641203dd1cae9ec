// Numbers of the demo host's own texts, kept in its language modules
// DialogsDemoENU.dll, DialogsDemoDEU.dll and DialogsDemoJPN.dll beside the
// texts of its About box (AboutResources.h) and its tips (TipResources.h).
// Strings are stored in blocks of 16 numbers: these use 96-127 only.
#pragma once

#define IDS_DEMO_TITLE            100
#define IDS_DEMO_MENU_DIALOGS     101
#define IDS_DEMO_MENU_EXIT        102
// Format: the library's version and build.
#define IDS_DEMO_WELCOME          103
#define IDS_DEMO_FOLDER_TITLE     104
// Format: the folder chosen.
#define IDS_DEMO_FOLDER_CHOSEN    105
#define IDS_DEMO_FOLDER_NONE      106
// Format: the language asked for, the language kept.
#define IDS_DEMO_LANGUAGE_MISSING 107
// Format: version, build, handle and file of the library.
#define IDS_DEMO_IDENTITY         108
// The menu entries, in the order of g_DemoActions.
#define IDS_DEMO_ACTION_FIRST     112
