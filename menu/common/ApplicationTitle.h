#pragma once

namespace vurozud {

// The application's title: the project's name. Message boxes shown without a title of their own
// (the support message, the fatal error box) carry it.
inline constexpr char kApplicationTitle[] = "Menu";

} // namespace vurozud
