// Plays the user of the language dialog: shows it through sb_Show and, once
// it is on the screen, reads its list, lets the test act on it (select an
// entry, look at pixels) and ends it with OK, Cancel or the close box.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct LanguageEntry {
    std::wstring text;
    unsigned id = 0;         // item data
    int image = -1;
    int selectedImage = -1;
};

struct LanguageDialogView {
    bool shown = false;
    std::wstring caption;
    std::wstring cancelText;
    std::vector<LanguageEntry> entries;
    int selection = CB_ERR;
    bool hasImageList = false;
    int imageCount = 0;
    int imageWidth = 0;
    int imageHeight = 0;
};

enum class DialogEnd { Ok, Cancel, Close };

struct LanguageDialogRun {
    int result = -1;
    LanguageDialogView view;   // as the dialog first showed, before `act`
};

// Called while the dialog is up, with its window and the view read so far.
using LanguageDialogAction = std::function<void(HWND dialog, const LanguageDialogView& view)>;

LanguageDialogRun runLanguageDialog(unsigned* language, int showSubLanguage, int showFlags,
                                    DialogEnd end = DialogEnd::Ok, LanguageDialogAction act = {});

// What the language list holds now.
LanguageDialogView readLanguageDialog(HWND dialog);
// Selects the entry whose item data is `id`, as the user would; false when
// there is none.
bool selectLanguage(HWND dialog, unsigned id);
std::vector<unsigned> identifiers(const LanguageDialogView& view);
std::vector<std::wstring> texts(const LanguageDialogView& view);

const unsigned kEnglishUS = 0x0409, kEnglishUK = 0x0809, kEnglishAustralia = 0x0C09, kGerman = 0x0407,
               kJapanese = 0x0411, kPseudo = 0x0501, kFrench = 0x040C;

// Every test starts and ends with English (United States) as the user
// interface language and no host filter.
class LanguageDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
