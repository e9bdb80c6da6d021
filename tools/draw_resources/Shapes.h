#pragma once
// The few figures the pictures are drawn from, in pixel coordinates: x to the right, y down, the
// pixel (0, 0) covering the square from (0, 0) to (1, 1).

#include <vector>

namespace vurozud {

struct Point {
    double X = 0;
    double Y = 0;
};

struct Extent {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

struct Rect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    Extent Bounds() const { return {Left, Top, Right, Bottom}; }
    bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
};

struct RoundRect {
    Rect Box;
    double Radius = 0;

    Extent Bounds() const { return Box.Bounds(); }
    bool Contains(Point p) const;
};

struct Ellipse {
    Point Centre;
    double RadiusX = 0;
    double RadiusY = 0;

    Extent Bounds() const;
    bool Contains(Point p) const;
};

inline Ellipse Circle(Point centre, double radius) { return {centre, radius, radius}; }

// Any simple or self-crossing outline; a point is inside when a ray from it crosses the outline an
// odd number of times.
struct Polygon {
    std::vector<Point> Corners;

    Extent Bounds() const;
    bool Contains(Point p) const;
};

// A straight line of the given width with round ends.
struct Stroke {
    Point From;
    Point To;
    double Width = 1;

    Extent Bounds() const;
    bool Contains(Point p) const;
};

// A five-pointed star standing upright (one point straight up).
Polygon Star(Point centre, double outerRadius, double innerRadius);

// Points along a quadratic curve from `from` to `to` bent towards `control`, `segments` + 1 of them
// at even steps of the curve's parameter; garlands hang along them.
std::vector<Point> Curve(Point from, Point control, Point to, int segments);

} // namespace vurozud
