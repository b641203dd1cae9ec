// The language table and the locale queries.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Primary = CT_Language::et_Primary;
using Sub = CT_Language::et_Sub;

std::wstring name(unsigned primary, unsigned sub)
{
    CT_UString text(L"stale");
    CT_Language::sv_MakeLanguageString(&text, static_cast<Primary>(primary), static_cast<Sub>(sub));
    return text.qcuz_Get();
}

std::wstring code(unsigned id)
{
    CT_UString text(L"stale");
    CT_Language::sv_GetModuleCode(&text, id);
    return text.qcuz_Get();
}

struct Split {
    unsigned primary, sub;
};

Split split(unsigned id)
{
    Primary primary = static_cast<Primary>(99);
    Sub sub = static_cast<Sub>(99);
    CT_Language::sv_GetLanguages(id, &primary, &sub);
    return {primary, sub};
}

// Calls f(primary, sub, id) for every identifier, as the language list does.
template <typename F> void forEachIdentifier(F f)
{
    for (unsigned p = 1; p <= CT_Language::sn_GetPrimaryCount(); ++p) {
        const Primary primary = static_cast<Primary>(p);
        const unsigned count = CT_Language::sn_GetSubCount(primary);
        for (unsigned i = 1; i <= (count ? count : 1); ++i) {
            const Sub sub = CT_Language::seo_GetSubAt(primary, i);
            f(p, static_cast<unsigned>(sub), CT_Language::sn_MakeLanguageID(primary, sub));
        }
    }
}

TEST(Language, TheTableCoversThePlatformsLanguages)
{
    EXPECT_GE(CT_Language::sn_GetPrimaryCount(), 60u);
    unsigned identifiers = 0;
    forEachIdentifier([&](unsigned, unsigned, unsigned) { ++identifiers; });
    EXPECT_GE(identifiers, 130u);

    // Alphabetical, so that a list built from the table reads so; 54 is the
    // product's own language and stands apart.
    std::wstring previous;
    for (unsigned p = 1; p <= CT_Language::sn_GetPrimaryCount(); ++p) {
        if (p == 54)
            continue;
        EXPECT_LT(previous, name(p, 0)) << p;
        previous = name(p, 0);
    }
}

TEST(Language, EveryIdentifierSplitsBackIntoItsNumbers)
{
    std::set<unsigned> ids;
    std::set<std::wstring> names, codes;
    forEachIdentifier([&](unsigned p, unsigned s, unsigned id) {
        ASSERT_NE(id, 0u) << p << " " << s;
        const Split back = split(id);
        EXPECT_EQ(back.primary, p) << std::hex << id;
        EXPECT_EQ(back.sub, s) << std::hex << id;
        EXPECT_EQ(CT_Language::sn_MakeLanguageID(static_cast<Primary>(back.primary), static_cast<Sub>(back.sub)), id);
        EXPECT_TRUE(ids.insert(id).second) << "repeated identifier " << std::hex << id;
        // Distinct texts, so that a list can find its entry by text.
        EXPECT_TRUE(names.insert(name(p, s)).second) << std::hex << id;
        EXPECT_EQ(name(p, s), name(p, s));
        EXPECT_EQ(code(id).size(), 3u) << std::hex << id;
        EXPECT_TRUE(codes.insert(code(id)).second) << "repeated code for " << std::hex << id;
    });
}

TEST(Language, KnownIdentifiers)
{
    struct Known {
        unsigned id;
        const wchar_t* text;
        const wchar_t* code;
    } known[] = {
        {0x0411, L"Japanese", L"JPN"},
        {0x0409, L"English (United States)", L"ENU"},
        {0x0809, L"English (United Kingdom)", L"ENG"},
        {0x0407, L"German (Germany)", L"DEU"},
        {0x0807, L"German (Switzerland)", L"DES"},
        {0x040C, L"French (France)", L"FRA"},
        {0x0404, L"Chinese (Taiwan)", L"CHT"},
        {0x0804, L"Chinese (PRC)", L"CHS"},
        {0x081A, L"Serbian (Latin)", L"SRL"},
    };
    for (const Known& k : known) {
        const Split parts = split(k.id);
        EXPECT_EQ(name(parts.primary, parts.sub), k.text);
        EXPECT_EQ(code(k.id), k.code);
    }
    const Split japanese = split(0x0411);
    EXPECT_EQ(japanese.sub, 0u);
    EXPECT_EQ(CT_Language::sn_GetSubCount(static_cast<Primary>(japanese.primary)), 0u);
    EXPECT_EQ(CT_Language::seo_GetSubAt(static_cast<Primary>(japanese.primary), 1), CT_Language::es_None);
    EXPECT_EQ(CT_Language::sn_MakeLanguageID(static_cast<Primary>(japanese.primary), CT_Language::es_None), 0x0411u);

    // A language with variants: its first is its default, its name stands alone.
    const Split english = split(0x0409);
    EXPECT_EQ(CT_Language::sn_MakeLanguageID(static_cast<Primary>(english.primary), CT_Language::es_None), 0x0409u);
    EXPECT_EQ(name(english.primary, 0), L"English");
    EXPECT_EQ(CT_Language::sn_MakeLanguageID(static_cast<Primary>(split(0x0C1A).primary), CT_Language::es_None),
              0x081Au);   // Serbian shares its primary identifier with Croatian
}

TEST(Language, NumberFiftyFourIsTheProductsPseudoLanguage)
{
    const Primary pseudo = static_cast<Primary>(54);
    EXPECT_EQ(name(54, 0), L"Pseudo");
    ASSERT_EQ(CT_Language::sn_GetSubCount(pseudo), 1u);
    const Sub accents = CT_Language::seo_GetSubAt(pseudo, 1);
    EXPECT_EQ(name(54, accents), L"Pseudo (Accents)");
    const unsigned id = CT_Language::sn_MakeLanguageID(pseudo, accents);
    EXPECT_EQ(id, 0x0501u);
    EXPECT_EQ(code(id), L"PSE");
    EXPECT_TRUE(CT_LocaleInfo::sb_IsProprietary(id));
    // Not a locale of the system: the product brings it itself.
    wchar_t buffer[8];
    EXPECT_EQ(GetLocaleInfoW(MAKELCID(id, SORT_DEFAULT), LOCALE_SABBREVLANGNAME, buffer, 8), 0);
}

TEST(Language, OutOfRangeNumbersGiveNothing)
{
    const unsigned count = CT_Language::sn_GetPrimaryCount();
    for (unsigned p : {0u, count + 1, 0xFFFFFFFFu}) {
        EXPECT_EQ(CT_Language::sn_GetSubCount(static_cast<Primary>(p)), 0u);
        EXPECT_EQ(CT_Language::seo_GetSubAt(static_cast<Primary>(p), 1), CT_Language::es_None);
        EXPECT_EQ(CT_Language::sn_MakeLanguageID(static_cast<Primary>(p), CT_Language::es_None), 0u);
        EXPECT_EQ(name(p, 0), L"");
    }
    const Split german = split(0x0407);
    const Primary primary = static_cast<Primary>(german.primary);
    EXPECT_EQ(CT_Language::seo_GetSubAt(primary, 0), CT_Language::es_None);
    EXPECT_EQ(CT_Language::seo_GetSubAt(primary, 6), CT_Language::es_None);
    EXPECT_EQ(CT_Language::sn_MakeLanguageID(primary, static_cast<Sub>(0x3F)), 0u);
    EXPECT_EQ(name(german.primary, 0x3F), L"");

    for (unsigned id : {0u, 0x0400u, 0x0811u, 0x7C09u, 0x10409u, 0xFFFFFFFFu}) {
        const Split parts = split(id);
        EXPECT_EQ(parts.primary, 0u) << std::hex << id;
        EXPECT_EQ(parts.sub, 0u) << std::hex << id;
        EXPECT_EQ(code(id), L"") << std::hex << id;
        EXPECT_FALSE(CT_LocaleInfo::sb_IsProprietary(id));
    }
    CT_Language::sv_GetLanguages(0x0409, nullptr, nullptr);
    CT_Language::sv_MakeLanguageString(nullptr, primary, CT_Language::es_None);
    CT_Language::sv_GetModuleCode(nullptr, 0x0409);
}

TEST(Language, CodesAreThoseTheSystemGives)
{
    forEachIdentifier([](unsigned, unsigned, unsigned id) {
        // Wine gives one code, "QUZ", to all three variants of Quechua; the
        // table keeps Windows' own three, so that each has a module of its own.
        if (PRIMARYLANGID(id) == LANG_QUECHUA)
            return;
        wchar_t system[8] = {};
        if (GetLocaleInfoW(MAKELCID(id, SORT_DEFAULT), LOCALE_SABBREVLANGNAME, system, 8)) {
            EXPECT_EQ(code(id), system) << std::hex << id;
        }
    });
}

TEST(LocaleInfo, AsksTheSystemWhichLocalesAreInstalled)
{
    EXPECT_TRUE(CT_LocaleInfo::sb_IsInstalled(0x0409));
    EXPECT_TRUE(CT_LocaleInfo::sb_IsInstalled(0x0411));
    EXPECT_FALSE(CT_LocaleInfo::sb_IsInstalled(0));
    EXPECT_FALSE(CT_LocaleInfo::sb_IsInstalled(0x0501));
    EXPECT_FALSE(CT_LocaleInfo::sb_IsInstalled(0x10409));
    EXPECT_FALSE(CT_LocaleInfo::sb_IsInstalled(0x7FFF));
    EXPECT_FALSE(CT_LocaleInfo::sb_IsProprietary(0x0409));
}

} // namespace
