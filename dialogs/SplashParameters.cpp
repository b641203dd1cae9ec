// The record that describes a splash window.
#include <Dialogs/SplashWindow.h>

// Points are set too, although only the texts in use are drawn: a record
// then never holds an undefined value.
CT_SplashWindow::st_Parameters::st_Parameters() : h_Instance(nullptr), n_Seconds(0), n_Bitmap(0), n_TextCount(0)
{
    for (st_Text& text : aso_Text) {
        text.i_X = 0;
        text.i_Y = 0;
    }
}

CT_SplashWindow::st_Parameters::st_Parameters(st_Parameters* pso_Other) : st_Parameters()
{
    if (!pso_Other)
        return;
    h_Instance = pso_Other->h_Instance;
    n_Seconds = pso_Other->n_Seconds;
    n_Bitmap = pso_Other->n_Bitmap;
    n_TextCount = pso_Other->n_TextCount < sn_MaxTexts ? pso_Other->n_TextCount : sn_MaxTexts;
    for (unsigned i = 0; i < n_TextCount; ++i) {
        aso_Text[i].i_X = pso_Other->aso_Text[i].i_X;
        aso_Text[i].i_Y = pso_Other->aso_Text[i].i_Y;
        aso_Text[i].co_Text.v_Set(&pso_Other->aso_Text[i].co_Text);
    }
}

CT_SplashWindow::st_Parameters& CT_SplashWindow::st_Parameters::operator=(const st_Parameters& so_Other) = default;

CT_SplashWindow::st_Parameters::~st_Parameters() = default;
