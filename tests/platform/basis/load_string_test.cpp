// String resources of the test program and of a resource module, read whole
// and used as formats.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring load(HINSTANCE module, unsigned id)
{
    CT_UString text(L"stale");
    CT_LoadString::sv_LoadString(&text, module, id);
    return text.qcuz_Get();
}

template <typename... Args> std::wstring format(unsigned id, Args... args)
{
    CT_UString text(L"stale");
    CT_LoadString::sv_LoadStringVA(&text, nullptr, id, args...);
    return text.qcuz_Get();
}

// The resource module beside the test program, loaded with `flags`.
class ResourceModule {
public:
    explicit ResourceModule(DWORD flags) : h_Module(LoadLibraryExW(L"BasisTestModule.dll", nullptr, flags)) {}
    ~ResourceModule()
    {
        if (h_Module)
            FreeLibrary(h_Module);
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    HINSTANCE h_Module;
};

TEST(StringResources, ReadsStringsOfAnyLengthFromTheProgram)
{
    HeapBalance balance;
    EXPECT_EQ(load(nullptr, 1), L"Short");
    EXPECT_EQ(load(GetModuleHandleW(nullptr), 5), L"Five");
    EXPECT_EQ(load(nullptr, 3), L"caf\u00E9 \u65E5\u672C");

    std::wstring expected;
    for (int i = 0; i < 500; ++i)
        expected += L"0123456789";
    EXPECT_EQ(load(nullptr, 2), expected);
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(StringResources, MissingStringsAreEmpty)
{
    EXPECT_EQ(load(nullptr, 4), L"");        // its block exists
    EXPECT_EQ(load(nullptr, 9999), L"");     // its block does not
    EXPECT_EQ(load(nullptr, 0x10001), L"");  // beyond string numbers
    // A module without string resources.
    EXPECT_EQ(load(GetModuleHandleW(L"LexorinBasis.dll"), 1), L"");
    // A damaged block gives nothing rather than what lies beyond it.
    EXPECT_EQ(load(nullptr, 4784), L"");
    EXPECT_EQ(load(nullptr, 4785), L"");
    CT_LoadString::sv_LoadString(nullptr, nullptr, 1);
    CT_LoadString::sv_LoadStringVA(nullptr, nullptr, 20, L"x", 1u);
    EXPECT_EQ(format(4), L"");
}

TEST(StringResources, ReadsResourceModulesLoadedEitherWay)
{
    for (DWORD flags : {DWORD(0), DWORD(LOAD_LIBRARY_AS_DATAFILE)}) {
        ResourceModule module(flags);
        ASSERT_NE(module.h_Module, nullptr) << flags;
        EXPECT_EQ(load(module.h_Module, 1), L"Module short");
        EXPECT_EQ(load(module.h_Module, 5), L"");
        CT_UString text;
        CT_LoadString::sv_LoadStringVA(&text, module.h_Module, 2, L"build", 320u);
        EXPECT_STREQ(text.qcuz_Get(), L"Module build 320");
    }
}

TEST(StringResources, FormatsWideTextAndNumbers)
{
    HeapBalance balance;
    EXPECT_EQ(format(20, L"The box", 3u), L"The box has 3 items");
    EXPECT_EQ(format(21, 42, 42, 42, 42, 42, -2147483647 - 1), L"[   42|42   |00042|+42| 42|-2147483648]");
    EXPECT_EQ(format(22, 0xBEEFu, 0xBEEFu, 255u, 8u, 8u, L'\u00E9'), L"beef BEEF 0xff 10 010 \u00E9 %");
    EXPECT_EQ(format(26, "bytes", "more", L"wide", 'c'), L"bytes and more and wide and c");
    EXPECT_EQ(format(27, -5000000000LL, -1LL, 18446744073709551615ULL, 70000, 300),
              L"-5000000000 -1 18446744073709551615 4464 44");
    EXPECT_EQ(format(28, L"abcdef", L"right", L"left", 4, 7, 2, L"xyz", -3, 5),
              L"abc|   right|left    |   7|xy|5  |");
    // A pointer fills the digits of its size.
    EXPECT_EQ(format(29, reinterpret_cast<void*>(0xABC)), sizeof(void*) == 8 ? L"0000000000000ABC" : L"00000ABC");
    EXPECT_EQ(format(31, static_cast<const wchar_t*>(nullptr)), L"(null)");
    EXPECT_EQ(format(30), L"trailing %");
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(StringResources, LongArgumentsAreNeverCutShort)
{
    std::wstring argument(70000, L'x');
    const std::wstring result = format(23, argument.c_str());
    EXPECT_EQ(result.size(), argument.size() + 2);
    EXPECT_EQ(result, L"<" + argument + L">");
}

TEST(StringResources, UnknownConversionsEndTheFormattingSafely)
{
    // Nothing is read for or after a conversion this formatter does not know:
    // the double is not taken, the text pointer not followed, %n writes nothing.
    EXPECT_EQ(format(24, 1.5, L"never read"), L"Value %f then %s");
    EXPECT_EQ(format(25, reinterpret_cast<int*>(16), L"never read"), L"%n%s");
}

TEST(StringResources, WithoutMemoryTheResultIsEmptyNotShort)
{
    CT_UString text(L"stale");
    NoMemory none;
    CT_LoadString::sv_LoadStringVA(&text, nullptr, 20, L"The box", 3u);
    EXPECT_STREQ(text.qcuz_Get(), L"");
    CT_LoadString::sv_LoadString(&text, nullptr, 1);
    EXPECT_STREQ(text.qcuz_Get(), L"");
}

} // namespace
