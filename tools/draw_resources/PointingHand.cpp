#include "Canvas.h"
#include "Pictures.h"

namespace vurozud {

namespace {

constexpr Colour kInk{0, 0, 0};
constexpr Colour kSkin{255, 255, 255};

} // namespace

Picture DrawPointingHand() {
    // Hard pixel edges: a cursor is drawn pixel for pixel, the fill first, the outline around it.
    Canvas canvas(kIconSize, kIconSize, 1);

    // Index finger, its tip one pixel below the hot spot so that the outline's top is the hot spot.
    const int tipX = kPointingHandHotSpot.X;
    const int tipY = kPointingHandHotSpot.Y;
    canvas.Fill(RoundRect{{tipX - 1.0, tipY + 1.0, tipX + 2.0, tipY + 14.0}, 1.0}, kSkin);
    // The other three fingers, bent: their knuckles step down towards the little finger.
    canvas.Fill(RoundRect{{tipX + 3.0, tipY + 7.0, tipX + 6.0, tipY + 14.0}, 1.0}, kSkin);
    canvas.Fill(RoundRect{{tipX + 7.0, tipY + 8.0, tipX + 10.0, tipY + 14.0}, 1.0}, kSkin);
    canvas.Fill(RoundRect{{tipX + 11.0, tipY + 10.0, tipX + 13.0, tipY + 15.0}, 1.0}, kSkin);
    // Palm and the thumb reaching out to the left.
    canvas.Fill(Rect{tipX - 1.0, tipY + 13.0, tipX + 13.0, tipY + 21.0}, kSkin);
    canvas.Fill(Stroke{{tipX - 6.0, tipY + 13.0}, {tipX - 1.0, tipY + 19.0}, 3.6}, kSkin);
    canvas.Fill(Polygon{{{tipX - 1.0, tipY + 20.0}, {tipX + 13.0, tipY + 20.0}, {tipX + 11.0, tipY + 24.0},
                         {tipX + 1.0, tipY + 24.0}}},
                kSkin);
    // Wrist.
    canvas.Fill(Rect{tipX + 1.0, tipY + 24.0, tipX + 11.0, tipY + 28.0}, kSkin);
    canvas.Fill(Rect{tipX + 1.0, tipY + 24.0, tipX + 11.0, tipY + 25.0}, kInk);

    Picture hand = canvas.Resolve();

    // Outline: every transparent pixel that touches the hand along an edge turns black.
    Picture outlined = hand;
    for (int y = 0; y < hand.Height; ++y) {
        for (int x = 0; x < hand.Width; ++x) {
            if (hand.IsOpaque(x, y))
                continue;
            const bool touches = (x > 0 && hand.IsOpaque(x - 1, y)) ||
                                 (x + 1 < hand.Width && hand.IsOpaque(x + 1, y)) ||
                                 (y > 0 && hand.IsOpaque(x, y - 1)) ||
                                 (y + 1 < hand.Height && hand.IsOpaque(x, y + 1));
            if (touches) {
                const auto i = static_cast<std::size_t>(y * hand.Width + x);
                outlined.Pixels[i] = kInk;
                outlined.Opaque[i] = true;
            }
        }
    }
    return outlined;
}

} // namespace vurozud
