// The languages of the platform, numbered in the order of their English names
// so that lists built from the table read alphabetically; number 54 is held by
// the product's own pseudo-language (see CT_Language). Codes are the ones the
// platform gives as LOCALE_SABBREVLANGNAME.
#include "LanguageTable.h"

namespace {

using Basis::st_PrimaryLanguage;
using Basis::st_SubLanguage;

// Primary language of the pseudo-language: a value the platform keeps for
// pseudo-locales, never a real language.
const WORD kPseudoPrimary = 0x101;

constexpr st_SubLanguage kArabic[] = {
    {1, L"Saudi Arabia", L"ARA"}, {2, L"Iraq", L"ARI"},     {3, L"Egypt", L"ARE"},    {4, L"Libya", L"ARL"},
    {5, L"Algeria", L"ARG"},      {6, L"Morocco", L"ARM"},  {7, L"Tunisia", L"ART"},  {8, L"Oman", L"ARO"},
    {9, L"Yemen", L"ARY"},        {10, L"Syria", L"ARS"},   {11, L"Jordan", L"ARJ"},  {12, L"Lebanon", L"ARB"},
    {13, L"Kuwait", L"ARK"},      {14, L"U.A.E.", L"ARU"},  {15, L"Bahrain", L"ARH"}, {16, L"Qatar", L"ARQ"},
};
constexpr st_SubLanguage kAzeri[] = {{1, L"Latin", L"AZE"}, {2, L"Cyrillic", L"AZC"}};
constexpr st_SubLanguage kBosnian[] = {{5, L"Bosnia and Herzegovina", L"BSB"}};
constexpr st_SubLanguage kChinese[] = {
    {1, L"Taiwan", L"CHT"},    {2, L"PRC", L"CHS"},           {3, L"Hong Kong S.A.R.", L"ZHH"},
    {4, L"Singapore", L"ZHI"}, {5, L"Macao S.A.R.", L"ZHM"},
};
constexpr st_SubLanguage kCroatian[] = {{1, L"Croatia", L"HRV"}, {4, L"Bosnia and Herzegovina", L"HRB"}};
constexpr st_SubLanguage kDutch[] = {{1, L"Netherlands", L"NLD"}, {2, L"Belgium", L"NLB"}};
constexpr st_SubLanguage kEnglish[] = {
    {1, L"United States", L"ENU"},  {2, L"United Kingdom", L"ENG"}, {3, L"Australia", L"ENA"},
    {4, L"Canada", L"ENC"},         {5, L"New Zealand", L"ENZ"},    {6, L"Ireland", L"ENI"},
    {7, L"South Africa", L"ENS"},   {8, L"Jamaica", L"ENJ"},        {9, L"Caribbean", L"ENB"},
    {10, L"Belize", L"ENL"},        {11, L"Trinidad and Tobago", L"ENT"}, {12, L"Zimbabwe", L"ENW"},
    {13, L"Philippines", L"ENP"},
};
constexpr st_SubLanguage kFrench[] = {
    {1, L"France", L"FRA"},      {2, L"Belgium", L"FRB"},    {3, L"Canada", L"FRC"},
    {4, L"Switzerland", L"FRS"}, {5, L"Luxembourg", L"FRL"}, {6, L"Monaco", L"FRM"},
};
constexpr st_SubLanguage kGerman[] = {
    {1, L"Germany", L"DEU"},    {2, L"Switzerland", L"DES"},   {3, L"Austria", L"DEA"},
    {4, L"Luxembourg", L"DEL"}, {5, L"Liechtenstein", L"DEC"},
};
constexpr st_SubLanguage kInuktitut[] = {{2, L"Latin, Canada", L"IUK"}};
constexpr st_SubLanguage kIrish[] = {{2, L"Ireland", L"IRE"}};
constexpr st_SubLanguage kItalian[] = {{1, L"Italy", L"ITA"}, {2, L"Switzerland", L"ITS"}};
constexpr st_SubLanguage kMalay[] = {{1, L"Malaysia", L"MSL"}, {2, L"Brunei Darussalam", L"MSB"}};
constexpr st_SubLanguage kNorwegian[] = {{1, L"Bokm\u00E5l", L"NOR"}, {2, L"Nynorsk", L"NON"}};
constexpr st_SubLanguage kPortuguese[] = {{1, L"Brazil", L"PTB"}, {2, L"Portugal", L"PTG"}};
constexpr st_SubLanguage kPseudo[] = {{1, L"Accents", L"PSE"}};
constexpr st_SubLanguage kQuechua[] = {{1, L"Bolivia", L"QUB"}, {2, L"Ecuador", L"QUE"}, {3, L"Peru", L"QUP"}};
constexpr st_SubLanguage kSami[] = {
    {1, L"Northern, Norway", L"SME"}, {2, L"Northern, Sweden", L"SMF"}, {3, L"Northern, Finland", L"SMG"},
    {4, L"Lule, Norway", L"SMJ"},     {5, L"Lule, Sweden", L"SMK"},     {6, L"Southern, Norway", L"SMA"},
    {7, L"Southern, Sweden", L"SMB"}, {8, L"Skolt, Finland", L"SMS"},   {9, L"Inari, Finland", L"SMN"},
};
constexpr st_SubLanguage kSerbian[] = {
    {2, L"Latin", L"SRL"},
    {3, L"Cyrillic", L"SRB"},
    {6, L"Latin, Bosnia and Herzegovina", L"SRS"},
    {7, L"Cyrillic, Bosnia and Herzegovina", L"SRN"},
};
constexpr st_SubLanguage kSpanish[] = {
    {1, L"Spain, Traditional Sort", L"ESP"}, {2, L"Mexico", L"ESM"},
    {3, L"Spain, International Sort", L"ESN"}, {4, L"Guatemala", L"ESG"},
    {5, L"Costa Rica", L"ESC"},  {6, L"Panama", L"ESA"},       {7, L"Dominican Republic", L"ESD"},
    {8, L"Venezuela", L"ESV"},   {9, L"Colombia", L"ESO"},     {10, L"Peru", L"ESR"},
    {11, L"Argentina", L"ESS"},  {12, L"Ecuador", L"ESF"},     {13, L"Chile", L"ESL"},
    {14, L"Uruguay", L"ESY"},    {15, L"Paraguay", L"ESZ"},    {16, L"Bolivia", L"ESB"},
    {17, L"El Salvador", L"ESE"}, {18, L"Honduras", L"ESH"},   {19, L"Nicaragua", L"ESI"},
    {20, L"Puerto Rico", L"ESU"},
};
constexpr st_SubLanguage kSwedish[] = {{1, L"Sweden", L"SVE"}, {2, L"Finland", L"SVF"}};
constexpr st_SubLanguage kUzbek[] = {{1, L"Latin", L"UZB"}, {2, L"Cyrillic", L"UZC"}};

template <unsigned N>
constexpr st_PrimaryLanguage Variants(WORD primary, const wchar_t* name, const st_SubLanguage (&subs)[N])
{
    return {primary, name, nullptr, subs, N, false};
}

constexpr st_PrimaryLanguage Single(WORD primary, const wchar_t* name, const wchar_t* code)
{
    return {primary, name, code, nullptr, 0, false};
}

constexpr st_PrimaryLanguage kLanguages[] = {
    Single(LANG_AFRIKAANS, L"Afrikaans", L"AFK"),
    Single(LANG_ALBANIAN, L"Albanian", L"SQI"),
    Variants(LANG_ARABIC, L"Arabic", kArabic),
    Single(LANG_ARMENIAN, L"Armenian", L"HYE"),
    Variants(LANG_AZERI, L"Azeri", kAzeri),
    Single(LANG_BASQUE, L"Basque", L"EUQ"),
    Single(LANG_BELARUSIAN, L"Belarusian", L"BEL"),
    Single(LANG_BENGALI, L"Bengali", L"BNG"),
    Variants(LANG_BOSNIAN, L"Bosnian", kBosnian),
    Single(LANG_BULGARIAN, L"Bulgarian", L"BGR"),
    Single(LANG_CATALAN, L"Catalan", L"CAT"),
    Variants(LANG_CHINESE, L"Chinese", kChinese),
    Variants(LANG_CROATIAN, L"Croatian", kCroatian),
    Single(LANG_CZECH, L"Czech", L"CSY"),
    Single(LANG_DANISH, L"Danish", L"DAN"),
    Single(LANG_DIVEHI, L"Divehi", L"DIV"),
    Variants(LANG_DUTCH, L"Dutch", kDutch),
    Variants(LANG_ENGLISH, L"English", kEnglish),
    Single(LANG_ESTONIAN, L"Estonian", L"ETI"),
    Single(LANG_FAEROESE, L"Faroese", L"FOS"),
    Single(LANG_FARSI, L"Farsi", L"FAR"),
    Single(LANG_FILIPINO, L"Filipino", L"FPO"),
    Single(LANG_FINNISH, L"Finnish", L"FIN"),
    Variants(LANG_FRENCH, L"French", kFrench),
    Single(LANG_FRISIAN, L"Frisian", L"FYN"),
    Single(LANG_GALICIAN, L"Galician", L"GLC"),
    Single(LANG_GEORGIAN, L"Georgian", L"KAT"),
    Variants(LANG_GERMAN, L"German", kGerman),
    Single(LANG_GREEK, L"Greek", L"ELL"),
    Single(LANG_GUJARATI, L"Gujarati", L"GUJ"),
    Single(LANG_HEBREW, L"Hebrew", L"HEB"),
    Single(LANG_HINDI, L"Hindi", L"HIN"),
    Single(LANG_HUNGARIAN, L"Hungarian", L"HUN"),
    Single(LANG_ICELANDIC, L"Icelandic", L"ISL"),
    Single(LANG_INDONESIAN, L"Indonesian", L"IND"),
    Variants(LANG_INUKTITUT, L"Inuktitut", kInuktitut),
    Variants(LANG_IRISH, L"Irish", kIrish),
    Variants(LANG_ITALIAN, L"Italian", kItalian),
    Single(LANG_JAPANESE, L"Japanese", L"JPN"),
    Single(LANG_KANNADA, L"Kannada", L"KDI"),
    Single(LANG_KAZAK, L"Kazakh", L"KKZ"),
    Single(LANG_KONKANI, L"Konkani", L"KNK"),
    Single(LANG_KOREAN, L"Korean", L"KOR"),
    Single(LANG_KYRGYZ, L"Kyrgyz", L"KYR"),
    Single(LANG_LATVIAN, L"Latvian", L"LVI"),
    Single(LANG_LITHUANIAN, L"Lithuanian", L"LTH"),
    Single(LANG_LUXEMBOURGISH, L"Luxembourgish", L"LBX"),
    Single(LANG_MACEDONIAN, L"Macedonian", L"MKI"),
    Variants(LANG_MALAY, L"Malay", kMalay),
    Single(LANG_MALAYALAM, L"Malayalam", L"MYM"),
    Single(LANG_MALTESE, L"Maltese", L"MLT"),
    Single(LANG_MAORI, L"Maori", L"MRI"),
    Single(LANG_MAPUDUNGUN, L"Mapudungun", L"MPD"),
    {kPseudoPrimary, L"Pseudo", nullptr, kPseudo, 1, true},
    Single(LANG_MARATHI, L"Marathi", L"MAR"),
    Single(LANG_MOHAWK, L"Mohawk", L"MWK"),
    Single(LANG_MONGOLIAN, L"Mongolian", L"MNN"),
    Single(LANG_SOTHO, L"Northern Sotho", L"NSO"),
    Variants(LANG_NORWEGIAN, L"Norwegian", kNorwegian),
    Single(LANG_POLISH, L"Polish", L"PLK"),
    Variants(LANG_PORTUGUESE, L"Portuguese", kPortuguese),
    Single(LANG_PUNJABI, L"Punjabi", L"PAN"),
    Variants(LANG_QUECHUA, L"Quechua", kQuechua),
    Single(LANG_ROMANIAN, L"Romanian", L"ROM"),
    Single(LANG_ROMANSH, L"Romansh", L"RMC"),
    Single(LANG_RUSSIAN, L"Russian", L"RUS"),
    Variants(LANG_SAMI, L"Sami", kSami),
    Single(LANG_SANSKRIT, L"Sanskrit", L"SAN"),
    Variants(LANG_SERBIAN, L"Serbian", kSerbian),
    Single(LANG_SLOVAK, L"Slovak", L"SKY"),
    Single(LANG_SLOVENIAN, L"Slovenian", L"SLV"),
    Variants(LANG_SPANISH, L"Spanish", kSpanish),
    Single(LANG_SWAHILI, L"Swahili", L"SWK"),
    Variants(LANG_SWEDISH, L"Swedish", kSwedish),
    Single(LANG_SYRIAC, L"Syriac", L"SYR"),
    Single(LANG_TAMIL, L"Tamil", L"TAI"),
    Single(LANG_TATAR, L"Tatar", L"TTT"),
    Single(LANG_TELUGU, L"Telugu", L"TEL"),
    Single(LANG_THAI, L"Thai", L"THA"),
    Single(LANG_TSWANA, L"Tswana", L"TSN"),
    Single(LANG_TURKISH, L"Turkish", L"TRK"),
    Single(LANG_UKRAINIAN, L"Ukrainian", L"UKR"),
    Single(LANG_URDU, L"Urdu", L"URD"),
    Variants(LANG_UZBEK, L"Uzbek", kUzbek),
    Single(LANG_VIETNAMESE, L"Vietnamese", L"VIT"),
    Single(LANG_WELSH, L"Welsh", L"CYM"),
    Single(LANG_XHOSA, L"Xhosa", L"XHO"),
    Single(LANG_ZULU, L"Zulu", L"ZUL"),
};

const unsigned kCount = sizeof kLanguages / sizeof *kLanguages;
static_assert(kLanguages[54 - 1].n_Primary == kPseudoPrimary && kLanguages[54 - 1].b_Proprietary,
              "language number 54 is the pseudo-language");

} // namespace

unsigned Basis::n_GetPrimaryCount()
{
    return kCount;
}

const st_PrimaryLanguage* Basis::pcso_GetPrimary(unsigned number)
{
    return number >= 1 && number <= kCount ? &kLanguages[number - 1] : nullptr;
}

const st_SubLanguage* Basis::pcso_FindSub(const st_PrimaryLanguage* language, unsigned sub)
{
    for (unsigned i = 0; i < language->n_SubCount; ++i)
        if (language->pcso_Subs[i].n1_Sub == sub)
            return &language->pcso_Subs[i];
    return nullptr;
}

bool Basis::b_FindLanguage(unsigned id, unsigned* number, const st_SubLanguage** sub)
{
    if (id > 0xFFFF)
        return false;
    for (unsigned n = 1; n <= kCount; ++n) {
        const st_PrimaryLanguage& language = kLanguages[n - 1];
        if (PRIMARYLANGID(id) != language.n_Primary)
            continue;
        if (language.n_SubCount == 0 && SUBLANGID(id) == SUBLANG_DEFAULT) {
            *number = n;
            *sub = nullptr;
            return true;
        }
        if (const st_SubLanguage* variant = pcso_FindSub(&language, SUBLANGID(id))) {
            *number = n;
            *sub = variant;
            return true;
        }
    }
    return false;
}
