// The demo host's Tip of the Day strings, kept in its language modules.
// Strings are stored in blocks of 16 numbers, and a block may come from one script only: keep other scripts'
// strings out of 10192-10207 and 10992-11023.
#pragma once

#define IDS_DEMO_TIP_CAPTION 10200
#define IDS_DEMO_TIP_FIRST   11000
#define IDS_DEMO_TIP_LAST    11009
