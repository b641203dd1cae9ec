#include "LexorinBasis.h"

CT_Exit::~CT_Exit()
{
    if (pf_Function)
        pf_Function();
}
