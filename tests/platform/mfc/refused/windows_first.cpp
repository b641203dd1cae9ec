// Must not compile: <windows.h> before the framework's headers.
#include <windows.h>

#include <afxwin.h>

int main()
{
    return 0;
}
