// The templates of the library's language modules as a keyboard user and a
// screen reader meet them, in every language: each item that takes the
// focus is named and has a key. A button carries a mnemonic in its own text;
// any other item (the language list) follows a label with a mnemonic, which
// a screen reader reads as its name and whose key moves the focus to it.
// OK and Cancel answer to Enter and Escape; the About box's picture links
// are named by their targets (link_accessible_test, about_dialog_test).
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <set>
#include <string>

namespace {

INT_PTR CALLBACK unfocusedDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::wstring textOf(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

bool isClass(HWND window, const wchar_t* name)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, name) == 0;
}

// The letter a text underlines ("&x", not "&&"), upper case; 0 for none.
wchar_t mnemonicOf(const std::wstring& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            return static_cast<wchar_t>(std::towupper(text[i + 1]));
        ++i;
    }
    return 0;
}

// What is wrong with the box's items that take the focus, item by item;
// empty when nothing.
std::string faultsOf(HWND dialog)
{
    std::string faults;
    std::set<wchar_t> keys;
    auto takeKey = [&](wchar_t key, int id) {
        if (!key)
            faults += "item " + std::to_string(id) + " has no key; ";
        else if (!keys.insert(key).second)
            faults += "item " + std::to_string(id) + " shares its key; ";
    };
    HWND previous = nullptr;
    for (HWND item = GetWindow(dialog, GW_CHILD); item; previous = item, item = GetWindow(item, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(item);
        if (!(GetWindowLongW(item, GWL_STYLE) & WS_TABSTOP) || id == IDOK || id == IDCANCEL)
            continue;
        if (isClass(item, L"Button"))
            takeKey(mnemonicOf(textOf(item)), id);
        else if (!isClass(item, L"Static"))
            takeKey(previous && isClass(previous, L"Static") ? mnemonicOf(textOf(previous)) : 0, id);
    }
    return faults;
}

TEST(TemplateAccess, EveryItemThatTakesTheFocusIsNamedAndHasAKeyInEveryLanguage)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    for (const wchar_t* moduleName : {L"DialogsENU.dll", L"DialogsDEU.dll", L"DialogsJPN.dll"}) {
        HMODULE module = LoadLibraryW(moduleName);
        ASSERT_NE(module, nullptr);
        for (int id : {IDD_LANGUAGE_DIALOG, IDD_ABOUT_DIALOG, IDD_TIP_DIALOG}) {
            SCOPED_TRACE(testing::Message() << "template " << id << " of " << testing::PrintToString(moduleName));
            HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(id), nullptr, unfocusedDialogProc, 0);
            ASSERT_NE(dialog, nullptr);
            int focusable = 0;
            for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT))
                focusable += (GetWindowLongW(item, GWL_STYLE) & WS_TABSTOP) != 0;
            EXPECT_EQ(focusable, 3) << "the list or the two pictures or two buttons, with OK";
            EXPECT_EQ(faultsOf(dialog), "");
            DestroyWindow(dialog);
        }
        FreeLibrary(module);
    }
}

} // namespace
