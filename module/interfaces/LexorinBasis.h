// LexorinBasis.dll: the product family's basis library. Strings, string
// resources, the font manager, language tables, file names.
#pragma once

#include <windows.h>

#ifdef LEXORIN_BASIS_BUILD
#define LEXORIN_BASIS_API __declspec(dllexport)
#else
#define LEXORIN_BASIS_API __declspec(dllimport)
#endif

// UTF-16 text with value semantics. All storage is owned by the basis
// library: every operation, copies and destruction included, runs there.
class LEXORIN_BASIS_API CT_String {
public:
    CT_String();
    CT_String(const CT_String& other);
    virtual ~CT_String();
    CT_String& operator=(const CT_String& other);

    // Copies another string; null empties.
    void v_Set(const CT_String* other);
    // Wide text of `length` code units; (unsigned)-1 means up to the
    // terminator. Null text empties, so v_Set(0, 1) empties.
    void v_Set(const wchar_t* text, unsigned length);
    // 8-bit text of `length` bytes ((unsigned)-1: up to the terminator).
    // `codePage` (unsigned)-2 widens each byte as it is (Latin-1); any other
    // value names a Windows code page for MultiByteToWideChar.
    void v_Set(const char* text, unsigned length, unsigned codePage);

    // NUL-terminated text; never null; valid until the string changes.
    const wchar_t* qcuz_Get() const;
    // Code unit at a 0-based position; 0 past the end.
    wchar_t u_GetAt(unsigned position) const;

    // Length in code units; 0 means empty.
    virtual unsigned vn_GetLength() const;
    // Removes up to `count` units from `position`; out-of-range parts are ignored.
    virtual void vv_Remove(unsigned count, unsigned position);
    // Compares with 8-bit or wide text (`length` as for v_Set). Negative, 0
    // (equal) or positive. Flag 1 ignores case.
    virtual int vi_Compare(const char* text, unsigned length, unsigned flags) const;
    virtual int vi_Compare(const wchar_t* text, unsigned length, unsigned flags) const;
    // Replaces the text with a copy of another string.
    virtual void vv_Init(const CT_String* other);

    enum { en_IgnoreCase = 1 };

protected:
    wchar_t* pu_Text;      // null while empty
    unsigned n_Length;
    unsigned n_Capacity;
};

// The string every text crossing a boundary of the product family is.
class LEXORIN_BASIS_API CT_UString : public CT_String {
public:
    CT_UString();
    CT_UString(const CT_UString& other);
    explicit CT_UString(const CT_String* other);
    // Wide text, (unsigned)-1 meaning up to the terminator.
    explicit CT_UString(const wchar_t* text, unsigned length = (unsigned)-1);
    // 8-bit text widened byte by byte, (unsigned)-1 meaning the whole text.
    CT_UString(const char* text, unsigned length);
    ~CT_UString() override;
    CT_UString& operator=(const CT_UString& other);

    using CT_String::vv_Init;
    // Replaces the text with 8-bit text widened byte by byte.
    virtual void vv_Init(const char* text, unsigned length);

    // Strings kept on the heap come from the basis library's own heap. Null
    // when no memory is left: callers build with -fcheck-new.
    static void* operator new(size_t size);
    static void operator delete(void* block);
};

// String resources.
class LEXORIN_BASIS_API CT_LoadString {
public:
    // String `id` of `module`; empty when missing.
    static void sv_LoadString(CT_UString* out, HINSTANCE module, unsigned id);
    // String `id` used as a C-style format for the further arguments (%s
    // takes NUL-terminated UTF-16 text, %d and %u 32-bit numbers); empty when
    // the string is missing.
    static void sv_LoadStringVA(CT_UString* out, HINSTANCE module, unsigned id, ...);
};

// A font hired from the font manager. Its first member is its handle, so a
// pointer to it is also a pointer to the HFONT.
class LEXORIN_BASIS_API CT_LogicalFont {
public:
    HFONT h_Font;
    CT_UString co_FaceName;
    unsigned n_Size;          // points (the unit of CT_FontManager::pco_Hire)
    BYTE n1_CharSet;          // as in LOGFONTW
    int b_Bold;
    int b_Italic;
    int b_Underline;
    int b_StrikeOut;

    HFONT h_GetFont() const { return h_Font; }

private:
    friend class CT_FontManager;
    CT_LogicalFont();
    ~CT_LogicalFont();
    CT_LogicalFont(const CT_LogicalFont&) = delete;
    CT_LogicalFont& operator=(const CT_LogicalFont&) = delete;

    unsigned n_HireCount;
    CT_LogicalFont* pco_Next;
};

// The process-wide font cache. Equal requests share one font; a font is
// deleted when its last hire is fired.
class LEXORIN_BASIS_API CT_FontManager {
public:
    // The one manager; usable during static initialisation too.
    static CT_FontManager* spco_GetFontManager();

    // The system's default dialog font (the stock DEFAULT_GUI_FONT object,
    // which the system keeps), read once.
    HFONT h_GetSystemDefaultFont();
    const CT_LogicalFont* pcco_GetSystemDefaultFont();

    // A shared font of `face` and `size`, or null. `unit` 1 means `size` is
    // in points measured on `dc` (the screen when null); 0 means pixels.
    CT_LogicalFont* pco_Hire(HDC dc, const CT_UString* face, unsigned unit, unsigned size,
                             int bold, int italic, int underline, int strikeOut);
    // Gives back a hired font; one fire for each successful hire. Null and
    // fonts that are not hired are ignored.
    void v_Fire(CT_LogicalFont* font);

    // Diagnostics: hired fonts alive (the system default font not counted),
    // and hires not yet fired.
    unsigned n_GetFontCount() const;
    unsigned n_GetHireCount() const;

private:
    CT_FontManager();
    ~CT_FontManager();
    CT_FontManager(const CT_FontManager&) = delete;
    CT_FontManager& operator=(const CT_FontManager&) = delete;

    CT_LogicalFont* pco_Fonts;
    CT_LogicalFont* pco_SystemDefault;
    unsigned n_Hires;
};

// The basis library's listener/speaker base: a forum that others join to
// hear what it says.
class LEXORIN_BASIS_API CT_Forum {
public:
    CT_Forum();
    virtual ~CT_Forum();

    void v_Join(CT_Forum* listener);
    void v_Leave(CT_Forum* listener);
    void v_Speak(unsigned topic, void* data);
    unsigned n_GetListenerCount() const;

    virtual void vv_Hear(CT_Forum* speaker, unsigned topic, void* data);

private:
    CT_Forum(const CT_Forum&) = delete;
    CT_Forum& operator=(const CT_Forum&) = delete;

    CT_Forum** ppco_Listeners;
    unsigned n_Count;
    unsigned n_Capacity;
};

// An array of fixed-size elements, compared byte by byte.
class LEXORIN_BASIS_API CT_VoidArray {
public:
    explicit CT_VoidArray(unsigned elementSize = sizeof(void*));
    CT_VoidArray(const CT_VoidArray& other);
    ~CT_VoidArray();
    CT_VoidArray& operator=(const CT_VoidArray& other);

    unsigned n_GetCount() const;
    unsigned n_GetElementSize() const;
    // Address of element `index`, or null past the end.
    const void* pcv_GetAt(unsigned index) const;
    // Appends a copy of the element at `element`; FALSE when out of memory.
    int b_Append(const void* element);
    void v_RemoveAll();
    // Nonzero (the 1-based position) when an equal element is held.
    unsigned n_Find(const void* element) const;

private:
    BYTE* pn1_Data;
    unsigned n_ElementSize;
    unsigned n_Count;
    unsigned n_Capacity;
};

// A file name and its parts.
class LEXORIN_BASIS_API CT_FileName {
public:
    explicit CT_FileName(const CT_UString* path);
    ~CT_FileName();

    // The folder part, with its trailing separator ("C:\dir\" of
    // "C:\dir\file.dll"); FALSE and empty when the name has no folder.
    int b_GetPath(CT_UString* folder) const;
    // The name without folder and extension ("file"); FALSE when empty.
    int b_GetBaseName(CT_UString* name) const;

private:
    CT_UString co_Path;
};

// Runs a function when it is destroyed: a library's static CT_Exit runs a
// clean-up function at unload. Its fields are constant data.
class LEXORIN_BASIS_API CT_Exit {
public:
    constexpr CT_Exit(const char* className, const char* functionName, void (*function)())
        : pcq_ClassName(className), pcq_FunctionName(functionName), pf_Function(function)
    {
    }
    ~CT_Exit();

    const char* const pcq_ClassName;
    const char* const pcq_FunctionName;
    void (*const pf_Function)();
};

// Language tables. Primary languages are numbered from 1 to the count, the
// sub-languages of each from 1 to its count, in table order.
//
// The table holds the languages Windows XP (Service Pack 2) knows, each with
// the country or region variants Windows defines for it (et_Sub values are
// the sub-language part of the identifier), numbered in the order of their
// English names but for number 54, the product's own pseudo-language for
// testing translations: "Pseudo", with the one variant "Pseudo (Accents)",
// identifier 0x0501 (Windows' pseudo-locale; no real language uses its
// primary part 0x101), module code "PSE". A language with a single variant of
// SUBLANG_DEFAULT has no sub-languages: its identifier is made with es_None.
class LEXORIN_BASIS_API CT_Language {
public:
    enum et_Primary : unsigned { ep_None = 0 };
    enum et_Sub : unsigned { es_None = 0 };

    static unsigned sn_GetPrimaryCount();
    static unsigned sn_GetSubCount(et_Primary primary);
    // Sub-language `index` (1-based) of `primary`; es_None when there is none.
    static et_Sub seo_GetSubAt(et_Primary primary, unsigned index);
    // The platform's language identifier (0x0411 is Japanese, Japan); 0 for
    // numbers outside the table. Sub-language es_None gives the language's
    // default sub-language.
    static unsigned sn_MakeLanguageID(et_Primary primary, et_Sub sub);
    // The inverse; ep_None and es_None for an identifier not in the table.
    static void sv_GetLanguages(unsigned id, et_Primary* primary, et_Sub* sub);
    // Display name: "German (Switzerland)", or "German" with es_None.
    static void sv_MakeLanguageString(CT_UString* out, et_Primary primary, et_Sub sub);
    // Three-letter code of the language's resource modules ("ENU", "DEU",
    // "JPN"); empty for an identifier not in the table.
    static void sv_GetModuleCode(CT_UString* out, unsigned id);
};

class LEXORIN_BASIS_API CT_LocaleInfo {
public:
    // TRUE when the system has the locale.
    static int sb_IsInstalled(unsigned id);
    // TRUE for the product's own languages, usable without a system locale:
    // the pseudo-language of CT_Language (0x0501).
    static int sb_IsProprietary(unsigned id);
};
