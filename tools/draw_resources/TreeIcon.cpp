#include "Canvas.h"
#include "Pictures.h"

namespace vurozud {

namespace {

constexpr Colour kNeedleEdge{0, 64, 16};
constexpr Colour kNeedleLight{70, 190, 70};
constexpr Colour kNeedleDark{16, 110, 40};
constexpr Colour kBarkEdge{60, 30, 8};
constexpr Colour kBark{140, 82, 34};
constexpr Colour kStarEdge{170, 100, 0};
constexpr Colour kStar{255, 226, 40};

// One tier of branches: a triangle with its point at `apexY` and a slightly drooping base.
Polygon Tier(double apexY, double baseY, double halfWidth, double grow) {
    const double cx = 16;
    return Polygon{{{cx, apexY - grow},
                    {cx + halfWidth + grow, baseY + grow},
                    {cx + halfWidth * 0.5, baseY - 1 + grow},
                    {cx, baseY + grow * 0.5},
                    {cx - halfWidth * 0.5, baseY - 1 + grow},
                    {cx - halfWidth - grow, baseY + grow}}};
}

} // namespace

Picture DrawTreeIcon() {
    Canvas canvas(kIconSize, kIconSize, 4);

    // Trunk.
    canvas.Fill(Rect{12.6, 24, 19.4, 31}, kBarkEdge);
    canvas.Fill(Rect{13.6, 24, 18.4, 30}, kBark);

    // Tiers from the bottom up, each with a dark edge so that the tree stands out on any background.
    // The light falls from the left.
    struct TierSize {
        double ApexY, BaseY, HalfWidth;
    };
    constexpr TierSize kTiers[] = {{12.5, 26.5, 14}, {8.5, 20.5, 10.5}, {5.5, 14.5, 7}};
    for (const TierSize& tier : kTiers) {
        canvas.Fill(Tier(tier.ApexY, tier.BaseY, tier.HalfWidth, 1.0), kNeedleEdge);
        const double halfWidth = tier.HalfWidth;
        canvas.Shade(Tier(tier.ApexY, tier.BaseY, tier.HalfWidth, 0.0), [halfWidth](Point p) {
            return Mix(kNeedleLight, kNeedleDark, (p.X - (16 - halfWidth)) / (2 * halfWidth));
        });
    }

    // Ornaments: a colour and a glint each.
    struct Ornament {
        Point Centre;
        Colour Body;
    };
    constexpr Ornament kOrnaments[] = {
        {{13.2, 12.8}, {230, 30, 40}},  {{19.0, 11.0}, {60, 110, 255}}, {{10.5, 19.0}, {255, 200, 30}},
        {{21.0, 18.2}, {230, 30, 40}},  {{16.0, 16.8}, {220, 70, 220}}, {{6.5, 25.0}, {60, 110, 255}},
        {{13.0, 23.8}, {230, 30, 40}},  {{19.8, 24.6}, {255, 200, 30}}, {{25.5, 25.0}, {220, 70, 220}},
    };
    for (const Ornament& ornament : kOrnaments) {
        canvas.Fill(Circle(ornament.Centre, 1.7), Mix(ornament.Body, Colour{}, 0.45));
        canvas.Fill(Circle(ornament.Centre, 1.3), ornament.Body);
        const Point glint{ornament.Centre.X - 0.5, ornament.Centre.Y - 0.5};
        canvas.Fill(Circle(glint, 0.45), Mix(ornament.Body, {255, 255, 255}, 0.7));
    }

    // The star on top.
    canvas.Fill(Star({16, 5.2}, 5.4, 2.5), kStarEdge);
    canvas.Fill(Star({16, 5.2}, 4.1, 1.8), kStar);

    return canvas.Resolve();
}

} // namespace vurozud
