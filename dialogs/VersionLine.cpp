#include <afx.h>

#include "VersionLine.h"

#include <stdio.h>
#include <wchar.h>

namespace {

enum et_Argument { ea_Text, ea_Number, ea_Unfit };

bool b_IsOneOf(wchar_t unit, const wchar_t* set)
{
    return unit != 0 && wcschr(set, unit) != nullptr;
}

void v_SkipDigits(const wchar_t* format, unsigned length, unsigned& position)
{
    while (position < length && format[position] >= L'0' && format[position] <= L'9')
        ++position;
}

// The argument that the conversion starting at `position` (just after the
// '%') reads; `position` ends after it.
et_Argument e_ReadConversion(const wchar_t* format, unsigned length, unsigned& position)
{
    while (position < length && b_IsOneOf(format[position], L"-+ 0#"))
        ++position;
    v_SkipDigits(format, length, position);
    if (position < length && format[position] == L'.') {
        ++position;
        v_SkipDigits(format, length, position);
    }
    wchar_t size = 0;
    if (position < length && b_IsOneOf(format[position], L"hlw")) {
        size = format[position++];
        // "hh" narrows the value it reads; "ll" reads 64 bits.
        if (position < length && format[position] == size && size == L'h')
            ++position;
    }
    if (position >= length)
        return ea_Unfit;
    const wchar_t conversion = format[position++];
    if (conversion == L's')
        return size == 0 || size == L'l' || size == L'w' ? ea_Text : ea_Unfit;
    if (b_IsOneOf(conversion, L"diuoxXc"))
        return ea_Number;
    return ea_Unfit;
}

} // namespace

bool b_IsVersionFormat(const wchar_t* format, unsigned length)
{
    if (!format)
        return true;
    unsigned arguments = 0;
    for (unsigned position = 0; position < length && format[position]; ) {
        if (format[position++] != L'%')
            continue;
        if (position < length && format[position] == L'%') {
            ++position;
            continue;
        }
        const et_Argument argument = e_ReadConversion(format, length, position);
        const et_Argument expected = arguments == 0 ? ea_Text : ea_Number;
        if (arguments >= 2 || argument != expected)
            return false;
        ++arguments;
    }
    return true;
}

void v_LoadVersionLine(CT_UString* out, HINSTANCE module, unsigned id, const CT_UString& version, unsigned build)
{
    CT_UString format;
    CT_LoadString::sv_LoadString(&format, module, id);
    if (b_IsVersionFormat(format.qcuz_Get(), format.vn_GetLength())) {
        CT_LoadString::sv_LoadStringVA(out, module, id, version.qcuz_Get(), build);
        return;
    }
    wchar_t number[16];
    swprintf(number, sizeof number / sizeof number[0], L" (%u)", build);
    // A line that no memory holds is left empty.
    try {
        CString line(version.qcuz_Get(), static_cast<int>(version.vn_GetLength()));
        line += number;
        out->v_Set(static_cast<LPCWSTR>(line), static_cast<unsigned>(line.GetLength()));
    } catch (CMemoryException* e) {
        e->Delete();
        out->v_Set(L"", 0);
    }
}
