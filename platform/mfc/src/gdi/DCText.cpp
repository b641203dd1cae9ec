// Text: drawn on the output context, measured on the attribute context.
#include <afxgdi.h>

namespace {

// A text of nCount characters that can be read: a null text only when it is
// empty.
bool readable(LPCTSTR lpszString, int nCount)
{
    return nCount >= 0 && (lpszString || nCount == 0);
}

CSize extentOn(HDC hDC, LPCTSTR lpszString, int nCount)
{
    SIZE size = {0, 0};
    if (!hDC || !readable(lpszString, nCount) || !GetTextExtentPoint32(hDC, lpszString, nCount, &size))
        return CSize(0, 0);
    return CSize(size);
}

} // namespace

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (!m_hDC || !readable(lpszString, nCount))
        return FALSE;
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, str.GetString(), str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (!m_hDC || (!lpszString && nCount))
        return FALSE;
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

// DT_MODIFYSTRING would write an ellipsis past the end of a text that the
// caller handed over as constant.
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (!m_hDC || !lpRect || !lpszString || nCount < -1)
        return 0;
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat & ~DT_MODIFYSTRING);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    return extentOn(m_hAttribDC, lpszString, nCount);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str.GetString(), str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    return extentOn(m_hDC, lpszString, nCount);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return m_hAttribDC && lpMetrics ? ::GetTextMetrics(m_hAttribDC, lpMetrics) : FALSE;
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return m_hDC && lpMetrics ? ::GetTextMetrics(m_hDC, lpMetrics) : FALSE;
}
