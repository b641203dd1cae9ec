// The library's four controls in a window of the demo's own: a text link to
// the maker's site, the product picture as a link to its page, the stamp on
// the button-shadow colour, and the product picture in a DIB window.
#include <Dialogs/Dialogs.h>

#include "AboutResources.h"
#include "ControlsResources.h"
#include "DemoActions.h"
#include "DemoLanguage.h"

namespace {

class CT_ControlsWindow : public CDialog {
public:
    CT_ControlsWindow() : CDialog(IDD_DEMO_CONTROLS), co_Stamp(IDB_DEMO_STAMP) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        v_AttachLink(co_TextLink, IDC_DEMO_TEXT_LINK, L"https://www.lexorin.example/");
        v_AttachLink(co_PictureLink, IDC_DEMO_PICTURE_LINK,
                     co_DemoText(IDS_DEMO_ABOUT_PRODUCT_PAGE, L"https://www.lexorin.example/").c_str());
        co_Stamp.SubclassDlgItem(IDC_DEMO_STAMP, this);
        v_CreatePictureWindow();
        return TRUE;
    }

private:
    void v_AttachLink(CT_HttpLink& co_Link, int n_Item, const wchar_t* q_Target)
    {
        const CT_UString co_Target(q_Target);
        if (co_Link.SubclassDlgItem(n_Item, this))
            co_Link.v_SetURL(&co_Target);
    }

    // At the hidden place item's corner, at the picture's own size.
    void v_CreatePictureWindow()
    {
        CWnd* pco_Place = GetDlgItem(IDC_DEMO_DIB_PLACE);
        if (!pco_Place)
            return;
        CRect co_Place;
        pco_Place->GetWindowRect(&co_Place);
        ScreenToClient(&co_Place);
        co_Picture.v_Set(this, AfxGetInstanceHandle(), IDB_DEMO_PRODUCT256, nullptr);
        const CSize co_Size(static_cast<int>(co_Picture.n_GetWidth()), static_cast<int>(co_Picture.n_GetHeight()));
        co_Picture.CreateEx(0, CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), nullptr, WS_CHILD | WS_VISIBLE,
                            CRect(co_Place.TopLeft(), co_Size), this, 0);
    }

    CT_TextHttpLink co_TextLink;
    CT_HttpLink co_PictureLink;
    CT_TransparentBitmap co_Stamp;
    CT_BigBitmap co_Picture;
};

} // namespace

void v_DemoShowControls(HWND)
{
    CT_ControlsWindow co_Window;
    co_Window.DoModal();
}
