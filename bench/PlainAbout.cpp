#include "BenchPictures.h"
#include "PlainWin32.h"

#include <Dialogs/TemplateIds.h>

namespace {

const unsigned kMakerLogo = 1007;

struct Picture {
    HGLOBAL dib = nullptr;
    HPALETTE palette = nullptr;
    POINT at = {};
};

struct AboutData {
    HMODULE texts;
    HMODULE pictures;
    HMODULE library;
    Picture product;
    Picture logo;
};

void v_LoadPicture(HWND dialog, int item, HMODULE module, unsigned id, Picture* picture)
{
    picture->dib = h_PlainReadDIB(module, id);
    if (picture->dib) {
        picture->palette = h_PlainCreatePalette(static_cast<const BYTE*>(GlobalLock(picture->dib)));
        GlobalUnlock(picture->dib);
        v_PlainRealizeOnScreen(picture->palette);
    }
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, item), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    picture->at = {rect.left, rect.top};
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

void v_SetText(HWND dialog, int item, HMODULE texts, unsigned id)
{
    wchar_t text[512] = {};
    LoadStringW(texts, id, text, 512);
    if (item)
        SetDlgItemTextW(dialog, item, text);
    else
        SetWindowTextW(dialog, text);
}

void v_OnInitDialog(HWND dialog, AboutData* data)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
    v_SetText(dialog, 0, data->texts, BENCH_ABOUT_CAPTION);
    v_SetText(dialog, IDC_ABOUT_TEXT, data->texts, BENCH_ABOUT_TEXT);
    v_SetText(dialog, IDC_ABOUT_SMALL_PRINT, data->texts, BENCH_ABOUT_SMALL_PRINT);
    wchar_t format[128] = {}, version[256] = {};
    LoadStringW(data->texts, BENCH_ABOUT_VERSION, format, 128);
    wsprintfW(version, format, L"7.0.1", 320u);
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, version);
    v_LoadPicture(dialog, IDC_ABOUT_PRODUCT_LINK, data->pictures, BENCH_PRODUCT, &data->product);
    v_LoadPicture(dialog, IDC_ABOUT_MAKER_LINK, data->library, kMakerLogo, &data->logo);
}

void v_OnPaint(HWND dialog, const AboutData& data)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    v_PaintPicture(dc, data.product);
    v_PaintPicture(dc, data.logo);
    EndPaint(dialog, &paint);
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
        return b_PlainEndOnOkOrCancel(dialog, wParam);
    case WM_DESTROY:
        if (data) {
            v_FreePicture(data->product);
            v_FreePicture(data->logo);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR i_PlainShowAbout(HMODULE templates, HMODULE texts, HMODULE pictures, HMODULE library)
{
    AboutData data{texts, pictures, library, {}, {}};
    return DialogBoxParamW(templates, MAKEINTRESOURCEW(IDD_ABOUT_DIALOG), nullptr, i_AboutProcedure,
                           reinterpret_cast<LPARAM>(&data));
}
