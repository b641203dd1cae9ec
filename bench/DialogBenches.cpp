#include <Dialogs/Dialogs.h>
#include <afxstat_.h>

#include "BenchPictures.h"
#include "BenchTiming.h"
#include "DialogBenches.h"
#include "PlainWin32.h"

#include <cstdio>
#include <cstring>

namespace {

const wchar_t* const kSplashLines[] = {L"Lexorin 7.0.1", L"Starting...", L"Copyright Lexorin Software"};
const int kSplashLineCount = 3;
const wchar_t kVersion[] = L"7.0.1";
const unsigned kBuild = 320;
const unsigned kEnglish = 0x0409;

double f_LibrarySplash(const BenchModules& modules)
{
    CT_SplashWindow::st_Parameters parameters;
    parameters.h_Instance = modules.pictures;
    parameters.n_Bitmap = BENCH_SPLASH;
    parameters.n_Seconds = 60;
    parameters.n_TextCount = kSplashLineCount;
    for (int i = 0; i < kSplashLineCount; ++i) {
        parameters.aso_Text[i].i_X = 20;
        parameters.aso_Text[i].i_Y = 196 + 16 * i;
        parameters.aso_Text[i].co_Text.v_Set(kSplashLines[i], static_cast<unsigned>(-1));
    }
    const double start = f_Now();
    CT_SplashWindow::sv_Show(&parameters);
    const double elapsed = f_Now() - start;
    const bool shown = CT_SplashWindow::sb_Active();
    CT_SplashWindow::sv_Kill();
    v_Drain();
    return shown ? elapsed : -1;
}

double f_PlainSplash(const BenchModules& modules)
{
    const double start = f_Now();
    HWND splash = h_PlainShowSplash(modules.pictures, BENCH_SPLASH, kSplashLines, kSplashLineCount);
    const double elapsed = f_Now() - start;
    v_PlainCloseSplash(splash);
    v_Drain();
    return splash ? elapsed : -1;
}

double f_LibraryAbout(const BenchModules& modules)
{
    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(kVersion, static_cast<unsigned>(-1));
    parameters.n_Build = kBuild;
    parameters.h_Instance = modules.pictures;
    parameters.h_ResourceInstance = modules.pictures;
    parameters.n_Bitmap16Colors = BENCH_PRODUCT;
    parameters.n_Bitmap = BENCH_PRODUCT;
    AfxGetAppModuleState()->m_appLangDLL = modules.pictures;
    return f_TimeModalDialog([&] { CT_AboutDialog::sb_Show(&parameters); });
}

double f_PlainAbout(const BenchModules& modules)
{
    const PlainAboutParameters parameters = {kVersion,         kBuild, modules.pictures, BENCH_PRODUCT,
                                             BENCH_PRODUCT,    modules.pictures, L"", modules.pictures,
                                             modules.library};
    return f_TimeModalDialog([&] { i_PlainShowAbout(modules.templates, parameters); });
}

double f_LibraryLanguages(const BenchModules&)
{
    unsigned language = kEnglish;
    return f_TimeModalDialog([&] { CT_LanguageDialog::sb_Show(&language, TRUE, TRUE); });
}

double f_PlainLanguages(const BenchModules& modules)
{
    return f_TimeModalDialog([&] { i_PlainShowLanguages(modules.templates, kEnglish); });
}

HMODULE h_Load(const wchar_t* name)
{
    const HMODULE module = LoadLibraryW(name);
    if (!module)
        std::fprintf(stderr, "DialogsBench: %ls is missing\n", name);
    return module;
}

} // namespace

bool b_LoadBenchModules(BenchModules* modules)
{
    modules->pictures = h_Load(L"BenchPictures.dll");
    modules->templates = h_Load(L"DialogsENU.dll");
    modules->library = GetModuleHandleW(L"Dialogs.dll");
    return modules->pictures && modules->templates && modules->library;
}

void v_FreeBenchModules(BenchModules* modules)
{
    if (modules->pictures)
        FreeLibrary(modules->pictures);
    if (modules->templates)
        FreeLibrary(modules->templates);
    *modules = BenchModules();
}

const std::vector<DialogShowing>& vso_DialogShowings()
{
    static const std::vector<DialogShowing> showings = {
        {"splash", "splash", 101, f_LibrarySplash, f_PlainSplash},
        {"about", "About box", 101, f_LibraryAbout, f_PlainAbout},
        {"language", "Language box with flags", 101, f_LibraryLanguages, f_PlainLanguages},
    };
    return showings;
}

const DialogShowing* pcso_FindShowing(const char* name)
{
    for (const DialogShowing& showing : vso_DialogShowings()) {
        if (std::strcmp(showing.name, name) == 0)
            return &showing;
    }
    return nullptr;
}
