#include "DibFormat.h"

#include <stdint.h>

namespace {

// Fields are little-endian and may sit at any alignment.
unsigned n_Read16(const unsigned char* p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

uint32_t n_Read32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool b_IsInfoHeader(const unsigned char* pcn1_DIB)
{
    return n_Read32(pcn1_DIB) >= CT_DIBFormat::en_InfoHeaderSize;
}

// Compression values of a Windows header.
enum : uint32_t { en_RGB = 0, en_RLE8 = 1, en_RLE4 = 2, en_BitFields = 3 };

// The longer headers hold the colour masks themselves from 52 bytes on; a
// 40-byte header of a bit-field picture is followed by them, and the colour
// table, if any, and the bits come after them.
enum : uint32_t { en_MasksHeaderSize = 52 };

size_t n_MasksSize(const unsigned char* pcn1_DIB)
{
    return n_Read32(pcn1_DIB) == CT_DIBFormat::en_InfoHeaderSize && n_Read32(pcn1_DIB + 16) == en_BitFields ? 12 : 0;
}

// From 124 bytes on a header may name a colour profile that follows it,
// linked (a file name) or embedded; its place counts from the header's start.
enum : uint32_t { en_ProfileHeaderSize = 124, en_ProfileLinked = 0x4C494E4B, en_ProfileEmbedded = 0x4D424544 };

bool b_ProfileFits(const unsigned char* pcn1_DIB, size_t size)
{
    if (n_Read32(pcn1_DIB) < en_ProfileHeaderSize)
        return true;
    const uint32_t colourSpace = n_Read32(pcn1_DIB + 56);
    if (colourSpace != en_ProfileLinked && colourSpace != en_ProfileEmbedded)
        return true;
    return uint64_t(n_Read32(pcn1_DIB + 112)) + n_Read32(pcn1_DIB + 116) <= size;
}

unsigned n_BitCount(const unsigned char* pcn1_DIB)
{
    return b_IsInfoHeader(pcn1_DIB) ? n_Read16(pcn1_DIB + 14) : n_Read16(pcn1_DIB + 10);
}

unsigned n_ColoursForBitCount(unsigned bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

// Bytes of pixel bits that an uncompressed picture needs: rows padded to
// four bytes. Zero when they could not fit in `available` bytes, which also
// keeps the product from overflowing.
uint64_t n_UncompressedSize(uint64_t width, uint64_t height, unsigned bitCount, size_t available)
{
    const uint64_t stride = (width * bitCount + 31) / 32 * 4;
    if (stride > available || height > available / stride)
        return 0;
    return stride * height;
}

bool b_InfoIsReadable(const unsigned char* pcn1_DIB, size_t size)
{
    const uint32_t headerSize = n_Read32(pcn1_DIB);
    if (size < headerSize)
        return false;
    const int32_t width = static_cast<int32_t>(n_Read32(pcn1_DIB + 4));
    const int32_t height = static_cast<int32_t>(n_Read32(pcn1_DIB + 8));
    const unsigned planes = n_Read16(pcn1_DIB + 12);
    const unsigned bitCount = n_Read16(pcn1_DIB + 14);
    const uint32_t compression = n_Read32(pcn1_DIB + 16);
    const uint32_t imageSize = n_Read32(pcn1_DIB + 20);
    const uint32_t coloursUsed = n_Read32(pcn1_DIB + 32);
    // A negative height stores the rows top-down; the lowest value has no
    // positive counterpart to count them by.
    if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    // The table's size is kept to 16 bits: a larger count would put the bits
    // somewhere else than they are.
    if (coloursUsed > 0xFFFF / 4)
        return false;

    switch (compression) {
    case en_RGB:
        break;
    case en_RLE8:
        if (bitCount != 8 || imageSize == 0)
            return false;
        break;
    case en_RLE4:
        if (bitCount != 4 || imageSize == 0)
            return false;
        break;
    case en_BitFields:
        if (bitCount != 16 && bitCount != 32)
            return false;
        // Masks that would begin inside a header and end after it.
        if (headerSize > CT_DIBFormat::en_InfoHeaderSize && headerSize < en_MasksHeaderSize)
            return false;
        break;
    default:
        return false;
    }
    // Only uncompressed rows may be stored top-down.
    if (height < 0 && compression != en_RGB && compression != en_BitFields)
        return false;
    if (!b_ProfileFits(pcn1_DIB, size))
        return false;

    const uint64_t tableSize = uint64_t(CT_DIBFormat::sn_NumColors(pcn1_DIB)) * 4;
    if (uint64_t(headerSize) + n_MasksSize(pcn1_DIB) + tableSize > size)
        return false;
    const uint64_t bitsOffset = CT_DIBFormat::sn_BitsOffset(pcn1_DIB);
    uint64_t bitsSize = imageSize;
    if (compression == en_RGB || compression == en_BitFields) {
        bitsSize = n_UncompressedSize(uint32_t(width), CT_DIBFormat::sn_Height(pcn1_DIB), bitCount, size);
        if (bitsSize == 0)
            return false;
    }
    return bitsOffset + bitsSize <= size;
}

bool b_CoreIsReadable(const unsigned char* pcn1_DIB, size_t size)
{
    if (size < CT_DIBFormat::en_CoreHeaderSize)
        return false;
    const unsigned width = n_Read16(pcn1_DIB + 4);
    const unsigned height = n_Read16(pcn1_DIB + 6);
    const unsigned planes = n_Read16(pcn1_DIB + 8);
    const unsigned bitCount = n_Read16(pcn1_DIB + 10);
    if (width == 0 || height == 0 || planes != 1)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        return false;
    const uint64_t bitsSize = n_UncompressedSize(width, height, bitCount, size);
    if (bitsSize == 0)
        return false;
    return CT_DIBFormat::sn_BitsOffset(pcn1_DIB) + bitsSize <= size;
}

} // namespace

unsigned CT_DIBFormat::sn_HeaderSize(const unsigned char* pcn1_DIB)
{
    return n_Read32(pcn1_DIB);
}

unsigned CT_DIBFormat::sn_Width(const unsigned char* pcn1_DIB)
{
    return b_IsInfoHeader(pcn1_DIB) ? n_Read32(pcn1_DIB + 4) : n_Read16(pcn1_DIB + 4);
}

unsigned CT_DIBFormat::sn_Height(const unsigned char* pcn1_DIB)
{
    if (!b_IsInfoHeader(pcn1_DIB))
        return n_Read16(pcn1_DIB + 6);
    const uint32_t height = n_Read32(pcn1_DIB + 8);
    return static_cast<int32_t>(height) < 0 ? 0u - height : height;
}

unsigned CT_DIBFormat::sn_NumColors(const unsigned char* pcn1_DIB)
{
    if (b_IsInfoHeader(pcn1_DIB)) {
        const unsigned coloursUsed = n_Read32(pcn1_DIB + 32) & 0xFFFF;
        if (coloursUsed != 0)
            return coloursUsed;
    }
    return n_ColoursForBitCount(n_BitCount(pcn1_DIB));
}

unsigned CT_DIBFormat::sn_PaletteSize(const unsigned char* pcn1_DIB)
{
    const unsigned entrySize = b_IsInfoHeader(pcn1_DIB) ? 4 : 3;
    return (sn_NumColors(pcn1_DIB) * entrySize) & 0xFFFF;
}

size_t CT_DIBFormat::sn_BitsOffset(const unsigned char* pcn1_DIB)
{
    return size_t(sn_HeaderSize(pcn1_DIB)) + n_MasksSize(pcn1_DIB) + sn_PaletteSize(pcn1_DIB);
}

// Table entries are blue, green, red (and a reserved byte in the Windows
// form, whose table follows the colour masks of a 40-byte bit-field header).
void CT_DIBFormat::sv_GetColour(const unsigned char* pcn1_DIB, unsigned index, unsigned char* pn1_Red,
                                unsigned char* pn1_Green, unsigned char* pn1_Blue)
{
    const unsigned char* entry = b_IsInfoHeader(pcn1_DIB)
                                     ? pcn1_DIB + sn_HeaderSize(pcn1_DIB) + n_MasksSize(pcn1_DIB) + 4 * size_t(index)
                                     : pcn1_DIB + en_CoreHeaderSize + 3 * size_t(index);
    *pn1_Blue = entry[0];
    *pn1_Green = entry[1];
    *pn1_Red = entry[2];
}

bool CT_DIBFormat::sb_IsReadable(const unsigned char* pcn1_DIB, size_t size)
{
    if (!pcn1_DIB || size < 4)
        return false;
    if (b_IsInfoHeader(pcn1_DIB))
        return b_InfoIsReadable(pcn1_DIB, size);
    return sn_HeaderSize(pcn1_DIB) == en_CoreHeaderSize && b_CoreIsReadable(pcn1_DIB, size);
}
