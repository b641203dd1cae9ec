// Classes and functions that Dialogs.dll exports to its hosts.
#pragma once

#include <afx.h>

// Dialogs.dll is an extension library of the framework: building it defines
// _AFXEXT, so AFX_EXT_CLASS exports; hosts import.
#define DIALOGS_API AFX_EXT_CLASS
