// C-style formatting of wide text, for strings that come from resources.
//
// Conversions: %s (NUL-terminated UTF-16 text; %hs and %S 8-bit text widened
// byte by byte; "(null)" for a null pointer), %c (%hc and %C a byte), %d %i
// %u %o %x %X (32-bit; with ll or I64 64-bit; h and hh narrow the value),
// %p and %%, with the flags - + space 0 #, widths and precisions (also as *).
// A conversion outside these (floating point, %n, an unknown letter) ends the
// formatting: the rest of the format is copied as it stands and no further
// argument is read, so a damaged format can never read a wrong argument.
#pragma once

#include "LexorinBasis.h"

#include <stdarg.h>

namespace Basis {

// Formats `length` units of `format` (a terminator ends it earlier) into
// `out`. False, and `out` empty, when no memory is left for the result; the
// result is never cut short.
bool b_FormatWide(CT_String* out, const wchar_t* format, unsigned length, va_list args);
// The same for a whole format and the arguments that follow it.
bool b_Format(CT_String* out, const wchar_t* format, ...);

} // namespace Basis
