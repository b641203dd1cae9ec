// Resources of BenchPictures.dll: pictures, the About box's texts and the
// link benchmark's dialog.
#pragma once

#define BENCH_SPLASH 1    // 400 x 250, 8 bits
#define BENCH_LARGE 2     // 1920 x 1080, 8 bits
#define BENCH_PRODUCT 3   // 64 x 64, 8 bits: the About box's product picture

// Strings of the About box, the numbers it reads from its host's modules.
#define BENCH_ABOUT_SMALL_PRINT 10006
#define BENCH_ABOUT_VERSION 10007
#define BENCH_ABOUT_CAPTION 10010
#define BENCH_ABOUT_PRODUCT_PAGE 10011
#define BENCH_ABOUT_TEXT 10012

// A dialog with one text item, made a text link by the library or plain code.
#define BENCH_LINK_DIALOG 100
#define BENCH_LINK_ITEM 101
