// CT_String and CT_UString: value semantics, counts and conversions.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

namespace {

const unsigned kWhole = static_cast<unsigned>(-1);
const unsigned kLatin1 = static_cast<unsigned>(-2);
const unsigned kAbsurd = static_cast<unsigned>(-3);

TEST(String, EmptyStringsGiveEmptyTextNeverNull)
{
    CT_UString empty;
    ASSERT_NE(empty.qcuz_Get(), nullptr);
    EXPECT_STREQ(empty.qcuz_Get(), L"");
    EXPECT_EQ(empty.vn_GetLength(), 0u);
    EXPECT_EQ(empty.u_GetAt(0), 0);

    CT_UString text(L"abc");
    text.v_Set(static_cast<const wchar_t*>(nullptr), 1);
    EXPECT_STREQ(text.qcuz_Get(), L"");
    text.v_Set(L"abc", 0);
    EXPECT_EQ(text.vn_GetLength(), 0u);
    text.v_Set(static_cast<const CT_String*>(nullptr));
    EXPECT_STREQ(text.qcuz_Get(), L"");
    EXPECT_STREQ(CT_UString(static_cast<const wchar_t*>(nullptr)).qcuz_Get(), L"");
    EXPECT_STREQ(CT_UString(static_cast<const char*>(nullptr), kWhole).qcuz_Get(), L"");
}

TEST(String, CountsAreUpperBoundsThatStopAtTheTerminator)
{
    CT_UString text;
    text.v_Set(L"hello", kWhole);
    EXPECT_STREQ(text.qcuz_Get(), L"hello");
    text.v_Set(L"hello", 3);
    EXPECT_STREQ(text.qcuz_Get(), L"hel");
    EXPECT_EQ(text.u_GetAt(2), L'l');
    EXPECT_EQ(text.u_GetAt(3), 0);
    EXPECT_EQ(text.u_GetAt(kWhole), 0);

    // Text that ends at the edge of readable memory: any read beyond its
    // terminator faults.
    TextAtPageEnd<wchar_t> wide(L"edge");
    TextAtPageEnd<char> narrow("edge");
    text.v_Set(wide.get(), kAbsurd);
    EXPECT_STREQ(text.qcuz_Get(), L"edge");
    text.v_Set(narrow.get(), kAbsurd, kLatin1);
    EXPECT_STREQ(text.qcuz_Get(), L"edge");
    text.v_Set(narrow.get(), kAbsurd, CP_UTF8);
    EXPECT_STREQ(text.qcuz_Get(), L"edge");
    EXPECT_EQ(text.vi_Compare(wide.get(), kAbsurd, 0), 0);
    EXPECT_EQ(text.vi_Compare(narrow.get(), kAbsurd, CT_String::en_IgnoreCase), 0);
    EXPECT_STREQ(CT_UString(narrow.get(), kAbsurd).qcuz_Get(), L"edge");
}

TEST(String, CopiesAndAssignmentsOwnTheirText)
{
    CT_UString original(L"first");
    CT_UString copy(original);
    CT_UString assigned;
    assigned = original;
    CT_UString fromBase(static_cast<const CT_String*>(&original));
    original.v_Set(L"changed", kWhole);
    EXPECT_STREQ(copy.qcuz_Get(), L"first");
    EXPECT_STREQ(assigned.qcuz_Get(), L"first");
    EXPECT_STREQ(fromBase.qcuz_Get(), L"first");
    EXPECT_NE(copy.qcuz_Get(), assigned.qcuz_Get());

    assigned = assigned;
    EXPECT_STREQ(assigned.qcuz_Get(), L"first");
    assigned.vv_Init(&original);
    EXPECT_STREQ(assigned.qcuz_Get(), L"changed");

    // A part of the string's own text.
    assigned.v_Set(assigned.qcuz_Get() + 2, kWhole);
    EXPECT_STREQ(assigned.qcuz_Get(), L"anged");
    assigned.v_Set(assigned.qcuz_Get() + 1, 2);
    EXPECT_STREQ(assigned.qcuz_Get(), L"ng");
}

TEST(String, EightBitTextWidensByteForByteOrThroughItsCodePage)
{
    EXPECT_STREQ(CT_UString("caf\xE9", kWhole).qcuz_Get(), L"caf\u00E9");
    EXPECT_STREQ(CT_UString("caf\xE9", 2).qcuz_Get(), L"ca");
    CT_UString text;
    text.vv_Init("\x80\xFF", kWhole);
    EXPECT_EQ(text.u_GetAt(0), 0x80);
    EXPECT_EQ(text.u_GetAt(1), 0xFF);

    text.v_Set("caf\xC3\xA9", kWhole, CP_UTF8);
    EXPECT_STREQ(text.qcuz_Get(), L"caf\u00E9");
    text.v_Set("\x93\xFA\x96\x7B", kWhole, 932);   // Shift-JIS
    EXPECT_STREQ(text.qcuz_Get(), L"\u65E5\u672C");
    text.v_Set("abc", kWhole, 0xFFF0);             // no such code page
    EXPECT_STREQ(text.qcuz_Get(), L"");
}

TEST(String, RemovingClampsToTheText)
{
    CT_UString text(L"abcdef");
    text.vv_Remove(2, 1);
    EXPECT_STREQ(text.qcuz_Get(), L"adef");
    text.vv_Remove(100, 2);
    EXPECT_STREQ(text.qcuz_Get(), L"ad");
    text.vv_Remove(1, 2);
    text.vv_Remove(kWhole, kWhole);
    text.vv_Remove(0, 0);
    EXPECT_STREQ(text.qcuz_Get(), L"ad");
    text.vv_Remove(kWhole, 0);
    EXPECT_EQ(text.vn_GetLength(), 0u);
    EXPECT_STREQ(text.qcuz_Get(), L"");
}

TEST(String, ComparisonOrdersAndOptionallyIgnoresCase)
{
    const CT_UString face(L"MS Sans Serif");
    EXPECT_EQ(face.vi_Compare("MS Sans Serif", kWhole, 0), 0);
    EXPECT_EQ(face.vi_Compare(L"MS Sans Serif", kWhole, 0), 0);
    EXPECT_NE(face.vi_Compare("ms sans serif", kWhole, 0), 0);
    EXPECT_EQ(face.vi_Compare("ms sans serif", kWhole, CT_String::en_IgnoreCase), 0);
    EXPECT_EQ(face.vi_Compare(L"MS SANS SERIF", kWhole, CT_String::en_IgnoreCase), 0);
    EXPECT_NE(face.vi_Compare("MS Sans", kWhole, 0), 0);
    EXPECT_EQ(face.vi_Compare("MS Sans Serif, bold", 13, 0), 0);

    EXPECT_LT(CT_UString(L"abc").vi_Compare(L"abd", kWhole, 0), 0);
    EXPECT_GT(CT_UString(L"abd").vi_Compare("abc", kWhole, 0), 0);
    EXPECT_LT(CT_UString(L"ab").vi_Compare(L"abc", kWhole, 0), 0);
    EXPECT_GT(CT_UString(L"abc").vi_Compare("ab", kWhole, 0), 0);
    EXPECT_EQ(CT_UString(L"caf\u00E9").vi_Compare("CAF\xC9", kWhole, CT_String::en_IgnoreCase), 0);
    EXPECT_EQ(CT_UString().vi_Compare(static_cast<const char*>(nullptr), kWhole, 0), 0);
    EXPECT_GT(face.vi_Compare(static_cast<const wchar_t*>(nullptr), kWhole, 0), 0);
}

TEST(String, StorageComesFromTheBasisHeapAndIsGivenBack)
{
    HeapBalance balance;
    {
        CT_UString* text = new CT_UString(L"on the heap");
        ASSERT_NE(text, nullptr);
        CT_UString copy(*text);
        EXPECT_EQ(balance.n_Taken(), 3);   // the object and two texts
        delete text;
        copy.vv_Remove(kWhole, 0);
        EXPECT_EQ(balance.n_Taken(), 0);
        copy.v_Set(L"again", kWhole);
    }
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(String, WithoutMemoryATextKeepsItsValue)
{
    HeapBalance balance;
    CT_UString text(L"kept");
    {
        NoMemory none;
        text.v_Set(L"a longer text", kWhole);
        EXPECT_STREQ(text.qcuz_Get(), L"kept");
        text.v_Set(L"ok", kWhole);   // fits where the old text was
        EXPECT_STREQ(text.qcuz_Get(), L"ok");
        CT_UString copy(text);
        EXPECT_STREQ(copy.qcuz_Get(), L"");
        EXPECT_EQ(new CT_UString(L"refused"), nullptr);
    }
    EXPECT_EQ(balance.n_Taken(), 1);
}

} // namespace
