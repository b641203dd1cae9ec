// Lengths of caller's text. A count is an upper bound, never a promise: text
// ends at its terminator or after `count` units, whichever comes first, so an
// absurd count cannot read past the end.
#pragma once

namespace Basis {

// The length that means "up to the terminator".
const unsigned kWholeText = static_cast<unsigned>(-1);
// The code page of CT_String::v_Set that widens each byte as it is.
const unsigned kWidenBytes = static_cast<unsigned>(-2);

// Works for wide and 8-bit text alike.
template <typename Unit> unsigned n_TextLength(const Unit* text, unsigned count)
{
    unsigned length = 0;
    while (length < count && text[length])
        ++length;
    return length;
}

} // namespace Basis
