// Dialogs.dll: the common dialogs of the Lexorin product family and the
// controls they are made of. A host includes this one header and links the
// library's import library.
#pragma once

#include "AboutDialog.h"
#include "BigBitmap.h"
#include "DialogsDLLMain.h"
#include "HttpLink.h"
#include "LanguageDialog.h"
#include "SelectDirectory.h"
#include "SplashWindow.h"
#include "TextHttpLink.h"
#include "TipoftheDayDialog.h"
#include "TransparentBitmap.h"
