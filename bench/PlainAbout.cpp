#include "PlainLink.h"
#include "PlainWin32.h"

#include <Dialogs/TemplateIds.h>

namespace {

const unsigned kSmallPrintString = 10006;
const unsigned kVersionString = 10007;
const unsigned kCaptionString = 10010;
const unsigned kProductPageString = 10011;
const unsigned kTextString = 10012;
const unsigned kMakerLogo = 1007;
const unsigned kHandCursor = 1006;
const wchar_t kMakerSite[] = L"https://www.lexorin.example/";
const int kSmallPrintPoints = 7;

struct Picture {
    HGLOBAL dib = nullptr;
    HPALETTE palette = nullptr;
    POINT at = {};
};

struct AboutData {
    const PlainAboutParameters* parameters;
    Picture product;
    Picture logo;
    PlainLink productLink;
    PlainLink makerLink;
    HFONT smallPrint = nullptr;
};

void v_LoadPicture(HWND dialog, int item, HMODULE module, unsigned id, Picture* picture)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, item), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    picture->at = {rect.left, rect.top};
    picture->dib = h_PlainReadDIB(module, id);
    if (!picture->dib)
        return;
    picture->palette = h_PlainCreatePalette(static_cast<const BYTE*>(GlobalLock(picture->dib)));
    GlobalUnlock(picture->dib);
    v_PlainRealize(dialog, picture->palette);
}

void v_PaintPicture(HDC dc, const Picture& picture)
{
    if (!picture.dib)
        return;
    i_PlainDrawDIB(dc, picture.at.x, picture.at.y, static_cast<const BYTE*>(GlobalLock(picture.dib)),
                   picture.palette);
    GlobalUnlock(picture.dib);
}

void v_FreePicture(Picture& picture)
{
    if (picture.dib)
        GlobalFree(picture.dib);
    if (picture.palette)
        DeleteObject(picture.palette);
    picture = Picture();
}

// A palette display of exactly 16 colours gets the 16-colour picture.
unsigned n_ProductPicture(HWND dialog, const PlainAboutParameters& parameters)
{
    const HDC dc = GetDC(dialog);
    const int colours = GetDeviceCaps(dc, NUMCOLORS);
    ReleaseDC(dialog, dc);
    return colours == 16 ? parameters.picture16Colours : parameters.picture;
}

BOOL CALLBACK b_SetFont(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

void v_SetText(HWND dialog, int item, HMODULE texts, unsigned id)
{
    wchar_t text[512] = {};
    LoadStringW(texts, id, text, 512);
    if (item)
        SetDlgItemTextW(dialog, item, text);
    else
        SetWindowTextW(dialog, text);
}

void v_MakeLinks(HWND dialog, AboutData* data)
{
    const PlainAboutParameters& parameters = *data->parameters;
    const HCURSOR hand = LoadCursorW(parameters.library, MAKEINTRESOURCEW(kHandCursor));
    wchar_t productPage[512] = {};
    if (parameters.productPage && *parameters.productPage)
        lstrcpynW(productPage, parameters.productPage, 512);
    else
        LoadStringW(parameters.texts, kProductPageString, productPage, 512);
    v_PlainMakeLink(&data->productLink, GetDlgItem(dialog, IDC_ABOUT_PRODUCT_LINK), productPage, hand);
    v_PlainMakeLink(&data->makerLink, GetDlgItem(dialog, IDC_ABOUT_MAKER_LINK), kMakerSite, hand);
}

// The old system face is too large for the small print.
HFONT h_SmallPrintFont()
{
    LOGFONTW system = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof system, &system);
    if (lstrcmpW(system.lfFaceName, L"MS Sans Serif") != 0)
        return nullptr;
    const HDC screen = GetDC(nullptr);
    LOGFONTW small = {};
    small.lfHeight = -MulDiv(kSmallPrintPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    small.lfWeight = FW_NORMAL;
    small.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(small.lfFaceName, L"Arial");
    return CreateFontIndirectW(&small);
}

void v_SetVersionLine(HWND dialog, const PlainAboutParameters& parameters)
{
    wchar_t format[128] = {}, version[256] = {};
    LoadStringW(parameters.texts, kVersionString, format, 128);
    wsprintfW(version, format, parameters.version, parameters.build);
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, version);
}

void v_OnInitDialog(HWND dialog, AboutData* data)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
    const PlainAboutParameters& parameters = *data->parameters;
    EnumChildWindows(dialog, b_SetFont, reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
    v_LoadPicture(dialog, IDC_ABOUT_PRODUCT_LINK, parameters.pictures, n_ProductPicture(dialog, parameters),
                  &data->product);
    v_LoadPicture(dialog, IDC_ABOUT_MAKER_LINK, parameters.library, kMakerLogo, &data->logo);
    v_MakeLinks(dialog, data);
    v_SetText(dialog, 0, parameters.texts, kCaptionString);
    v_SetText(dialog, IDC_ABOUT_TEXT, parameters.texts, kTextString);
    v_SetText(dialog, IDC_ABOUT_SMALL_PRINT, parameters.smallPrintTexts, kSmallPrintString);
    data->smallPrint = h_SmallPrintFont();
    if (data->smallPrint)
        SendDlgItemMessageW(dialog, IDC_ABOUT_SMALL_PRINT, WM_SETFONT, reinterpret_cast<WPARAM>(data->smallPrint),
                            TRUE);
    v_SetVersionLine(dialog, parameters);
}

void v_OnPaint(HWND dialog, const AboutData& data)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    v_PaintPicture(dc, data.product);
    v_PaintPicture(dc, data.logo);
    EndPaint(dialog, &paint);
}

void v_OnDestroy(AboutData* data)
{
    v_PlainFreeLink(&data->productLink);
    v_PlainFreeLink(&data->makerLink);
    v_FreePicture(data->product);
    v_FreePicture(data->logo);
    if (data->smallPrint)
        DeleteObject(data->smallPrint);
    data->smallPrint = nullptr;
}

INT_PTR CALLBACK i_AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* data = reinterpret_cast<AboutData*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        v_OnInitDialog(dialog, reinterpret_cast<AboutData*>(lParam));
        return TRUE;
    case WM_PAINT:
        if (!data)
            return FALSE;
        v_OnPaint(dialog, *data);
        return TRUE;
    case WM_COMMAND:
        if (data && (b_PlainOnLinkCommand(&data->productLink, wParam, lParam) ||
                     b_PlainOnLinkCommand(&data->makerLink, wParam, lParam)))
            return TRUE;
        return b_PlainEndOnOkOrCancel(dialog, wParam);
    case WM_DESTROY:
        if (data)
            v_OnDestroy(data);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR i_PlainShowAbout(HMODULE templates, const PlainAboutParameters& parameters)
{
    AboutData data{&parameters, {}, {}, {}, {}};
    return DialogBoxParamW(templates, MAKEINTRESOURCEW(IDD_ABOUT_DIALOG), nullptr, i_AboutProcedure,
                           reinterpret_cast<LPARAM>(&data));
}
