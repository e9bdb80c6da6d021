// Feeds arbitrary bytes as a template through the streaming page transform and through the plain line-by-line
// reference, and stops at the first difference. The first three bytes choose how many bytes each read of the
// template gives, the transform's chunk size and the size texts, so that every boundary falls everywhere.

#include "DesktopPage.h"
#include "PageStreams.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vurozud;
    using namespace vurozud::test;
    static constexpr std::array<std::array<std::string_view, 2>, 5> kSizes = {
        {{"1024", "768"}, {"819.2", "614.4"}, {"800", "600"}, {"", ""}, {"width=800 height=600", "\r\n"}}};
    std::array<std::uint8_t, 3> choice{};
    for (std::size_t i = 0; i < choice.size() && i < size; ++i)
        choice[i] = data[i];
    const std::size_t skipped = std::min(size, choice.size());
    const std::string_view templateBytes(reinterpret_cast<const char*>(data) + skipped, size - skipped);

    // 0 gives the template in one read; up to 63 bytes a read otherwise.
    std::vector<std::size_t> pieceSizes;
    if (choice[0] % 64 != 0)
        pieceSizes = {choice[0] % 64u, choice[0] / 64u + 1};
    const std::size_t chunkSize = choice[1] < 128 ? kPageSizePattern.size() + choice[1] : kPageChunkSize;
    const auto& sizeTexts = kSizes[choice[2] % kSizes.size()];

    MemorySource source(templateBytes, pieceSizes);
    StringSink page;
    TransformDesktopPage(source, page, sizeTexts[0], sizeTexts[1], chunkSize);
    if (page.Bytes != ReferencePageTransform(templateBytes, sizeTexts[0], sizeTexts[1])) {
        std::fprintf(stderr, "page differs from the reference (chunk %zu, template of %zu bytes)\n", chunkSize,
                     templateBytes.size());
        std::abort();
    }
    return 0;
}
