// Counts the GDI objects and window device contexts that some modules take
// and have not given back, by standing between those modules and the calls
// that create and free them (Wine reports no per-process GDI counts).
// One counter at a time; it counts from its construction on.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <vector>

class ImportPatch;

class GdiCounter {
public:
    // Watches the named loaded modules (e.g. L"Dialogs.dll", L"MFC71U.DLL").
    explicit GdiCounter(std::initializer_list<const wchar_t*> modules);
    ~GdiCounter();
    GdiCounter(const GdiCounter&) = delete;
    GdiCounter& operator=(const GdiCounter&) = delete;

    // GDI objects (fonts, brushes, pens, bitmaps, palettes, regions, memory
    // DCs) created by the watched modules and not yet deleted.
    size_t liveObjects() const;
    // Window and screen DCs got and not yet released.
    size_t liveWindowDCs() const;
    // Everything created since construction, deleted or not.
    size_t created() const;
    // Whether every watched module imports the calls (false: counting blind).
    bool watching() const { return watching_; }

private:
    std::vector<std::unique_ptr<ImportPatch>> patches_;
    bool watching_ = true;
};
