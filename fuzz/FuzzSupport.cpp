#include "FuzzSupport.h"

#include "data/cAllData.h"

#include <cstdlib>
#include <filesystem>
#include <string>

const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quelta-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    return folder;
}

void FillMaize(TCropFactor& crop) {
    crop.Clear();
    crop.Description = "Maize";
    crop.Kc1 = {0.3, 0};
    crop.Kc2 = {0.75, 0};
    crop.Kc3 = {1.2, 1.2};
    crop.Kc4 = {0.6, 0.6};
    crop.RootingDepth = 1.0;
    crop.StageLength = {20, 35, 40, 30};
}

void FillRice(TCropFactor& crop) {
    crop.Clear();
    crop.Description = "Rice";
    crop.StandardKc = true;
    crop.Kc1 = {1.05, 0};
    crop.Kc2 = {1.1, 0};
    crop.Kc3 = {1.2, 1.2};
    crop.Kc4 = {0.9, 0.9};
    crop.RootingDepth = 0.5;
    crop.StageLength = {30, 30, 60, 30};
}
