#pragma once

// Points, sizes and rectangles with the semantics the screens were written for: a rectangle's
// right and bottom edges are exclusive, so Width() is right - left and PtInRect excludes them.
#include "platform/ui/window/WinTypes.h"

#include <algorithm>

struct POINT { LONG x; LONG y; };
struct SIZE { LONG cx; LONG cy; };
struct RECT { LONG left; LONG top; LONG right; LONG bottom; };

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int cx, int cy) : SIZE{cx, cy} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}

    constexpr bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    constexpr CSize operator+(const CSize& o) const { return {cx + o.cx, cy + o.cy}; }
    constexpr CSize operator-(const CSize& o) const { return {cx - o.cx, cy - o.cy}; }
};

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}

    constexpr void Offset(int dx, int dy) { x += dx; y += dy; }
    constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    constexpr CPoint operator+(const CSize& s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(const CSize& s) const { return {x - s.cx, y - s.cy}; }
    constexpr CSize operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
    constexpr CPoint& operator+=(const CSize& s) { Offset(s.cx, s.cy); return *this; }
    constexpr CPoint& operator-=(const CSize& s) { Offset(-s.cx, -s.cy); return *this; }
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}
    constexpr CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty when it has no area (including inverted rectangles).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(const POINT& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool EqualRect(const RECT& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator==(const CRect& o) const { return EqualRect(o); }

    constexpr void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    constexpr void InflateRect(const SIZE& s) { InflateRect(s.cx, s.cy); }
    constexpr void InflateRect(int l, int t, int r, int b)
    {
        left -= l; top -= t; right += r; bottom += b;
    }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    constexpr void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    constexpr void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    constexpr void NormalizeRect()
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }

    // The overlap of a and b; false and an empty rectangle when they do not overlap.
    constexpr bool IntersectRect(const RECT& a, const RECT& b)
    {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top),
                std::min(a.right, b.right), std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // The smallest rectangle holding both; an empty rectangle contributes nothing.
    constexpr bool UnionRect(const RECT& a, const RECT& b)
    {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty()) *this = rb;
        else if (rb.IsRectEmpty()) *this = ra;
        else SetRect(std::min(a.left, b.left), std::min(a.top, b.top),
                     std::max(a.right, b.right), std::max(a.bottom, b.bottom));
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }

    constexpr operator RECT*() { return this; }
    constexpr operator const RECT*() const { return this; }
};
