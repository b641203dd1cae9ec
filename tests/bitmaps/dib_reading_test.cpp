// Reading pictures that may be broken: every block is placed so that it ends
// where a page begins that may not be read, so a single byte read past a
// block ends the test program. The checks are exercised directly on every
// test picture and on cut-short copies, and through the library as it reads
// bitmap resources.
#include "DibFormat.h"
#include "DibTestSupport.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool isWhole(unsigned id)
{
    return id >= DIB_FIRST_WHOLE && id <= DIB_LAST_WHOLE;
}

std::vector<unsigned> allPictures()
{
    std::vector<unsigned> ids;
    for (unsigned id = DIB_FIRST_WHOLE; id <= DIB_LAST_WHOLE; ++id)
        ids.push_back(id);
    for (unsigned id = DIB_FIRST_BROKEN; id <= DIB_LAST_BROKEN; ++id)
        ids.push_back(id);
    return ids;
}

// Every length up to 2 KiB, then a sample of the rest and the last bytes.
std::vector<size_t> cutLengths(size_t size)
{
    std::vector<size_t> lengths;
    for (size_t n = 0; n < size; ++n) {
        if (n < 2048 || n % 97 == 0 || size - n <= 64)
            lengths.push_back(n);
    }
    return lengths;
}

// Each picture whole, then cut short at every length up to 2 KiB and at a
// sample of longer ones: only the whole good pictures are readable.
TEST(DibBlocks, OnlyWholeGoodPicturesAreReadable)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    for (unsigned id : allPictures()) {
        const std::vector<unsigned char> bytes = resourceBytes(pictures.handle(), id);
        GuardedBlock guarded(bytes.size());
        ASSERT_TRUE(guarded.ready());
        EXPECT_EQ(CT_DIBFormat::sb_IsReadable(guarded.place(bytes.data(), bytes.size()), bytes.size()), isWhole(id))
            << "picture " << id;
        for (size_t length : cutLengths(bytes.size())) {
            const unsigned char* block = guarded.place(bytes.data(), length);
            ASSERT_FALSE(CT_DIBFormat::sb_IsReadable(block, length)) << "picture " << id << " cut to " << length;
        }
    }
    EXPECT_FALSE(CT_DIBFormat::sb_IsReadable(nullptr, 4096));
}

// The readers stay inside a whole picture: its colour table and its bits end
// at or before the block's end.
TEST(DibBlocks, ReadersOfAWholePictureStayInsideIt)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    for (unsigned id = DIB_FIRST_WHOLE; id <= DIB_LAST_WHOLE; ++id) {
        const std::vector<unsigned char> bytes = resourceBytes(pictures.handle(), id);
        GuardedBlock guarded(bytes.size());
        const unsigned char* block = guarded.place(bytes.data(), bytes.size());
        ASSERT_TRUE(block);
        EXPECT_LE(CT_DIBFormat::sn_BitsOffset(block), bytes.size()) << "picture " << id;
        unsigned char red = 0, green = 0, blue = 0;
        for (unsigned i = 0; i < CT_DIBFormat::sn_NumColors(block); ++i)
            CT_DIBFormat::sv_GetColour(block, i, &red, &green, &blue);
        EXPECT_GT(CT_DIBFormat::sn_Width(block), 0u);
        EXPECT_GT(CT_DIBFormat::sn_Height(block), 0u);
    }
}

// Each resource's real bytes end at a page that may not be read: the library
// reads exactly what the module holds, and a read past it faults.
TEST(DibResources, TheLibraryReadsEveryResourceWithoutReadingPastIt)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    GuardedResourceLocks locks;
    ASSERT_TRUE(locks.ok());
    for (unsigned id : allPictures()) {
        const std::vector<unsigned char> bytes = resourceBytes(pictures.handle(), id);
        GuardedBlock guarded(std::max<size_t>(bytes.size(), 1));
        locks.placeIn(&guarded, bytes.size());

        CT_BigBitmap bitmap(nullptr, pictures.handle(), id, nullptr);
        EXPECT_EQ(bitmap.h_GetHDIB() != nullptr, isWhole(id)) << "picture " << id;
        if (bitmap.h_GetHDIB()) {
            // The block is the resource, byte for byte.
            EXPECT_EQ(GlobalSize(bitmap.h_GetHDIB()), bytes.size());
            const void* copy = GlobalLock(bitmap.h_GetHDIB());
            EXPECT_EQ(memcmp(copy, bytes.data(), bytes.size()), 0) << "picture " << id;
            GlobalUnlock(bitmap.h_GetHDIB());
        }
        locks.placeIn(nullptr, 0);
    }
}

// A broken picture is a missing one: no block, no size, no palette, and
// nothing drawn.
TEST(DibResources, ABrokenPictureIsTreatedAsMissing)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    for (unsigned id = DIB_FIRST_BROKEN; id <= DIB_LAST_BROKEN; ++id) {
        CT_BigBitmap bitmap(nullptr, pictures.handle(), id, nullptr);
        EXPECT_EQ(bitmap.h_GetHDIB(), nullptr) << "picture " << id;
        EXPECT_EQ(bitmap.h_ReadDIBFile(id), nullptr) << "picture " << id;
        EXPECT_EQ(bitmap.n_GetWidth(), 0u);
        EXPECT_EQ(bitmap.n_GetHeight(), 0u);
        EXPECT_EQ(bitmap.pco_GetDocSize(), CSize(0, 0));
        EXPECT_EQ(bitmap.pco_GetDocPalette(), nullptr);

        DibCanvas canvas(32, 32);
        ASSERT_TRUE(canvas.ready());
        bitmap.OnDraw(&canvas.dc);
        EXPECT_EQ(canvas.painted(), 0) << "picture " << id;
    }
}

// A block that a host hands in is checked against its own size as well.
TEST(DibResources, APaintOrPaletteOfABrokenHostBlockIsRefused)
{
    PictureModule pictures;
    ASSERT_TRUE(pictures.handle());
    const std::vector<unsigned char> whole = resourceBytes(pictures.handle(), DIB_QUAD8);
    HGLOBAL cut = GlobalAlloc(GHND, whole.size() - 1);
    ASSERT_TRUE(cut);
    memcpy(GlobalLock(cut), whole.data(), whole.size() - 1);
    GlobalUnlock(cut);

    CT_BigBitmap bitmap;
    DibCanvas canvas(16, 16);
    RECT area = {0, 0, 8, 6};
    CPalette palette;
    EXPECT_EQ(bitmap.b_PaintDIB(canvas.dc.m_hDC, &area, cut, &area, nullptr), 0);
    EXPECT_FALSE(bitmap.b_CreateDIBPalette(cut, &palette));
    EXPECT_EQ(palette.m_hObject, nullptr);
    EXPECT_EQ(canvas.painted(), 0);
    GlobalFree(cut);
}

} // namespace
