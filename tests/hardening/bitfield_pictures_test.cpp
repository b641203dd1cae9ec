// Pictures whose pixels are bit fields: a 40-byte header of such a picture
// is followed by its three colour masks, a longer header holds them, and
// only then come its colour table (if any) and its bits. The bits are found
// after the masks, the palette is made from the table and not from the
// masks, and the picture is drawn in the colours the masks give.
#include "DibTestSupport.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <string.h>

#include <utility>
#include <vector>

namespace {

void put32(std::vector<unsigned char>& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void put16(std::vector<unsigned char>& bytes, unsigned value)
{
    bytes.push_back(static_cast<unsigned char>(value));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

// 2 x 2 pixels, 5-6-5 bits: blue, white on top; red, green below. Two
// table entries, grey and black, that no pixel uses. A 40-byte header is
// followed by the masks; a longer one holds them from byte 40 on.
std::vector<unsigned char> bitFieldPicture(uint32_t headerSize = 40, bool topDown = false)
{
    std::vector<unsigned char> bytes;
    put32(bytes, headerSize);
    put32(bytes, 2);
    put32(bytes, topDown ? static_cast<uint32_t>(-2) : 2);
    put16(bytes, 1);
    put16(bytes, 16);
    put32(bytes, BI_BITFIELDS);
    put32(bytes, 8);
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, 2);   // colours used
    put32(bytes, 0);
    put32(bytes, 0xF800);
    put32(bytes, 0x07E0);
    put32(bytes, 0x001F);
    if (bytes.size() < headerSize)
        bytes.resize(headerSize, 0);
    put32(bytes, 0x00808080);
    put32(bytes, 0x00000000);
    const unsigned bottom[] = {0xF800, 0x07E0}, top[] = {0x001F, 0xFFFF};
    for (const unsigned* row : {topDown ? top : bottom, topDown ? bottom : top}) {
        put16(bytes, row[0]);
        put16(bytes, row[1]);
    }
    return bytes;
}

HGLOBAL hostBlock(const std::vector<unsigned char>& bytes)
{
    HGLOBAL block = GlobalAlloc(GHND, bytes.size());
    if (block) {
        memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    return block;
}

TEST(BitFieldPictures, BitsAndTableFollowTheColourMasks)
{
    // The masks after a 40-byte header, then inside headers of 52, 56, 108
    // and 124 bytes, with rows stored either way.
    const std::pair<uint32_t, bool> forms[] = {{40, false}, {52, true}, {56, false}, {108, true}, {124, false}};
    for (const auto& [headerSize, topDown] : forms) {
        SCOPED_TRACE(headerSize);
        const std::vector<unsigned char> bytes = bitFieldPicture(headerSize, topDown);
        HGLOBAL block = hostBlock(bytes);
        ASSERT_NE(block, nullptr);
        CT_BigBitmap bitmap;
        BYTE* dib = static_cast<BYTE*>(GlobalLock(block));
        EXPECT_EQ(bitmap.n_DIBNumColors(dib), 2u);
        EXPECT_EQ(bitmap.n_PaletteSize(dib), 8u);
        EXPECT_EQ(bitmap.pv_FindDIBBits(dib), dib + (headerSize == 40 ? 52 : headerSize) + 8);
        GlobalUnlock(block);

        CPalette palette;
        ASSERT_TRUE(bitmap.b_CreateDIBPalette(block, &palette));
        PALETTEENTRY entries[2] = {};
        ASSERT_EQ(palette.GetPaletteEntries(0, 2, entries), 2u);
        EXPECT_EQ(RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue), RGB(128, 128, 128));
        EXPECT_EQ(RGB(entries[1].peRed, entries[1].peGreen, entries[1].peBlue), RGB(0, 0, 0));

        DibCanvas canvas(4, 4);
        ASSERT_TRUE(canvas.ready());
        RECT area = {0, 0, 2, 2};
        EXPECT_EQ(bitmap.b_PaintDIB(canvas.dc.m_hDC, &area, block, &area, nullptr), 2);
        EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 255));
        EXPECT_EQ(canvas.at(1, 0), RGB(255, 255, 255));
        EXPECT_EQ(canvas.at(0, 1), RGB(255, 0, 0));
        EXPECT_EQ(canvas.at(1, 1), RGB(0, 255, 0));
        GlobalFree(block);
    }
}

// Without room for what follows the masks the block is no whole picture;
// nor is one whose masks would begin inside a 44-byte header and end after
// it. Nothing is drawn and no palette is made.
TEST(BitFieldPictures, ABlockCutShortBehindTheMasksOrMasksAcrossTheHeadersEndAreRefused)
{
    std::vector<unsigned char> cut = bitFieldPicture();
    cut.resize(cut.size() - 1);
    for (const std::vector<unsigned char>& bytes : {cut, bitFieldPicture(44)}) {
        HGLOBAL block = hostBlock(bytes);
        ASSERT_NE(block, nullptr);
        CT_BigBitmap bitmap;
        CPalette palette;
        EXPECT_FALSE(bitmap.b_CreateDIBPalette(block, &palette));
        DibCanvas canvas(4, 4);
        RECT area = {0, 0, 2, 2};
        EXPECT_EQ(bitmap.b_PaintDIB(canvas.dc.m_hDC, &area, block, &area, nullptr), 0);
        EXPECT_EQ(canvas.painted(), 0);
        GlobalFree(block);
    }
}

} // namespace
