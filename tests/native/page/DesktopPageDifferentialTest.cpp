#include "DesktopPage.h"
#include "MemoryByteStreams.h"
#include "ReferencePageTransform.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vurozud {
namespace {

// Templates built from the pieces that matter: the pattern, its fragments and near misses, line breaks, and
// bytes of every kind.
std::string RandomTemplate(std::mt19937& random) {
    static constexpr std::array<std::string_view, 16> kPieces = {
        "width=800 height=600", "width=800", " height=600", "width=8", "00 height=6", "600", "w", "width=800 height=60",
        "WIDTH=800 HEIGHT=600", "width=800  height=600", "\r", "\n", "\r\n", "<td>", " ", "\r\r\n",
    };
    std::string bytes;
    const std::size_t pieces = std::uniform_int_distribution<std::size_t>(0, 40)(random);
    for (std::size_t i = 0; i < pieces; ++i) {
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0)
            bytes += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        else
            bytes += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random)];
    }
    return bytes;
}

TEST(DesktopPageDifferentialTest, MatchesThePlainLineByLineReferenceOnGeneratedTemplates) {
    static constexpr std::array<std::array<std::string_view, 2>, 4> kSizes = {
        {{"1024", "768"}, {"819.2", "614.4"}, {"800", "600"}, {"", "width=800 height=600"}}};
    std::mt19937 random(20231206);
    for (int round = 0; round < 20000; ++round) {
        const std::string templateBytes = RandomTemplate(random);
        const auto& size = kSizes[static_cast<std::size_t>(round) % kSizes.size()];
        const std::size_t chunkSize = std::uniform_int_distribution<std::size_t>(20, 90)(random);
        std::vector<std::size_t> pieceSizes(std::uniform_int_distribution<std::size_t>(0, 4)(random));
        for (std::size_t& pieceSize : pieceSizes)
            pieceSize = std::uniform_int_distribution<std::size_t>(1, 50)(random);

        reference::MemorySource source(templateBytes, pieceSizes);
        reference::StringSink page;
        TransformDesktopPage(source, page, size[0], size[1], chunkSize);
        ASSERT_EQ(page.Bytes(), reference::ReferencePageTransform(templateBytes, size[0], size[1]))
            << "round " << round << ", chunk " << chunkSize << ", template " << ::testing::PrintToString(templateBytes);
    }
}

} // namespace
} // namespace vurozud
