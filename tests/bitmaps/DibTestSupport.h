// Helpers of the DIB tests: the module of the test pictures, a memory canvas
// whose pixels are read back, and blocks that end where a page begins that
// may not be read.
#pragma once

#include "DibTestPictureIds.h"
#include "GdiTestSupport.h"
#include "ImportPatch.h"

#include <afxwin.h>

#include <vector>

// The colours of the quadrant pictures: top left, top right, bottom left,
// bottom right.
const COLORREF kQuadColours[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
const COLORREF kCanvasWhite = RGB(255, 255, 255);

// DibTestPictures.dll, loaded for the object's lifetime.
class PictureModule {
public:
    PictureModule();
    ~PictureModule();
    PictureModule(const PictureModule&) = delete;
    PictureModule& operator=(const PictureModule&) = delete;

    HINSTANCE handle() const { return module_; }

private:
    HINSTANCE module_;
};

// The bytes of bitmap resource `id` of `module`; empty when it has none.
std::vector<unsigned char> resourceBytes(HMODULE module, unsigned id);

// A canvas of the framework's GDI tests (white, 32 bits per pixel) that
// knows its size.
class DibCanvas : public PixelCanvas {
public:
    DibCanvas(int width, int height) : PixelCanvas(width, height), width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels of the area that are not `colour`.
    int countOther(COLORREF colour, const RECT& area) const
    {
        return (area.right - area.left) * (area.bottom - area.top) - count(colour, area);
    }
    // Pixels of the whole canvas that are not white.
    int painted() const { return countOther(kCanvasWhite, RECT{0, 0, width_, height_}); }

private:
    int width_;
    int height_;
};

// Pixels where two canvases of the same size differ.
int differences(const DibCanvas& left, const DibCanvas& right);

// Where the quadrant picture of quadWidth x quadHeight, drawn unstretched at
// `origin`, differs from what the canvas shows; -1 when all agree.
int firstQuadrantMismatch(const DibCanvas& canvas, POINT origin, int quadWidth, int quadHeight);

// Room for up to `capacity` bytes just before a page that may not be read:
// a block placed here faults on the first byte read past its end.
class GuardedBlock {
public:
    explicit GuardedBlock(size_t capacity);
    ~GuardedBlock();
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    bool ready() const { return base_ != nullptr; }
    // Copies `size` bytes (at most the capacity) to end at the guard page.
    const unsigned char* place(const unsigned char* data, size_t size);

private:
    unsigned char* base_ = nullptr;
    size_t room_ = 0;
};

// Stands between Dialogs.dll and LockResource only to move the bytes of the
// resources it locks into a GuardedBlock, so a read past them faults. While
// no block is set the bytes stay where the module holds them. One at a time.
class GuardedResourceLocks {
public:
    GuardedResourceLocks();
    ~GuardedResourceLocks();
    GuardedResourceLocks(const GuardedResourceLocks&) = delete;
    GuardedResourceLocks& operator=(const GuardedResourceLocks&) = delete;

    bool ok() const { return patch_.ok(); }
    // The following locks place `size` bytes in `block`; null: none.
    void placeIn(GuardedBlock* block, size_t size)
    {
        block_ = block;
        size_ = size;
    }

private:
    static LPVOID WINAPI lockResource(HGLOBAL resource);
    static GuardedResourceLocks* current_;

    ImportPatch patch_;
    GuardedBlock* block_ = nullptr;
    size_t size_ = 0;
};
