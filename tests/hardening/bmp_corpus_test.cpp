// A public corpus of good, questionable and bad BMP files, each built into
// BmpCorpus.dll as a bitmap resource (the file without its file header).
// Both bitmap classes read every one of them exactly where the module holds
// it, with a page that may not be read right behind the last byte, and what
// they draw is compared with what the system's own SetDIBitsToDevice draws
// from the same bytes. A good or questionable picture that the system draws
// must be drawn alike by both; a bad one is drawn alike or refused; a
// refused one draws nothing; nothing is left behind. One line sums it up.
#include "BmpCorpusTable.h"
#include "DAZ32.h"
#include "DibTestSupport.h"
#include "GdiCounter.h"
#include "HardeningSupport.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <stdint.h>
#include <stdio.h>

#include <map>
#include <string>

namespace {

const POINT kOrigin = {5, 3};
const int kItemWidth = 180, kItemHeight = 100;
// Colour spaces of a 124-byte header that name a profile: 'LINK', 'MBED'.
const uint32_t kProfileLinked = 0x4C494E4B, kProfileEmbedded = 0x4D424544;

class CorpusModule {
public:
    CorpusModule() : module_(LoadLibraryW(L"BmpCorpus.dll")) {}
    ~CorpusModule()
    {
        if (module_)
            FreeLibrary(module_);
    }
    CorpusModule(const CorpusModule&) = delete;
    CorpusModule& operator=(const CorpusModule&) = delete;
    HINSTANCE handle() const { return module_; }

private:
    HINSTANCE module_;
};

uint32_t read32(const std::vector<unsigned char>& bytes, size_t at)
{
    if (bytes.size() < at + 4)
        return 0;
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

unsigned read16(const std::vector<unsigned char>& bytes, size_t at)
{
    return bytes.size() < at + 2 ? 0 : unsigned(bytes[at]) | unsigned(bytes[at + 1]) << 8;
}

// The picture as a packed DIB says it lies: its size, and where its bits
// start. `whole` when the header, table, profile and bits it describes all
// lie inside the resource; the system is asked to draw only those.
struct Packed {
    int width = 0, height = 0;
    uint64_t bitsAt = 0;
    bool whole = false;
};

Packed packedLayout(const std::vector<unsigned char>& bytes)
{
    Packed packed;
    const uint32_t headerSize = read32(bytes, 0);
    if (headerSize == 12 && bytes.size() >= 12) {
        const unsigned bitCount = read16(bytes, 10);
        packed.width = static_cast<int>(read16(bytes, 4));
        packed.height = static_cast<int>(read16(bytes, 6));
        packed.bitsAt = 12 + (bitCount >= 1 && bitCount <= 8 ? 3u << bitCount : 0);
        const uint64_t rows = (uint64_t(packed.width) * bitCount + 31) / 32 * 4 * packed.height;
        packed.whole = packed.bitsAt + rows <= bytes.size();
        return packed;
    }
    if (headerSize < 40 || headerSize > bytes.size())
        return packed;
    const int64_t height = static_cast<int32_t>(read32(bytes, 8));
    const unsigned bitCount = read16(bytes, 14);
    const uint32_t compression = read32(bytes, 16);
    const uint64_t coloursUsed = read32(bytes, 32);
    const int32_t width = static_cast<int32_t>(read32(bytes, 4));
    // Larger pictures are none the corpus holds whole.
    if (width <= 0 || width > 4096 || height == 0 || height > 4096 || height < -4096)
        return packed;
    packed.width = width;
    packed.height = static_cast<int>(height < 0 ? -height : height);
    const uint64_t colours = coloursUsed ? coloursUsed : bitCount >= 1 && bitCount <= 8 ? uint64_t(1) << bitCount : 0;
    const uint64_t masks = headerSize == 40 && compression == BI_BITFIELDS ? 12 : 0;
    packed.bitsAt = headerSize + masks + 4 * colours;
    const uint64_t stored = compression == BI_RGB || compression == BI_BITFIELDS
                                ? (uint64_t(packed.width) * bitCount + 31) / 32 * 4 * packed.height
                                : read32(bytes, 20);
    uint64_t profileEnd = 0;
    const uint32_t colourSpace = read32(bytes, 56);
    if (headerSize >= 124 && (colourSpace == kProfileLinked || colourSpace == kProfileEmbedded))
        profileEnd = uint64_t(read32(bytes, 112)) + read32(bytes, 116);
    packed.whole = packed.bitsAt + stored <= bytes.size() && profileEnd <= bytes.size();
    return packed;
}

// The system's own drawing of the resource's bytes at `at`, on a canvas like
// the one the library draws on; false when it draws nothing.
bool drawnBySystem(const std::vector<unsigned char>& bytes, const Packed& packed, DibCanvas& canvas, POINT at)
{
    const int rows = SetDIBitsToDevice(canvas.dc.m_hDC, at.x, at.y, packed.width, packed.height, 0, 0, 0,
                                       packed.height, bytes.data() + packed.bitsAt,
                                       reinterpret_cast<const BITMAPINFO*>(bytes.data()), DIB_RGB_COLORS);
    return rows > 0;
}

// What the transparent bitmap control is to show in its item: the system's
// drawing with the white around its top-left pixel in the shadow colour,
// and the host's colour beyond the picture.
void expectedControl(const std::vector<unsigned char>& bytes, const Packed& packed, DibCanvas& item)
{
    item.dc.FillSolidRect(0, 0, item.width(), item.height(), PictureHost::kColour);
    DibCanvas picture(packed.width, packed.height);
    drawnBySystem(bytes, packed, picture, POINT{0, 0});
    CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
    CBrush* previous = picture.dc.SelectObject(&shadow);
    picture.dc.ExtFloodFill(0, 0, kCanvasWhite, FLOODFILLSURFACE);
    picture.dc.SelectObject(previous);
    item.dc.BitBlt(0, 0, packed.width, packed.height, &picture.dc, 0, 0, SRCCOPY);
}

// The item as the screen shows it.
void copyItem(const PictureHost& host, DibCanvas& canvas)
{
    HDC dc = GetDC(host.item());
    BitBlt(canvas.dc.m_hDC, 0, 0, canvas.width(), canvas.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(host.item(), dc);
}

struct Count {
    int passed = 0;
    int total = 0;
};

TEST(BmpCorpus, EveryPictureTheSystemDrawsIsDrawnAlikeByBothClassesAndNoneIsReadPastItsEnd)
{
    CorpusModule corpus;
    ASSERT_TRUE(corpus.handle());
    // Each resource's bytes end at a page that may not be read, for the
    // library and for the system's drawing from the library's copy.
    GuardedResourceLocks locks;
    ASSERT_TRUE(locks.ok());
    PictureHost host(corpus.handle(), kItemWidth, kItemHeight);
    ASSERT_NE(host.item(), nullptr);
    CT_TransparentBitmap control(0);
    ASSERT_TRUE(control.SubclassWindow(host.item()));
    const long blocks = DAZ_GetLiveBlockCount();
    std::map<std::string, Count> counts;

    for (const CorpusEntry& entry : kCorpus) {
        const std::string category = entry.category;
        SCOPED_TRACE(category + "/" + entry.name);
        const std::vector<unsigned char> bytes = resourceBytes(corpus.handle(), entry.id);
        ASSERT_FALSE(bytes.empty());
        const Packed packed = packedLayout(bytes);
        DibCanvas expected(packed.width + 2 * kOrigin.x, packed.height + 2 * kOrigin.y);
        ASSERT_TRUE(expected.ready());
        const bool systemDraws = packed.whole && drawnBySystem(bytes, packed, expected, kOrigin);
        const bool mustBeDrawn = systemDraws && category != "b";
        GuardedBlock guarded(bytes.size());
        ASSERT_TRUE(guarded.ready());
        GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL"});

        bool drawnAlike = false;
        bool clean = true;
        {
            locks.placeIn(&guarded, bytes.size());
            CT_BigBitmap bitmap(nullptr, corpus.handle(), entry.id, &kOrigin);
            locks.placeIn(nullptr, 0);
            DibCanvas canvas(expected.width(), expected.height());
            ASSERT_TRUE(canvas.ready());
            bitmap.OnDraw(&canvas.dc);
            const CSize size(static_cast<int>(bitmap.n_GetWidth()), static_cast<int>(bitmap.n_GetHeight()));
            if (bitmap.h_GetHDIB()) {
                EXPECT_EQ(GlobalSize(bitmap.h_GetHDIB()), bytes.size());
                EXPECT_EQ(size, CSize(packed.width, packed.height));
                EXPECT_EQ(bitmap.pco_GetDocSize(), size);
                drawnAlike = systemDraws && differences(canvas, expected) == 0;
                EXPECT_TRUE(drawnAlike) << "drawn otherwise than the system draws it";
            } else {
                clean = size == CSize(0, 0) && bitmap.pco_GetDocPalette() == nullptr && canvas.painted() == 0;
                EXPECT_TRUE(clean) << "refused, yet some of it is left or drawn";
            }
        }
        if (mustBeDrawn) {
            EXPECT_TRUE(drawnAlike) << "refused, though the system draws it";
        }

        // The control, painting from the bytes against the guard page too.
        bool controlAlike = false;
        {
            locks.placeIn(&guarded, bytes.size());
            control.v_SetBitmapID(entry.id);
            host.repaint();
            locks.placeIn(nullptr, 0);
            DibCanvas shown(kItemWidth, kItemHeight), item(kItemWidth, kItemHeight);
            copyItem(host, shown);
            if (drawnAlike)
                expectedControl(bytes, packed, item);
            else
                item.dc.FillSolidRect(0, 0, kItemWidth, kItemHeight, PictureHost::kColour);
            controlAlike = differences(shown, item) == 0;
            EXPECT_TRUE(controlAlike) << "the control shows otherwise than the bitmap object draws";
        }

        const bool nothingLeft = counter.liveObjects() == 0 && counter.liveWindowDCs() == 0;
        EXPECT_TRUE(nothingLeft);
        Count& count = counts[category];
        ++count.total;
        if (category == "b")
            count.passed += (drawnAlike || clean) && controlAlike && nothingLeft;
        else
            count.passed += drawnAlike && controlAlike && nothingLeft;
    }
    control.UnsubclassWindow();
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
    EXPECT_EQ(counts["g"].passed, counts["g"].total) << "every good picture is drawn";
    printf("bmp corpus: good %d/%d drawn, questionable %d/%d drawn, bad %d/%d drawn or refused cleanly\n",
           counts["g"].passed, counts["g"].total, counts["q"].passed, counts["q"].total, counts["b"].passed,
           counts["b"].total);
}

} // namespace
