// The dialog base and the bitmap cache, on real windows and bitmaps.
#include "LexorinInterface.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct TestDialog : CT_Dialog {
    TestDialog() : CT_Dialog(0) {}
    using CT_Dialog::v_InitDialog;
    using CT_Dialog::v_SetFont;
};

struct Windows {
    HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND first = CreateWindowExW(0, L"STATIC", L"a", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    HWND second = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD, 0, 30, 50, 20, parent, nullptr, nullptr, nullptr);
    ~Windows() { DestroyWindow(parent); }
};

HFONT fontOf(HWND window)
{
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

TEST(Dialog, KnowsItsWindowAndModuleOnceInitialised)
{
    Windows w;
    TestDialog dialog;
    EXPECT_EQ(dialog.h_GetDialogWindow(), nullptr);
    dialog.v_InitDialog(GetModuleHandleW(nullptr), w.parent, nullptr);
    EXPECT_EQ(dialog.h_GetDialogWindow(), w.parent);
    EXPECT_EQ(dialog.h_GetInstance(), GetModuleHandleW(nullptr));
}

TEST(Dialog, SetFontGivesEveryChildTheFont)
{
    Windows w;
    HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    TestDialog dialog;
    dialog.v_SetFont(font);                   // no window yet: nothing happens
    EXPECT_NE(fontOf(w.first), font);

    dialog.v_InitDialog(nullptr, w.parent, nullptr);
    dialog.v_SetFont(font);
    EXPECT_EQ(fontOf(w.first), font);
    EXPECT_EQ(fontOf(w.second), font);

    DestroyWindow(w.parent);
    dialog.v_SetFont(font);                   // a destroyed window is left alone
    DeleteObject(font);
}

TEST(BitmapManager, UnknownIdentifiersGiveNullAndHireNothing)
{
    CT_BitmapManager* manager = CT_BitmapManager::spco_GetBitmapManager();
    EXPECT_EQ(manager, CT_BitmapManager::spco_GetBitmapManager());
    const unsigned hires = manager->n_GetHireCount();
    EXPECT_EQ(manager->pco_Hire(0), nullptr);
    EXPECT_EQ(manager->pco_Hire(0xFFFF), nullptr);
    EXPECT_EQ(manager->pco_Hire(0x12345678), nullptr);
    manager->v_Fire(nullptr);
    EXPECT_EQ(manager->n_GetHireCount(), hires);
}

} // namespace
