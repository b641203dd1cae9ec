// Numbers of the dialog templates that the language modules hold, of the
// items the library addresses in them, and of the modules' strings. Shared by
// the library's code and the resource scripts, so keep it to plain #defines.
#ifndef DIALOGS_TEMPLATE_IDS_H
#define DIALOGS_TEMPLATE_IDS_H

// Language chooser.
#define IDD_LANGUAGE_DIALOG      16000
#define IDC_LANGUAGE_LIST        1003

// About box.
#define IDD_ABOUT_DIALOG         16001
#define IDC_ABOUT_TEXT           1000
#define IDC_ABOUT_SMALL_PRINT    1012
#define IDC_ABOUT_MAKER_LINK     1013
#define IDC_ABOUT_PRODUCT_LINK   1014
#define IDC_ABOUT_VERSION        1031

// Tip of the Day.
#define IDD_TIP_DIALOG           16002
#define IDC_TIP_TEXT             1004
#define IDC_TIP_HEADING          1005
#define IDC_TIP_PICTURE          1006
#define IDC_TIP_SHOW_AT_STARTUP  1007
#define IDC_TIP_NEXT             1008
#define IDC_TIP_PANEL            1009

// The default action of a link, as assistive technology announces it ("Open").
#define IDS_LINK_OPEN            16100

#endif
