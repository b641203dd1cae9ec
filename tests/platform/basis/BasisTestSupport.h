// Helpers of the basis library's tests.
#pragma once

#include "BasisDiagnostics.h"

#include <windows.h>

#include <string.h>

// Blocks of the basis library's heap taken since construction and not given
// back.
class HeapBalance {
public:
    long n_Taken() const { return LexorinBasis_GetLiveBlockCount() - n_Start; }

private:
    long n_Start = LexorinBasis_GetLiveBlockCount();
};

// Makes every allocation of the basis library fail for its lifetime.
class NoMemory {
public:
    explicit NoMemory(long successesFirst = 0) { LexorinBasis_FailAllocationsAfter(successesFirst); }
    ~NoMemory() { LexorinBasis_FailAllocationsAfter(-1); }
    NoMemory(const NoMemory&) = delete;
    NoMemory& operator=(const NoMemory&) = delete;
};

// Text that ends, terminator included, right before a page that cannot be
// read: reading one unit too far faults.
template <typename Unit> class TextAtPageEnd {
public:
    explicit TextAtPageEnd(const Unit* text)
    {
        pn1_Pages = static_cast<BYTE*>(VirtualAlloc(nullptr, 2 * kPage, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(pn1_Pages + kPage, kPage, PAGE_NOACCESS, &old);
        size_t units = 0;
        while (text[units])
            ++units;
        pc_Text = reinterpret_cast<Unit*>(pn1_Pages + kPage) - (units + 1);
        memcpy(pc_Text, text, (units + 1) * sizeof(Unit));
    }
    ~TextAtPageEnd() { VirtualFree(pn1_Pages, 0, MEM_RELEASE); }
    TextAtPageEnd(const TextAtPageEnd&) = delete;
    TextAtPageEnd& operator=(const TextAtPageEnd&) = delete;

    const Unit* get() const { return pc_Text; }

private:
    static const size_t kPage = 4096;
    BYTE* pn1_Pages = nullptr;
    Unit* pc_Text = nullptr;
};
