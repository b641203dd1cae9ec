#include "LexorinBasis.h"

#include "LanguageTable.h"

int CT_LocaleInfo::sb_IsInstalled(unsigned id)
{
    if (id == 0 || id > 0xFFFF)
        return FALSE;
    return IsValidLocale(MAKELCID(id, SORT_DEFAULT), LCID_INSTALLED) ? TRUE : FALSE;
}

// The product's own languages are those the table marks so: the
// pseudo-language of CT_Language.
int CT_LocaleInfo::sb_IsProprietary(unsigned id)
{
    unsigned number = 0;
    const Basis::st_SubLanguage* variant = nullptr;
    return Basis::b_FindLanguage(id, &number, &variant) && Basis::pcso_GetPrimary(number)->b_Proprietary;
}
