// Draws the launcher's preview as displays of each depth show it: dithered onto the 16 VGA colours, dithered
// onto the colours of a 256-colour display with the program's palette, and as it is. Writes the three bitmap
// files preview-16-colours.bmp, preview-256-colours.bmp and preview-true-colour.bmp into the folder named on
// the command line.

#include "BitmapFile.h"
#include "Dither.h"
#include "OutputFile.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <span>

namespace {

using namespace vurozud;

// The picture as a display of these colours shows it, dithered as the launcher dithers it: from the pixels of
// its bitmap file, which the launcher holds as they are.
Picture AsShown(const Picture& picture, const DisplayColours& colours) {
    const std::vector<std::uint8_t> file = EncodeBitmapFile(picture);
    const std::size_t pixelsAt = file[10] | file[11] << 8;
    const std::vector<std::uint8_t> entries =
        Dither(std::span(file).subspan(pixelsAt), picture.Width, picture.Height, colours);
    Picture shown = picture;
    for (int y = 0; y < picture.Height; ++y) // the file's rows are bottom row first
        for (int x = 0; x < picture.Width; ++x)
            shown.Pixels[static_cast<std::size_t>(y * picture.Width + x)] =
                colours[entries[static_cast<std::size_t>(picture.Height - 1 - y) * DibRowBytes(picture.Width, 8) +
                                static_cast<std::size_t>(x)]];
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: draw_preview_depths OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const Picture preview = DrawPreview();
        WriteOutputFile(folder / "preview-16-colours.bmp", EncodeBitmapFile(AsShown(preview, kSixteenColourDisplay)));
        WriteOutputFile(folder / "preview-256-colours.bmp", EncodeBitmapFile(AsShown(preview, kPaletteDisplay)));
        WriteOutputFile(folder / "preview-true-colour.bmp", EncodeBitmapFile(preview));
    } catch (const std::exception& error) {
        std::cerr << "draw_preview_depths: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
