// Packed device-independent bitmaps as a bitmap resource holds them: a
// header, a colour table and the pixel bits, with no file header in front.
// Reading only, and nothing here calls the window system, so the checks can
// be built and exercised on any platform.
//
// A header of 40 bytes or more is read as the Windows form
// (BITMAPINFOHEADER and the longer headers that extend it: 52, 56, 108 and
// 124 bytes are common); a header of any other size as the 12-byte core one
// (BITMAPCOREHEADER). The readers trust the block they are given;
// sb_IsReadable says whether a block of a known size may be given to them
// and to the system's drawing calls.
#pragma once

#include <stddef.h>

class CT_DIBFormat {
public:
    enum : unsigned { en_InfoHeaderSize = 40, en_CoreHeaderSize = 12 };

    static unsigned sn_HeaderSize(const unsigned char* pcn1_DIB);
    static unsigned sn_Width(const unsigned char* pcn1_DIB);
    // Rows of the picture, whichever way they are stored: a top-down
    // picture's negative height is given as a positive number.
    static unsigned sn_Height(const unsigned char* pcn1_DIB);
    // Entries of the colour table: a Windows header's non-zero colours-used
    // field (its low 16 bits), else 2, 16 or 256 for 1, 4 or 8 bits per
    // pixel, else 0.
    static unsigned sn_NumColors(const unsigned char* pcn1_DIB);
    // Bytes of the colour table, kept to 16 bits.
    static unsigned sn_PaletteSize(const unsigned char* pcn1_DIB);
    // Where the pixel bits start: after the header (its own size), the
    // colour masks of a 40-byte bit-field header and the colour table.
    static size_t sn_BitsOffset(const unsigned char* pcn1_DIB);
    // Red, green and blue of colour-table entry `index`.
    static void sv_GetColour(const unsigned char* pcn1_DIB, unsigned index, unsigned char* pn1_Red,
                             unsigned char* pn1_Green, unsigned char* pn1_Blue);

    // Whether a block of `size` bytes holds one whole picture that the
    // system draws and the readers above describe truly: a 12-byte header,
    // or one of 40 bytes or more; a positive width, a height other than 0
    // (negative for rows stored top-down, which only uncompressed pictures
    // may be); one plane; a bit count and compression the system draws; and
    // a header, colour masks, colour table, colour profile and pixel bits
    // that end inside the block where the readers and the system look for
    // them. Reads nothing outside the block; a null block is not readable.
    static bool sb_IsReadable(const unsigned char* pcn1_DIB, size_t size);
};
