// Bitmap resources of BenchPictures.dll.
#pragma once

#define BENCH_SPLASH 1   // 400 x 250, 8 bits
#define BENCH_LARGE 2    // 1920 x 1080, 8 bits
