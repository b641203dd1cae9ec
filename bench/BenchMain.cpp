// DialogsBench.exe: times Dialogs.dll against plain Win32 code doing the same
// visible work (BenchRun.h).
#include "BenchRun.h"

int main()
{
    return i_RunBench();
}
