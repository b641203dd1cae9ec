// The splash window's parameter record: defaults, the copy the window takes
// of the host's record, and assignment, each copy owning its own texts.
#include "BasisDiagnostics.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <string>

namespace {

typedef CT_SplashWindow::st_Parameters Record;

std::wstring text(const CT_UString& string)
{
    return string.qcuz_Get();
}

void fill(Record& record, unsigned count, const wchar_t* prefix)
{
    record.h_Instance = GetModuleHandleW(nullptr);
    record.n_Seconds = 3;
    record.n_Bitmap = 105;
    record.n_TextCount = count;
    for (unsigned i = 0; i < 10; ++i) {
        record.aso_Text[i].i_X = static_cast<int>(10 + i);
        record.aso_Text[i].i_Y = static_cast<int>(20 * i);
        record.aso_Text[i].co_Text.v_Set((prefix + std::to_wstring(i)).c_str(), static_cast<unsigned>(-1));
    }
}

class SplashRecord : public ::testing::Test {
protected:
    void SetUp() override { blocks_ = LexorinBasis_GetLiveBlockCount(); }
    void TearDown() override { EXPECT_EQ(LexorinBasis_GetLiveBlockCount(), blocks_) << "string blocks left"; }

private:
    long blocks_ = 0;
};

TEST_F(SplashRecord, TheDefaultRecordAndACopyOfNoneAreEmpty)
{
    Record empty;
    Record copy(nullptr);
    for (const Record* record : {&empty, &copy}) {
        EXPECT_EQ(record->h_Instance, nullptr);
        EXPECT_EQ(record->n_Seconds + record->n_Bitmap + record->n_TextCount, 0u);
        for (const CT_SplashWindow::st_Text& entry : record->aso_Text) {
            EXPECT_EQ(entry.co_Text.vn_GetLength(), 0u);
            EXPECT_EQ(entry.i_X, 0);
            EXPECT_EQ(entry.i_Y, 0);
        }
    }
}

TEST_F(SplashRecord, TheWindowsCopyTakesTheTextsInUseAsItsOwn)
{
    Record host;
    fill(host, 3, L"line ");
    Record copy(&host);
    EXPECT_EQ(copy.h_Instance, host.h_Instance);
    EXPECT_EQ(copy.n_Seconds, 3u);
    EXPECT_EQ(copy.n_Bitmap, 105u);
    EXPECT_EQ(copy.n_TextCount, 3u);
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.aso_Text[i].i_X, static_cast<int>(10 + i));
        EXPECT_EQ(copy.aso_Text[i].i_Y, static_cast<int>(20 * i));
        EXPECT_EQ(text(copy.aso_Text[i].co_Text), L"line " + std::to_wstring(i));
    }
    for (unsigned i = 3; i < 10; ++i)
        EXPECT_EQ(copy.aso_Text[i].co_Text.vn_GetLength(), 0u) << "entry " << i;
    host.aso_Text[0].co_Text.v_Set(L"changed", static_cast<unsigned>(-1));
    EXPECT_EQ(text(copy.aso_Text[0].co_Text), L"line 0");

    // A count above ten copies the ten entries there are.
    fill(host, 4000000000u, L"t");
    Record all(&host);
    EXPECT_EQ(all.n_TextCount, 10u);
    EXPECT_EQ(text(all.aso_Text[9].co_Text), L"t9");
}

TEST_F(SplashRecord, AssignmentCopiesAllTenEntriesIndependently)
{
    auto* source = new Record;
    fill(*source, 2, L"entry ");
    Record target;
    fill(target, 1, L"old ");
    EXPECT_EQ(&(target = *source), &target);
    delete source;

    EXPECT_EQ(target.n_TextCount, 2u);
    for (unsigned i = 0; i < 10; ++i) {
        EXPECT_EQ(text(target.aso_Text[i].co_Text), L"entry " + std::to_wstring(i));
        EXPECT_EQ(target.aso_Text[i].i_X, static_cast<int>(10 + i));
    }
    target = target;
    EXPECT_EQ(text(target.aso_Text[5].co_Text), L"entry 5");
}

} // namespace
