// The demo host's product pictures for its About box and the numbers of
// its texts, kept in its language modules.
#pragma once

#define IDS_DEMO_ABOUT_SMALL_PRINT   10006
#define IDS_DEMO_ABOUT_VERSION       10007
#define IDS_DEMO_ABOUT_CAPTION       10010
#define IDS_DEMO_ABOUT_PRODUCT_PAGE  10011
#define IDS_DEMO_ABOUT_TEXT          10012

#define IDB_DEMO_PRODUCT16           201
#define IDB_DEMO_PRODUCT256          202
