#include "LexorinInterface.h"

namespace {

HMODULE thisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

} // namespace

CT_Bitmap::CT_Bitmap() : n_ID(0), h_Bitmap(nullptr), n_HireCount(0), pco_Next(nullptr) {}

CT_Bitmap::~CT_Bitmap()
{
    if (h_Bitmap)
        DeleteObject(h_Bitmap);
}

CT_BitmapManager* CT_BitmapManager::spco_GetBitmapManager()
{
    static CT_BitmapManager manager;
    return &manager;
}

CT_BitmapManager::CT_BitmapManager() : pco_Bitmaps(nullptr), n_Hires(0) {}

CT_BitmapManager::~CT_BitmapManager()
{
    while (pco_Bitmaps) {
        CT_Bitmap* next = pco_Bitmaps->pco_Next;
        delete pco_Bitmaps;
        pco_Bitmaps = next;
    }
}

CT_Bitmap* CT_BitmapManager::pco_Hire(unsigned id)
{
    if (id == 0 || id > 0xFFFF)
        return nullptr;
    for (CT_Bitmap* bitmap = pco_Bitmaps; bitmap; bitmap = bitmap->pco_Next) {
        if (bitmap->n_ID == id) {
            ++bitmap->n_HireCount;
            ++n_Hires;
            return bitmap;
        }
    }
    // A DIB section keeps the picture's own colours whatever the display.
    HANDLE image = LoadImageW(thisModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image)
        return nullptr;
    CT_Bitmap* bitmap = new CT_Bitmap;
    bitmap->n_ID = id;
    bitmap->h_Bitmap = static_cast<HBITMAP>(image);
    bitmap->n_HireCount = 1;
    bitmap->pco_Next = pco_Bitmaps;
    pco_Bitmaps = bitmap;
    ++n_Hires;
    return bitmap;
}

void CT_BitmapManager::v_Fire(CT_Bitmap* bitmap)
{
    for (CT_Bitmap** link = &pco_Bitmaps; *link; link = &(*link)->pco_Next) {
        if (*link != bitmap)
            continue;
        --n_Hires;
        if (--bitmap->n_HireCount == 0) {
            *link = bitmap->pco_Next;
            delete bitmap;
        }
        return;
    }
}

unsigned CT_BitmapManager::n_GetBitmapCount() const
{
    unsigned count = 0;
    for (const CT_Bitmap* bitmap = pco_Bitmaps; bitmap; bitmap = bitmap->pco_Next)
        ++count;
    return count;
}

unsigned CT_BitmapManager::n_GetHireCount() const
{
    return n_Hires;
}
