#include "core/cProgramFolder.h"

#include <filesystem>

namespace {

std::string& OverrideFolder() {
    static std::string folder;
    return folder;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
}

} // namespace

std::string ProgramFolder() {
    if (!OverrideFolder().empty())
        return OverrideFolder();
    static const std::string executableFolder = ExecutableFolder();
    return executableFolder;
}

void SetProgramFolder(const std::string& folder) {
    OverrideFolder() = folder;
}
