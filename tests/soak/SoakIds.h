// Resources of the soak programs: the host's pictures, texts and tips, and a
// host dialog that carries the library's controls.
#ifndef SOAK_IDS_H
#define SOAK_IDS_H

#define IDB_SOAK_PRODUCT16    201
#define IDB_SOAK_PRODUCT256   202
#define IDB_SOAK_SPLASH       203

#define IDS_SOAK_VERSION      10007
#define IDS_SOAK_CAPTION      10010
#define IDS_SOAK_PRODUCT_PAGE 10011
#define IDS_SOAK_TEXT         10012
#define IDS_SOAK_TIP_CAPTION  10200
#define IDS_SOAK_TIPS_FIRST   20000
#define IDS_SOAK_TIPS_LAST    20002

#define IDD_SOAK_HOST         300
#define IDC_SOAK_LINK         1101
#define IDC_SOAK_TEXT_LINK    1102
#define IDC_SOAK_PRODUCT      1103
#define IDC_SOAK_LOGO         1104

#endif
