// The demo host follows the user-interface language as the product family's
// libraries do: it registers a switch of its own with the UI-language
// manager, which then keeps the demo's language module (DialogsDemo<code>.dll
// beside the program) in step with the library's.
#pragma once

#include <windows.h>

#include <string>

// Posted to the window named in v_DemoJoinLanguages after every switch.
const UINT WM_DEMO_LANGUAGE_CHANGED = WM_APP + 1;

// Registers the demo's switch; `window` hears of each later switch.
void v_DemoJoinLanguages(HWND window);
void v_DemoLeaveLanguages();

// The module of the demo's texts in the current language; the program itself
// while none is loaded (its texts are then missing, and callers fall back).
HINSTANCE h_DemoTexts();
// String `id` of the demo's texts, or `fallback` when it is missing.
std::wstring co_DemoText(unsigned id, const wchar_t* fallback);
// The demo's name, as its window and its message boxes show it.
std::wstring co_DemoTitle();
