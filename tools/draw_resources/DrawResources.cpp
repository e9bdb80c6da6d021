// Draws the launcher's icon, cursor and preview picture and writes them into the folder named on
// the command line. The output depends on nothing but this code, so the files can be checked in
// and redrawn byte for byte.

#include "BitmapFile.h"
#include "IconFile.h"
#include "OutputFile.h"
#include "Palette.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    using namespace vurozud;
    if (argc != 2) {
        std::cerr << "usage: draw_resources OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];

        const Picture tree = DrawTreeIcon();
        WriteOutputFile(folder / "tree.ico", EncodeIconFile(tree, ChoosePalette(tree, 256), 8));

        WriteOutputFile(folder / "pointing_hand.cur", EncodeCursorFile(DrawPointingHand(),
                                                                       {kVgaColours.begin(), kVgaColours.end()}, 4,
                                                                       kPointingHandHotSpot));

        WriteOutputFile(folder / "preview.bmp", EncodeBitmapFile(DrawPreview()));
    } catch (const std::exception& error) {
        std::cerr << "draw_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
