#include "Canvas.h"

namespace vurozud {

namespace {

std::uint8_t ToChannel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

Canvas::Canvas(int width, int height, int samplesPerSide)
    : width_(width), height_(height), samples_(samplesPerSide),
      sampleGrid_(static_cast<std::size_t>(width * samplesPerSide) *
                  static_cast<std::size_t>(height * samplesPerSide)) {}

void Canvas::Blend(Sample& sample, Colour colour, double opacity) {
    // A transparent sample has no colour of its own to mix with: only a full fill makes it opaque.
    if (!sample.Opaque) {
        if (opacity < 1.0)
            return;
        sample.Opaque = true;
    }
    sample.Red += (colour.Red - sample.Red) * opacity;
    sample.Green += (colour.Green - sample.Green) * opacity;
    sample.Blue += (colour.Blue - sample.Blue) * opacity;
}

void Canvas::Glow(Point centre, double radius, Colour colour, double strength) {
    ForSamplesIn(Circle(centre, radius).Bounds(), [&](Point p, Sample& sample) {
        const double distance = std::sqrt((p.X - centre.X) * (p.X - centre.X) + (p.Y - centre.Y) * (p.Y - centre.Y));
        if (distance < radius) {
            const double fade = 1 - distance / radius;
            Blend(sample, colour, strength * fade * fade);
        }
    });
}

Picture Canvas::Resolve() const {
    Picture picture{width_, height_, {}, {}};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            double red = 0, green = 0, blue = 0;
            int opaque = 0;
            for (int sy = y * samples_; sy < (y + 1) * samples_; ++sy) {
                for (int sx = x * samples_; sx < (x + 1) * samples_; ++sx) {
                    const Sample& sample = SampleAt(sx, sy);
                    if (sample.Opaque) {
                        red += sample.Red;
                        green += sample.Green;
                        blue += sample.Blue;
                        ++opaque;
                    }
                }
            }
            // A pixel more than half covered is opaque and takes the colour of what covers it; the
            // others stay black, which is what lets the screen show through an icon's mask.
            const bool isOpaque = opaque * 2 > samples_ * samples_;
            picture.Opaque.push_back(isOpaque);
            picture.Pixels.push_back(
                isOpaque ? Colour{ToChannel(red / opaque), ToChannel(green / opaque), ToChannel(blue / opaque)}
                         : Colour{});
        }
    }
    return picture;
}

} // namespace vurozud
