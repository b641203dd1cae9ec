// Dialogs.dll: the common dialogs of the Lexorin product family and the
// controls they are made of. A host includes this one header and links the
// library's import library.
#pragma once

#include "DialogsDLLMain.h"
#include "SelectDirectory.h"
