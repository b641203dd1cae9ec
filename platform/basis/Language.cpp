#include "LexorinBasis.h"

#include "BasisHeap.h"
#include "LanguageTable.h"

#include <string.h>

namespace {

using Basis::st_PrimaryLanguage;
using Basis::st_SubLanguage;

// The variant `sub` of a language; null when it has no such variant.
const st_SubLanguage* pcso_FindSub(const st_PrimaryLanguage* language, unsigned sub)
{
    for (unsigned i = 0; i < language->n_SubCount; ++i)
        if (language->pcso_Subs[i].n1_Sub == sub)
            return &language->pcso_Subs[i];
    return nullptr;
}

// "name (variant)"
void v_SetDisplayName(CT_UString* out, const wchar_t* name, const wchar_t* variant)
{
    const size_t nameLength = wcslen(name), variantLength = wcslen(variant);
    const size_t length = nameLength + variantLength + 3;
    auto* text = static_cast<wchar_t*>(Basis::pv_AllocateArray(length + 1, sizeof(wchar_t)));
    if (!text)
        return;
    memcpy(text, name, nameLength * sizeof(wchar_t));
    text[nameLength] = L' ';
    text[nameLength + 1] = L'(';
    memcpy(text + nameLength + 2, variant, variantLength * sizeof(wchar_t));
    text[length - 1] = L')';
    text[length] = 0;
    out->v_Set(text, static_cast<unsigned>(length));
    Basis::v_Free(text);
}

} // namespace

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
    return pcso_FindSub(language, sub) ? MAKELANGID(language->n_Primary, sub) : 0;
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
    out->v_Set(static_cast<const wchar_t*>(nullptr), 0);
    const st_PrimaryLanguage* language = Basis::pcso_GetPrimary(primary);
    if (!language)
        return;
    if (sub == es_None) {
        out->v_Set(language->pcu_Name, static_cast<unsigned>(-1));
        return;
    }
    if (const st_SubLanguage* variant = pcso_FindSub(language, sub))
        v_SetDisplayName(out, language->pcu_Name, variant->pcu_Name);
}

void CT_Language::sv_GetModuleCode(CT_UString* out, unsigned id)
{
    if (!out)
        return;
    unsigned number = 0;
    const st_SubLanguage* variant = nullptr;
    if (!Basis::b_FindLanguage(id, &number, &variant)) {
        out->v_Set(static_cast<const wchar_t*>(nullptr), 0);
        return;
    }
    const wchar_t* code = variant ? variant->pcu_Code : Basis::pcso_GetPrimary(number)->pcu_Code;
    out->v_Set(code, static_cast<unsigned>(-1));
}
