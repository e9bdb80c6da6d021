// Draws the launcher's icon, cursor and preview picture and writes them into the folder named on
// the command line. The output depends on nothing but this code, so the files can be checked in
// and redrawn byte for byte.

#include "BitmapFile.h"
#include "IconFile.h"
#include "Palette.h"
#include "Pictures.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    using namespace vurozud;
    if (argc != 2) {
        std::cerr << "usage: draw_resources OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];

        const Picture tree = DrawTreeIcon();
        WriteFile(folder / "tree.ico", EncodeIconFile(tree, ChoosePalette(tree, 256), 8));

        WriteFile(folder / "pointing_hand.cur",
                  EncodeCursorFile(DrawPointingHand(), StandardSixteenColours(), 4, kPointingHandHotSpot));

        WriteFile(folder / "preview.bmp", EncodeBitmapFile(DrawPreview()));
    } catch (const std::exception& error) {
        std::cerr << "draw_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
