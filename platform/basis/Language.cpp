#include "LexorinBasis.h"

#include "LanguageTable.h"
#include "Text.h"
#include "WideFormat.h"

using Basis::st_PrimaryLanguage;
using Basis::st_SubLanguage;

unsigned CT_Language::sn_GetPrimaryCount()
{
    return Basis::n_GetPrimaryCount();
}

unsigned CT_Language::sn_GetSubCount(et_Primary primary)
{
    const st_PrimaryLanguage* language = Basis::pcso_GetPrimary(primary);
    return language ? language->n_SubCount : 0;
}

CT_Language::et_Sub CT_Language::seo_GetSubAt(et_Primary primary, unsigned index)
{
    const st_PrimaryLanguage* language = Basis::pcso_GetPrimary(primary);
    if (!language || index < 1 || index > language->n_SubCount)
        return es_None;
    return static_cast<et_Sub>(language->pcso_Subs[index - 1].n1_Sub);
}

// es_None stands for the language's first variant, or SUBLANG_DEFAULT for a
// language without variants.
unsigned CT_Language::sn_MakeLanguageID(et_Primary primary, et_Sub sub)
{
    const st_PrimaryLanguage* language = Basis::pcso_GetPrimary(primary);
    if (!language)
        return 0;
    if (sub == es_None)
        return MAKELANGID(language->n_Primary, language->n_SubCount ? language->pcso_Subs[0].n1_Sub : SUBLANG_DEFAULT);
    return Basis::pcso_FindSub(language, sub) ? MAKELANGID(language->n_Primary, sub) : 0;
}

void CT_Language::sv_GetLanguages(unsigned id, et_Primary* primary, et_Sub* sub)
{
    unsigned number = 0;
    const st_SubLanguage* variant = nullptr;
    const bool found = Basis::b_FindLanguage(id, &number, &variant);
    if (primary)
        *primary = found ? static_cast<et_Primary>(number) : ep_None;
    if (sub)
        *sub = found && variant ? static_cast<et_Sub>(variant->n1_Sub) : es_None;
}

void CT_Language::sv_MakeLanguageString(CT_UString* out, et_Primary primary, et_Sub sub)
{
    if (!out)
        return;
    out->v_Set(nullptr, 0);
    const st_PrimaryLanguage* language = Basis::pcso_GetPrimary(primary);
    if (!language)
        return;
    if (sub == es_None) {
        out->v_Set(language->pcu_Name, Basis::kWholeText);
        return;
    }
    if (const st_SubLanguage* variant = Basis::pcso_FindSub(language, sub))
        Basis::b_Format(out, L"%s (%s)", language->pcu_Name, variant->pcu_Name);
}

void CT_Language::sv_GetModuleCode(CT_UString* out, unsigned id)
{
    if (!out)
        return;
    unsigned number = 0;
    const st_SubLanguage* variant = nullptr;
    if (!Basis::b_FindLanguage(id, &number, &variant)) {
        out->v_Set(nullptr, 0);
        return;
    }
    const wchar_t* code = variant ? variant->pcu_Code : Basis::pcso_GetPrimary(number)->pcu_Code;
    out->v_Set(code, Basis::kWholeText);
}
