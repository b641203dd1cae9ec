// A dialog of the host's own made of the library's controls: a text link, a
// picture that is a link, a picture whose white background takes the
// button-shadow colour, and a DIB window that draws a 256-colour picture with
// the palette of its own colour table.
#include "resources.h"

#include <Dialogs/Dialogs.h>

namespace {

class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(IDD_CONTROLS), stamp(IDB_STAMP) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        // A link is attached to its item first and given its target then.
        const CT_UString site(L"https://www.example.com/");
        if (textLink.SubclassDlgItem(IDC_TEXT_LINK, this))
            textLink.v_SetURL(&site);
        const CT_UString readme(L"C:\\windows\\win.ini");   // a file opens in its application
        if (pictureLink.SubclassDlgItem(IDC_PICTURE_LINK, this))
            pictureLink.v_SetURL(&readme);
        stamp.SubclassDlgItem(IDC_STAMP, this);

        // The DIB window, of the picture's size, where a hidden item of the
        // template is; it paints itself.
        CRect place;
        GetDlgItem(IDC_DIB_PLACE)->GetWindowRect(&place);
        ScreenToClient(&place);
        picture.v_Set(this, AfxGetInstanceHandle(), IDB_PRODUCT256, nullptr);
        const CSize size(picture.n_GetWidth(), picture.n_GetHeight());
        picture.CreateEx(0, CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), nullptr, WS_CHILD | WS_VISIBLE,
                         CRect(place.TopLeft(), size), this, 0);
        return TRUE;
    }

private:
    CT_TextHttpLink textLink;
    CT_HttpLink pictureLink;
    CT_TransparentBitmap stamp;
    CT_BigBitmap picture;
};

class ControlsApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        ControlsDialog dialog;
        dialog.DoModal();
        return FALSE;
    }
};

ControlsApp theApp;

} // namespace
