// CString's string resources and formatting. The program holds strings 100,
// 101, 117 and 65535, and two damaged string-table blocks.
#include <afx.h>
#include <gtest/gtest.h>

namespace {

TEST(StringResource, LoadsFromTheModuleThatHoldsTheString)
{
    CString text;
    EXPECT_TRUE(text.LoadString(100));
    EXPECT_EQ(text, L"Hello");
    EXPECT_TRUE(text.LoadString(117));
    EXPECT_EQ(text, L"Second block");
    EXPECT_TRUE(text.LoadString(GetModuleHandleW(nullptr), 65535));
    EXPECT_EQ(text, L"Last string");
    EXPECT_EQ(CString(MAKEINTRESOURCEW(100)), L"Hello");
    EXPECT_EQ(CString(MAKEINTRESOURCEA(117)), L"Second block");
}

TEST(StringResource, MissingStringsLeaveTheTextAsItWas)
{
    CString text(L"kept");
    EXPECT_FALSE(text.LoadString(102));   // in a block that exists
    EXPECT_FALSE(text.LoadString(5000));  // in a block that does not
    EXPECT_FALSE(text.LoadString(0x10000));
    EXPECT_FALSE(text.LoadString(nullptr, 100));
    EXPECT_FALSE(text.LoadString(GetModuleHandleW(L"MFC71U.DLL"), 100));
    EXPECT_EQ(text, L"kept");
    EXPECT_TRUE(CString(MAKEINTRESOURCEW(102)).IsEmpty());
}

TEST(StringResource, DamagedStringTablesAreNotReadBeyondTheirEnd)
{
    CString text(L"kept");
    EXPECT_FALSE(text.LoadString(15984));
    EXPECT_FALSE(text.LoadString(15985));
    EXPECT_FALSE(text.LoadString(16002));
    EXPECT_FALSE(text.LoadString(16015));
    EXPECT_EQ(text, L"kept");
}

TEST(StringFormat, FormatsWithTheWideRuntimeConventions)
{
    CString text;
    text.Format(L"%s has %d items", L"List", 3);
    EXPECT_EQ(text, L"List has 3 items");
    text.Format(L"%c|%S|%5.2f|%x|%%|%I64d", L'W', "narrow", 2.5, 255u, 1234567890123LL);
    EXPECT_EQ(text, L"W|narrow| 2.50|ff|%|1234567890123");
    text.Format(L"%-4d|%04u", -7, 42u);
    EXPECT_EQ(text, L"-7  |0042");
}

TEST(StringFormat, LongResultsAndOwnTextAsArgument)
{
    CString text(L'x', 3000);
    text.Format(L"[%s]", static_cast<LPCWSTR>(text));
    EXPECT_EQ(text.GetLength(), 3002);
    EXPECT_EQ(text.Left(3), L"[xx");
    EXPECT_EQ(text.Right(2), L"x]");
    text.AppendFormat(L"%d", 12);
    EXPECT_EQ(text.Right(3), L"]12");
}

TEST(StringFormat, FormatFromAResourceAndBadFormats)
{
    CString text;
    text.Format(101u, L"Box", 12);
    EXPECT_EQ(text, L"Box has 12 items");
    text = L"old";
    text.Format(102u, 1);
    EXPECT_TRUE(text.IsEmpty());
    text = L"old";
    text.Format(static_cast<LPCWSTR>(nullptr));
    EXPECT_TRUE(text.IsEmpty());
    text.Format(L"");
    EXPECT_TRUE(text.IsEmpty());
    text.AppendFormat(static_cast<LPCWSTR>(nullptr));
    EXPECT_TRUE(text.IsEmpty());
}

} // namespace
