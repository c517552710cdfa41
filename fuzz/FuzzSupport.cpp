#include "FuzzSupport.h"

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
