// The link controls as assistive technology meets them: a reader on another
// thread asks the system for each link's object (WM_GETOBJECT and the
// component model's marshalling) while the dialog's thread handles its
// messages, as a host's user-interface thread does. The targets are opened
// for real (a program of the tests that leaves a trace).
#include "AccessibleDiagnostics.h"
#include "LexorinUILanguageMgr.h"
#include "LinkTestActions.h"
#include "LinkTestHost.h"
#include "LinkTestIds.h"
#include "OpenTrace.h"
#include "ScreenReader.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <oleacc.h>

#include <thread>
#include <utility>

namespace {

const long kLinkState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED;

class Probe : public CT_HttpLink {
public:
    using CT_HttpLink::b_Visited;
};

// State-change events that the system reports for windows' client areas.
class StateEvents {
public:
    StateEvents()
    {
        heard_.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, hear,
                                GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~StateEvents() { UnhookWinEvent(hook_); }
    StateEvents(const StateEvents&) = delete;
    StateEvents& operator=(const StateEvents&) = delete;

    // Events heard for that window's client area, once those waiting are in.
    int heardFor(HWND window) const
    {
        pumpMessages();
        int count = 0;
        for (HWND heard : heard_)
            count += heard == window;
        return count;
    }

private:
    static void CALLBACK hear(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        if (object == OBJID_CLIENT && child == CHILDID_SELF)
            heard_.push_back(window);
    }

    HWINEVENTHOOK hook_ = nullptr;
    static std::vector<HWND> heard_;
};

std::vector<HWND> StateEvents::heard_;

// The dialog's thread runs in a single-threaded apartment, as a host that
// starts the component model has it.
class LinkAccessible : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_NE(host.dialog(), nullptr);
        ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
        ASSERT_TRUE(textLink.SubclassDlgItem(IDC_CENTRE_LINK, host.window()));
        host.paint();
    }
    void TearDown() override
    {
        EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 0) << "every object goes with its last reference";
        CoUninitialize();
    }

    LinkTestHost host;
    Probe link;
    CT_TextHttpLink textLink;
    OpenTrace trace;
    ScreenReader reader;
};

TEST_F(LinkAccessible, ALinkIsNamedByItsShownTextElseByItsTargetWhichIsItsValue)
{
    setURL(link, L"https://www.lexorin.example/product");
    setURL(textLink, L"https://www.lexorin.example/centre");

    const AccessibleView plain = reader.read(link.m_hWnd);
    ASSERT_EQ(plain.found, S_OK);
    EXPECT_TRUE(plain.allAnswered(S_OK));
    EXPECT_EQ(plain.role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(plain.name, L"Product page");
    EXPECT_EQ(plain.value, L"https://www.lexorin.example/product");
    EXPECT_EQ(plain.state, kLinkState) << std::hex << plain.state;
    EXPECT_EQ(plain.defaultAction, L"Open");

    const AccessibleView text = reader.read(textLink.m_hWnd);
    EXPECT_EQ(text.role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(text.name, L"Centred page");
    EXPECT_EQ(text.value, L"https://www.lexorin.example/centre");
    EXPECT_EQ(text.state, kLinkState) << std::hex << text.state;
    EXPECT_EQ(text.defaultAction, L"Open");

    link.SetWindowText(L"&Product && price&");
    EXPECT_EQ(reader.read(link.m_hWnd).name, L"Product & price") << "as the item shows it";
    link.SetWindowText(L"");
    EXPECT_EQ(reader.read(link.m_hWnd).name, L"https://www.lexorin.example/product") << "a picture link";
    Probe noPrefix;
    ASSERT_TRUE(noPrefix.SubclassDlgItem(IDC_NOPREFIX_LINK, host.window()));
    EXPECT_EQ(reader.read(noPrefix.m_hWnd).name, L"No && prefix");

    link.SetFocus();
    EXPECT_EQ(reader.read(link.m_hWnd).state, kLinkState | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(reader.read(textLink.m_hWnd).state, kLinkState);
}

// Screen readers run in processes of their own.
TEST_F(LinkAccessible, AReaderInAnotherProcessIsToldTheSame)
{
    setURL(textLink, L"https://www.lexorin.example/centre");
    textLink.SetFocus();
    const AccessibleView here = reader.read(textLink.m_hWnd);
    const AccessibleView there = reader.readFromAnotherProcess(textLink.m_hWnd);
    EXPECT_EQ(there.found, S_OK);
    EXPECT_EQ(there.role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(there.state, kLinkState | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(there.name, here.name);
    EXPECT_EQ(there.value, L"https://www.lexorin.example/centre");
    EXPECT_EQ(there.defaultAction, L"Open");
}

// The word comes from the library's language module of the moment, which
// the host switches through the language manager.
TEST_F(LinkAccessible, TheDefaultActionIsNamedInTheLibrarysCurrentLanguage)
{
    CT_UILanguageMgr* languages = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const unsigned before = languages->n_GetLanguage();
    std::vector<std::wstring> words;
    for (unsigned language : {0x0407u, 0x0411u, 0x0409u}) {
        EXPECT_TRUE(languages->b_SetLanguage(language)) << std::hex << language;
        words.push_back(reader.read(link.m_hWnd).defaultAction);
    }
    languages->b_SetLanguage(before);
    EXPECT_EQ(words, (std::vector<std::wstring>{L"\u00D6ffnen", L"\u958B\u304F", L"Open"}));
}

TEST_F(LinkAccessible, TheDefaultActionOpensAsAClickDoesAndTheLinkIsHeardTurningTraversed)
{
    StateEvents events;
    setURL(link, OpenTrace::missingTarget());
    EXPECT_EQ(reader.doDefaultAction(link.m_hWnd), S_OK);
    EXPECT_FALSE(reader.read(link.m_hWnd).hasState(STATE_SYSTEM_TRAVERSED)) << "the open failed";
    EXPECT_EQ(events.heardFor(link.m_hWnd), 0);

    setURL(link, OpenTrace::target());
    SetFocus(host.item(IDOK));
    EXPECT_EQ(reader.doDefaultAction(link.m_hWnd), S_OK);
    EXPECT_EQ(trace.waitForRuns(1), 1);
    EXPECT_EQ(GetFocus(), link.m_hWnd) << "as a click, the link takes the focus";
    const AccessibleView opened = reader.read(link.m_hWnd);
    EXPECT_EQ(opened.state, kLinkState | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_TRAVERSED) << std::hex << opened.state;
    EXPECT_EQ(events.heardFor(link.m_hWnd), 1);

    EXPECT_EQ(reader.doDefaultAction(link.m_hWnd), S_OK);
    EXPECT_EQ(trace.waitForRuns(2), 2);
    EXPECT_EQ(events.heardFor(link.m_hWnd), 1) << "it turns traversed once";
}

TEST_F(LinkAccessible, ADisabledLinkIsUnavailableAndOffersNothingToDo)
{
    setURL(link, OpenTrace::target());
    link.EnableWindow(FALSE);
    const AccessibleView disabled = reader.read(link.m_hWnd);
    EXPECT_EQ(disabled.state, STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_LINKED) << std::hex << disabled.state;
    EXPECT_EQ(disabled.defaultAction, L"");
    EXPECT_EQ(reader.doDefaultAction(link.m_hWnd), DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(link.b_Visited);

    link.EnableWindow(TRUE);
    EXPECT_EQ(reader.read(link.m_hWnd).state, kLinkState);
}

// The framework lets a window go in two ways: the window is destroyed, or
// the object is detached from a window that stays.
TEST_F(LinkAccessible, AnObjectHeldPastItsLinkAnswersDisconnected)
{
    setURL(link, L"https://www.lexorin.example/product");
    auto* goneWithTheDialog = new Probe;
    ASSERT_TRUE(goneWithTheDialog->SubclassDlgItem(IDC_RIGHT_LINK, host.window()));
    ASSERT_TRUE(reader.hold(link.m_hWnd));
    ASSERT_TRUE(reader.hold(goneWithTheDialog->m_hWnd));
    ASSERT_TRUE(reader.hold(textLink.m_hWnd));
    EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 3);

    link.UnsubclassWindow();
    const std::vector<AccessibleView> detached = reader.readHeld();
    ASSERT_EQ(detached.size(), 3u);
    EXPECT_TRUE(detached[0].allAnswered(CO_E_OBJNOTCONNECTED)) << "the item stays, a static item again";
    EXPECT_EQ(detached[1].role, ROLE_SYSTEM_LINK);

    host.window()->DestroyWindow();
    delete goneWithTheDialog;
    for (const AccessibleView& view : reader.readHeld()) {
        EXPECT_TRUE(view.allAnswered(CO_E_OBJNOTCONNECTED));
        EXPECT_EQ(view.role, 0);
        EXPECT_EQ(view.name, L"");
    }
    EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 3) << "held until let go";
    reader.releaseHeld();
    EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 0);
}

// Gives no item the focus: a focus change starts the component model on the
// thread, as showing a window does.
INT_PTR CALLBACK unfocusedDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

HRESULT apartmentOfThisThread()
{
    IUnknown* context = nullptr;
    const HRESULT result = CoGetObjectContext(IID_IUnknown, reinterpret_cast<void**>(&context));
    if (context)
        context->Release();
    return result;
}

// The role and name a reader on the calling thread is told of the window.
std::pair<long, std::wstring> roleAndName(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return {0, L""};
    VARIANT self = {}, role = {};
    self.vt = VT_I4;
    object->get_accRole(self, &role);
    BSTR name = nullptr;
    object->get_accName(self, &name);
    std::pair<long, std::wstring> told(role.vt == VT_I4 ? role.lVal : 0, name ? name : L"");
    SysFreeString(name);
    object->Release();
    return told;
}

// On a thread of its own, whose dialog never shows nor takes the focus:
// without an apartment, and in the
// multithreaded one, the link leaves the question to the system, which
// describes the item as it always has.
TEST(LinkAccessibleApartments, OnlyASingleThreadedApartmentGetsTheLinksOwnObject)
{
    std::pair<long, std::wstring> withoutModel, multithreaded, singleThreaded;
    long liveObjects = -1;
    HRESULT apartment = S_OK;
    std::thread([&] {
        CWnd dialog;
        dialog.Attach(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LINK_TEST), nullptr,
                                         unfocusedDialogProc, 0));
        CT_HttpLink hiddenLink;
        if (!dialog.m_hWnd || !hiddenLink.SubclassDlgItem(IDC_LEFT_LINK, &dialog))
            return;
        apartment = apartmentOfThisThread();
        withoutModel = roleAndName(hiddenLink.m_hWnd);
        liveObjects = Dialogs_GetLiveAccessibleCount();
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        multithreaded = roleAndName(hiddenLink.m_hWnd);
        CoUninitialize();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        singleThreaded = roleAndName(hiddenLink.m_hWnd);
        CoUninitialize();
        dialog.DestroyWindow();
    }).join();
    EXPECT_EQ(apartment, CO_E_NOTINITIALIZED);
    EXPECT_NE(withoutModel.first, 0);
    EXPECT_NE(withoutModel.first, ROLE_SYSTEM_LINK) << "the system's object for the item";
    EXPECT_EQ(withoutModel.second, L"Product page");
    EXPECT_EQ(liveObjects, 0);
    EXPECT_EQ(multithreaded.first, withoutModel.first);
    EXPECT_EQ(singleThreaded.first, ROLE_SYSTEM_LINK);
    EXPECT_EQ(singleThreaded.second, L"Product page");
    EXPECT_EQ(Dialogs_GetLiveAccessibleCount(), 0);
}

} // namespace
