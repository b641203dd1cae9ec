#include <afxcmn.h>
#include <afxwin.h>

#include "LeakCounts.h"

#include "AccessibleDiagnostics.h"
#include "BasisDiagnostics.h"
#include "DAZ32.h"
#include "LexorinBasis.h"
#include "LexorinInterface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <afxdiag.h>

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

void pumpWaiting()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Top-level windows of the calling thread.
int threadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

LeakWatch::LeakWatch() : gdi_{L"Dialogs.dll", L"MFC71U.DLL", L"LexorinBasis.dll", L"LexorinInterface.dll"}
{
}

LeakCounts LeakWatch::read()
{
    pumpWaiting();
    return {{{
        {"DAZ32 blocks", DAZ_GetLiveBlockCount()},
        {"basis heap blocks", LexorinBasis_GetLiveBlockCount()},
        {"font hires", CT_FontManager::spco_GetFontManager()->n_GetHireCount()},
        {"bitmap hires", CT_BitmapManager::spco_GetBitmapManager()->n_GetHireCount()},
        {"GDI objects", static_cast<long long>(gdi_.liveObjects())},
        {"window DCs", static_cast<long long>(gdi_.liveWindowDCs())},
        {"permanent window objects", AfxDiagGetPermanentWindowCount()},
        {"temporary window objects", AfxDiagGetTempWindowCount()},
        {"temporary GDI objects", AfxDiagGetTempGdiCount()},
        {"temporary image lists", AfxDiagGetTempImageListCount()},
        {"thread windows", threadWindowCount()},
        {"accessible objects", Dialogs_GetLiveAccessibleCount()},
    }}};
}

std::string describe(const LeakCounts& counts)
{
    std::string text;
    for (const auto& value : counts.values)
        text += std::string(text.empty() ? "" : "; ") + value.first + " " + std::to_string(value.second);
    return text;
}

std::string describe(const LeakCounts& before, const LeakCounts& after)
{
    std::string text;
    for (size_t i = 0; i < before.values.size(); ++i) {
        const long long was = before.values[i].second, is = after.values[i].second;
        text += std::string(i ? "; " : "") + before.values[i].first + " " + std::to_string(was) + " -> " +
                std::to_string(is) + (was != is ? " (CHANGED)" : "");
    }
    return text;
}

void expectUnchanged(const LeakCounts& before, const LeakCounts& after)
{
    for (size_t i = 0; i < before.values.size(); ++i)
        EXPECT_EQ(after.values[i].second, before.values[i].second) << before.values[i].first;
}

void soak(const char* what, int rounds, const std::function<void()>& round)
{
    LeakWatch watch;
    ASSERT_TRUE(watch.watching());
    const LeakCounts start = watch.read();
    round();
    const LeakCounts before = watch.read();
    const size_t madeBefore = watch.gdiObjectsMade();
    for (int i = 0; i < rounds && !::testing::Test::HasFailure(); ++i)
        round();
    const LeakCounts after = watch.read();
    std::printf("[soak] %s\n  at the start: %s\n  after 1 + %d rounds: %s\n  GDI objects the watched modules "
                "made during the rounds: %lu\n",
                what, describe(start).c_str(), rounds, describe(before, after).c_str(),
                static_cast<unsigned long>(watch.gdiObjectsMade() - madeBefore));
    std::fflush(stdout);
    expectUnchanged(before, after);
}
