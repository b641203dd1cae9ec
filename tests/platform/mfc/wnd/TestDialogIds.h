// Dialog templates of MfcTestDialogs.dll and their controls.
#pragma once

#define IDD_EXCHANGE 100   // data exchange: check box, text, number, combo boxes, link
#define IDD_PLAIN 101      // OK and Cancel only
#define IDD_BROKEN 102     // names a control class that does not exist
#define IDD_MISSING 199    // in no module

#define IDC_CHECK 1001
#define IDC_TEXT 1002
#define IDC_COMBO 1003
#define IDC_LINK 1004
#define IDC_NUMBER 1005
#define IDC_COMBOEX 1006
#define IDC_LABEL 1007
