#pragma once
// The generators' output: each file written whole, or the generator fails saying which.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vurozud {

// Throws std::runtime_error naming the file when it cannot be written.
void WriteOutputFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace vurozud
