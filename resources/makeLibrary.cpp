// Build step: writes the supplied library files from their table into each given folder: the
// crop factor files (.crp) from crops.csv, the soils (.soi) from soils.csv.
#include "core/cFileIO.h"
#include "resources/cCropLibrary.h"
#include "resources/cSoilLibrary.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    if (argc < 4 || (kind != "crops" && kind != "soils")) {
        std::cerr << "usage: quelta-make-library crops|soils CSV FOLDER...\n";
        return 2;
    }
    try {
        const std::string table = ReadFileBytes(argv[2]);
        for (int i = 3; i < argc; ++i) {
            if (kind == "crops")
                WriteCropLibrary(ParseCropLibrary(table), argv[i]);
            else
                WriteSoilLibrary(ParseSoilLibrary(table), argv[i]);
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
