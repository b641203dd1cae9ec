// LexorinInterface.dll: the product's dialog base class and bitmap cache.
#pragma once

#include "LexorinBasis.h"

#ifdef LEXORIN_INTERFACE_BUILD
#define LEXORIN_INTERFACE_API __declspec(dllexport)
#else
#define LEXORIN_INTERFACE_API __declspec(dllimport)
#endif

// A window that receives the product's messages for a dialog; dialogs of this
// family are initialised without one.
class CT_MessageWindow;

// Base of the product's dialogs. It knows the dialog's window once
// v_InitDialog has run.
class LEXORIN_INTERFACE_API CT_Dialog : public virtual CT_Forum {
public:
    explicit CT_Dialog(int n_Flags);
    ~CT_Dialog() override;

    HWND h_GetDialogWindow() const;
    HINSTANCE h_GetInstance() const;

protected:
    // Called once from the dialog's initialisation with the module of its
    // resources, its window and an optional message window.
    void v_InitDialog(HINSTANCE hInstance, HWND hWnd, CT_MessageWindow* pMessageWindow);
    // Gives every child control of the dialog that font (without redrawing).
    void v_SetFont(HFONT hFont);

private:
    CT_Dialog(const CT_Dialog&) = delete;
    CT_Dialog& operator=(const CT_Dialog&) = delete;

    int n_Flags;
    HINSTANCE h_Instance;
    HWND h_Window;
    CT_MessageWindow* pco_MessageWindow;
};

// A bitmap shared through the bitmap manager. Its second field is its handle.
class LEXORIN_INTERFACE_API CT_Bitmap {
public:
    unsigned n_ID;
    HBITMAP h_Bitmap;

    HBITMAP h_GetBitmap() const { return h_Bitmap; }

private:
    friend class CT_BitmapManager;
    CT_Bitmap();
    ~CT_Bitmap();
    CT_Bitmap(const CT_Bitmap&) = delete;
    CT_Bitmap& operator=(const CT_Bitmap&) = delete;

    unsigned n_HireCount;
    CT_Bitmap* pco_Next;
};

// The process-wide bitmap cache. Bitmaps are bitmap resources of
// LexorinInterface.dll; the flag of a language is the bitmap whose identifier
// is the language identifier (23 x 14 pixels, 16 colours).
class LEXORIN_INTERFACE_API CT_BitmapManager {
public:
    static CT_BitmapManager* spco_GetBitmapManager();

    // A shared bitmap, or null when there is no bitmap `id`.
    CT_Bitmap* pco_Hire(unsigned id);
    // Gives back a hired bitmap; the last fire deletes it. Null is ignored.
    void v_Fire(CT_Bitmap* bitmap);

    // Diagnostics: bitmaps alive, and hires not yet fired.
    unsigned n_GetBitmapCount() const;
    unsigned n_GetHireCount() const;

private:
    CT_BitmapManager();
    ~CT_BitmapManager();
    CT_BitmapManager(const CT_BitmapManager&) = delete;
    CT_BitmapManager& operator=(const CT_BitmapManager&) = delete;

    CT_Bitmap* pco_Bitmaps;
    unsigned n_Hires;
};
