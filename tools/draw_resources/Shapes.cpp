#include "Shapes.h"

#include <algorithm>
#include <array>

namespace vurozud {

namespace {

double Square(double value) { return value * value; }

// Unit vectors at 36-degree steps starting straight up, written out so that every host draws the
// same star whatever its maths library rounds.
constexpr std::array<Point, 10> kStarDirections{{
    {0.0, -1.0},
    {0.5877852522924731, -0.8090169943749474},
    {0.9510565162951535, -0.3090169943749474},
    {0.9510565162951535, 0.3090169943749474},
    {0.5877852522924731, 0.8090169943749474},
    {0.0, 1.0},
    {-0.5877852522924731, 0.8090169943749474},
    {-0.9510565162951535, 0.3090169943749474},
    {-0.9510565162951535, -0.3090169943749474},
    {-0.5877852522924731, -0.8090169943749474},
}};

} // namespace

bool RoundRect::Contains(Point p) const {
    if (!Box.Contains(p))
        return false;
    // Only the corner squares are cut; the nearest corner circle's centre decides.
    const double cx = std::clamp(p.X, Box.Left + Radius, Box.Right - Radius);
    const double cy = std::clamp(p.Y, Box.Top + Radius, Box.Bottom - Radius);
    return Square(p.X - cx) + Square(p.Y - cy) <= Square(Radius);
}

Extent Ellipse::Bounds() const {
    return {Centre.X - RadiusX, Centre.Y - RadiusY, Centre.X + RadiusX, Centre.Y + RadiusY};
}

bool Ellipse::Contains(Point p) const {
    return Square((p.X - Centre.X) / RadiusX) + Square((p.Y - Centre.Y) / RadiusY) <= 1.0;
}

Extent Polygon::Bounds() const {
    Extent extent{Corners.front().X, Corners.front().Y, Corners.front().X, Corners.front().Y};
    for (const Point& corner : Corners) {
        extent.Left = std::min(extent.Left, corner.X);
        extent.Top = std::min(extent.Top, corner.Y);
        extent.Right = std::max(extent.Right, corner.X);
        extent.Bottom = std::max(extent.Bottom, corner.Y);
    }
    return extent;
}

bool Polygon::Contains(Point p) const {
    bool inside = false;
    for (std::size_t i = 0, j = Corners.size() - 1; i < Corners.size(); j = i++) {
        const Point& a = Corners[i];
        const Point& b = Corners[j];
        if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X)
            inside = !inside;
    }
    return inside;
}

Extent Stroke::Bounds() const {
    const double half = Width / 2;
    return {std::min(From.X, To.X) - half, std::min(From.Y, To.Y) - half, std::max(From.X, To.X) + half,
            std::max(From.Y, To.Y) + half};
}

bool Stroke::Contains(Point p) const {
    const double dx = To.X - From.X;
    const double dy = To.Y - From.Y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 == 0 ? 0 : std::clamp(((p.X - From.X) * dx + (p.Y - From.Y) * dy) / length2, 0.0, 1.0);
    return Square(p.X - (From.X + t * dx)) + Square(p.Y - (From.Y + t * dy)) <= Square(Width / 2);
}

Polygon Star(Point centre, double outerRadius, double innerRadius) {
    Polygon star;
    for (std::size_t i = 0; i < kStarDirections.size(); ++i) {
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        star.Corners.push_back({centre.X + kStarDirections[i].X * radius, centre.Y + kStarDirections[i].Y * radius});
    }
    return star;
}

std::vector<Point> Curve(Point from, Point control, Point to, int segments) {
    std::vector<Point> points;
    for (int i = 0; i <= segments; ++i) {
        const double t = static_cast<double>(i) / segments;
        const double u = 1 - t;
        points.push_back({u * u * from.X + 2 * u * t * control.X + t * t * to.X,
                          u * u * from.Y + 2 * u * t * control.Y + t * t * to.Y});
    }
    return points;
}

} // namespace vurozud
