#include "LexorinBasis.h"

#include "WideFormat.h"

#include <stdarg.h>

namespace {

const unsigned kStringsPerBlock = 16;

// String `id` read straight from its block of 16 counted strings, so that no
// length limit applies. False when the module, the block or the string is
// missing, or the block is damaged.
bool b_FindString(HINSTANCE module, unsigned id, const wchar_t** text, unsigned* length)
{
    if (id > 0xFFFF)
        return false;
    if (!module)
        module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id / kStringsPerBlock + 1), RT_STRING);
    if (!info)
        return false;
    HGLOBAL data = LoadResource(module, info);
    const auto* block = static_cast<const wchar_t*>(data ? LockResource(data) : nullptr);
    if (!block)
        return false;
    const unsigned units = SizeofResource(module, info) / sizeof(wchar_t);
    unsigned position = 0;
    for (unsigned index = 0;; ++index) {
        if (position >= units)
            return false;
        const unsigned count = block[position++];
        if (count > units - position)
            return false;
        if (index == id % kStringsPerBlock) {
            *text = block + position;
            *length = count;
            return count != 0;
        }
        position += count;
    }
}

} // namespace

void CT_LoadString::sv_LoadString(CT_UString* out, HINSTANCE module, unsigned id)
{
    if (!out)
        return;
    const wchar_t* text = nullptr;
    unsigned length = 0;
    out->v_Set(nullptr, 0);
    if (b_FindString(module, id, &text, &length))
        out->v_Set(text, length);
}

void CT_LoadString::sv_LoadStringVA(CT_UString* out, HINSTANCE module, unsigned id, ...)
{
    if (!out)
        return;
    const wchar_t* format = nullptr;
    unsigned length = 0;
    if (!b_FindString(module, id, &format, &length)) {
        out->v_Set(nullptr, 0);
        return;
    }
    va_list args;
    va_start(args, id);
    Basis::b_FormatWide(out, format, length, args);
    va_end(args);
}
