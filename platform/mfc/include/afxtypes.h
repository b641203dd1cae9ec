// Points, sizes and rectangles as the framework's value types: each derives
// from its Win32 structure, so it passes wherever a POINT, SIZE or RECT is
// taken, and adds arithmetic. Inline throughout; nothing is allocated.
#pragma once

#include <windows.h>

class CSize;
class CPoint;
class CRect;

class CSize : public tagSIZE {
public:
    CSize() noexcept { cx = cy = 0; }
    CSize(int initCX, int initCY) noexcept { cx = initCX; cy = initCY; }
    CSize(SIZE initSize) noexcept { cx = initSize.cx; cy = initSize.cy; }
    CSize(POINT initPt) noexcept { cx = initPt.x; cy = initPt.y; }
    // Width in the low word, height in the high word, each signed.
    CSize(DWORD dwSize) noexcept
    {
        cx = static_cast<short>(LOWORD(dwSize));
        cy = static_cast<short>(HIWORD(dwSize));
    }


    BOOL operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const noexcept { return !(*this == size); }
    void operator+=(SIZE size) noexcept { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) noexcept { cx -= size.cx; cy -= size.cy; }

    CSize operator+(SIZE size) const noexcept { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const noexcept { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT point) const noexcept;
    inline CPoint operator-(POINT point) const noexcept;
    inline CRect operator+(const RECT* lpRect) const noexcept;
    inline CRect operator-(const RECT* lpRect) const noexcept;
};

class CPoint : public tagPOINT {
public:
    CPoint() noexcept { x = y = 0; }
    CPoint(int initX, int initY) noexcept { x = initX; y = initY; }
    CPoint(POINT initPt) noexcept { x = initPt.x; y = initPt.y; }
    CPoint(SIZE initSize) noexcept { x = initSize.cx; y = initSize.cy; }
    // A point packed as in mouse messages: x in the low word, y in the high
    // word, each signed (coordinates left of or above the origin are negative).
    CPoint(LPARAM dwPoint) noexcept
    {
        x = static_cast<short>(LOWORD(dwPoint));
        y = static_cast<short>(HIWORD(dwPoint));
    }

    void Offset(int xOffset, int yOffset) noexcept { x += xOffset; y += yOffset; }
    void Offset(POINT point) noexcept { Offset(point.x, point.y); }
    void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }

    BOOL operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const noexcept { return !(*this == point); }
    void operator+=(SIZE size) noexcept { Offset(size); }
    void operator-=(SIZE size) noexcept { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) noexcept { Offset(point); }
    void operator-=(POINT point) noexcept { Offset(-point.x, -point.y); }

    CPoint operator+(SIZE size) const noexcept { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const noexcept { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const noexcept { return CPoint(x + point.x, y + point.y); }
    // The distance between two points.
    CSize operator-(POINT point) const noexcept { return CSize(x - point.x, y - point.y); }
    inline CRect operator+(const RECT* lpRect) const noexcept;
    inline CRect operator-(const RECT* lpRect) const noexcept;
};

// A rectangle whose right and bottom edges lie outside it, as in Win32.
class CRect : public tagRECT {
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept { SetRect(l, t, r, b); }
    CRect(const RECT& srcRect) noexcept { CopyRect(&srcRect); }
    // A null source gives the empty rectangle rather than a fault.
    CRect(LPCRECT lpSrcRect) noexcept
    {
        if (lpSrcRect)
            CopyRect(lpSrcRect);
        else
            SetRectEmpty();
    }
    CRect(POINT point, SIZE size) noexcept { SetRect(point.x, point.y, point.x + size.cx, point.y + size.cy); }
    CRect(POINT topLeft, POINT bottomRight) noexcept { SetRect(topLeft, bottomRight); }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    // The corners as points stored in the rectangle itself, so that they can
    // be assigned through.
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    // Empty: no area (a width or a height that is not positive).
    BOOL IsRectEmpty() const noexcept { return right <= left || bottom <= top; }
    // Null: all four coordinates zero.
    BOOL IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int x1, int y1, int x2, int y2) noexcept
    {
        left = x1;
        top = y1;
        right = x2;
        bottom = y2;
    }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT lpSrcRect) noexcept
    {
        if (lpSrcRect)
            SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
    }
    BOOL EqualRect(LPCRECT lpRect) const noexcept
    {
        return lpRect && left == lpRect->left && top == lpRect->top && right == lpRect->right &&
               bottom == lpRect->bottom;
    }

    // Moves each side outwards by the amount given for it.
    void InflateRect(int l, int t, int r, int b) noexcept
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void InflateRect(int x, int y) noexcept { InflateRect(x, y, x, y); }
    void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) noexcept
    {
        if (lpRect)
            InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) noexcept { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) noexcept
    {
        if (lpRect)
            DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }

    void OffsetRect(int x, int y) noexcept
    {
        left += x;
        top += y;
        right += x;
        bottom += y;
    }
    void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) noexcept { OffsetRect(size.cx, size.cy); }
    void MoveToXY(int x, int y) noexcept { OffsetRect(x - left, y - top); }
    void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }

    // Swaps sides so that left <= right and top <= bottom.
    void NormalizeRect() noexcept
    {
        if (left > right) {
            LONG temp = left;
            left = right;
            right = temp;
        }
        if (top > bottom) {
            LONG temp = top;
            top = bottom;
            bottom = temp;
        }
    }

    // The overlap of the two, or the empty rectangle (and FALSE) when they
    // do not overlap.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept
    {
        if (!lpRect1 || !lpRect2) {
            SetRectEmpty();
            return FALSE;
        }
        CRect overlap(max_(lpRect1->left, lpRect2->left), max_(lpRect1->top, lpRect2->top),
                      min_(lpRect1->right, lpRect2->right), min_(lpRect1->bottom, lpRect2->bottom));
        if (CRect(lpRect1).IsRectEmpty() || CRect(lpRect2).IsRectEmpty() || overlap.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        *this = overlap;
        return TRUE;
    }
    // The smallest rectangle holding both; an empty one adds nothing. FALSE
    // (and the empty rectangle) when both are empty.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept
    {
        const bool empty1 = !lpRect1 || CRect(lpRect1).IsRectEmpty();
        const bool empty2 = !lpRect2 || CRect(lpRect2).IsRectEmpty();
        if (empty1 && empty2) {
            SetRectEmpty();
            return FALSE;
        }
        if (empty1) {
            CopyRect(lpRect2);
            return TRUE;
        }
        if (empty2) {
            CopyRect(lpRect1);
            return TRUE;
        }
        SetRect(min_(lpRect1->left, lpRect2->left), min_(lpRect1->top, lpRect2->top),
                max_(lpRect1->right, lpRect2->right), max_(lpRect1->bottom, lpRect2->bottom));
        return TRUE;
    }

    void operator=(const RECT& srcRect) noexcept { CopyRect(&srcRect); }
    BOOL operator==(const RECT& rect) const noexcept { return EqualRect(&rect); }
    BOOL operator!=(const RECT& rect) const noexcept { return !EqualRect(&rect); }
    void operator+=(POINT point) noexcept { OffsetRect(point); }
    void operator+=(SIZE size) noexcept { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
    void operator-=(POINT point) noexcept { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) noexcept { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) noexcept
    {
        CRect self(*this);
        IntersectRect(&self, &rect);
    }
    void operator|=(const RECT& rect) noexcept
    {
        CRect self(*this);
        UnionRect(&self, &rect);
    }

    CRect operator+(POINT point) const noexcept { return moved(point.x, point.y); }
    CRect operator-(POINT point) const noexcept { return moved(-point.x, -point.y); }
    CRect operator+(SIZE size) const noexcept { return moved(size.cx, size.cy); }
    CRect operator-(SIZE size) const noexcept { return moved(-size.cx, -size.cy); }
    CRect operator+(LPCRECT lpRect) const noexcept
    {
        CRect result(*this);
        result.InflateRect(lpRect);
        return result;
    }
    CRect operator-(LPCRECT lpRect) const noexcept
    {
        CRect result(*this);
        result.DeflateRect(lpRect);
        return result;
    }
    CRect operator&(const RECT& rect2) const noexcept
    {
        CRect result;
        result.IntersectRect(this, &rect2);
        return result;
    }
    CRect operator|(const RECT& rect2) const noexcept
    {
        CRect result;
        result.UnionRect(this, &rect2);
        return result;
    }

private:
    CRect moved(int x, int y) const noexcept
    {
        CRect result(*this);
        result.OffsetRect(x, y);
        return result;
    }
    static LONG min_(LONG a, LONG b) noexcept { return a < b ? a : b; }
    static LONG max_(LONG a, LONG b) noexcept { return a > b ? a : b; }
};

inline CPoint CSize::operator+(POINT point) const noexcept
{
    return CPoint(cx + point.x, cy + point.y);
}

inline CPoint CSize::operator-(POINT point) const noexcept
{
    return CPoint(cx - point.x, cy - point.y);
}

inline CRect CPoint::operator+(const RECT* lpRect) const noexcept
{
    CRect result(lpRect);
    result.OffsetRect(*this);
    return result;
}

inline CRect CPoint::operator-(const RECT* lpRect) const noexcept
{
    CRect result(lpRect);
    result.OffsetRect(-x, -y);
    return result;
}

inline CRect CSize::operator+(const RECT* lpRect) const noexcept
{
    return CPoint(*this) + lpRect;
}

inline CRect CSize::operator-(const RECT* lpRect) const noexcept
{
    return CPoint(*this) - lpRect;
}
