// Lengths of caller's text. A count is an upper bound, never a promise: text
// ends at its terminator or after `count` units, whichever comes first, so an
// absurd count cannot read past the end.
#pragma once

namespace Basis {

// Works for wide and 8-bit text alike.
template <typename Unit> unsigned n_TextLength(const Unit* text, unsigned count)
{
    unsigned length = 0;
    while (length < count && text[length])
        ++length;
    return length;
}

} // namespace Basis
