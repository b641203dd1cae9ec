// CT_VoidArray, CT_FileName and CT_Exit.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
    unsigned short a;
    unsigned char b, c;
};

TEST(VoidArray, FindsEqualElementsByTheirBytes)
{
    HeapBalance balance;
    {
        CT_VoidArray languages(sizeof(unsigned));
        EXPECT_EQ(languages.n_GetElementSize(), sizeof(unsigned));
        for (unsigned id = 0x0400; id < 0x0440; ++id)
            ASSERT_TRUE(languages.b_Append(&id));
        unsigned japanese = 0x0411, missing = 0x0809;
        EXPECT_EQ(languages.n_GetCount(), 0x40u);
        EXPECT_EQ(languages.n_Find(&japanese), 0x12u);   // 1-based
        EXPECT_EQ(languages.n_Find(&missing), 0u);
        EXPECT_EQ(languages.n_Find(nullptr), 0u);
        EXPECT_EQ(*static_cast<const unsigned*>(languages.pcv_GetAt(0x11)), 0x0411u);
        EXPECT_EQ(languages.pcv_GetAt(0x40), nullptr);
        EXPECT_EQ(languages.pcv_GetAt(static_cast<unsigned>(-1)), nullptr);

        CT_VoidArray pairs(sizeof(Pair));
        const Pair one = {1, 2, 3}, other = {1, 2, 4};
        pairs.b_Append(&one);
        EXPECT_EQ(pairs.n_Find(&one), 1u);
        EXPECT_EQ(pairs.n_Find(&other), 0u);
        languages.v_RemoveAll();
        EXPECT_EQ(languages.n_GetCount(), 0u);
        EXPECT_EQ(languages.n_Find(&japanese), 0u);
    }
    EXPECT_EQ(balance.n_Taken(), 0);
}

TEST(VoidArray, CopiesAreDeep)
{
    CT_VoidArray original(sizeof(unsigned));
    unsigned value = 7;
    original.b_Append(&value);
    CT_VoidArray copy(original);
    CT_VoidArray assigned(1);
    assigned = original;
    value = 8;
    original.b_Append(&value);
    EXPECT_EQ(copy.n_GetCount(), 1u);
    EXPECT_EQ(assigned.n_GetCount(), 1u);
    EXPECT_EQ(assigned.n_GetElementSize(), sizeof(unsigned));
    EXPECT_NE(copy.pcv_GetAt(0), original.pcv_GetAt(0));
    EXPECT_EQ(copy.n_Find(&value), 0u);
    assigned = assigned;
    EXPECT_EQ(assigned.n_GetCount(), 1u);
}

TEST(VoidArray, AnElementOfItsOwnSurvivesGrowth)
{
    CT_VoidArray numbers(sizeof(unsigned));
    for (unsigned i = 0; i < 8; ++i)
        numbers.b_Append(&i);
    // Full: appending element 3 moves the storage first.
    ASSERT_TRUE(numbers.b_Append(numbers.pcv_GetAt(3)));
    EXPECT_EQ(*static_cast<const unsigned*>(numbers.pcv_GetAt(8)), 3u);
}

TEST(VoidArray, ImpossibleElementsAreRefused)
{
    unsigned value = 1;
    CT_VoidArray nothing(0);
    EXPECT_FALSE(nothing.b_Append(&value));
    if (sizeof(void*) == 4) {
        // No room in 32 bits for even the first few; a 64-bit process has
        // room for them, and this element is not one.
        CT_VoidArray huge(0x7FFFFFFF);
        EXPECT_FALSE(huge.b_Append(&value));
    }
    CT_VoidArray numbers(sizeof(unsigned));
    EXPECT_FALSE(numbers.b_Append(nullptr));
    {
        NoMemory none;
        EXPECT_FALSE(numbers.b_Append(&value));
    }
    EXPECT_EQ(numbers.n_GetCount(), 0u);
}

TEST(FileName, SplitsFolderAndBaseName)
{
    struct Case {
        const wchar_t* path;
        BOOL hasFolder;
        const wchar_t* folder;
        BOOL hasName;
        const wchar_t* name;
    } cases[] = {
        {L"C:\\dir\\file.dll", TRUE, L"C:\\dir\\", TRUE, L"file"},
        {L"C:/dir/sub/archive.tar.gz", TRUE, L"C:/dir/sub/", TRUE, L"archive.tar"},
        {L"dir\\name", TRUE, L"dir\\", TRUE, L"name"},
        {L"file.dll", FALSE, L"", TRUE, L"file"},
        {L"C:\\dir\\", TRUE, L"C:\\dir\\", FALSE, L""},
        {L"C:\\dir.d\\.profile", TRUE, L"C:\\dir.d\\", TRUE, L".profile"},
        {L"\\\\server\\share\\x.", TRUE, L"\\\\server\\share\\", TRUE, L"x"},
        {L"", FALSE, L"", FALSE, L""},
    };
    for (const Case& c : cases) {
        CT_UString path(c.path), folder(L"stale"), name(L"stale");
        const CT_FileName file(&path);
        EXPECT_EQ(file.b_GetPath(&folder), c.hasFolder) << c.path;
        EXPECT_STREQ(folder.qcuz_Get(), c.folder) << c.path;
        EXPECT_EQ(file.b_GetBaseName(&name), c.hasName) << c.path;
        EXPECT_STREQ(name.qcuz_Get(), c.name) << c.path;
    }
    const CT_FileName none(nullptr);
    CT_UString folder;
    EXPECT_FALSE(none.b_GetPath(&folder));
    EXPECT_FALSE(none.b_GetPath(nullptr));
    EXPECT_FALSE(none.b_GetBaseName(nullptr));
}

int s_ExitCalls = 0;
void countExit()
{
    ++s_ExitCalls;
}

// Read during dynamic initialisation, before the definition below: only a
// constant-initialised object already holds its fields then.
extern CT_Exit s_StaticExit;
const char* const s_SeenClassName = s_StaticExit.pcq_ClassName;
CT_Exit s_StaticExit("CT_Probe", "sv_Exit", nullptr);

TEST(Exit, RunsItsFunctionWhenDestroyed)
{
    s_ExitCalls = 0;
    {
        CT_Exit exit("CT_Probe", "sv_Exit", countExit);
        EXPECT_STREQ(exit.pcq_FunctionName, "sv_Exit");
        EXPECT_EQ(s_ExitCalls, 0);
    }
    EXPECT_EQ(s_ExitCalls, 1);
    { CT_Exit nothing(nullptr, nullptr, nullptr); }
    EXPECT_EQ(s_ExitCalls, 1);
}

TEST(Exit, StaticObjectsNeedNoConstructorRun)
{
    EXPECT_STREQ(s_SeenClassName, "CT_Probe");
}

} // namespace
