#include "InstructionsLayout.h"

#include "SupportAddress.h"

#include <cstddef>

namespace vurozud {
namespace {

// Two C strings joined at compile time, so the whole table stays constant data.
template <std::size_t First, std::size_t Second>
constexpr std::array<char, First + Second - 1> Joined(const char (&first)[First], const char (&second)[Second]) {
    std::array<char, First + Second - 1> joined{};
    for (std::size_t i = 0; i + 1 < First; ++i)
        joined[i] = first[i];
    for (std::size_t i = 0; i < Second; ++i)
        joined[First - 1 + i] = second[i];
    return joined;
}

constexpr auto kLabel4Text =
    Joined("For further support or any questions you may have, contact us at: ", kSupportAddress);

// The view leaves out the terminating zero.
constexpr std::string_view AsView(const auto& text) { return {text.data(), text.size() - 1}; }

} // namespace

// "theOrnament" is written without a blank, as the page has always shown it.
constinit const std::array<InstructionsControl, 7> kInstructionsLabels{{
    {"Use the control bar at the top of your Active Desktop to control Volume, Backgrounds, Lighting and "
     "theOrnament Panel.",
     {360, 480, 7575, 615}},
    {"When you open the Ornament Panel, you can use the ornaments and lights by clicking on them. They will "
     "appear in the middle of the Vurozud Tree where you can click and drag them anywhere you want.",
     {360, 1200, 7815, 735}},
    {"To keep Vurozud Tree Desktop from affecting your system resources, keep the total number of blinking "
     "lights under eighty.",
     {360, 2160, 7575, 615}},
    {"To delete an ornament or light, hold the \"Ctrl\" key down then click on the object you wish to remove.",
     {360, 2880, 7815, 615}},
    {"Toys and other objects can be moved around the room by clicking and dragging them where you want.",
     {360, 3600, 7815, 615}},
    {"Vurozud Tree Interactive Desktop runs best at a screen resolution of 1024 x 768 but will run with other "
     "resolutions as well.",
     {360, 4320, 7575, 615}},
    {AsView(kLabel4Text), {360, 5040, 7215, 375}},
}};

} // namespace vurozud
