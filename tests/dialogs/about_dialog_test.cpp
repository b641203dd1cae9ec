// The About box as a host shows it: the real template of the current
// language module, the test program's texts and pictures, the modal loop
// driven from a thread timer, pictures read back from the screen and the
// product page opened for real (a program of the tests that leaves a trace).
#include <afxwin.h>

#include "AboutBoxView.h"
#include "AccessibleDiagnostics.h"
#include "AboutTestIds.h"
#include "DAZ32.h"
#include "DialogDriver.h"
#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "ImportPatch.h"
#include "LinkTestActions.h"
#include "OpenTrace.h"
#include "ScreenReader.h"
#include "ShownDialog.h"
#include "TabWalk.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <afxdiag.h>

namespace {

const wchar_t kMakerSite[] = L"https://www.lexorin.example/";
const wchar_t kTestProductPage[] = L"https://www.lexorin.example/test-product/";

HMODULE testProgram()
{
    return GetModuleHandleW(nullptr);
}

HMODULE library()
{
    return GetModuleHandleW(L"Dialogs.dll");
}

std::wstring text(const CT_UString& string)
{
    return string.qcuz_Get();
}

void fillHostParameters(CT_AboutDialog::st_Parameters& parameters)
{
    parameters.co_Version.v_Set(L"3.2.1", static_cast<unsigned>(-1));
    parameters.n_Build = 4567;
    parameters.h_Instance = testProgram();
    parameters.h_ResourceInstance = testProgram();
    parameters.n_Bitmap16Colors = IDB_TEST_PRODUCT16;
    parameters.n_Bitmap = IDB_TEST_PRODUCT256;
}

// The test program is the host; the application's language module is a
// module of its own, so that its string 10006 can be told apart.
class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        language = LoadLibraryW(L"AboutTestLanguage.dll");
        ASSERT_NE(language, nullptr);
        previousLanguage = AfxGetAppModuleState()->m_appLangDLL;
        AfxGetAppModuleState()->m_appLangDLL = language;
        fillHostParameters(parameters);
        parameters.co_WebAddress.v_Set(kTestProductPage, static_cast<unsigned>(-1));
    }
    void TearDown() override
    {
        AfxGetAppModuleState()->m_appLangDLL = previousLanguage;
        if (language)
            FreeLibrary(language);
    }

    // A box left for the driver to close fails the run.
    BOOL show(std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        const BOOL result = CT_AboutDialog::sb_Show(&parameters);
        EXPECT_FALSE(driver.closedTheBox()) << "the box was still up after its user had ended it";
        return result;
    }

    CT_AboutDialog::st_Parameters parameters;
    HMODULE language = nullptr;
    HINSTANCE previousLanguage = nullptr;
};

TEST(AboutParameters, StartEmptyAndAssignmentCopiesEveryField)
{
    CT_AboutDialog::st_Parameters empty;
    EXPECT_EQ(empty.co_Version.vn_GetLength(), 0u);
    EXPECT_EQ(empty.co_WebAddress.vn_GetLength(), 0u);
    EXPECT_EQ(empty.n_Build, 0u);
    EXPECT_EQ(empty.h_Instance, nullptr);
    EXPECT_EQ(empty.h_ResourceInstance, nullptr);
    EXPECT_EQ(empty.n_Bitmap16Colors, 0u);
    EXPECT_EQ(empty.n_Bitmap, 0u);

    CT_AboutDialog::st_Parameters source;
    fillHostParameters(source);
    source.co_WebAddress.v_Set(L"https://www.lexorin.example/x", static_cast<unsigned>(-1));
    source.h_ResourceInstance = library();
    CT_AboutDialog::st_Parameters copy;
    EXPECT_EQ(&(copy = source), &copy);
    EXPECT_EQ(text(copy.co_Version), L"3.2.1");
    EXPECT_EQ(text(copy.co_WebAddress), L"https://www.lexorin.example/x");
    EXPECT_EQ(copy.n_Build, 4567u);
    EXPECT_EQ(copy.h_Instance, testProgram());
    EXPECT_EQ(copy.h_ResourceInstance, library());
    EXPECT_EQ(copy.n_Bitmap16Colors, static_cast<unsigned>(IDB_TEST_PRODUCT16));
    EXPECT_EQ(copy.n_Bitmap, static_cast<unsigned>(IDB_TEST_PRODUCT256));

    source.co_Version.v_Set(L"changed", static_cast<unsigned>(-1));
    EXPECT_EQ(text(copy.co_Version), L"3.2.1") << "the strings are copied, not shared";
    copy = copy;
    EXPECT_EQ(text(copy.co_WebAddress), L"https://www.lexorin.example/x");
}

TEST(AboutShow, ANullRecordShowsNothing)
{
    DialogDriver driver(pressOK);
    EXPECT_FALSE(CT_AboutDialog::sb_Show(nullptr));
    EXPECT_EQ(driver.stepsRun(), 0u);
}

TEST_F(AboutBox, ShowsTheHostsTextsAndItsVersionLine)
{
    std::wstring caption, description, smallPrint, version;
    const BOOL result = show({[&](HWND box) {
                                  caption = windowText(box);
                                  description = windowText(GetDlgItem(box, IDC_ABOUT_TEXT));
                                  smallPrint = windowText(GetDlgItem(box, IDC_ABOUT_SMALL_PRINT));
                                  version = windowText(GetDlgItem(box, IDC_ABOUT_VERSION));
                              },
                              pressOK});
    EXPECT_TRUE(result);
    EXPECT_EQ(caption, L"About the test host");
    EXPECT_EQ(description, L"Test host of Dialogs.dll — Über");
    EXPECT_EQ(smallPrint, L"Small print of the language module") << "from the application's language module";
    EXPECT_EQ(version, L"Version 3.2.1 (Build 4567)");
}

TEST_F(AboutBox, ThePicturesAreLinksToTheProductPageAndTheMakersSite)
{
    std::wstring product, maker;
    bool productIsLink = false, makerIsLink = false;
    auto readLinks = [&](HWND box) {
        product = linkTarget(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK));
        maker = linkTarget(GetDlgItem(box, IDC_ABOUT_MAKER_LINK));
        CWnd* productItem = CWnd::FromHandlePermanent(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK));
        CWnd* makerItem = CWnd::FromHandlePermanent(GetDlgItem(box, IDC_ABOUT_MAKER_LINK));
        productIsLink = productItem && productItem->IsKindOf(RUNTIME_CLASS(CT_HttpLink));
        makerIsLink = makerItem && makerItem->IsKindOf(RUNTIME_CLASS(CT_HttpLink));
    };
    EXPECT_TRUE(show({readLinks, pressOK}));
    EXPECT_TRUE(productIsLink);
    EXPECT_TRUE(makerIsLink);
    EXPECT_EQ(product, kTestProductPage);
    EXPECT_EQ(maker, kMakerSite);

    parameters.co_WebAddress.v_Set(static_cast<const wchar_t*>(nullptr), 0);
    EXPECT_TRUE(show({readLinks, pressOK}));
    EXPECT_EQ(product, L"https://www.lexorin.example/test-host/") << "string 10011 stands in for an empty address";
    EXPECT_EQ(maker, kMakerSite);
}

TEST_F(AboutBox, AClickOnTheProductPictureOpensTheProductPage)
{
    OpenTrace trace;
    parameters.co_WebAddress.v_Set(OpenTrace::target().c_str(), static_cast<unsigned>(-1));
    const BOOL result = show(
        {[](HWND box) { clickWithPointer(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK), POINT{4, 4}); }, pressOK});
    EXPECT_TRUE(result);
    EXPECT_EQ(trace.waitForRuns(1), 1);
}

TEST_F(AboutBox, ThePicturesShowAtTheCornersOfTheirItems)
{
    bool product = false, makerBanner = false, product16 = true;
    EXPECT_TRUE(show({[&](HWND box) {
                          repaint(box);
                          const POINT productCorner = cornerOf(box, IDC_ABOUT_PRODUCT_LINK);
                          product = showsPicture(box, productCorner, testProgram(), IDB_TEST_PRODUCT256);
                          product16 = showsPicture(box, productCorner, testProgram(), IDB_TEST_PRODUCT16);
                          makerBanner = showsPicture(box, cornerOf(box, IDC_ABOUT_MAKER_LINK), library(), 1007);
                      },
                      pressOK}));
    EXPECT_TRUE(product) << "this display reports no 16 colours";
    EXPECT_FALSE(product16);
    EXPECT_TRUE(makerBanner);
}

// The display's colour count as the library reads it. Every display this
// test runs on answers -1, so the test stands between the library (and its
// framework, whose device contexts ask for it) and the one call.
int g_ReportedColours = 0;

int WINAPI reportColours(HDC dc, int index)
{
    if (index == NUMCOLORS)
        return g_ReportedColours;
    return GetDeviceCaps(dc, index);
}

TEST_F(AboutBox, TheColourCountChoosesTheProductPicture)
{
    ImportPatch libraryPatch(library(), "gdi32.dll", "GetDeviceCaps", reinterpret_cast<void*>(reportColours));
    ImportPatch frameworkPatch(GetModuleHandleW(L"MFC71U.DLL"), "gdi32.dll", "GetDeviceCaps",
                               reinterpret_cast<void*>(reportColours));
    ASSERT_TRUE(libraryPatch.ok() || frameworkPatch.ok());
    for (int colours : {16, 256, 2, -1}) {
        SCOPED_TRACE(colours);
        g_ReportedColours = colours;
        bool shows16 = false, shows256 = false;
        EXPECT_TRUE(show({[&](HWND box) {
                              repaint(box);
                              const POINT corner = cornerOf(box, IDC_ABOUT_PRODUCT_LINK);
                              shows16 = showsPicture(box, corner, testProgram(), IDB_TEST_PRODUCT16);
                              shows256 = showsPicture(box, corner, testProgram(), IDB_TEST_PRODUCT256);
                          },
                          pressOK}));
        EXPECT_EQ(shows16, colours == 16);
        EXPECT_EQ(shows256, colours != 16);
    }
}

// The system hands out window contexts until it has no more; the
// framework's requests are refused in its place. The box then shows without
// its palettes realised or its pictures painted, and with all of its texts.
TEST_F(AboutBox, WithoutWindowContextsTheBoxStillShowsItsTexts)
{
    std::wstring expected, line = L"(not read)";
    ASSERT_TRUE(show({[&](HWND box) { expected = windowText(GetDlgItem(box, IDC_ABOUT_VERSION)); }, pressOK}));
    ASSERT_FALSE(expected.empty());

    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    const unsigned escaped = testApp().wndProcExceptions;
    NoWindowContexts none;
    ASSERT_TRUE(none.ok());
    bool painted = true;
    EXPECT_TRUE(show({[&](HWND box) {
                          line = windowText(GetDlgItem(box, IDC_ABOUT_VERSION));
                          InvalidateRect(box, nullptr, FALSE);
                          UpdateWindow(box);
                          painted = !GetUpdateRect(box, nullptr, FALSE);
                      },
                      pressOK}));
    EXPECT_EQ(line, expected);
    EXPECT_TRUE(painted) << "a box that could not paint is not asked again at once";
    EXPECT_EQ(testApp().wndProcExceptions, escaped) << "the box keeps its failures to itself";
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
}

// The box has no Cancel button: Esc and the close box cancel it.
TEST_F(AboutBox, OKGivesTrueAndEscapeAndTheCloseBoxFalse)
{
    EXPECT_TRUE(show({pressOK}));
    EXPECT_FALSE(show({pressEscape}));
    EXPECT_FALSE(show({pressCloseBox}));
}

TEST_F(AboutBox, TheVersionLineTakesTheVersionBeforeTheBuildWhateverTheFormat)
{
    struct Case {
        const wchar_t* module;   // holds string 10007; null: the test program
        const wchar_t* line;
    };
    const Case cases[] = {
        {nullptr, L"Version 3.2.1 (Build 4567)"},
        {L"AboutFormatTextOnly.dll", L"Release 3.2.1   | 100%"},
        {L"AboutFormatReversed.dll", L"3.2.1 (4567)"},
        {L"AboutFormatGreedy.dll", L"3.2.1 (4567)"},
        {L"AboutFormatStar.dll", L"3.2.1 (4567)"},
        {L"AboutTestLanguage.dll", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module ? c.module : L"test program");
        HMODULE module = c.module ? LoadLibraryW(c.module) : testProgram();
        ASSERT_NE(module, nullptr);
        parameters.h_ResourceInstance = module;
        std::wstring line = L"(not read)";
        EXPECT_TRUE(show({[&](HWND box) { line = windowText(GetDlgItem(box, IDC_ABOUT_VERSION)); }, pressOK}));
        EXPECT_EQ(line, c.line);
        if (c.module)
            FreeLibrary(module);
    }
}

// Stands between the framework and its allocator, which this machine never
// runs out of, while the box is made: a version line that no memory holds is
// left empty, and the box still shows and ends by OK.
TEST_F(AboutBox, AVersionLineNoMemoryHoldsIsLeftEmpty)
{
    HMODULE module = LoadLibraryW(L"AboutFormatReversed.dll");   // the line is put together in a CString
    ASSERT_NE(module, nullptr);
    parameters.h_ResourceInstance = module;
    const unsigned escaped = testApp().wndProcExceptions;
    auto none = std::make_unique<NoFrameworkMemory>();
    ASSERT_TRUE(none->ok());
    std::wstring line = L"(not read)", smallPrint;
    EXPECT_TRUE(show({[&](HWND box) {
                          none.reset();
                          line = windowText(GetDlgItem(box, IDC_ABOUT_VERSION));
                          smallPrint = windowText(GetDlgItem(box, IDC_ABOUT_SMALL_PRINT));
                      },
                      pressOK}));
    EXPECT_EQ(line, L"");
    EXPECT_EQ(smallPrint, L"Small print of the language module");
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    FreeLibrary(module);
}

TEST_F(AboutBox, AnyOtherSystemFaceLeavesTheSmallPrintInTheDialogFont)
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    ASSERT_NE(text(manager->pcco_GetSystemDefaultFont()->co_FaceName), L"MS Sans Serif");
    const unsigned hires = manager->n_GetHireCount();
    HGDIOBJ smallPrintFont = nullptr;
    unsigned hiresDuring = 0;
    EXPECT_TRUE(show({[&](HWND box) {
                          smallPrintFont = reinterpret_cast<HGDIOBJ>(
                              SendDlgItemMessageW(box, IDC_ABOUT_SMALL_PRINT, WM_GETFONT, 0, 0));
                          hiresDuring = manager->n_GetHireCount();
                      },
                      pressOK}));
    EXPECT_EQ(smallPrintFont, manager->h_GetSystemDefaultFont());
    EXPECT_EQ(hiresDuring, hires) << "no font is hired";
    EXPECT_EQ(manager->n_GetHireCount(), hires);
}

// The system's stock dialog font is "MS Shell Dlg" here, never the old face
// of older systems: the test stands between the library and its one question
// for the system font, and answers with a font of the old face.
const CT_LogicalFont* oldSystemFace = nullptr;
const CT_LogicalFont* __attribute__((thiscall)) reportOldSystemFace(CT_FontManager*)
{
    return oldSystemFace;
}

TEST_F(AboutBox, TheOldSystemFaceGetsSmallArial)
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    const CT_UString oldFace("MS Sans Serif", static_cast<unsigned>(-1));
    CT_LogicalFont* old = manager->pco_Hire(nullptr, &oldFace, 1, 8, 0, 0, 0, 0);
    ASSERT_NE(old, nullptr);
    oldSystemFace = old;
    const unsigned hires = manager->n_GetHireCount();
    const unsigned fonts = manager->n_GetFontCount();

    HGDIOBJ smallPrintFont = nullptr, textFont = nullptr, smallArial = nullptr;
    std::wstring face;
    unsigned hiresDuring = 0, size = 0;
    {
        ImportPatch patch(library(), "LexorinBasis.dll", "_ZN14CT_FontManager25pcco_GetSystemDefaultFontEv",
                          reinterpret_cast<void*>(reportOldSystemFace));
        ASSERT_TRUE(patch.ok());
        EXPECT_TRUE(show({[&](HWND box) {
                              HWND smallPrint = GetDlgItem(box, IDC_ABOUT_SMALL_PRINT);
                              smallPrintFont = reinterpret_cast<HGDIOBJ>(SendMessageW(smallPrint, WM_GETFONT, 0, 0));
                              textFont = reinterpret_cast<HGDIOBJ>(
                                  SendDlgItemMessageW(box, IDC_ABOUT_TEXT, WM_GETFONT, 0, 0));
                              face = fontFace(smallPrint);
                              hiresDuring = manager->n_GetHireCount();
                              const CT_UString arial("Arial", static_cast<unsigned>(-1));
                              CT_LogicalFont* same = manager->pco_Hire(nullptr, &arial, 1, 7, 0, 0, 0, 0);
                              smallArial = same ? same->h_Font : nullptr;
                              size = same ? same->n_Size : 0;
                              manager->v_Fire(same);
                          },
                          pressOK}));
    }
    EXPECT_EQ(face, L"Arial");
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(smallPrintFont, smallArial) << "the font hired from the manager, Arial of 7 points";
    EXPECT_EQ(textFont, manager->h_GetSystemDefaultFont()) << "the other items keep the dialog font";
    EXPECT_EQ(hiresDuring, hires + 1);
    EXPECT_EQ(manager->n_GetHireCount(), hires) << "fired as the box went";
    EXPECT_EQ(manager->n_GetFontCount(), fonts);
    manager->v_Fire(old);
    oldSystemFace = nullptr;
}

// The box opens with the focus on OK; Tab reaches the product picture, then
// the banner, and the picture reached opens with Space.
TEST_F(AboutBox, TabReachesBothPicturesWithTheFocusShownAndSpaceOpensThem)
{
    TabWalk walk({IDOK, IDC_ABOUT_PRODUCT_LINK, IDC_ABOUT_MAKER_LINK}, 4);
    std::vector<DialogDriver::Step> steps = walk.steps();
    steps.push_back(pressOK);
    EXPECT_TRUE(show(steps));
    EXPECT_EQ(walk.focused(), (std::vector<int>{IDOK, IDC_ABOUT_PRODUCT_LINK, IDC_ABOUT_MAKER_LINK, IDOK,
                                                IDC_ABOUT_PRODUCT_LINK}));
    EXPECT_EQ(walk.focusFaults(), "");

    OpenTrace trace;
    parameters.co_WebAddress.v_Set(OpenTrace::target().c_str(), static_cast<unsigned>(-1));
    EXPECT_TRUE(show({[](HWND) { pressKey(VK_TAB); }, [](HWND) { pressKey(VK_SPACE); }, pressOK}));
    EXPECT_EQ(trace.waitForRuns(1), 1);
}

// A reader in another apartment, as a screen reader is, while the host's
// thread runs the box in an apartment of its own.
TEST_F(AboutBox, AReaderHearsThePicturesAsLinksToTheirTargetsAndIsToldWhenTheyHaveGone)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    AccessibleView product, maker;
    {
        ScreenReader reader;
        EXPECT_TRUE(show({[&](HWND box) {
                              product = reader.read(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK));
                              maker = reader.read(GetDlgItem(box, IDC_ABOUT_MAKER_LINK));
                              reader.hold(GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK));
                              reader.hold(GetDlgItem(box, IDC_ABOUT_MAKER_LINK));
                          },
                          pressOK}));
        for (const AccessibleView& gone : reader.readHeld())
            EXPECT_TRUE(gone.allAnswered(CO_E_OBJNOTCONNECTED));
    }
    EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 0);
    CoUninitialize();

    for (const AccessibleView* link : {&product, &maker}) {
        EXPECT_EQ(link->role, ROLE_SYSTEM_LINK);
        EXPECT_EQ(link->name, link->value) << "a picture link is named by its target";
        EXPECT_EQ(link->state, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED) << std::hex << link->state;
        EXPECT_EQ(link->defaultAction, L"Open");
    }
    EXPECT_EQ(product.value, kTestProductPage);
    EXPECT_EQ(maker.value, kMakerSite);
}

TEST_F(AboutBox, NothingIsLeftOnceTheBoxHasGone)
{
    auto workout = std::vector<DialogDriver::Step>{
        [](HWND box) { repaint(box); },
        [](HWND box) {
            HWND product = GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK);
            SendMessageW(product, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            SetFocus(product);
            SendMessageW(product, WM_MOUSEMOVE, 0, MAKELPARAM(3000, 3));
        },
        pressOK};
    ASSERT_TRUE(show(workout));   // the first run sets up what lives on: classes, cursors

    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    const long blocks = DAZ_GetLiveBlockCount();
    const unsigned hires = manager->n_GetHireCount();
    const unsigned fonts = manager->n_GetFontCount();
    const int windows = AfxDiagGetPermanentWindowCount();
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL", L"LexorinBasis.dll", L"LexorinInterface.dll"});
    ASSERT_TRUE(gdi.watching());
    ASSERT_TRUE(show(workout));
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
    EXPECT_EQ(manager->n_GetHireCount(), hires);
    EXPECT_EQ(manager->n_GetFontCount(), fonts);
    EXPECT_EQ(AfxDiagGetPermanentWindowCount(), windows);
    EXPECT_GT(gdi.created(), 0u) << "the pictures' palettes at least";
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
    EXPECT_EQ(tooltipWindows(), 0) << "the links' tooltips went with them";
}

} // namespace
