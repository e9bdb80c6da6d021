#pragma once
// A drawing surface that takes several samples per pixel so that edges come out smooth, then
// resolves them into a picture. Everything starts transparent; a fill makes what it covers opaque.

#include "Picture.h"
#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vurozud {

class Canvas {
public:
    // `samplesPerSide` squared samples per pixel; 1 gives hard pixel edges (cursors).
    Canvas(int width, int height, int samplesPerSide);

    template <typename Shape>
    void Fill(const Shape& shape, Colour colour, double opacity = 1.0) {
        Shade(shape, [colour](Point) { return colour; }, opacity);
    }

    // Fills with a colour that depends on the place: gradients, shading.
    template <typename Shape, typename Shader>
    void Shade(const Shape& shape, Shader shader, double opacity = 1.0) {
        ForSamplesIn(shape.Bounds(), [&](Point p, Sample& sample) {
            if (shape.Contains(p))
                Blend(sample, shader(p), opacity);
        });
    }

    // A soft light: strongest at the centre, fading out to nothing at `radius`.
    void Glow(Point centre, double radius, Colour colour, double strength);

    Picture Resolve() const;

private:
    struct Sample {
        double Red = 0;
        double Green = 0;
        double Blue = 0;
        bool Opaque = false;
    };

    static void Blend(Sample& sample, Colour colour, double opacity);

    const Sample& SampleAt(int sx, int sy) const {
        return sampleGrid_[static_cast<std::size_t>(sy) * static_cast<std::size_t>(width_ * samples_) +
                           static_cast<std::size_t>(sx)];
    }
    Sample& SampleAt(int sx, int sy) { return const_cast<Sample&>(std::as_const(*this).SampleAt(sx, sy)); }

    // Visits the samples whose centres lie within the extent, with those centres in pixel units.
    template <typename Visit>
    void ForSamplesIn(Extent extent, Visit visit) {
        const int left = std::max(0, static_cast<int>(std::floor(extent.Left * samples_)));
        const int top = std::max(0, static_cast<int>(std::floor(extent.Top * samples_)));
        const int right = std::min(width_ * samples_, static_cast<int>(std::ceil(extent.Right * samples_)));
        const int bottom = std::min(height_ * samples_, static_cast<int>(std::ceil(extent.Bottom * samples_)));
        for (int sy = top; sy < bottom; ++sy)
            for (int sx = left; sx < right; ++sx)
                visit(Point{(sx + 0.5) / samples_, (sy + 0.5) / samples_}, SampleAt(sx, sy));
    }

    int width_;
    int height_;
    int samples_;
    std::vector<Sample> sampleGrid_;
};

} // namespace vurozud
