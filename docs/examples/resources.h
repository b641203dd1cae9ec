// Numbers of the examples' own resources. The About box and the Tip of the
// Day read fixed string numbers (10006 to 10012, 10200); the rest are the
// host's to choose.
#pragma once

// splash.rc
#define IDB_SPLASH              100

// about.rc: the strings the About box reads, and the product pictures.
#define IDS_ABOUT_SMALL_PRINT   10006   // from the application's language module
#define IDS_ABOUT_VERSION       10007   // format: version text (%s), then build (%u)
#define IDS_ABOUT_CAPTION       10010
#define IDS_ABOUT_PRODUCT_PAGE  10011   // link target when the record names none
#define IDS_ABOUT_TEXT          10012
#define IDB_PRODUCT16           201     // for a 16-colour display
#define IDB_PRODUCT256          202     // for every other display

// tip_of_the_day.rc: the caption and a range of tips.
#define IDS_TIP_CAPTION         10200
#define IDS_TIP_FIRST           11000
#define IDS_TIP_LAST            11003

// language_ENU.rc, language_DEU.rc: the host's own texts in each language.
#define IDS_LANGUAGE_TITLE      300
#define IDS_LANGUAGE_NOW        301

// controls.rc: a dialog of the host's with the four controls.
#define IDD_CONTROLS            400
#define IDC_TEXT_LINK           401
#define IDC_PICTURE_LINK        402
#define IDC_STAMP               403
#define IDC_DIB_PLACE           404
#define IDB_STAMP               410
