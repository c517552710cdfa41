// Build step: writes the supplied crop factor files from crops.csv into each given folder.
#include "core/cFileIO.h"
#include "resources/cCropLibrary.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: quelta-make-crop-library CSV FOLDER...\n";
        return 2;
    }
    try {
        const auto crops = ParseCropLibrary(ReadFileBytes(argv[1]));
        for (int i = 2; i < argc; ++i)
            WriteCropLibrary(crops, argv[i]);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
