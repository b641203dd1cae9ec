// String numbers of the Tip of the Day tests' own tips.
#pragma once

#define IDS_TIP_CAPTION   10200
// Five tips with text.
#define IDS_TIPS_FIRST    20000
#define IDS_TIPS_LAST     20004
// Five tips, only 1 and 3 with text.
#define IDS_GAPS_FIRST    20100
#define IDS_GAPS_LAST     20104
// Four tips, none with text.
#define IDS_EMPTY_FIRST   20200
#define IDS_EMPTY_LAST    20203
// One tip.
#define IDS_SINGLE        20300
