#pragma once
// Window layouts are fixed in twips (1/1440 inch) and drawn at 15 twips to the pixel.

namespace vurozud {

inline constexpr int kTwipsPerPixel = 15;

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

struct PixelRect {
    int Left;
    int Top;
    int Right; // exclusive
    int Bottom; // exclusive

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(PixelPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
};

constexpr int ToPixels(int twips) { return twips / kTwipsPerPixel; }

constexpr PixelRect ToPixels(TwipRect r) {
    return {ToPixels(r.Left), ToPixels(r.Top), ToPixels(r.Left + r.Width), ToPixels(r.Top + r.Height)};
}

// A font size in points as a pixel height at the layout's scale (20 twips to the point).
constexpr int PointsToPixels(double points) { return static_cast<int>(points * 20 / kTwipsPerPixel + 0.5); }

} // namespace vurozud
