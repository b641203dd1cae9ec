// The About box's version line: a host's format string filled with a version
// text and a build number.
#pragma once

#include "LexorinBasis.h"

// Whether `format` reads no more than a version line's arguments: at most one
// text conversion (%s) and, after it, at most one whole-number conversion
// (%d %i %u %o %x %X %c). Anything else (other conversions, a number
// first, widths or precisions taken from arguments) would read arguments
// that are not there, or read them as what they are not.
bool b_IsVersionFormat(const wchar_t* format, unsigned length);

// String `id` of `module` filled with `version` and then `build`. A format
// that does not fit gives the version text followed by the build number in
// parentheses; a missing string gives an empty line.
void v_LoadVersionLine(CT_UString* out, HINSTANCE module, unsigned id, const CT_UString& version, unsigned build);
