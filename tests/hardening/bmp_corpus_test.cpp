// A public corpus of good, questionable and bad BMP files, each built into
// BmpCorpus.dll as a bitmap resource (the file without its file header). The
// library reads every one of them exactly where the module holds it, with a
// page that may not be read right behind the last byte: each is either held
// and drawn where OnDraw says, or refused and nothing drawn. The transparent
// bitmap control paints each of them too. What happened is counted by
// category and printed.
#include "BmpCorpusTable.h"
#include "DAZ32.h"
#include "DibTestSupport.h"
#include "GdiCounter.h"
#include "HardeningSupport.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdint.h>
#include <stdio.h>
#include <string>

namespace {

const POINT kOrigin = {5, 3};

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

// A good picture whose header is of a form the library reads (40 or 12
// bytes) and which is stored bottom-up must be drawn; other header forms and
// top-down pictures the library refuses by design.
bool mustBeDrawn(const CorpusEntry& entry, const std::vector<unsigned char>& bytes)
{
    if (std::string(entry.category) != "g")
        return false;
    const uint32_t headerSize = read32(bytes, 0);
    if (headerSize == 12)
        return true;
    return headerSize == 40 && static_cast<int32_t>(read32(bytes, 8)) > 0;
}

// The picture as the system itself reads the resource, blitted at `origin`
// onto a canvas like the one the library draws on; false when the system
// will not read it either.
bool drawBySystem(HINSTANCE module, unsigned id, DibCanvas& canvas, POINT origin)
{
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    if (!bitmap)
        return false;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(canvas.dc.m_hDC);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(canvas.dc.m_hDC, origin.x, origin.y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return true;
}

struct Tally {
    int drawn = 0;
    int refused = 0;
    int agreeingWithSystem = -1;   // not compared
    std::string drawnNames;
};

void printTallies(const char* what, const std::map<std::string, Tally>& tallies)
{
    for (const auto& [category, tally] : tallies) {
        printf("[ corpus ] %s, category %s: %d drawn, %d refused", what, category.c_str(), tally.drawn,
               tally.refused);
        if (tally.agreeingWithSystem >= 0)
            printf("; %d drawn exactly as the system draws them", tally.agreeingWithSystem);
        if (category == "b")
            printf("; drawn:%s", tally.drawnNames.c_str());
        printf("\n");
    }
}

TEST(BmpCorpus, EveryPictureIsDrawnWhereOnDrawSaysOrRefused)
{
    CorpusModule corpus;
    ASSERT_TRUE(corpus.handle());
    // Each resource's bytes end at a page that may not be read.
    GuardedResourceLocks locks;
    ASSERT_TRUE(locks.ok());
    const long blocks = DAZ_GetLiveBlockCount();
    std::map<std::string, Tally> tallies;

    for (const CorpusEntry& entry : kCorpus) {
        SCOPED_TRACE(std::string(entry.category) + "/" + entry.name);
        const std::vector<unsigned char> bytes = resourceBytes(corpus.handle(), entry.id);
        ASSERT_FALSE(bytes.empty());
        GuardedBlock guarded(bytes.size());
        ASSERT_TRUE(guarded.ready());
        locks.placeIn(&guarded, bytes.size());
        Tally& tally = tallies[entry.category];
        GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL"});
        {
            CT_BigBitmap bitmap(nullptr, corpus.handle(), entry.id, &kOrigin);
            locks.placeIn(nullptr, 0);
            const int width = static_cast<int>(bitmap.n_GetWidth());
            const int height = static_cast<int>(bitmap.n_GetHeight());
            if (!bitmap.h_GetHDIB()) {
                ++tally.refused;
                EXPECT_FALSE(mustBeDrawn(entry, bytes));
                EXPECT_EQ(width, 0);
                EXPECT_EQ(height, 0);
                EXPECT_EQ(bitmap.pco_GetDocPalette(), nullptr);
                DibCanvas canvas(64, 64);
                ASSERT_TRUE(canvas.ready());
                bitmap.OnDraw(&canvas.dc);
                EXPECT_EQ(canvas.painted(), 0);
            } else {
                ++tally.drawn;
                tally.drawnNames += std::string(" ") + entry.name;
                ASSERT_EQ(GlobalSize(bitmap.h_GetHDIB()), bytes.size());
                ASSERT_GT(width, 0);
                ASSERT_GT(height, 0);
                ASSERT_LE(width, 4096) << "a picture drawn on a canvas of its own size";
                ASSERT_LE(height, 4096);
                // A margin of the canvas's white all round the picture.
                DibCanvas canvas(width + 2 * kOrigin.x, height + 2 * kOrigin.y);
                ASSERT_TRUE(canvas.ready());
                bitmap.OnDraw(&canvas.dc);
                const RECT picture = {kOrigin.x, kOrigin.y, kOrigin.x + width, kOrigin.y + height};
                const int inside = canvas.countOther(kCanvasWhite, picture);
                EXPECT_EQ(canvas.painted(), inside) << "nothing drawn outside the picture's place";

                DibCanvas expected(canvas.width(), canvas.height());
                ASSERT_TRUE(expected.ready());
                if (drawBySystem(corpus.handle(), entry.id, expected, kOrigin)) {
                    const int differing = differences(canvas, expected);
                    tally.agreeingWithSystem = std::max(tally.agreeingWithSystem, 0) + (differing == 0);
                    if (mustBeDrawn(entry, bytes)) {
                        EXPECT_EQ(differing, 0) << "pixels that differ from the system's own drawing";
                    }
                }
            }
        }
        EXPECT_EQ(counter.liveObjects(), 0u);
        EXPECT_EQ(counter.liveWindowDCs(), 0u);
    }
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
    EXPECT_GT(tallies["g"].drawn, 0);
    printTallies("CT_BigBitmap", tallies);
}

// The size of the picture as the system reads it; 0 x 0 when it will not.
SIZE systemSize(HINSTANCE module, unsigned id)
{
    SIZE size = {0, 0};
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    BITMAP info = {};
    if (bitmap && GetObjectW(bitmap, sizeof info, &info))
        size = {info.bmWidth, info.bmHeight};
    if (bitmap)
        DeleteObject(bitmap);
    return size;
}

// The control loads its picture through the system (the corpus module being
// the first the framework searches): it paints what the system reads, only
// inside the picture's size, or nothing; a picture the library's bitmap
// object refuses it does not hand to the system at all. It gives back what
// it took.
TEST(BmpCorpus, TheTransparentBitmapControlPaintsOnlyWholePicturesAndOnlyInsideThem)
{
    CorpusModule corpus;
    ASSERT_TRUE(corpus.handle());
    PictureHost host(corpus.handle(), 180, 100);
    ASSERT_NE(host.item(), nullptr);
    const long blocks = DAZ_GetLiveBlockCount();
    std::map<std::string, Tally> tallies;
    {
        CT_TransparentBitmap control(0);
        ASSERT_TRUE(control.SubclassWindow(host.item()));
        GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL"});
        for (const CorpusEntry& entry : kCorpus) {
            SCOPED_TRACE(std::string(entry.category) + "/" + entry.name);
            control.v_SetBitmapID(entry.id);
            host.repaint();
            const SIZE size = systemSize(corpus.handle(), entry.id);
            const RECT picture = {0, 0, size.cx, size.cy};
            const int paintedInside = host.painted(&picture);
            const int paintedOutside = host.painted() - paintedInside;
            EXPECT_EQ(paintedOutside, 0);
            const bool whole = CT_BigBitmap(nullptr, corpus.handle(), entry.id, nullptr).h_GetHDIB() != nullptr;
            if (!whole) {
                EXPECT_EQ(paintedInside, 0);
            }
            Tally& tally = tallies[entry.category];
            if (paintedInside) {
                ++tally.drawn;
                tally.drawnNames += std::string(" ") + entry.name;
            } else {
                ++tally.refused;
            }
        }
        EXPECT_EQ(counter.liveObjects(), 0u);
        EXPECT_EQ(counter.liveWindowDCs(), 0u);
        control.UnsubclassWindow();
    }
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
    EXPECT_GT(tallies["g"].drawn, 0);
    printTallies("CT_TransparentBitmap", tallies);
}

} // namespace
