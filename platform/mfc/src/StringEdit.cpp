// CString's parts, searches, comparisons and case and space edits.
#include <afx.h>

#include <wchar.h>
#include <wctype.h>

namespace {

int clip(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// Upper case of one character, independent of the neighbouring text.
WCHAR upper(WCHAR ch)
{
    return static_cast<WCHAR>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(ch)))));
}

} // namespace

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
    const int nLength = GetLength();
    iFirst = clip(iFirst, 0, nLength);
    nCount = clip(nCount, 0, nLength - iFirst);
    CString part;
    part.Assign(m_pszData + iFirst, nCount);
    return part;
}

CString CString::Right(int nCount) const
{
    nCount = clip(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(WCHAR ch, int iStart) const
{
    for (int i = iStart < 0 ? 0 : iStart; i < GetLength(); ++i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::Find(LPCWSTR pszSub, int iStart) const
{
    if (!pszSub || iStart > GetLength())
        return -1;
    if (iStart < 0)
        iStart = 0;
    LPCWSTR found = wcsstr(m_pszData + iStart, pszSub);
    return found ? static_cast<int>(found - m_pszData) : -1;
}

int CString::ReverseFind(WCHAR ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i) {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::Compare(LPCWSTR psz) const
{
    return wcscmp(m_pszData, psz ? psz : L"");
}

int CString::CompareNoCase(LPCWSTR psz) const
{
    LPCWSTR p = m_pszData;
    LPCWSTR q = psz ? psz : L"";
    for (;; ++p, ++q) {
        const WCHAR a = upper(*p);
        const WCHAR b = upper(*q);
        if (a != b)
            return a < b ? -1 : 1;
        if (a == 0)
            return 0;
    }
}

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        CharUpperBuffW(m_pszData, static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        CharLowerBuffW(m_pszData, static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    int iFirst = 0;
    while (iFirst < GetLength() && iswspace(m_pszData[iFirst]))
        ++iFirst;
    if (iFirst > 0)
        Assign(m_pszData + iFirst, GetLength() - iFirst);
    return *this;
}

CString& CString::TrimRight()
{
    int nLength = GetLength();
    while (nLength > 0 && iswspace(m_pszData[nLength - 1]))
        --nLength;
    if (nLength < GetLength())
        Assign(m_pszData, nLength);
    return *this;
}
