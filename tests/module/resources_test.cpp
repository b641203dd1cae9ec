// The library's own resources as the system reads them from Dialogs.dll: the
// version block, the two pictures and the link cursor. The module is mapped as
// a data file, so nothing of it runs.
#include <gtest/gtest.h>
#include <windows.h>
#include "TopDownDib.h"

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

std::wstring libraryPath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"Dialogs.dll";
}

// A bitmap selected into a memory DC; both are given back on destruction.
class MemoryCanvas {
public:
    explicit MemoryCanvas(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap)
    {
        if (dc_ && bitmap_)
            previous_ = SelectObject(dc_, bitmap_);
    }
    // A blank 32-bit picture, so that colours read back exactly at any display depth.
    MemoryCanvas(int width, int height, COLORREF fill) : MemoryCanvas(dibSection(width, height))
    {
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryCanvas()
    {
        if (previous_)
            SelectObject(dc_, previous_);
        if (dc_)
            DeleteDC(dc_);
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    bool valid() const { return previous_ != nullptr; }
    HDC dc() const { return dc_; }
    COLORREF pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    static HBITMAP dibSection(int width, int height)
    {
        void* bits = nullptr;
        return CreateTopDownDib32(nullptr, width, height, &bits);
    }

    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

class LibraryResources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ = LoadLibraryExW(libraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_NE(module_, nullptr) << "cannot map " << testing::PrintToString(libraryPath());
    }

    // The raw bytes of a resource, empty when it is missing.
    static std::vector<BYTE> resourceBytes(WORD id, LPCWSTR type)
    {
        HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (!found)
            return {};
        const DWORD size = SizeofResource(module_, found);
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        return data ? std::vector<BYTE>(data, data + size) : std::vector<BYTE>();
    }

    static HMODULE module_;
};

HMODULE LibraryResources::module_ = nullptr;

// ---- version block ----

class VersionBlock : public ::testing::Test {
protected:
    void SetUp() override
    {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(libraryPath().c_str(), &handle);
        ASSERT_GT(size, 0u);
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(libraryPath().c_str(), 0, size, block_.data()));
    }
    // The value under `path`, or null with length 0 when there is none.
    const void* query(const std::wstring& path, UINT* length)
    {
        void* value = nullptr;
        *length = 0;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, length))
            return nullptr;
        return value;
    }
    std::vector<BYTE> block_;
};

TEST_F(VersionBlock, FixedPartSaysVersion7_0_1_320OfA32BitWindowsDll)
{
    UINT length = 0;
    auto fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 7));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(320, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 7));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(320, 1));
    EXPECT_EQ(fixed->dwFileFlagsMask, static_cast<DWORD>(VS_FFI_FILEFLAGSMASK));
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST_F(VersionBlock, OneTranslationUsEnglishUnicode)
{
    UINT length = 0;
    auto pair = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(pair, nullptr);
    ASSERT_EQ(length, 2 * sizeof(WORD));
    EXPECT_EQ(pair[0], 0x0409);
    EXPECT_EQ(pair[1], 1200);
}

TEST_F(VersionBlock, StringsNameTheLibraryAndTheMaker)
{
    const std::map<std::wstring, std::wstring> expected = {
        {L"CompanyName", L"Lexorin Software"},
        {L"FileDescription", L"Dialogs DLL"},
        {L"FileVersion", L"Lexorin 7.0.1, Build 320"},
        {L"InternalName", L"Dialogs"},
        {L"LegalCopyright", L"Copyright (C) 2026 Lexorin Software"},
        {L"OriginalFilename", L"Dialogs.DLL"},
        {L"ProductName", L"Lexorin"},
        {L"ProductVersion", L"Lexorin 7.0.1, Build 320"},
    };
    for (const auto& [name, value] : expected) {
        UINT length = 0;
        auto text = static_cast<const wchar_t*>(query(L"\\StringFileInfo\\040904B0\\" + name, &length));
        ASSERT_NE(text, nullptr) << testing::PrintToString(name);
        EXPECT_EQ(std::wstring(text), value);
    }
    UINT length = 0;
    EXPECT_EQ(query(L"\\StringFileInfo\\040904B0\\Comments", &length), nullptr);
}

// ---- what the module holds ----

using Inventory = std::map<std::wstring, std::set<std::wstring>>;

std::wstring resourceKey(LPCWSTR name)
{
    return IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
}

BOOL CALLBACK collectName(HMODULE, LPCWSTR type, LPWSTR name, LONG_PTR inventory)
{
    (*reinterpret_cast<Inventory*>(inventory))[resourceKey(type)].insert(resourceKey(name));
    return TRUE;
}

BOOL CALLBACK collectType(HMODULE module, LPWSTR type, LONG_PTR inventory)
{
    EnumResourceNamesW(module, type, collectName, inventory);
    return TRUE;
}

TEST_F(LibraryResources, HoldsExactlyTwoBitmapsOneCursorAndTheVersionBlock)
{
    Inventory found;
    EnumResourceTypesW(module_, collectType, reinterpret_cast<LONG_PTR>(&found));

    ASSERT_EQ(found.count(resourceKey(RT_CURSOR)), 1u);
    EXPECT_EQ(found[resourceKey(RT_CURSOR)].size(), 1u) << "one image behind the group cursor";
    found.erase(resourceKey(RT_CURSOR));
    const Inventory expected = {
        {resourceKey(RT_BITMAP), {L"1007", L"2006"}},
        {resourceKey(RT_GROUP_CURSOR), {L"1006"}},
        {resourceKey(RT_VERSION), {L"1"}},
    };
    EXPECT_EQ(found, expected);
}

// ---- the pictures ----

// A packed DIB as both pictures are stored: 40-byte header, the standard
// 16-colour table, 4-bit rows bottom-up and uncompressed.
void expectSixteenColourDib(const std::vector<BYTE>& dib, size_t bytes, LONG width, LONG height)
{
    ASSERT_EQ(dib.size(), bytes);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } head;
    ASSERT_GE(dib.size(), sizeof(head));
    std::memcpy(&head, dib.data(), sizeof(head));
    EXPECT_EQ(head.header.biSize, 40u);
    EXPECT_EQ(head.header.biWidth, width);
    EXPECT_EQ(head.header.biHeight, height) << "stored bottom-up";
    EXPECT_EQ(head.header.biPlanes, 1);
    EXPECT_EQ(head.header.biBitCount, 4);
    EXPECT_EQ(head.header.biCompression, static_cast<DWORD>(BI_RGB));
    const DWORD rowBytes = (width * 4 + 31) / 32 * 4;
    EXPECT_EQ(head.header.biSizeImage, rowBytes * height);
    EXPECT_EQ(bytes, sizeof(head) + rowBytes * height);
    EXPECT_TRUE(head.header.biClrUsed == 0 || head.header.biClrUsed == 16) << head.header.biClrUsed;

    const std::pair<int, COLORREF> standard[] = {
        {0, kBlack}, {7, RGB(192, 192, 192)}, {8, RGB(128, 128, 128)},
        {11, RGB(255, 255, 0)}, {14, RGB(0, 255, 255)}, {15, kWhite}};
    for (const auto& [index, colour] : standard) {
        const RGBQUAD& entry = head.colours[index];
        EXPECT_EQ(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue), colour) << "entry " << index;
    }
}

// A picture loaded by the system, selected and of the given size.
void expectLoaded(const MemoryCanvas& picture, LONG width, LONG height)
{
    ASSERT_TRUE(picture.valid());
    BITMAP info = {};
    ASSERT_EQ(GetObjectW(GetCurrentObject(picture.dc(), OBJ_BITMAP), sizeof(info), &info),
              static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, width);
    EXPECT_EQ(info.bmHeight, height);
}

TEST_F(LibraryResources, MakerBannerIsA200By42SixteenColourDib)
{
    ASSERT_NO_FATAL_FAILURE(expectSixteenColourDib(resourceBytes(1007, RT_BITMAP), 4304, 200, 42));

    MemoryCanvas banner(LoadBitmapW(module_, MAKEINTRESOURCEW(1007)));
    ASSERT_NO_FATAL_FAILURE(expectLoaded(banner, 200, 42));
    // A framed banner: one colour all round its edge, something else inside.
    const COLORREF frame = banner.pixel(0, 0);
    std::set<COLORREF> inside;
    for (int y = 0; y < 42; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool edge = x == 0 || y == 0 || x == 199 || y == 41;
            if (edge)
                EXPECT_EQ(banner.pixel(x, y), frame) << x << "," << y;
            else
                inside.insert(banner.pixel(x, y));
        }
    }
    EXPECT_GE(inside.size(), 4u) << "mark and lettering in several colours";
}

// The Tip of the Day picture: a bulb in the rows above this one, a gem below.
const int kGemTop = 26;

TEST_F(LibraryResources, TipPictureIsA28By39SixteenColourDibOnWhite)
{
    ASSERT_NO_FATAL_FAILURE(expectSixteenColourDib(resourceBytes(2006, RT_BITMAP), 728, 28, 39));

    MemoryCanvas picture(LoadBitmapW(module_, MAKEINTRESOURCEW(2006)));
    ASSERT_NO_FATAL_FAILURE(expectLoaded(picture, 28, 39));
    EXPECT_EQ(picture.pixel(0, 0), kWhite);
    std::set<COLORREF> colours;
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 28; ++x)
            colours.insert(picture.pixel(x, y));
    for (COLORREF needed : {RGB(255, 255, 0), kBlack, RGB(128, 128, 128), RGB(0, 255, 255)})
        EXPECT_EQ(colours.count(needed), 1u) << std::hex << needed;
}

TEST_F(LibraryResources, TipPictureKeepsItsInnerWhiteWhenTheBackgroundIsFilled)
{
    MemoryCanvas original(LoadBitmapW(module_, MAKEINTRESOURCEW(2006)));
    ASSERT_NO_FATAL_FAILURE(expectLoaded(original, 28, 39));
    MemoryCanvas filled(28, 39, kBlack);
    ASSERT_TRUE(filled.valid());
    ASSERT_TRUE(BitBlt(filled.dc(), 0, 0, 28, 39, original.dc(), 0, 0, SRCCOPY));

    // As the Tip of the Day control does it, with a colour the picture lacks.
    const COLORREF paint = RGB(0x12, 0x34, 0x56);
    HBRUSH brush = CreateSolidBrush(paint);
    HGDIOBJ previous = SelectObject(filled.dc(), brush);
    EXPECT_TRUE(ExtFloodFill(filled.dc(), 0, 0, kWhite, FLOODFILLSURFACE));
    SelectObject(filled.dc(), previous);
    DeleteObject(brush);

    int whiteInBulb = 0, whiteInGem = 0, background = 0;
    for (int y = 0; y < 39; ++y) {
        for (int x = 0; x < 28; ++x) {
            const COLORREF before = original.pixel(x, y);
            const COLORREF after = filled.pixel(x, y);
            const bool border = x == 0 || y == 0 || x == 27 || y == 38;
            if (before != kWhite) {
                EXPECT_EQ(after, before) << "only white is filled, at " << x << "," << y;
            } else if (border) {
                EXPECT_EQ(after, paint) << "border white left unfilled at " << x << "," << y;
            }
            if (after == paint)
                ++background;
            else if (after == kWhite)
                ++(y < kGemTop ? whiteInBulb : whiteInGem);
        }
    }
    EXPECT_GT(background, 28 * 39 / 3);
    EXPECT_GT(whiteInBulb, 0) << "the glass's highlight is sealed";
    EXPECT_GT(whiteInGem, 0) << "the gem's white facets are sealed";
}

// ---- the link cursor ----

#pragma pack(push, 2)
struct CursorGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct CursorGroupEntry {
    WORD width;
    WORD height;  // both masks
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(LibraryResources, LinkCursorGroupHoldsOneMonochrome32By32Image)
{
    const std::vector<BYTE> group = resourceBytes(1006, RT_GROUP_CURSOR);
    ASSERT_EQ(group.size(), sizeof(CursorGroupHeader) + sizeof(CursorGroupEntry));
    CursorGroupHeader header;
    CursorGroupEntry entry;
    std::memcpy(&header, group.data(), sizeof(header));
    std::memcpy(&entry, group.data() + sizeof(header), sizeof(entry));
    EXPECT_EQ(header.reserved, 0);
    EXPECT_EQ(header.type, 2) << "a cursor, not an icon";
    EXPECT_EQ(header.count, 1);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 64);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 1);

    // The image: its hot spot, then a 1-bit DIB of both masks.
    const std::vector<BYTE> image = resourceBytes(entry.id, RT_CURSOR);
    ASSERT_EQ(image.size(), entry.bytes);
    ASSERT_GE(image.size(), 2 * sizeof(WORD) + sizeof(BITMAPINFOHEADER));
    WORD hotSpot[2];
    BITMAPINFOHEADER bits;
    std::memcpy(hotSpot, image.data(), sizeof(hotSpot));
    std::memcpy(&bits, image.data() + sizeof(hotSpot), sizeof(bits));
    EXPECT_EQ(hotSpot[0], 14);
    EXPECT_EQ(hotSpot[1], 9);
    EXPECT_EQ(bits.biWidth, 32);
    EXPECT_EQ(bits.biHeight, 64);
    EXPECT_EQ(bits.biBitCount, 1);
}

TEST_F(LibraryResources, LinkCursorIsAHandWhoseHotSpotIsTheFingertip)
{
    HCURSOR cursor = LoadCursorW(module_, MAKEINTRESOURCEW(1006));
    ASSERT_NE(cursor, nullptr);

    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 14u);
    EXPECT_EQ(info.yHotspot, 9u);
    EXPECT_EQ(info.hbmColor, nullptr) << "monochrome";
    MemoryCanvas mask(info.hbmMask);
    EXPECT_NO_FATAL_FAILURE(expectLoaded(mask, 32, 64)) << "AND and XOR masks stacked";
    if (info.hbmColor)
        DeleteObject(info.hbmColor);

    // Drawn over a colour of its own: black outline, white fill, transparent round it.
    const COLORREF ground = RGB(0, 128, 0);
    MemoryCanvas canvas(32, 32, ground);
    ASSERT_TRUE(canvas.valid());
    ASSERT_TRUE(DrawIconEx(canvas.dc(), 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL));
    int black = 0, white = 0, clear = 0, topInk = 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const COLORREF c = canvas.pixel(x, y);
            black += c == kBlack;
            white += c == kWhite;
            clear += c == ground;
            if (c != ground && y < topInk)
                topInk = y;
        }
    }
    EXPECT_EQ(black + white + clear, 32 * 32) << "nothing but black, white and the ground";
    EXPECT_GT(black, 40);
    EXPECT_GT(white, 100);
    EXPECT_GT(clear, 32 * 32 / 2);
    for (POINT corner : {POINT{0, 0}, POINT{31, 0}, POINT{0, 31}, POINT{31, 31}})
        EXPECT_EQ(canvas.pixel(corner.x, corner.y), ground);
    EXPECT_EQ(topInk, 9) << "nothing above the fingertip";
    EXPECT_EQ(canvas.pixel(14, 9), kBlack) << "the hot spot is on the fingertip";
}

}  // namespace
