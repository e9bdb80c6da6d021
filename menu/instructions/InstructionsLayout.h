#pragma once
// The instructions window's fixed layout, in twips (client coordinates from the top left corner):
// seven windowless labels painted by the window itself and one push button. Painting and the
// button's placement both read this table.

#include "Twips.h"

#include <array>
#include <string_view>

namespace vurozud {

inline constexpr char kInstructionsTitle[] = "Instructions and Controls";
inline constexpr TwipSize kInstructionsClientSize{8550, 6360};

inline constexpr LayoutFont kInstructionsLabelFont{"Arial", 9.75, 400};
inline constexpr LayoutFont kInstructionsButtonFont{"MS Sans Serif", 9.75, 400};

struct InstructionsControl {
    std::string_view Text;
    TwipRect Box;
};

// Label1, Label2, Label7, Label3, Label5, Label6, Label4: from top to bottom.
extern const std::array<InstructionsControl, 7> kInstructionsLabels;

inline constexpr InstructionsControl kInstructionsCommand1{"Close", {3600, 5640, 1215, 375}};

} // namespace vurozud
