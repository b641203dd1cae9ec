// CPoint, CSize and CRect against the arithmetic that user32 does on the
// same structures.
#include <afxtypes.h>

#include <gtest/gtest.h>

namespace {

void expectRect(const RECT& actual, int left, int top, int right, int bottom)
{
    EXPECT_EQ(left, actual.left);
    EXPECT_EQ(top, actual.top);
    EXPECT_EQ(right, actual.right);
    EXPECT_EQ(bottom, actual.bottom);
}

// Overlapping, touching, nested, disjoint, empty and inverted rectangles.
const RECT samples[] = {
    {0, 0, 10, 10},  {5, 5, 20, 20},   {10, 0, 20, 10}, {2, 2, 4, 4},    {30, 30, 40, 40},
    {0, 0, 0, 0},    {3, 3, 3, 8},     {8, 8, 2, 2},    {-5, -5, 5, 5},  {0, 10, 10, 0},
};

} // namespace

TEST(PointSize, ConstructionAndPacking)
{
    EXPECT_EQ(CPoint(0, 0), CPoint());
    EXPECT_EQ(CSize(0, 0), CSize());
    // Mouse-message packing: signed words, so points left of the origin work.
    CPoint packed(static_cast<LPARAM>(MAKELPARAM(static_cast<WORD>(-3), 7)));
    EXPECT_EQ(CPoint(-3, 7), packed);
    CSize packedSize(static_cast<DWORD>(MAKELONG(5, static_cast<WORD>(-2))));
    EXPECT_EQ(CSize(5, -2), packedSize);
    EXPECT_EQ(CPoint(4, 9), CPoint(CSize(4, 9)));
    EXPECT_EQ(CSize(4, 9), CSize(CPoint(4, 9)));
}

TEST(PointSize, Arithmetic)
{
    CPoint p(10, 20);
    EXPECT_EQ(CPoint(13, 24), p + CSize(3, 4));
    EXPECT_EQ(CPoint(7, 16), p - CSize(3, 4));
    EXPECT_EQ(CSize(7, 16), p - CPoint(3, 4));   // difference of points is a size
    EXPECT_EQ(CPoint(13, 24), p + CPoint(3, 4));
    EXPECT_EQ(CPoint(-10, -20), -p);
    p += CSize(1, 1);
    p -= CPoint(2, 3);
    EXPECT_EQ(CPoint(9, 18), p);
    p.Offset(1, 2);
    EXPECT_EQ(CPoint(10, 20), p);
    EXPECT_TRUE(p != CPoint(10, 21));

    CSize s(5, 6);
    EXPECT_EQ(CSize(7, 9), s + CSize(2, 3));
    EXPECT_EQ(CSize(-5, -6), -s);
    EXPECT_EQ(CPoint(6, 8), s + CPoint(1, 2));
    s -= CSize(5, 6);
    EXPECT_EQ(CSize(0, 0), s);
}

TEST(Rect, ShapeAndCorners)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(10, 20), r.TopLeft());
    EXPECT_EQ(CPoint(110, 70), r.BottomRight());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    // The corners are the rectangle's own storage.
    r.TopLeft() = CPoint(0, 0);
    r.BottomRight() += CSize(1, 1);
    expectRect(r, 0, 0, 111, 71);
    EXPECT_EQ(CRect(5, 6, 15, 26), CRect(CPoint(5, 6), CSize(10, 20)));
    EXPECT_EQ(CRect(5, 6, 15, 26), CRect(CPoint(5, 6), CPoint(15, 26)));
    // The conversions hand out the rectangle itself.
    LPRECT asPointer = r;
    EXPECT_EQ(static_cast<RECT*>(&r), asPointer);
}

TEST(Rect, NullSourceGivesEmpty)
{
    CRect fromNull(static_cast<LPCRECT>(nullptr));
    EXPECT_TRUE(fromNull.IsRectNull());
    CRect kept(1, 2, 3, 4);
    kept.CopyRect(nullptr);
    kept.InflateRect(static_cast<LPCRECT>(nullptr));
    expectRect(kept, 1, 2, 3, 4);
    EXPECT_FALSE(kept.EqualRect(nullptr));
    EXPECT_FALSE(kept.IntersectRect(&kept, nullptr));
    EXPECT_TRUE(kept.IsRectNull());
}

TEST(Rect, EmptyNullAndPointTestsMatchUser32)
{
    for (const RECT& sample : samples) {
        CRect r(sample);
        EXPECT_EQ(!!::IsRectEmpty(&sample), !!r.IsRectEmpty());
        for (int x = -6; x <= 41; x += 1) {
            const POINT pt = {x, x / 2};
            ASSERT_EQ(!!::PtInRect(&sample, pt), !!r.PtInRect(pt)) << x;
        }
    }
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
    EXPECT_TRUE(CRect(0, 0, 0, 1).IsRectEmpty());
}

TEST(Rect, IntersectionAndUnionMatchUser32)
{
    for (const RECT& a : samples) {
        for (const RECT& b : samples) {
            RECT expected;
            const BOOL intersects = ::IntersectRect(&expected, &a, &b);
            CRect actual;
            EXPECT_EQ(!!intersects, !!actual.IntersectRect(&a, &b));
            EXPECT_TRUE(actual == expected);
            EXPECT_TRUE((CRect(a) & b) == expected);

            const BOOL joined = ::UnionRect(&expected, &a, &b);
            EXPECT_EQ(!!joined, !!actual.UnionRect(&a, &b));
            EXPECT_TRUE(actual == expected);
            EXPECT_TRUE((CRect(a) | b) == expected);
        }
    }
    // Assignment operators, including a rectangle combined with itself.
    CRect r(0, 0, 10, 10);
    r &= CRect(5, 5, 20, 20);
    expectRect(r, 5, 5, 10, 10);
    r |= CRect(0, 0, 1, 1);
    expectRect(r, 0, 0, 10, 10);
    r &= r;
    expectRect(r, 0, 0, 10, 10);
}

TEST(Rect, InflateDeflateOffsetNormalize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    expectRect(r, 9, 8, 21, 22);
    r.DeflateRect(1, 2);
    expectRect(r, 10, 10, 20, 20);
    r.InflateRect(1, 2, 3, 4);
    expectRect(r, 9, 8, 23, 24);
    r.DeflateRect(CRect(1, 2, 3, 4));
    expectRect(r, 10, 10, 20, 20);
    r.OffsetRect(-10, 5);
    expectRect(r, 0, 15, 10, 25);
    r.MoveToXY(3, 4);
    expectRect(r, 3, 4, 13, 14);

    // InflateRect(1, 1) is what a focus rectangle around a client area needs.
    RECT viaUser32 = {0, 0, 50, 20};
    ::InflateRect(&viaUser32, 1, 1);
    CRect viaClass(0, 0, 50, 20);
    viaClass.InflateRect(1, 1);
    EXPECT_TRUE(viaClass == viaUser32);

    CRect inverted(20, 30, 10, 5);
    EXPECT_EQ(-10, inverted.Width());
    inverted.NormalizeRect();
    expectRect(inverted, 10, 5, 20, 30);
}

TEST(Rect, OperatorsMoveAndResize)
{
    const CRect r(0, 0, 10, 10);
    expectRect(r + CPoint(2, 3), 2, 3, 12, 13);
    expectRect(r - CPoint(2, 3), -2, -3, 8, 7);
    expectRect(r + CSize(1, 1), 1, 1, 11, 11);
    expectRect(r - CSize(1, 1), -1, -1, 9, 9);
    const RECT margins = {1, 2, 3, 4};
    expectRect(r + &margins, -1, -2, 13, 14);
    expectRect(r - &margins, 1, 2, 7, 6);
    expectRect(CPoint(5, 5) + &r, 5, 5, 15, 15);
    expectRect(CSize(5, 5) - &r, -5, -5, 5, 5);
    CRect moved(r);
    moved += CPoint(1, 1);
    moved -= CSize(2, 2);
    expectRect(moved, -1, -1, 9, 9);
    EXPECT_TRUE(moved != r);
    EXPECT_FALSE(moved == r);
}
