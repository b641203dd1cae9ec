// What the bad-input tests share: the modules that are not there, and a
// check that everything the library took while a test ran was given back.
#pragma once

#include "GdiCounter.h"

#include <windows.h>

#include <vector>

// A module handle that names no loaded module, and what it stands for.
struct ForeignModule {
    const char* what;
    HINSTANCE handle;
};

// A module that was loaded and freed again, an address where no module ever
// was, the test program itself (which holds no resources) and null.
std::vector<ForeignModule> foreignModules();

// Counts, from construction, what the library, the framework and the
// product family's libraries hold: heap blocks of the library and of the
// basis library, hired fonts, permanent window objects, GDI objects and
// window device contexts.
class Leftovers {
public:
    Leftovers();
    Leftovers(const Leftovers&) = delete;
    Leftovers& operator=(const Leftovers&) = delete;

    // Fails the test for anything taken since construction and still held.
    void expectNone() const;

private:
    long libraryBlocks_;
    long basisBlocks_;
    unsigned fontHires_;
    int windowObjects_;
    GdiCounter gdi_;
};

// A host window of one plain colour with one static item of `width` x
// `height` pixels at its corner, for a control that paints the item. While
// it lives, `resources` is the first module the framework searches.
class PictureHost {
public:
    static const COLORREF kColour;

    PictureHost(HINSTANCE resources, int width, int height);
    ~PictureHost();
    PictureHost(const PictureHost&) = delete;
    PictureHost& operator=(const PictureHost&) = delete;

    HWND item() const { return item_; }
    // The host and its item painted afresh, now.
    void repaint() const;
    // Pixels of the item inside `area` (the whole item when null) that are
    // not of the host's colour.
    int painted(const RECT* area = nullptr) const;
    // The item's pixel at (x, y) as the screen shows it.
    COLORREF at(int x, int y) const;

private:
    HWND host_ = nullptr;
    HWND item_ = nullptr;
    int width_;
    int height_;
    HINSTANCE previousResources_;
};
