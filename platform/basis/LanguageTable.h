// The table behind CT_Language and CT_LocaleInfo: the primary languages with
// the country or region variants the platform defines for each, their English
// names and the three-letter codes of their resource modules.
#pragma once

#include <windows.h>

namespace Basis {

struct st_SubLanguage {
    BYTE n1_Sub;               // sub-language part of the identifier
    const wchar_t* pcu_Name;   // "Switzerland"
    const wchar_t* pcu_Code;   // "DES"
};

struct st_PrimaryLanguage {
    WORD n_Primary;            // primary-language part of the identifier
    const wchar_t* pcu_Name;   // "German"
    const wchar_t* pcu_Code;   // code of a language without variants
    const st_SubLanguage* pcso_Subs;
    unsigned n_SubCount;       // 0: one identifier, with SUBLANG_DEFAULT
    bool b_Proprietary;        // the product's own, without a system locale
};

unsigned n_GetPrimaryCount();
// Entry `number` (1-based), or null outside the table.
const st_PrimaryLanguage* pcso_GetPrimary(unsigned number);
// The variant `sub` of a language; null when it has no such variant.
const st_SubLanguage* pcso_FindSub(const st_PrimaryLanguage* language, unsigned sub);
// The entry number and variant of an identifier (variant null for a language
// without variants); false for an identifier not in the table.
bool b_FindLanguage(unsigned id, unsigned* number, const st_SubLanguage** sub);

} // namespace Basis
