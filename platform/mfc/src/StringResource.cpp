// Strings from string tables, and CString's loading and formatting.
//
// A string table is stored in blocks of 16 strings: block n + 1 holds
// strings 16n to 16n + 15, each a 16-bit length followed by that many
// characters. A string of length 0 is missing.
#include "AfxGlobals.h"

#include <stdio.h>
#include <wchar.h>

#include <utility>
#include <afxdiag.h>

LPCWSTR AfxGetStringResource(HINSTANCE hModule, UINT nID, int* pnLength)
{
    *pnLength = 0;
    if (!hModule || nID > 0xFFFF)
        return nullptr;
    HRSRC block = FindResourceW(hModule, MAKEINTRESOURCEW((nID >> 4) + 1), RT_STRING);
    if (!block)
        return nullptr;
    const DWORD nUnits = SizeofResource(hModule, block) / sizeof(WCHAR);
    HGLOBAL loaded = LoadResource(hModule, block);
    auto* units = static_cast<const WCHAR*>(loaded ? LockResource(loaded) : nullptr);
    if (!units)
        return nullptr;
    // Every length is checked against the block, so that a damaged table is
    // never read beyond its end.
    DWORD at = 0;
    for (UINT entry = 0; entry < (nID & 15); ++entry) {
        if (at >= nUnits)
            return nullptr;
        at += 1 + units[at];
    }
    if (at >= nUnits || units[at] == 0 || units[at] > nUnits - at - 1)
        return nullptr;
    *pnLength = units[at];
    return units + at + 1;
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxFindStringResourceHandle(nID), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    int nLength = 0;
    LPCWSTR text = AfxGetStringResource(hInstance, nID, &nLength);
    return text && Assign(text, nLength);
}

// The text is built apart and moved in only when complete, so that the
// arguments may include this string itself.
void CString::FormatV(LPCWSTR pszFormat, va_list args)
{
    CString result;
    if (pszFormat) {
        va_list counting;
        va_copy(counting, args);
        const int nLength = _vscwprintf(pszFormat, counting);
        va_end(counting);
        LPWSTR buffer = nLength > 0 ? result.GetBuffer(nLength) : nullptr;
        if (buffer) {
            _vsnwprintf(buffer, static_cast<size_t>(nLength) + 1, pszFormat, args);
            result.ReleaseBuffer(nLength);
        }
    }
    *this = std::move(result);
}

void __cdecl CString::Format(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void __cdecl CString::Format(UINT nFormatID, ...)
{
    CString format;
    if (!format.LoadString(nFormatID)) {
        Empty();
        return;
    }
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void __cdecl CString::AppendFormat(LPCWSTR pszFormat, ...)
{
    CString more;
    va_list args;
    va_start(args, pszFormat);
    more.FormatV(pszFormat, args);
    va_end(args);
    *this += more;
}
