#pragma once
// The desktop page made from the installed template: the template's lines, each ending in CR LF, after one
// empty line, with the template's fixed size attributes replaced by the recorded screen size. The bytes stream
// through one at a time, so a page of any size (or one endless line) takes the same small memory.

#include "Failure.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vurozud {

// Where the template's bytes come from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills the start of the buffer with the next bytes and sets count to how many; 0 only at the end. Fewer
    // bytes than the buffer holds do not mean the end.
    [[nodiscard]] virtual MaybeFailure Read(std::span<char> buffer, std::size_t& count) = 0;
};

// Where the page's bytes go; every byte given is taken, or the call fails.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    [[nodiscard]] virtual MaybeFailure Write(std::span<const char> bytes) = 0;
};

// The fixed size attributes of the template, matched exactly (letter case included).
inline constexpr std::string_view kPageSizePattern = "width=800 height=600";

// The bytes read from the template in one go, and the most written to the page in one go.
inline constexpr std::size_t kPageChunkSize = 256 * 1024;

// Writes the page for the template to the sink. Template lines end at CR or CR LF; a lone LF is an ordinary
// byte of its line, and the last line needs no line break. The first failure of a read or a write stops the page
// there and is given back.
[[nodiscard]] MaybeFailure TransformDesktopPage(ByteSource& templateBytes, ByteSink& page, std::string_view widthText,
                                                std::string_view heightText);

} // namespace vurozud
