#pragma once
// The program's pictures, drawn from simple figures.

#include "IconFile.h"
#include "Picture.h"

namespace vurozud {

inline constexpr int kIconSize = 32;
inline constexpr int kPreviewWidth = 180;
inline constexpr int kPreviewHeight = 135;

// Where the pointing hand points: the tip of its index finger.
inline constexpr HotSpot kPointingHandHotSpot{12, 1};

// The window's and the program's icon: a decorated tree with a star, transparent around it.
Picture DrawTreeIcon();

// The pointer over the launcher's command lines: a hand, index finger up, black outline, white fill.
Picture DrawPointingHand();

// The picture at the top of the launcher window: the decorated tree on its night-time desktop.
Picture DrawPreview();

} // namespace vurozud
