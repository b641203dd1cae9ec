#include "LexorinBasis.h"

#include "BasisHeap.h"
#include "Text.h"

#include <string.h>

#include <type_traits>

namespace {

const wchar_t kEmpty[1] = {0};

wchar_t* pu_AllocateText(unsigned length)
{
    return static_cast<wchar_t*>(Basis::pv_AllocateArray(static_cast<size_t>(length) + 1, sizeof(wchar_t)));
}

wchar_t u_Fold(wchar_t unit, bool ignoreCase)
{
    if (!ignoreCase)
        return unit;
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(unit))));
}

// Ordinal comparison, unit by unit; a text that is a prefix of the other
// comes first.
template <typename Unit>
int i_CompareUnits(const wchar_t* left, unsigned leftLength, const Unit* right, unsigned rightLength,
                   bool ignoreCase)
{
    const unsigned common = leftLength < rightLength ? leftLength : rightLength;
    for (unsigned i = 0; i < common; ++i) {
        // Bytes widen as they are, as everywhere in this library.
        const wchar_t r = static_cast<wchar_t>(static_cast<typename std::make_unsigned<Unit>::type>(right[i]));
        const int difference = static_cast<int>(u_Fold(left[i], ignoreCase)) - static_cast<int>(u_Fold(r, ignoreCase));
        if (difference)
            return difference;
    }
    if (leftLength == rightLength)
        return 0;
    return leftLength < rightLength ? -1 : 1;
}

} // namespace

CT_String::CT_String() : pu_Text(nullptr), n_Length(0), n_Capacity(0) {}

CT_String::CT_String(const CT_String& other) : CT_String()
{
    v_Set(&other);
}

CT_String::~CT_String()
{
    Basis::v_Free(pu_Text);
}

CT_String& CT_String::operator=(const CT_String& other)
{
    v_Set(&other);
    return *this;
}

void CT_String::v_Set(const CT_String* other)
{
    if (other == this)
        return;
    if (!other) {
        v_Set(nullptr, 0);
        return;
    }
    v_Set(other->qcuz_Get(), other->n_Length);
}

// When no memory is left for a longer text the string keeps its old one.
void CT_String::v_Set(const wchar_t* text, unsigned length)
{
    const unsigned newLength = text ? Basis::n_TextLength(text, length) : 0;
    if (newLength == 0) {
        Basis::v_Free(pu_Text);
        pu_Text = nullptr;
        n_Length = n_Capacity = 0;
        return;
    }
    if (newLength <= n_Capacity) {
        // The text may be a part of this string's own.
        memmove(pu_Text, text, newLength * sizeof(wchar_t));
        pu_Text[newLength] = 0;
        n_Length = newLength;
        return;
    }
    wchar_t* buffer = pu_AllocateText(newLength);
    if (!buffer)
        return;
    memcpy(buffer, text, newLength * sizeof(wchar_t));
    buffer[newLength] = 0;
    Basis::v_Free(pu_Text);
    pu_Text = buffer;
    n_Length = n_Capacity = newLength;
}

// Text that cannot be converted (an unknown code page, bytes invalid in it)
// leaves the string empty; no memory for the result keeps the old text.
void CT_String::v_Set(const char* text, unsigned length, unsigned codePage)
{
    const unsigned bytes = text ? Basis::n_TextLength(text, length) : 0;
    int units = static_cast<int>(bytes);
    if (bytes > 0x7FFFFFFF)
        units = 0;
    else if (bytes && codePage != Basis::kWidenBytes)
        units = MultiByteToWideChar(codePage, 0, text, static_cast<int>(bytes), nullptr, 0);
    if (units <= 0) {
        v_Set(nullptr, 0);
        return;
    }
    wchar_t* buffer = pu_AllocateText(static_cast<unsigned>(units));
    if (!buffer)
        return;
    if (codePage == Basis::kWidenBytes) {
        for (unsigned i = 0; i < bytes; ++i)
            buffer[i] = static_cast<unsigned char>(text[i]);
    } else {
        units = MultiByteToWideChar(codePage, 0, text, static_cast<int>(bytes), buffer, units);
    }
    buffer[units] = 0;
    Basis::v_Free(pu_Text);
    pu_Text = buffer;
    n_Length = n_Capacity = static_cast<unsigned>(units);
}

const wchar_t* CT_String::qcuz_Get() const
{
    return pu_Text ? pu_Text : kEmpty;
}

wchar_t CT_String::u_GetAt(unsigned position) const
{
    return position < n_Length ? pu_Text[position] : 0;
}

unsigned CT_String::vn_GetLength() const
{
    return n_Length;
}

void CT_String::vv_Remove(unsigned count, unsigned position)
{
    if (position >= n_Length || count == 0)
        return;
    if (count > n_Length - position)
        count = n_Length - position;
    // The terminator moves with the tail.
    memmove(pu_Text + position, pu_Text + position + count,
            (n_Length - position - count + 1) * sizeof(wchar_t));
    n_Length -= count;
    if (n_Length == 0)
        v_Set(nullptr, 0);
}

int CT_String::vi_Compare(const char* text, unsigned length, unsigned flags) const
{
    const char* other = text ? text : "";
    return i_CompareUnits(qcuz_Get(), n_Length, other, Basis::n_TextLength(other, length),
                          (flags & en_IgnoreCase) != 0);
}

int CT_String::vi_Compare(const wchar_t* text, unsigned length, unsigned flags) const
{
    const wchar_t* other = text ? text : kEmpty;
    return i_CompareUnits(qcuz_Get(), n_Length, other, Basis::n_TextLength(other, length),
                          (flags & en_IgnoreCase) != 0);
}

void CT_String::vv_Init(const CT_String* other)
{
    v_Set(other);
}
