// Helpers of the GDI tests: a memory context drawing into 32-bit pixels
// that the test reads back, and a check that a handle still names an object.
#pragma once

#include <afxgdi.h>

#include <gtest/gtest.h>
#include <afxdiag.h>

// A memory device context (owned by `dc`) with a top-down 32-bit DIB section
// selected (owned by `bitmap`), filled white.
class PixelCanvas {
public:
    PixelCanvas(int width, int height);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool ready() const { return bits != nullptr && dc.m_hDC != nullptr; }
    // Pixels of exactly this colour in the rectangle (the whole canvas by
    // default).
    int count(COLORREF color) const;
    int count(COLORREF color, const RECT& area) const;
    COLORREF at(int x, int y) const;

    CDC dc;
    CBitmap bitmap;

private:
    int width;
    int height;
    const DWORD* bits = nullptr;
    CBitmap* original = nullptr;
};

// A non-antialiased font, so that text pixels have exactly the text colour.
bool CreateCrispFont(CFont& font, int height);

inline bool IsLiveObject(HGDIOBJ handle)
{
    return GetObjectType(handle) != 0;
}

// The calling thread's temporaries cleared as a message loop clears them at idle.
inline void ClearTempMapsAtIdle()
{
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

// Tests that count temporaries start and end with the thread's maps clear.
class TempMapsCleared : public ::testing::Test {
protected:
    void SetUp() override { ClearTempMapsAtIdle(); }
    void TearDown() override { ClearTempMapsAtIdle(); }
};
