// CString's storage: a header in front of the characters, owned by this
// module; construction, assignment, concatenation and direct buffer access.
#include <afx.h>

#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <utility>

namespace {

struct Header {
    int nDataLength;
    int nAllocLength;   // characters, not counting the terminator; 0 for the shared empty text
};

struct EmptyText {
    Header header;
    WCHAR text[1];
};
static_assert(offsetof(EmptyText, text) == sizeof(Header), "text must follow its header directly");

EmptyText emptyText = {{0, 0}, {0}};

const int kMaxLength = static_cast<int>((INT_MAX - sizeof(Header)) / sizeof(WCHAR)) - 1;

Header* headerOf(LPCWSTR text)
{
    return reinterpret_cast<Header*>(const_cast<LPWSTR>(text)) - 1;
}

int capacityOf(LPCWSTR text)
{
    return headerOf(text)->nAllocLength;
}

template <class Left, class Right> CString joined(const Left& left, const Right& right)
{
    CString result(left);
    result += right;
    return result;
}

} // namespace

CString::CString() noexcept : m_pszData(emptyText.text)
{
}

CString::CString(const CString& stringSrc) : CString()
{
    Assign(stringSrc.m_pszData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData)
{
    stringSrc.m_pszData = emptyText.text;
}

CString::CString(LPCWSTR psz) : CString()
{
    *this = psz;
}

CString::CString(LPCSTR psz) : CString()
{
    *this = psz;
}

CString::CString(LPCWSTR pch, int nLength) : CString()
{
    if (pch && nLength > 0)
        Assign(pch, static_cast<int>(wcsnlen(pch, static_cast<size_t>(nLength))));
}

CString::CString(WCHAR ch, int nRepeat) : CString()
{
    if (ch == 0 || nRepeat <= 0 || !Reserve(nRepeat))
        return;
    for (int i = 0; i < nRepeat; ++i)
        m_pszData[i] = ch;
    SetLength(nRepeat);
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        Assign(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Release();
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = emptyText.text;
    }
    return *this;
}

CString& CString::operator=(LPCWSTR psz)
{
    if (!psz)
        Empty();
    else if (IS_INTRESOURCE(psz))
        LoadString(LOWORD(reinterpret_cast<UINT_PTR>(psz)));
    else
        Assign(psz, static_cast<int>(wcslen(psz)));
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    if (!psz || IS_INTRESOURCE(psz))
        return *this = reinterpret_cast<LPCWSTR>(psz);
    const int nLength = MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0) - 1;
    CString wide;
    if (nLength > 0 && wide.Reserve(nLength)) {
        MultiByteToWideChar(CP_ACP, 0, psz, -1, wide.m_pszData, nLength + 1);
        wide.SetLength(nLength);
    }
    return *this = std::move(wide);
}

CString& CString::operator=(WCHAR ch)
{
    return *this = CString(ch);
}

CString& CString::operator+=(const CString& string)
{
    Append(string.m_pszData, string.GetLength());
    return *this;
}

CString& CString::operator+=(LPCWSTR psz)
{
    if (psz && !IS_INTRESOURCE(psz))
        Append(psz, static_cast<int>(wcslen(psz)));
    return *this;
}

CString& CString::operator+=(WCHAR ch)
{
    if (ch)
        Append(&ch, 1);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2) { return joined(string1, string2); }
CString AFXAPI operator+(const CString& string, LPCWSTR psz) { return joined(string, psz); }
CString AFXAPI operator+(LPCWSTR psz, const CString& string) { return joined(psz, string); }
CString AFXAPI operator+(const CString& string, WCHAR ch) { return joined(string, ch); }
CString AFXAPI operator+(WCHAR ch, const CString& string) { return joined(ch, string); }

int CString::GetLength() const
{
    return headerOf(m_pszData)->nDataLength;
}

BOOL CString::IsEmpty() const
{
    return GetLength() == 0;
}

void CString::Empty()
{
    Release();
}

WCHAR CString::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetLength() ? m_pszData[nIndex] : 0;
}

void CString::SetAt(int nIndex, WCHAR ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pszData[nIndex] = ch;
}

CString::operator LPCWSTR() const
{
    return m_pszData;
}

LPCWSTR CString::GetString() const
{
    return m_pszData;
}

LPWSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

// The shared empty text is never handed out for writing.
LPWSTR CString::GetBuffer(int nMinBufLength)
{
    int nCapacity = nMinBufLength > GetLength() ? nMinBufLength : GetLength();
    if (nCapacity == 0)
        nCapacity = 1;
    return Reserve(nCapacity) ? m_pszData : nullptr;
}

LPWSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    LPWSTR buffer = GetBuffer(nNewLength);
    if (buffer)
        SetLength(nNewLength);
    return buffer;
}

// A length beyond the buffer, or a missing terminator, is cut at the buffer.
void CString::ReleaseBuffer(int nNewLength)
{
    const int nCapacity = capacityOf(m_pszData);
    if (nNewLength < 0)
        nNewLength = static_cast<int>(wcsnlen(m_pszData, static_cast<size_t>(nCapacity)));
    SetLength(nNewLength < nCapacity ? nNewLength : nCapacity);
}

// Room for nCapacity characters and a terminator, keeping the text; throws
// CMemoryException, with the string as it was, when there is none.
BOOL CString::Reserve(int nCapacity)
{
    const int nOld = capacityOf(m_pszData);
    if (nCapacity <= nOld)
        return TRUE;
    if (nCapacity > kMaxLength)
        AfxThrowMemoryException();
    // Growing by half again keeps repeated appends linear.
    if (nOld > 0 && nOld <= kMaxLength / 3 * 2 && nOld + nOld / 2 > nCapacity)
        nCapacity = nOld + nOld / 2;
    auto* header = static_cast<Header*>(malloc(sizeof(Header) + (static_cast<size_t>(nCapacity) + 1) * sizeof(WCHAR)));
    if (!header)
        AfxThrowMemoryException();
    header->nDataLength = GetLength();
    header->nAllocLength = nCapacity;
    auto* text = reinterpret_cast<LPWSTR>(header + 1);
    memcpy(text, m_pszData, (static_cast<size_t>(header->nDataLength) + 1) * sizeof(WCHAR));
    Release();
    m_pszData = text;
    return TRUE;
}

// pch may lie within this string's own text.
BOOL CString::Assign(LPCWSTR pch, int nLength)
{
    if (nLength <= 0) {
        Empty();
        return TRUE;
    }
    if (nLength > capacityOf(m_pszData)) {
        CString fresh;
        if (!fresh.Reserve(nLength))
            return FALSE;
        *this = std::move(fresh);
    }
    memmove(m_pszData, pch, static_cast<size_t>(nLength) * sizeof(WCHAR));
    SetLength(nLength);
    return TRUE;
}

// pch may lie within this string's own text.
BOOL CString::Append(LPCWSTR pch, int nLength)
{
    const int nOld = GetLength();
    if (nLength <= 0)
        return TRUE;
    if (nLength > kMaxLength - nOld)
        AfxThrowMemoryException();
    const auto address = reinterpret_cast<UINT_PTR>(pch);
    const auto text = reinterpret_cast<UINT_PTR>(m_pszData);
    const bool bOwnText = address >= text && address <= text + static_cast<UINT_PTR>(nOld) * sizeof(WCHAR);
    const ptrdiff_t offset = pch - m_pszData;
    if (!Reserve(nOld + nLength))
        return FALSE;
    if (bOwnText)
        pch = m_pszData + offset;
    memmove(m_pszData + nOld, pch, static_cast<size_t>(nLength) * sizeof(WCHAR));
    SetLength(nOld + nLength);
    return TRUE;
}

void CString::SetLength(int nLength)
{
    if (m_pszData == emptyText.text)
        return;
    headerOf(m_pszData)->nDataLength = nLength;
    m_pszData[nLength] = 0;
}

void CString::Release()
{
    if (m_pszData != emptyText.text)
        free(headerOf(m_pszData));
    m_pszData = emptyText.text;
}
