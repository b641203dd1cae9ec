// Fuzz target of the DIB checks: any bytes, taken as a bitmap resource (a
// packed DIB without file header), in a block of exactly their size, so that
// AddressSanitizer reports a single byte read past it. A block the checks
// call readable is read the way the library reads it before it hands it to
// the system, and what the system would then read must lie inside it too.
//
// fuzz/regressions keeps inputs that once showed a fault or that stand for
// a form the checks take or refuse; every run starts with them. A bit-field
// picture there (its table and bits follow the three colour masks) was once
// read with its bits twelve bytes too early; others store their rows
// top-down, hold their masks in a 52-byte header, name a colour profile
// inside or past their end, or have masks across a 44-byte header's end.
#include "DibFormat.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>

namespace {

uint32_t read32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

unsigned read16(const unsigned char* p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

void require(bool condition)
{
    if (!condition)
        abort();
}

// The system reads a header of 40 bytes or more as the Windows form (whose
// longer variants extend it), one of 12 bytes as the core form.
bool isWindowsHeader(const unsigned char* dib)
{
    return read32(dib) >= 40;
}

// Rows of the picture: a negative Windows height stores them top-down.
uint64_t rows(const unsigned char* dib)
{
    if (!isWindowsHeader(dib))
        return read16(dib + 6);
    const int64_t height = static_cast<int32_t>(read32(dib + 8));
    return height < 0 ? -height : height;
}

// Where the system finds the pixel bits: after the header, the three colour
// masks that follow a 40-byte bit-field header (longer headers hold them)
// and the colour table.
uint64_t bitsOffsetForTheSystem(const unsigned char* dib)
{
    const uint32_t headerSize = read32(dib);
    const bool info = isWindowsHeader(dib);
    const unsigned bitCount = info ? read16(dib + 14) : read16(dib + 10);
    const uint32_t compression = info ? read32(dib + 16) : 0;
    const uint32_t coloursUsed = info ? read32(dib + 32) : 0;
    const uint64_t colours = coloursUsed ? coloursUsed : bitCount <= 8 ? 1u << bitCount : 0;
    return headerSize + (headerSize == 40 && compression == 3 ? 12 : 0) + colours * (info ? 4 : 3);
}

// Bytes of pixel bits that the system reads: rows padded to four bytes, or
// the stored image size of a run-length picture.
uint64_t bitsTheSystemReads(const unsigned char* dib)
{
    const bool info = isWindowsHeader(dib);
    const uint64_t width = info ? read32(dib + 4) : read16(dib + 4);
    const unsigned bitCount = info ? read16(dib + 14) : read16(dib + 10);
    const uint32_t compression = info ? read32(dib + 16) : 0;
    if (compression == 1 || compression == 2)
        return read32(dib + 20);
    return (width * bitCount + 31) / 32 * 4 * rows(dib);
}

// Whether what the system reads besides table and bits lies inside `size`
// bytes: the header itself, the masks of a bit-field picture inside a header
// that holds them, and a profile that a 124-byte header names ('LINK',
// 'MBED'), counted from the header's start.
bool headerPartsInside(const unsigned char* dib, size_t size)
{
    const uint32_t headerSize = read32(dib);
    if (headerSize > size)
        return false;
    if (!isWindowsHeader(dib))
        return true;
    if (read32(dib + 16) == 3 && headerSize != 40 && headerSize < 52)
        return false;
    const uint32_t colourSpace = headerSize >= 124 ? read32(dib + 56) : 0;
    if (colourSpace == 0x4C494E4B || colourSpace == 0x4D424544)
        return uint64_t(read32(dib + 112)) + read32(dib + 116) <= size;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<unsigned char[]> block(new unsigned char[size ? size : 1]);
    if (size)
        memcpy(block.get(), data, size);
    const unsigned char* dib = block.get();
    if (!CT_DIBFormat::sb_IsReadable(dib, size))
        return 0;

    const unsigned width = CT_DIBFormat::sn_Width(dib);
    const unsigned height = CT_DIBFormat::sn_Height(dib);
    require(width > 0 && height > 0 && width <= 0x7FFFFFFF && height <= 0x7FFFFFFF);
    require(height == rows(dib));
    require(headerPartsInside(dib, size));
    const size_t bitsOffset = CT_DIBFormat::sn_BitsOffset(dib);
    require(bitsOffset == bitsOffsetForTheSystem(dib));
    require(bitsOffset <= size);
    require(bitsTheSystemReads(dib) <= size - bitsOffset);

    // Every colour of the table, as the palette is made from it.
    unsigned char red = 0, green = 0, blue = 0;
    const unsigned colours = CT_DIBFormat::sn_NumColors(dib);
    for (unsigned i = 0; i < colours; ++i)
        CT_DIBFormat::sv_GetColour(dib, i, &red, &green, &blue);
    return 0;
}
