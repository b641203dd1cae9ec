// The demo host's window of the library's controls: its template, items and
// the stamp that the transparent bitmap control shows.
#pragma once

#define IDD_DEMO_CONTROLS        220
#define IDC_DEMO_TEXT_LINK       221
#define IDC_DEMO_PICTURE_LINK    222
#define IDC_DEMO_STAMP           223
#define IDC_DEMO_DIB_PLACE       224

// 32 x 32 in 16 colours on white, with white inside its frame.
#define IDB_DEMO_STAMP           211
