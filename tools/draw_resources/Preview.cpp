#include "Canvas.h"
#include "Pictures.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace vurozud {

namespace {

constexpr double kTreeX = 90;
constexpr double kBarHeight = 10;
constexpr double kGroundY = 104;

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kNeedleEdge{6, 52, 22};
constexpr Colour kNeedleLight{64, 172, 72};
constexpr Colour kNeedleDark{12, 92, 40};

// A disc with a bite taken out of it: the moon.
struct Crescent {
    Ellipse Disc;
    Ellipse Bite;

    Extent Bounds() const { return Disc.Bounds(); }
    bool Contains(Point p) const { return Disc.Contains(p) && !Bite.Contains(p); }
};

// Snowflakes and stars are scattered by a fixed sequence so that the picture never changes.
class Scatter {
public:
    double Next(double from, double to) {
        state_ = state_ * 1664525u + 1013904223u;
        return from + (to - from) * (state_ >> 8) / 16777216.0;
    }

private:
    std::uint32_t state_ = 20231224u;
};

Colour SkyAt(Point p) {
    return Mix(Colour{4, 8, 30}, Colour{34, 44, 98}, (p.Y - kBarHeight) / (kGroundY - kBarHeight));
}

void DrawSky(Canvas& canvas, Scatter& scatter) {
    canvas.Shade(Rect{0, 0, kPreviewWidth, kPreviewHeight}, SkyAt);
    for (int i = 0; i < 45; ++i) {
        // One draw per statement: the order in which a call's arguments are worked out is not fixed.
        const Point star{scatter.Next(0, kPreviewWidth), scatter.Next(kBarHeight + 2, 80)};
        const double size = scatter.Next(0.8, 1.6);
        const double brightness = scatter.Next(0.5, 1.0);
        canvas.Glow(star, size, Colour{230, 236, 255}, brightness);
    }
    const Point moon{152, 30};
    canvas.Glow(moon, 24, Colour{120, 130, 190}, 0.3);
    canvas.Fill(Crescent{Circle(moon, 8), Circle({moon.X + 4, moon.Y - 2.5}, 7.2)}, Colour{250, 244, 205});
}

void DrawGround(Canvas& canvas) {
    auto snow = [](Colour far, Colour near) {
        return [far, near](Point p) { return Mix(far, near, (p.Y - kGroundY + 6) / 30); };
    };
    canvas.Shade(Ellipse{{20, 128}, 80, 26}, snow({150, 170, 215}, {205, 215, 240}));
    canvas.Shade(Ellipse{{165, 126}, 70, 24}, snow({150, 170, 215}, {205, 215, 240}));
    canvas.Shade(Ellipse{{kTreeX, 150}, 150, 46}, snow({185, 200, 235}, {240, 244, 252}));
    // Shadow under the tree and the presents.
    canvas.Fill(Ellipse{{kTreeX, 117}, 56, 7}, Colour{60, 70, 120}, 0.35);
}

// One tier of branches: a triangle whose base hangs in scallops.
Polygon Tier(double apexY, double baseY, double halfWidth, int scallops) {
    Polygon tier{{{kTreeX, apexY}}};
    for (int i = 0; i <= scallops * 2; ++i) {
        const double x = kTreeX + halfWidth - halfWidth * 2 * i / (scallops * 2);
        const double lift = i % 2 == 0 ? 0 : 3.2;
        tier.Corners.push_back({x, baseY - lift});
    }
    return tier;
}

struct TierSize {
    double ApexY;
    double BaseY;
    double HalfWidth;
    int Scallops;
};

constexpr TierSize kTiers[] = {{62, 106, 46, 6}, {46, 86, 36, 5}, {32, 66, 26, 4}, {20, 46, 16, 3}};

void DrawTree(Canvas& canvas) {
    canvas.Fill(Rect{kTreeX - 7, 96, kTreeX + 7, 117}, Colour{58, 32, 14});
    canvas.Shade(Rect{kTreeX - 6, 96, kTreeX + 6, 116}, [](Point p) {
        return Mix(Colour{150, 92, 44}, Colour{84, 48, 20}, (p.X - (kTreeX - 6)) / 12);
    });

    for (const TierSize& tier : kTiers) {
        const Polygon edge = Tier(tier.ApexY - 1.5, tier.BaseY + 1.2, tier.HalfWidth + 1.6, tier.Scallops);
        canvas.Fill(edge, kNeedleEdge);
        const double halfWidth = tier.HalfWidth;
        const double apexY = tier.ApexY;
        const double baseY = tier.BaseY;
        canvas.Shade(Tier(apexY, baseY, halfWidth, tier.Scallops), [=](Point p) {
            // Light from the upper left; the lower edge of each tier falls into shade.
            const double across = (p.X - (kTreeX - halfWidth)) / (2 * halfWidth);
            const double down = (p.Y - apexY) / (baseY - apexY);
            return Mix(kNeedleLight, kNeedleDark, across * 0.8 + down * down * 0.5);
        });
        // Needles: short strokes fanning out from the middle.
        for (int i = 1; i <= 4; ++i) {
            const double y = apexY + (baseY - apexY) * i / 5.0;
            const double reach = halfWidth * i / 5.0 * 0.85;
            canvas.Fill(Stroke{{kTreeX, y - 4}, {kTreeX - reach, y + 1}, 0.8}, Colour{96, 196, 96}, 0.5);
            canvas.Fill(Stroke{{kTreeX, y - 4}, {kTreeX + reach, y + 1}, 0.8}, Colour{4, 60, 24}, 0.5);
        }
    }
}

void DrawLights(Canvas& canvas) {
    constexpr Colour kBulbs[] = {
        {255, 60, 60}, {255, 220, 60}, {80, 160, 255}, {80, 255, 120}, {255, 140, 40}, {255, 110, 220},
    };
    struct Garland {
        Point From;
        Point Sag;
        Point To;
        int Bulbs;
    };
    constexpr Garland kGarlands[] = {
        {{kTreeX - 12, 37}, {kTreeX, 47}, {kTreeX + 13, 35}, 5},
        {{kTreeX - 21, 56}, {kTreeX + 2, 70}, {kTreeX + 22, 54}, 7},
        {{kTreeX - 31, 77}, {kTreeX - 2, 92}, {kTreeX + 32, 74}, 9},
        {{kTreeX - 41, 98}, {kTreeX + 2, 112}, {kTreeX + 42, 96}, 11},
    };
    std::size_t colour = 0;
    for (const Garland& garland : kGarlands) {
        const std::vector<Point> wire = Curve(garland.From, garland.Sag, garland.To, 24);
        for (std::size_t i = 1; i < wire.size(); ++i)
            canvas.Fill(Stroke{wire[i - 1], wire[i], 0.7}, Colour{30, 40, 20}, 0.8);
        const std::vector<Point> bulbs = Curve(garland.From, garland.Sag, garland.To, garland.Bulbs + 1);
        for (std::size_t i = 1; i + 1 < bulbs.size(); ++i) {
            const Colour bulb = kBulbs[colour++ % std::size(kBulbs)];
            canvas.Glow(bulbs[i], 6, bulb, 0.75);
            canvas.Fill(Circle(bulbs[i], 1.6), Mix(bulb, kWhite, 0.4));
        }
    }
}

void DrawOrnament(Canvas& canvas, Point centre, double radius, Colour body) {
    canvas.Fill(Rect{centre.X - 1.2, centre.Y - radius - 1.6, centre.X + 1.2, centre.Y - radius + 0.6},
                Colour{200, 190, 150});
    canvas.Fill(Circle(centre, radius + 0.6), Mix(body, Colour{}, 0.6));
    const Point glint{centre.X - radius * 0.35, centre.Y - radius * 0.35};
    canvas.Shade(Circle(centre, radius), [=](Point p) {
        const double dx = p.X - glint.X, dy = p.Y - glint.Y;
        return Mix(Mix(body, kWhite, 0.25), Mix(body, Colour{}, 0.45), (dx * dx + dy * dy) / (radius * radius * 2.2));
    });
    canvas.Fill(Circle(glint, radius * 0.28), Mix(body, kWhite, 0.8));
}

void DrawOrnaments(Canvas& canvas) {
    struct Ornament {
        Point Centre;
        double Radius;
        Colour Body;
    };
    constexpr Ornament kOrnaments[] = {
        {{kTreeX - 6, 32}, 2.8, {220, 30, 40}},   {{kTreeX + 8, 42}, 2.8, {250, 190, 30}},
        {{kTreeX - 13, 50}, 3.2, {60, 100, 230}}, {{kTreeX + 14, 61}, 3.2, {200, 50, 200}},
        {{kTreeX + 2, 58}, 3.0, {220, 30, 40}},   {{kTreeX - 20, 69}, 3.4, {250, 190, 30}},
        {{kTreeX + 24, 80}, 3.4, {220, 30, 40}},  {{kTreeX - 8, 80}, 3.4, {190, 200, 215}},
        {{kTreeX + 10, 96}, 3.6, {60, 100, 230}}, {{kTreeX - 30, 92}, 3.6, {200, 50, 200}},
        {{kTreeX + 34, 98}, 3.6, {250, 190, 30}}, {{kTreeX - 15, 100}, 3.6, {220, 30, 40}},
    };
    for (const Ornament& ornament : kOrnaments)
        DrawOrnament(canvas, ornament.Centre, ornament.Radius, ornament.Body);
}

void DrawStar(Canvas& canvas) {
    const Point centre{kTreeX, 17};
    canvas.Glow(centre, 26, Colour{255, 230, 120}, 0.45);
    canvas.Fill(Star(centre, 10, 4.3), Colour{190, 110, 0});
    canvas.Shade(Star(centre, 8.6, 3.6), [centre](Point p) {
        return Mix(Colour{255, 250, 190}, Colour{255, 196, 20}, (p.Y - centre.Y + 8) / 14);
    });
}

void DrawPresent(Canvas& canvas, Rect box, Colour paper, Colour ribbon) {
    const double lid = 3;
    canvas.Fill(Rect{box.Left - 0.6, box.Top - 0.6, box.Right + 0.6, box.Bottom + 0.6}, Mix(paper, Colour{}, 0.6));
    canvas.Shade(box, [=](Point p) { return Mix(Mix(paper, kWhite, 0.15), Mix(paper, Colour{}, 0.3),
                                                 (p.X - box.Left) / (box.Right - box.Left)); });
    canvas.Fill(Rect{box.Left - 1, box.Top, box.Right + 1, box.Top + lid}, Mix(paper, kWhite, 0.1));
    canvas.Fill(Rect{box.Left - 1, box.Top + lid - 0.6, box.Right + 1, box.Top + lid}, Mix(paper, Colour{}, 0.5));
    const double middle = (box.Left + box.Right) / 2;
    canvas.Fill(Rect{middle - 1.3, box.Top, middle + 1.3, box.Bottom}, ribbon);
    // The bow.
    canvas.Fill(Ellipse{{middle - 3, box.Top - 2}, 3, 2}, Mix(ribbon, Colour{}, 0.25));
    canvas.Fill(Ellipse{{middle + 3, box.Top - 2}, 3, 2}, Mix(ribbon, Colour{}, 0.25));
    canvas.Fill(Circle({middle, box.Top - 1.2}, 1.5), ribbon);
}

void DrawPresents(Canvas& canvas) {
    DrawPresent(canvas, Rect{50, 102, 68, 118}, Colour{200, 30, 40}, Colour{250, 210, 60});
    DrawPresent(canvas, Rect{68, 109, 83, 122}, Colour{40, 90, 210}, Colour{240, 240, 250});
    DrawPresent(canvas, Rect{99, 107, 114, 121}, Colour{30, 150, 80}, Colour{230, 40, 50});
    DrawPresent(canvas, Rect{114, 98, 132, 119}, Colour{140, 60, 190}, Colour{250, 210, 60});
}

void DrawTeddy(Canvas& canvas, Point at) {
    constexpr Colour kFur{170, 110, 60};
    constexpr Colour kFurEdge{90, 52, 24};
    constexpr Colour kMuzzle{230, 190, 140};
    for (const Point& ear : {Point{at.X - 4.5, at.Y - 13}, Point{at.X + 4.5, at.Y - 13}}) {
        canvas.Fill(Circle(ear, 2.8), kFurEdge);
        canvas.Fill(Circle(ear, 2.0), kFur);
        canvas.Fill(Circle(ear, 1.0), kMuzzle);
    }
    canvas.Fill(Ellipse{{at.X, at.Y}, 7.6, 8.4}, kFurEdge);
    canvas.Fill(Ellipse{{at.X, at.Y}, 6.8, 7.6}, kFur);
    canvas.Fill(Ellipse{{at.X, at.Y + 1.5}, 4, 4.5}, kMuzzle);
    for (const Point& paw : {Point{at.X - 5, at.Y + 7}, Point{at.X + 5, at.Y + 7}}) {
        canvas.Fill(Ellipse{paw, 3.4, 2.4}, kFurEdge);
        canvas.Fill(Ellipse{paw, 2.7, 1.8}, kMuzzle);
    }
    const Point head{at.X, at.Y - 9};
    canvas.Fill(Circle(head, 5.6), kFurEdge);
    canvas.Fill(Circle(head, 4.9), kFur);
    canvas.Fill(Ellipse{{head.X, head.Y + 1.8}, 2.4, 1.8}, kMuzzle);
    canvas.Fill(Circle({head.X, head.Y + 1.1}, 0.8), Colour{30, 16, 8});
    canvas.Fill(Circle({head.X - 1.9, head.Y - 1.2}, 0.7), Colour{30, 16, 8});
    canvas.Fill(Circle({head.X + 1.9, head.Y - 1.2}, 0.7), Colour{30, 16, 8});
    // A red bow tie.
    canvas.Fill(Polygon{{{at.X - 3.5, at.Y - 5.5}, {at.X + 3.5, at.Y - 2.5}, {at.X + 3.5, at.Y - 5.5},
                         {at.X - 3.5, at.Y - 2.5}}},
                Colour{210, 30, 40});
}

void DrawDrum(Canvas& canvas, Point at) {
    const double halfWidth = 8;
    const double top = at.Y - 6;
    const double bottom = at.Y + 6;
    canvas.Fill(Ellipse{{at.X, bottom}, halfWidth, 2.6}, Colour{120, 20, 24});
    canvas.Shade(Rect{at.X - halfWidth, top, at.X + halfWidth, bottom}, [=](Point p) {
        return Mix(Colour{235, 60, 60}, Colour{130, 20, 26}, (p.X - at.X + halfWidth) / (2 * halfWidth));
    });
    // The zigzag cord between the rims.
    for (int i = 0; i < 4; ++i) {
        const double x = at.X - halfWidth + 1 + i * 4;
        canvas.Fill(Stroke{{x, top + 1.5}, {x + 2, bottom - 1.5}, 0.8}, Colour{250, 215, 90});
        canvas.Fill(Stroke{{x + 2, bottom - 1.5}, {x + 4, top + 1.5}, 0.8}, Colour{250, 215, 90});
    }
    canvas.Fill(Rect{at.X - halfWidth, bottom - 1.4, at.X + halfWidth, bottom}, Colour{240, 200, 80});
    canvas.Fill(Ellipse{{at.X, top}, halfWidth, 2.6}, Colour{240, 200, 80});
    canvas.Fill(Ellipse{{at.X, top}, halfWidth - 1, 1.9}, Colour{245, 238, 220});
    // Drumsticks.
    canvas.Fill(Stroke{{at.X - 2, top - 1}, {at.X - 11, top - 7}, 1.2}, Colour{200, 150, 90});
    canvas.Fill(Stroke{{at.X + 3, top - 1}, {at.X + 12, top - 6}, 1.2}, Colour{200, 150, 90});
    canvas.Fill(Circle({at.X - 11, top - 7}, 1.3), Colour{245, 238, 220});
    canvas.Fill(Circle({at.X + 12, top - 6}, 1.3), Colour{245, 238, 220});
}

void DrawSnowfall(Canvas& canvas, Scatter& scatter) {
    for (int i = 0; i < 70; ++i) {
        const Point flake{scatter.Next(0, kPreviewWidth), scatter.Next(kBarHeight + 1, kPreviewHeight)};
        const double size = scatter.Next(0.7, 1.5);
        canvas.Glow(flake, size + 0.8, kWhite, 0.85);
    }
}

// The page's control bar: volume, and the buttons for backgrounds, lighting and the ornament panel.
void DrawControlBar(Canvas& canvas) {
    canvas.Shade(Rect{0, 0, kPreviewWidth, kBarHeight},
                 [](Point p) { return Mix(Colour{70, 76, 100}, Colour{34, 36, 52}, p.Y / kBarHeight); });
    canvas.Fill(Rect{0, kBarHeight - 1, kPreviewWidth, kBarHeight}, Colour{120, 126, 160});
    constexpr Colour kGlyph{220, 224, 240};
    // Loudspeaker and volume slider.
    canvas.Fill(Polygon{{{4, 3.5}, {6, 3.5}, {8.5, 1.5}, {8.5, 7.5}, {6, 5.5}, {4, 5.5}}}, kGlyph);
    canvas.Fill(Stroke{{12, 4.5}, {44, 4.5}, 1.2}, Colour{20, 22, 34});
    canvas.Fill(Stroke{{12, 4.5}, {32, 4.5}, 1.2}, Colour{90, 200, 110});
    canvas.Fill(Circle({32, 4.5}, 2.3), kGlyph);
    struct Button {
        double Left;
        Colour Face;
    };
    constexpr Button kButtons[] = {{112, {70, 110, 200}}, {129, {230, 190, 50}}, {146, {200, 50, 60}},
                                   {163, {60, 170, 90}}};
    for (const Button& button : kButtons) {
        canvas.Fill(RoundRect{{button.Left, 2, button.Left + 14, 8}, 2}, Colour{16, 18, 28});
        canvas.Shade(RoundRect{{button.Left + 0.7, 2.7, button.Left + 13.3, 7.3}, 1.6}, [=](Point p) {
            return Mix(Mix(button.Face, kWhite, 0.3), Mix(button.Face, Colour{}, 0.2), (p.Y - 2.7) / 4.6);
        });
    }
}

} // namespace

Picture DrawPreview() {
    Canvas canvas(kPreviewWidth, kPreviewHeight, 4);
    Scatter scatter;
    DrawSky(canvas, scatter);
    DrawGround(canvas);
    DrawTree(canvas);
    DrawLights(canvas);
    DrawOrnaments(canvas);
    DrawStar(canvas);
    DrawPresents(canvas);
    DrawTeddy(canvas, {32, 112});
    DrawDrum(canvas, {150, 114});
    DrawSnowfall(canvas, scatter);
    DrawControlBar(canvas);
    return canvas.Resolve();
}

} // namespace vurozud
