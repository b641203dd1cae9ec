#include "BenchPictures.h"
#include "DialogBenches.h"
#include "PlainWin32.h"

#include <Dialogs/Dialogs.h>

BenchFigure so_BenchAbout(HMODULE pictures)
{
    HMODULE templates = LoadLibraryW(L"DialogsENU.dll");
    HMODULE library = GetModuleHandleW(L"Dialogs.dll");
    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"7.0.1", static_cast<unsigned>(-1));
    parameters.n_Build = 320;
    parameters.h_Instance = pictures;
    parameters.h_ResourceInstance = pictures;
    parameters.n_Bitmap16Colors = BENCH_PRODUCT;
    parameters.n_Bitmap = BENCH_PRODUCT;
    AfxGetAppModuleState()->m_appLangDLL = pictures;

    const BenchFigure figure = so_Compare(
        "About box, show to painted", 31,
        [&] { return f_TimeModalDialog([&] { CT_AboutDialog::sb_Show(&parameters); }); },
        [&] { return f_TimeModalDialog([&] { i_PlainShowAbout(templates, pictures, pictures, library); }); });
    if (templates)
        FreeLibrary(templates);
    return figure;
}

BenchFigure so_BenchLanguages()
{
    HMODULE templates = LoadLibraryW(L"DialogsENU.dll");
    unsigned language = 0x0409;
    const BenchFigure figure = so_Compare(
        "Language box with flags, show to painted", 31,
        [&] { return f_TimeModalDialog([&] { CT_LanguageDialog::sb_Show(&language, TRUE, TRUE); }); },
        [&] { return f_TimeModalDialog([&] { i_PlainShowLanguages(templates); }); });
    if (templates)
        FreeLibrary(templates);
    return figure;
}
