// CString: wide-character text with value semantics. Every operation that
// touches the text's memory lives in MFC71U.DLL, so that memory never
// crosses modules, whichever module holds the CString object.
//
// Bad arguments are handled quietly: a null text counts as empty, positions
// and counts are clipped to the text. A string that cannot grow (no memory,
// or a length beyond what an int counts) throws CMemoryException and is left
// as it was.
#pragma once

#include <stdarg.h>

class _AFX_CORE_CLASS CString {
public:
    CString() noexcept;
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    // A text, or (as MAKEINTRESOURCE) the number of a string resource.
    CString(LPCWSTR psz);
    // 8-bit text in the system's code page, widened.
    CString(LPCSTR psz);
    // The first nLength characters of pch (fewer if it ends sooner).
    CString(LPCWSTR pch, int nLength);
    CString(WCHAR ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCWSTR psz);
    CString& operator=(LPCSTR psz);
    CString& operator=(WCHAR ch);

    CString& operator+=(const CString& string);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(WCHAR ch);

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();

    // The character at nIndex; 0 outside the text.
    WCHAR GetAt(int nIndex) const;
    // Ignored outside the text.
    void SetAt(int nIndex, WCHAR ch);

    operator LPCWSTR() const;
    LPCWSTR GetString() const;

    // Direct access for writing. The buffer holds at least nMinBufLength
    // characters plus a terminator and keeps the current text. ReleaseBuffer ends the access: with -1 the text
    // runs to the first terminator (within the buffer).
    LPWSTR GetBuffer();
    LPWSTR GetBuffer(int nMinBufLength);
    LPWSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

    // String nID of the module that AfxFindStringResourceHandle names, or of
    // hInstance. FALSE, and the string unchanged, when there is no such string.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // printf-style formatting of the C runtime's wide functions: %s and %c
    // take wide text, %S and %C 8-bit text. A null or invalid format gives
    // an empty string.
    void __cdecl Format(LPCWSTR pszFormat, ...);
    void __cdecl Format(UINT nFormatID, ...);
    void FormatV(LPCWSTR pszFormat, va_list args);
    void __cdecl AppendFormat(LPCWSTR pszFormat, ...);

    CString Left(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Right(int nCount) const;

    // Position of the first match at or after iStart, or -1.
    int Find(WCHAR ch, int iStart = 0) const;
    int Find(LPCWSTR pszSub, int iStart = 0) const;
    int ReverseFind(WCHAR ch) const;

    // Ordinal comparison: negative, zero or positive.
    int Compare(LPCWSTR psz) const;
    // The same after folding both texts to upper case.
    int CompareNoCase(LPCWSTR psz) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

private:
    BOOL Reserve(int nCapacity);
    BOOL Assign(LPCWSTR pch, int nLength);
    BOOL Append(LPCWSTR pch, int nLength);
    void SetLength(int nLength);
    void Release();

    LPWSTR m_pszData;   // never null; the empty string shares one static buffer
};

_AFX_CORE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
_AFX_CORE_API CString AFXAPI operator+(const CString& string, LPCWSTR psz);
_AFX_CORE_API CString AFXAPI operator+(LPCWSTR psz, const CString& string);
_AFX_CORE_API CString AFXAPI operator+(const CString& string, WCHAR ch);
_AFX_CORE_API CString AFXAPI operator+(WCHAR ch, const CString& string);

// Comparisons are ordinal (see Compare), between strings and with texts.
#define _AFX_STRING_COMPARISON(op)                                                                \
    inline bool operator op(const CString& s1, const CString& s2) { return s1.Compare(s2) op 0; } \
    inline bool operator op(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) op 0; }        \
    inline bool operator op(LPCWSTR s1, const CString& s2) { return 0 op s2.Compare(s1); }
_AFX_STRING_COMPARISON(==)
_AFX_STRING_COMPARISON(!=)
_AFX_STRING_COMPARISON(<)
_AFX_STRING_COMPARISON(>)
_AFX_STRING_COMPARISON(<=)
_AFX_STRING_COMPARISON(>=)
#undef _AFX_STRING_COMPARISON
