// The tour's PNG writer and screen capture, through real files and a real
// window painted in known colours. The decoder here reads only what the
// writer promises (8-bit RGB, filter 0, stored deflate blocks).
#include "PngWriter.h"
#include "ScreenCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Png {
    uint32_t width = 0, height = 0;
    std::vector<DWORD> pixels;   // 0x00RRGGBB, top row first
};

uint32_t big32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

std::vector<uint8_t> readFile(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// Fails the calling test when the file is not what the writer promises.
Png decode(const std::vector<uint8_t>& file)
{
    Png png;
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(file.size() > 8 && std::equal(signature, signature + 8, file.begin()));
    std::vector<uint8_t> zlib;
    for (size_t at = 8; at + 12 <= file.size();) {
        const uint32_t length = big32(&file[at]);
        const std::string kind(file.begin() + at + 4, file.begin() + at + 8);
        if (at + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk " << kind << " runs past the file";
            return png;
        }
        const uint8_t* body = &file[at + 8];
        if (kind == "IHDR") {
            png.width = big32(body);
            png.height = big32(body + 4);
            EXPECT_EQ(8, body[8]);
            EXPECT_EQ(2, body[9]);
        } else if (kind == "IDAT") {
            zlib.insert(zlib.end(), body, body + length);
        }
        at += 12 + length;
    }
    std::vector<uint8_t> raw;
    size_t at = 2;
    for (bool last = false; !last && at + 5 <= zlib.size();) {
        last = zlib[at] & 1;
        EXPECT_EQ(0, zlib[at] >> 1) << "not a stored block";
        const size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
        EXPECT_EQ(0xFFFFu, length ^ (zlib[at + 3] | (zlib[at + 4] << 8)));
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
    }
    const size_t stride = 1 + 3 * size_t(png.width);
    EXPECT_EQ(stride * png.height, raw.size());
    if (raw.size() != stride * png.height)
        return png;
    for (uint32_t y = 0; y < png.height; ++y) {
        EXPECT_EQ(0, raw[y * stride]);
        for (uint32_t x = 0; x < png.width; ++x) {
            const uint8_t* p = &raw[y * stride + 1 + 3 * x];
            png.pixels.push_back((DWORD(p[0]) << 16) | (DWORD(p[1]) << 8) | p[2]);
        }
    }
    return png;
}

std::wstring tempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

bool exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(PngWriter, PixelsComeBackAcrossManyStoredBlocks)
{
    // 300 x 200 is 180,200 bytes of rows: three stored blocks.
    const int width = 300, height = 200;
    std::vector<DWORD> pixels(width * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = DWORD(x & 0xFF) << 16 | DWORD(y & 0xFF) << 8 | DWORD((x + y) & 0xFF);
    const std::wstring path = tempPath(L"png_writer_test.png");
    ASSERT_TRUE(b_WritePng(path.c_str(), width, height, pixels.data()));
    const Png png = decode(readFile(path));
    DeleteFileW(path.c_str());
    EXPECT_EQ(uint32_t(width), png.width);
    EXPECT_EQ(uint32_t(height), png.height);
    EXPECT_EQ(pixels, png.pixels);
}

TEST(PngWriter, RefusesEmptyAbsurdOrMissingInputAndLeavesNoFile)
{
    const std::wstring path = tempPath(L"png_writer_refused.png");
    DeleteFileW(path.c_str());
    const DWORD pixel = 0x123456;
    EXPECT_FALSE(b_WritePng(path.c_str(), 0, 1, &pixel));
    EXPECT_FALSE(b_WritePng(path.c_str(), 1, -1, &pixel));
    EXPECT_FALSE(b_WritePng(path.c_str(), 1 << 20, 1 << 20, &pixel));
    EXPECT_FALSE(b_WritePng(path.c_str(), 1, 1, nullptr));
    EXPECT_FALSE(b_WritePng(nullptr, 1, 1, &pixel));
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(b_WritePng(tempPath(L"no such folder\\picture.png").c_str(), 1, 1, &pixel));
}

// A borderless popup, red on its left half and blue on its right.
LRESULT CALLBACK twoColourProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    RECT left = client, right = client;
    left.right = right.left = client.right / 2;
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &left, red);
    FillRect(dc, &right, blue);
    DeleteObject(red);
    DeleteObject(blue);
    EndPaint(window, &paint);
    return 0;
}

HWND createTwoColourWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = twoColourProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ScreenCaptureTestWindow";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 50, 60, 120, 80,
                           nullptr, nullptr, windowClass.hInstance, nullptr);
}

TEST(ScreenCapture, WritesWhatTheWindowShows)
{
    HWND window = createTwoColourWindow();
    ASSERT_TRUE(window);
    const std::wstring path = tempPath(L"screen_capture_test.png");
    ASSERT_TRUE(b_CaptureWindow(window, path.c_str()));
    DestroyWindow(window);
    const Png png = decode(readFile(path));
    DeleteFileW(path.c_str());
    ASSERT_EQ(120u, png.width);
    ASSERT_EQ(80u, png.height);
    EXPECT_EQ(0xFF0000u, png.pixels[40 * 120 + 10]);
    EXPECT_EQ(0xFF0000u, png.pixels[79 * 120 + 59]);
    EXPECT_EQ(0x0000FFu, png.pixels[40 * 120 + 110]);
    EXPECT_EQ(0x0000FFu, png.pixels[0 * 120 + 60]);
}

TEST(ScreenCapture, RefusesHiddenAndDestroyedWindows)
{
    HWND window = createTwoColourWindow();
    ASSERT_TRUE(window);
    const std::wstring path = tempPath(L"screen_capture_refused.png");
    DeleteFileW(path.c_str());
    ShowWindow(window, SW_HIDE);
    EXPECT_FALSE(b_CaptureWindow(window, path.c_str()));
    DestroyWindow(window);
    EXPECT_FALSE(b_CaptureWindow(window, path.c_str()));
    EXPECT_FALSE(b_CaptureWindow(nullptr, path.c_str()));
    EXPECT_FALSE(exists(path));
}

TEST(ScreenCapture, RefusesAnAreaOffTheScreen)
{
    const std::wstring path = tempPath(L"screen_capture_off.png");
    const RECT offScreen = {-500, -500, -100, -100};
    EXPECT_FALSE(b_CaptureScreenArea(offScreen, path.c_str()));
    EXPECT_FALSE(exists(path));
}

} // namespace
