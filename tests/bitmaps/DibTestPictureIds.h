// Bitmap resources of the test module DibTestPictures.dll, written by
// make_dib_test_pictures.py. Shared by the resource script and the tests.
#pragma once

// Whole pictures. The quadrant pictures are red at the top left, green at
// the top right, blue at the bottom left and yellow at the bottom right.
#define DIB_QUAD8 101        // 8 x 6, 8 bits, 256-entry table
#define DIB_RGB24 102        // 5 x 3, 24 bits, no table; pixel (x, y) is (40x, 100y, 200)
#define DIB_COLOURS300 103   // 4 x 2 quadrants, 8 bits, colours used 300
#define DIB_CORE4 104        // 6 x 4 quadrants, 12-byte header, 4 bits, 3-byte entries
#define DIB_SPLASH 105       // 120 x 60, 8 bits, cream with one quadrant colour in each corner pixel
#define DIB_RLE8 106         // 4 x 2 quadrants, run-length encoded
#define DIB_QUAD8_TOP_DOWN 107 // DIB_QUAD8 with its rows stored top-down
#define DIB_QUAD8_V5 108     // 8 x 6 quadrants, 124-byte header, 8 bits, colours used 6
#define DIB_QUAD16_V3 109    // 8 x 6 quadrants, top-down, 56-byte header holding 5-6-5 bit-field masks
#define DIB_FIRST_WHOLE 101
#define DIB_LAST_WHOLE 109

// Blocks that are not whole pictures, each to be refused.
#define DIB_EMPTY 201            // no bytes at all
#define DIB_TWO_BYTES 202        // less than the header's size field
#define DIB_SHORT_HEADER 203     // 30 bytes of a 40-byte header
#define DIB_HEADER_PAST_END 204  // header size field larger than the block
#define DIB_COLOURS_PAST_END 205 // colours used 200, block ends inside the table
#define DIB_SHORT_BITS 206       // DIB_QUAD8 without its last byte
#define DIB_CORE_CUT 207         // 12-byte header, table cut short
#define DIB_TOP_DOWN_RLE 208     // run-length encoded rows stored top-down
#define DIB_BIT_COUNT_7 209      // no such bit count
#define DIB_ZERO_WIDTH 210
#define DIB_HUGE_WIDTH 211       // a row alone is larger than the address space
#define DIB_RLE_PAST_END 212     // image size runs past the block
#define DIB_COLOURS_32BIT 213    // colours used 0x10004: read as 4, drawn as more
#define DIB_PROFILE_PAST_END 214 // 124-byte header, its embedded colour profile runs past the block
#define DIB_ZERO_PLANES 215
#define DIB_HUGE_HEIGHT 216      // 1 x 0x7FFFFFFF
#define DIB_JPEG 217             // compressed as JPEG
#define DIB_MASKS_PAST_END 218   // 16-bit bit fields without room for the masks
#define DIB_TABLE_OVER_16BIT 219 // colours used 20000: a table larger than 16 bits can say
#define DIB_MASKS_ACROSS_HEADER 220 // 44-byte header of a bit-field picture
#define DIB_FIRST_BROKEN 201
#define DIB_LAST_BROKEN 220
