#include <afxwin.h>

#include "LinkAccessible.h"

#include "AccessibleDiagnostics.h"
#include "LibraryState.h"

#include <Dialogs/HttpLink.h>
#include <Dialogs/TemplateIds.h>

#include <oleacc.h>

#include <string>

// The interface is named by __uuidof(IAccessible), from its declaration: the
// 64-bit import library of oleacc.dll resolves IID_IAccessible to an import
// stub's code, so that no object would ever be asked for the right interface.

namespace {

LONG sn_LiveObjects = 0;

// The text as the item shows it: "&x" underlines x, "&&" is one "&"; an item
// with SS_NOPREFIX shows its text as it stands.
std::wstring co_ShownText(HWND h_Window)
{
    const int length = ::GetWindowTextLengthW(h_Window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(h_Window, &text[0], length + 1)));
    if (::GetWindowLongW(h_Window, GWL_STYLE) & SS_NOPREFIX)
        return text;
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

} // namespace

// Calls reach the object on the window's thread only: it is handed out from
// single-threaded apartments, whose calls the component model delivers
// through that thread's messages. The control is touched only while the
// framework still has it attached to the window: a client that holds the
// object after the window or the control has gone is told it is
// disconnected, and the freed control is never read. Whatever the object does
// not change about a static item (place, parent, focus, navigation) comes
// from the system's own object for the window.
class CT_LinkAccessible final : public IAccessible {
public:
    CT_LinkAccessible(CT_HttpLink* pco_Link_, IAccessible* pco_Standard_)
        : n_References(1), h_Window(pco_Link_->m_hWnd), pco_Link(pco_Link_), pco_Standard(pco_Standard_)
    {
        ::InterlockedIncrement(&sn_LiveObjects);
    }
    CT_LinkAccessible(const CT_LinkAccessible&) = delete;
    CT_LinkAccessible& operator=(const CT_LinkAccessible&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
            *ppvObject = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override
    {
        return static_cast<ULONG>(::InterlockedIncrement(&n_References));
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = ::InterlockedDecrement(&n_References);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: callers use the interface's methods; no type information.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (!pctinfo)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo)
            *ppTInfo = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible: what this object says of the link.
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        return h_AnswerNumber(varChild, pvarRole, [] { return ROLE_SYSTEM_LINK; });
    }
    // Focusable unless disabled, linked, and traversed once it was opened.
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        return h_AnswerNumber(varChild, pvarState, [this] { return n_State(); });
    }
    // The text it shows; a link without one (a picture) is named by its target.
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override
    {
        return h_AnswerText(varChild, pszName, [this] {
            const std::wstring text = co_ShownText(h_Window);
            return text.empty() ? std::wstring(pco_Link->co_URL.qcuz_Get()) : text;
        });
    }
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        return h_AnswerText(varChild, pszValue, [this] { return std::wstring(pco_Link->co_URL.qcuz_Get()); });
    }
    // The word of the library's current language; a disabled link has none.
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        return h_AnswerText(varChild, pszDefaultAction, [this] {
            if (!::IsWindowEnabled(h_Window))
                return std::wstring();
            CT_UString word;
            CT_LoadString::sv_LoadString(&word, h_GetLanguageResourceHandle(), IDS_LINK_OPEN);
            return std::wstring(word.qcuz_Get());
        });
    }
    // Opens the link as a click does; a disabled link takes no clicks.
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override
    {
        const HRESULT check = h_CheckSelf(varChild);
        if (check != S_OK)
            return check;
        if (!::IsWindowEnabled(h_Window))
            return DISP_E_MEMBERNOTFOUND;
        pco_Link->v_OnClicked();
        return S_OK;
    }

    // IAccessible: the system's object answers for the window.
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override
    {
        return b_Connected() ? pco_Standard->get_accParent(ppdispParent) : h_Disconnected(ppdispParent);
    }
    STDMETHODIMP get_accChildCount(long* pcountChildren) override
    {
        return b_Connected() ? pco_Standard->get_accChildCount(pcountChildren) : h_Disconnected(pcountChildren);
    }
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return b_Connected() ? pco_Standard->get_accChild(varChild, ppdispChild) : h_Disconnected(ppdispChild);
    }
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        return b_Connected() ? pco_Standard->get_accDescription(varChild, pszDescription)
                             : h_Disconnected(pszDescription);
    }
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override
    {
        return b_Connected() ? pco_Standard->get_accHelp(varChild, pszHelp) : h_Disconnected(pszHelp);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override
    {
        if (b_Connected())
            return pco_Standard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
        h_Disconnected(pidTopic);
        return h_Disconnected(pszHelpFile);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override
    {
        return b_Connected() ? pco_Standard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut)
                             : h_Disconnected(pszKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override
    {
        return b_Connected() ? pco_Standard->get_accFocus(pvarChild) : h_Disconnected(pvarChild);
    }
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override
    {
        return b_Connected() ? pco_Standard->get_accSelection(pvarChildren) : h_Disconnected(pvarChildren);
    }
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override
    {
        return b_Connected() ? pco_Standard->accSelect(flagsSelect, varChild) : CO_E_OBJNOTCONNECTED;
    }
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override
    {
        if (b_Connected())
            return pco_Standard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
        for (long* value : {pxLeft, pyTop, pcxWidth, pcyHeight})
            h_Disconnected(value);
        return CO_E_OBJNOTCONNECTED;
    }
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return b_Connected() ? pco_Standard->accNavigate(navDir, varStart, pvarEndUpAt) : h_Disconnected(pvarEndUpAt);
    }
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override
    {
        return b_Connected() ? pco_Standard->accHitTest(xLeft, yTop, pvarChild) : h_Disconnected(pvarChild);
    }
    STDMETHODIMP put_accName(VARIANT, BSTR) override
    {
        return b_Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
    }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override
    {
        return b_Connected() ? E_NOTIMPL : CO_E_OBJNOTCONNECTED;
    }

private:
    ~CT_LinkAccessible()
    {
        pco_Standard->Release();
        ::InterlockedDecrement(&sn_LiveObjects);
    }

    // The framework keeps a window's object in a map of the window's thread
    // until the window goes or the object lets it go.
    bool b_Connected() const
    {
        return ::IsWindow(h_Window) && CWnd::FromHandlePermanent(h_Window) == pco_Link;
    }

    // S_OK for a call about the link itself that may go on, else its answer.
    HRESULT h_CheckSelf(const VARIANT& varChild) const
    {
        if (!b_Connected())
            return CO_E_OBJNOTCONNECTED;
        return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
    }

    template <typename Number> HRESULT h_AnswerNumber(const VARIANT& varChild, VARIANT* out, Number number) const
    {
        if (!out)
            return E_POINTER;
        ::VariantInit(out);
        const HRESULT check = h_CheckSelf(varChild);
        if (check != S_OK)
            return check;
        out->vt = VT_I4;
        out->lVal = number();
        return S_OK;
    }

    // An empty text is no text: S_FALSE and a null string.
    template <typename Text> HRESULT h_AnswerText(const VARIANT& varChild, BSTR* out, Text text) const
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        const HRESULT check = h_CheckSelf(varChild);
        if (check != S_OK)
            return check;
        const std::wstring answer = text();
        if (answer.empty())
            return S_FALSE;
        *out = ::SysAllocStringLen(answer.data(), static_cast<UINT>(answer.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    LONG n_State() const
    {
        VARIANT self, standard;
        ::VariantInit(&self);
        ::VariantInit(&standard);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        LONG state = 0;
        if (SUCCEEDED(pco_Standard->get_accState(self, &standard)) && standard.vt == VT_I4)
            state = standard.lVal;
        const LONG kOwn = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE |
                          STATE_SYSTEM_READONLY | STATE_SYSTEM_LINKED | STATE_SYSTEM_TRAVERSED;
        state &= ~kOwn;
        state |= STATE_SYSTEM_LINKED;
        state |= ::IsWindowEnabled(h_Window) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
        if (::GetFocus() == h_Window)
            state |= STATE_SYSTEM_FOCUSED;
        if (pco_Link->b_Visited)
            state |= STATE_SYSTEM_TRAVERSED;
        return state;
    }

    // Out-values of a disconnected call: empty.
    template <typename T> static HRESULT h_Disconnected(T* out)
    {
        if (out)
            *out = T();
        return CO_E_OBJNOTCONNECTED;
    }
    static HRESULT h_Disconnected(VARIANT* out)
    {
        if (out)
            ::VariantInit(out);
        return CO_E_OBJNOTCONNECTED;
    }

    LONG n_References;
    const HWND h_Window;
    CT_HttpLink* const pco_Link;      // read only while b_Connected()
    IAccessible* const pco_Standard;  // the system's object for the window's client area
};

namespace {

bool b_IsSingleThreadedApartment()
{
    IComThreadingInfo* info = nullptr;
    if (FAILED(::CoGetObjectContext(IID_IComThreadingInfo, reinterpret_cast<void**>(&info))) || !info)
        return false;
    APTTYPE type = APTTYPE_MTA;
    const HRESULT result = info->GetCurrentApartmentType(&type);
    info->Release();
    return SUCCEEDED(result) && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

} // namespace

// Each request gets an object of its own, which lives as long as its client
// holds it.
LRESULT i_GetAccessibleReference(CT_HttpLink* pco_Link, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !b_IsSingleThreadedApartment())
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(pco_Link->m_hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    CT_LinkAccessible* object = new CT_LinkAccessible(pco_Link, standard);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT reference = ::LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return reference > 0 ? reference : 0;
}

long __cdecl Dialogs_GetLiveAccessibleCount(void)
{
    return ::InterlockedCompareExchange(&sn_LiveObjects, 0, 0);
}
