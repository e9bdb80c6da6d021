#pragma once

namespace vurozud {

// The support web site that the support message and the instructions window name. It ends the
// instructions window's last paragraph, whose one-line box leaves room for no longer an address.
inline constexpr char kSupportAddress[] = "vurozud.com";

} // namespace vurozud
