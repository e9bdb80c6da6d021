#pragma once
// Window layouts are fixed in twips (1/1440 inch), a physical unit, and drawn at the display's own
// scale: 15 twips to the pixel at 96 dots per inch, 12 at 120, 10 at 144.

#include <string_view>

namespace vurozud {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// The display's dots per inch, across and down.
struct DisplayScale {
    int DotsPerInchX;
    int DotsPerInchY;
};

struct TwipSize {
    int Width;
    int Height;
};

struct TwipRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

struct PixelPoint {
    int X;
    int Y;
};

struct PixelSize {
    int Width;
    int Height;
};

struct PixelRect {
    int Left;
    int Top;
    int Right; // exclusive
    int Bottom; // exclusive

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(PixelPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
};

// A position or length in twips as whole pixels at the given dots per inch, rounded down. Edges are
// converted one by one, not as a start and a length, so boxes that meet in twips meet in pixels.
constexpr int TwipsToPixels(int twips, int dotsPerInch) { return twips * dotsPerInch / kTwipsPerInch; }

constexpr int ToPixelsX(int twips, DisplayScale scale) { return TwipsToPixels(twips, scale.DotsPerInchX); }
constexpr int ToPixelsY(int twips, DisplayScale scale) { return TwipsToPixels(twips, scale.DotsPerInchY); }

constexpr PixelSize ToPixels(TwipSize size, DisplayScale scale) {
    return {ToPixelsX(size.Width, scale), ToPixelsY(size.Height, scale)};
}

constexpr PixelRect ToPixels(TwipRect r, DisplayScale scale) {
    return {ToPixelsX(r.Left, scale), ToPixelsY(r.Top, scale), ToPixelsX(r.Left + r.Width, scale),
            ToPixelsY(r.Top + r.Height, scale)};
}

// A font as a layout names it: its face, its size in points and its weight.
struct LayoutFont {
    std::string_view Face;
    double Points;
    int Weight;
};

// A font size in points as a pixel height at the given dots per inch, rounded to the nearest pixel.
constexpr int PointsToPixels(double points, int dotsPerInch) {
    return static_cast<int>(points * dotsPerInch / kPointsPerInch + 0.5);
}

} // namespace vurozud
