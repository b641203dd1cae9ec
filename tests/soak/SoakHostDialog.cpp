#include "SoakHostDialog.h"

#include "SoakIds.h"

namespace {

const unsigned kMakerLogo = 1007;   // a picture of the library's own

void link(CT_HttpLink& control, CWnd* dialog, int item, const wchar_t* target)
{
    control.SubclassDlgItem(item, dialog);
    const CT_UString url(target);
    control.v_SetURL(&url);
}

} // namespace

BEGIN_MESSAGE_MAP(SoakHostDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

SoakHostDialog::SoakHostDialog() : CDialog(IDD_SOAK_HOST)
{
}

SoakHostDialog::~SoakHostDialog()
{
    delete product_;
    delete logo_;
}

BOOL SoakHostDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    product_ = picture(IDC_SOAK_PRODUCT, AfxGetInstanceHandle(), IDB_SOAK_PRODUCT256);
    logo_ = picture(IDC_SOAK_LOGO, CT_DialogsDLLMain::sh_GetInstance(), kMakerLogo);
    link(pictureLink_, this, IDC_SOAK_PRODUCT, L"https://www.lexorin.example/soak-product/");
    link(plainLink_, this, IDC_SOAK_LINK, L"https://www.lexorin.example/soak-page/");
    link(textLink_, this, IDC_SOAK_TEXT_LINK, L"https://www.lexorin.example/");
    return TRUE;
}

CT_BigBitmap* SoakHostDialog::picture(int item, HINSTANCE module, unsigned bitmap)
{
    CRect rect;
    GetDlgItem(item)->GetWindowRect(&rect);
    ScreenToClient(&rect);
    const CPoint corner = rect.TopLeft();
    return new CT_BigBitmap(this, module, bitmap, &corner);
}

bool SoakHostDialog::picturesHeld() const
{
    return product_ && product_->n_GetWidth() == 64 && logo_ && logo_->n_GetWidth() == 200;
}

void SoakHostDialog::OnPaint()
{
    CPaintDC dc(this);
    product_->OnDraw(&dc);
    logo_->OnDraw(&dc);
}
