// The entry point of a program that starts the framework's way: the
// application object (a global of the program) is run by AfxWinMain.
#include <afxwin.h>

// The framework's own start of a program, exported by MFC71U.DLL.
_AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
