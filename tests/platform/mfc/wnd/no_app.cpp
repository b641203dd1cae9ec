// A program without an application object that asks for the wait cursor,
// which is the application's: it stops there.
#include <afxwin.h>

int main()
{
    CCmdTarget target;
    target.BeginWaitCursor();
    target.EndWaitCursor();
    return 0;
}
