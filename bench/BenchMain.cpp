// DialogsBench.exe: times Dialogs.dll against plain Win32 code doing the same
// visible work (BenchRun.h). A framework application, as the library's hosts
// are, started by the framework's wWinMain; the cold rows' fresh processes
// of itself start the same way.
#include <afxwin.h>

#include "BenchRun.h"

namespace {

class CBenchApp : public CWinApp {
public:
    BOOL InitInstance() override { return TRUE; }

    // The bench in place of a message pump; its result is the exit code.
    int Run() override
    {
        const int code = i_RunBench();
        ExitInstance();
        return code;
    }
};

CBenchApp theApp;

} // namespace
