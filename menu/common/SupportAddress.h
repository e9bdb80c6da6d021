#pragma once

namespace vurozud {

// The support web site that the support message and the instructions window name.
inline constexpr char kSupportAddress[] = "www.vurozudtree.com";

} // namespace vurozud
