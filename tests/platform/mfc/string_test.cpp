// CString: construction, value semantics, concatenation, comparison, direct
// buffer access, parts, searches and edits, with bad arguments throughout.
#include <afx.h>
#include <gtest/gtest.h>

#include "ImportPatch.h"

#include <limits.h>

namespace {

TEST(String, ConstructsFromEveryKindOfText)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_STREQ(static_cast<LPCWSTR>(CString()), L"");
    EXPECT_EQ(CString(L"wide"), L"wide");
    EXPECT_EQ(CString("narrow"), L"narrow");
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_EQ(CString(L"ab", 10), L"ab");
    EXPECT_EQ(CString(L'z', 3), L"zzz");
    EXPECT_EQ(CString(L"wide").GetLength(), 4);

    EXPECT_TRUE(CString(static_cast<LPCWSTR>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(static_cast<LPCWSTR>(nullptr), 5).IsEmpty());
    EXPECT_TRUE(CString(L"abc", -1).IsEmpty());
    EXPECT_TRUE(CString(L'z', 0).IsEmpty());
    EXPECT_TRUE(CString(L'z', -4).IsEmpty());
    EXPECT_TRUE(CString(L'\0', 4).IsEmpty());
    EXPECT_TRUE(CString("").IsEmpty());
}

TEST(String, CopiesAreIndependentAndMovesEmptyTheSource)
{
    CString original(L"Hello");
    CString copy(original);
    copy.SetAt(0, L'J');
    EXPECT_EQ(original, L"Hello");
    EXPECT_EQ(copy, L"Jello");

    CString assigned;
    assigned = original;
    original.Empty();
    EXPECT_EQ(assigned, L"Hello");

    CString moved(static_cast<CString&&>(assigned));
    EXPECT_EQ(moved, L"Hello");
    EXPECT_TRUE(assigned.IsEmpty());

    CString& self = moved;
    moved = self;
    EXPECT_EQ(moved, L"Hello");
    moved = "narrow";
    EXPECT_EQ(moved, L"narrow");
    moved = static_cast<LPCWSTR>(nullptr);
    EXPECT_TRUE(moved.IsEmpty());
}

TEST(String, AssignsAndAppendsItsOwnText)
{
    CString text(L"abcdef");
    text = static_cast<LPCWSTR>(text) + 2;
    EXPECT_EQ(text, L"cdef");
    text += text;
    EXPECT_EQ(text, L"cdefcdef");
    text += static_cast<LPCWSTR>(text) + 6;
    EXPECT_EQ(text, L"cdefcdefef");
}

TEST(String, Concatenates)
{
    CString a(L"ab");
    CString b(L"cd");
    EXPECT_EQ(a + b, L"abcd");
    EXPECT_EQ(a + L"x", L"abx");
    EXPECT_EQ(L"x" + a, L"xab");
    EXPECT_EQ(a + L'!', L"ab!");
    EXPECT_EQ(L'!' + a, L"!ab");
    a += static_cast<LPCWSTR>(nullptr);
    a += L'\0';
    EXPECT_EQ(a, L"ab");

    CString grown;
    for (int i = 0; i < 5000; ++i)
        grown += static_cast<WCHAR>(L'a' + i % 26);
    ASSERT_EQ(grown.GetLength(), 5000);
    EXPECT_EQ(grown.GetAt(0), L'a');
    EXPECT_EQ(grown.GetAt(4999), static_cast<WCHAR>(L'a' + 4999 % 26));
}

TEST(String, ComparesOrdinallyAndWithoutCase)
{
    CString apple(L"apple");
    CString banana(L"banana");
    EXPECT_TRUE(apple == L"apple");
    EXPECT_TRUE(L"apple" == apple);
    EXPECT_TRUE(apple != L"Apple");
    EXPECT_TRUE(apple < banana);
    EXPECT_TRUE(L"a" < apple);
    EXPECT_TRUE(banana >= L"apple");
    EXPECT_FALSE(banana < apple);

    EXPECT_LT(CString(L"B").Compare(L"a"), 0);   // ordinal: upper case first
    EXPECT_GT(apple.Compare(nullptr), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
    EXPECT_EQ(CString(L"HeLLo").CompareNoCase(L"hello"), 0);
    EXPECT_EQ(CString(L"\x00E4pfel").CompareNoCase(L"\x00C4PFEL"), 0);
    EXPECT_LT(CString(L"a").CompareNoCase(L"B"), 0);
    EXPECT_GT(CString(L"ab").CompareNoCase(L"A"), 0);
    EXPECT_GT(apple.CompareNoCase(nullptr), 0);
}

TEST(String, CharactersOutsideTheTextAreNeitherReadNorWritten)
{
    CString text(L"abc");
    EXPECT_EQ(text.GetAt(1), L'b');
    EXPECT_EQ(text.GetAt(-1), 0);
    EXPECT_EQ(text.GetAt(3), 0);
    EXPECT_EQ(text.GetAt(INT_MAX), 0);
    text.SetAt(3, L'x');
    text.SetAt(-1, L'x');
    text.SetAt(2, L'C');
    EXPECT_EQ(text, L"abC");
    EXPECT_EQ(CString().GetAt(0), 0);
}

TEST(String, BufferAccessForWriting)
{
    CString text(L"abc");
    LPWSTR buffer = text.GetBuffer(10);
    ASSERT_NE(buffer, nullptr);
    EXPECT_STREQ(buffer, L"abc");
    wcscpy(buffer, L"0123456789");
    text.ReleaseBuffer();
    EXPECT_EQ(text, L"0123456789");
    buffer = text.GetBuffer();
    text.ReleaseBuffer(4);
    EXPECT_EQ(text, L"0123");

    buffer = text.GetBufferSetLength(6);
    ASSERT_NE(buffer, nullptr);
    buffer[4] = L'x';
    buffer[5] = L'y';
    EXPECT_EQ(text, L"0123xy");
    EXPECT_EQ(text.GetLength(), 6);

    // A length beyond the buffer, or a missing terminator, stops at the buffer.
    CString full;
    buffer = full.GetBuffer(4);
    for (int i = 0; i < 5; ++i)
        buffer[i] = L'q';
    full.ReleaseBuffer();
    EXPECT_LE(full.GetLength(), 5);
    EXPECT_GE(full.GetLength(), 4);
    full.ReleaseBuffer(1000000);
    EXPECT_LE(full.GetLength(), 5);
    EXPECT_TRUE(full.GetBufferSetLength(-3) != nullptr);
    EXPECT_TRUE(full.IsEmpty());
}

TEST(String, AnEmptyStringsBufferIsItsOwn)
{
    CString first;
    LPWSTR buffer = first.GetBuffer();
    ASSERT_NE(buffer, nullptr);
    buffer[0] = L'x';
    buffer[1] = 0;
    first.ReleaseBuffer();
    EXPECT_EQ(first, L"x");
    CString second;
    EXPECT_STREQ(static_cast<LPCWSTR>(second), L"");
}

void* __cdecl refuseMemory(size_t)
{
    return nullptr;
}

// Whether growing `text` with `grow` threw CMemoryException.
template <class Grow> bool throwsMemoryException(CString& text, Grow grow)
{
    try {
        grow(text);
    } catch (CMemoryException* e) {
        e->Delete();
        return true;
    }
    return false;
}

TEST(String, ImpossibleBuffersThrowAndTheTextIsKept)
{
    CString text(L"abc");
    EXPECT_TRUE(throwsMemoryException(text, [](CString& s) { s.GetBuffer(INT_MAX); }));
    EXPECT_TRUE(throwsMemoryException(text, [](CString& s) { s.GetBufferSetLength(INT_MAX - 1); }));
    EXPECT_EQ(text, L"abc");
    {
        // The framework's allocator refuses, as a full heap would.
        ImportPatch noMemory(GetModuleHandleW(L"MFC71U.DLL"), "msvcrt.dll", "malloc",
                             reinterpret_cast<void*>(refuseMemory));
        ASSERT_TRUE(noMemory.ok());
        EXPECT_TRUE(throwsMemoryException(text, [](CString& s) { s += L" and more than it holds"; }));
        EXPECT_TRUE(throwsMemoryException(text, [](CString& s) { s = CString(L'x', 40); }));
    }
    EXPECT_EQ(text, L"abc");
    LPWSTR buffer = text.GetBuffer(-5);
    ASSERT_NE(buffer, nullptr);
    EXPECT_STREQ(buffer, L"abc");
    text.ReleaseBuffer(-1);
    EXPECT_EQ(text, L"abc");
}

TEST(String, PartsAreClippedToTheText)
{
    CString text(L"abcdef");
    EXPECT_EQ(text.Left(2), L"ab");
    EXPECT_EQ(text.Left(100), L"abcdef");
    EXPECT_TRUE(text.Left(-1).IsEmpty());
    EXPECT_EQ(text.Mid(2), L"cdef");
    EXPECT_EQ(text.Mid(2, 3), L"cde");
    EXPECT_EQ(text.Mid(-5, 2), L"ab");
    EXPECT_EQ(text.Mid(4, 100), L"ef");
    EXPECT_TRUE(text.Mid(100).IsEmpty());
    EXPECT_TRUE(text.Mid(1, -1).IsEmpty());
    EXPECT_EQ(text.Right(2), L"ef");
    EXPECT_EQ(text.Right(100), L"abcdef");
    EXPECT_TRUE(text.Right(-1).IsEmpty());
}

TEST(String, FindsCharactersAndTexts)
{
    CString text(L"abcabc");
    EXPECT_EQ(text.Find(L'b'), 1);
    EXPECT_EQ(text.Find(L'b', 2), 4);
    EXPECT_EQ(text.Find(L'b', -3), 1);
    EXPECT_EQ(text.Find(L'b', 10), -1);
    EXPECT_EQ(text.Find(L'z'), -1);
    EXPECT_EQ(text.Find(L"ca"), 2);
    EXPECT_EQ(text.Find(L"bc", 2), 4);
    EXPECT_EQ(text.Find(L"bc", 7), -1);
    EXPECT_EQ(text.Find(L"zz"), -1);
    EXPECT_EQ(text.Find(static_cast<LPCWSTR>(nullptr)), -1);
    EXPECT_EQ(text.Find(L"", 3), 3);
    EXPECT_EQ(text.ReverseFind(L'a'), 3);
    EXPECT_EQ(text.ReverseFind(L'z'), -1);
    EXPECT_EQ(CString().ReverseFind(L'a'), -1);
}

TEST(String, ChangesCaseAndTrimsSpace)
{
    CString text(L"Gr\x00FC\x00DFe 1a");
    text.MakeUpper();
    EXPECT_EQ(text.Left(3), L"GR\x00DC");
    EXPECT_EQ(text.Right(3), L" 1A");
    EXPECT_EQ(CString(L"MiXeD \x00C4").MakeLower(), L"mixed \x00E4");
    EXPECT_TRUE(CString().MakeUpper().IsEmpty());

    EXPECT_EQ(CString(L" \t a b \r\n").Trim(), L"a b");
    EXPECT_EQ(CString(L"  a ").TrimLeft(), L"a ");
    EXPECT_EQ(CString(L"  a ").TrimRight(), L"  a");
    EXPECT_TRUE(CString(L" \t\n ").Trim().IsEmpty());
    EXPECT_TRUE(CString().Trim().IsEmpty());
}

} // namespace
