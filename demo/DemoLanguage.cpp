#include "DemoLanguage.h"

#include "DemoHost.h"
#include "DemoTexts.h"
#include "LexorinUILanguageMgr.h"

namespace {

class DemoLanguageSwitch : public CT_DLLSwitch {
public:
    HWND h_Window = nullptr;

protected:
    void vv_SetResourceHandle(HINSTANCE hModule, unsigned language) override
    {
        CT_DLLSwitch::vv_SetResourceHandle(hModule, language);
        if (h_Window)
            PostMessageW(h_Window, WM_DEMO_LANGUAGE_CHANGED, 0, 0);
    }
};

DemoLanguageSwitch& co_Switch()
{
    static DemoLanguageSwitch languageSwitch;
    return languageSwitch;
}

} // namespace

void v_DemoJoinLanguages(HWND window)
{
    DemoLanguageSwitch& languageSwitch = co_Switch();
    const CT_UString folder(co_DemoProgramFolder().c_str());
    const CT_UString name(L"DialogsDemo");
    languageSwitch.v_Initialize(&folder, &name);
    languageSwitch.h_Window = window;
    CT_UILanguageMgr::spco_GetUILanguageMgr()->v_Register(&languageSwitch);
}

void v_DemoLeaveLanguages()
{
    co_Switch().h_Window = nullptr;
    CT_UILanguageMgr::spco_GetUILanguageMgr()->v_Unregister(&co_Switch());
}

HINSTANCE h_DemoTexts()
{
    const HINSTANCE texts = co_Switch().h_GetResourceHandle();
    return texts ? texts : GetModuleHandleW(nullptr);
}

std::wstring co_DemoText(unsigned id, const wchar_t* fallback)
{
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands out the resource's own text.
    const int length = LoadStringW(h_DemoTexts(), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring(fallback);
}

std::wstring co_DemoTitle()
{
    return co_DemoText(IDS_DEMO_TITLE, L"Dialogs demo host");
}
