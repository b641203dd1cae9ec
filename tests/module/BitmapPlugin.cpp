// A plug-in of a host that uses the library's bitmap object and nothing
// else: loading it brings Dialogs.dll in, unloading it takes the library out.
#include <Dialogs/BigBitmap.h>

// Makes one bitmap object, which registers the window class; the name kept
// for it, or null.
extern "C" __declspec(dllexport) const CT_UString* UseBigBitmap()
{
    CT_BigBitmap picture;
    return CT_BigBitmap::spcco_GetClassName();
}
