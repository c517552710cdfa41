#include "core/cProgramFolder.h"

#include "core/cError.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string& OverrideFolder() {
    static std::string folder;
    return folder;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec).string() : exe.parent_path().string();
}

} // namespace

std::string ProgramFolder() {
    if (!OverrideFolder().empty())
        return OverrideFolder();
    static const std::string folder = [] {
        const std::string executable = ExecutableFolder();
        const std::string supplied = SuppliedDataFolder(executable);
        return supplied.empty() ? executable : supplied;
    }();
    return folder;
}

void SetProgramFolder(const std::string& folder) {
    OverrideFolder() = folder;
}

std::string SuppliedDataFolder(const std::string& programFolder) {
    if (programFolder.empty())
        return {};
    std::error_code ec;
    fs::path program = fs::path(programFolder).lexically_normal();
    if (!program.has_filename())
        program = program.parent_path(); // "usr/bin/" names the folder bin too
    const fs::path supplied = program.parent_path() / "share" / "quelta";
    if (!fs::is_directory(supplied, ec))
        return {};
    return fs::weakly_canonical(supplied, ec).string();
}

std::vector<std::string> CopyMissingFiles(const std::string& from, const std::string& to) {
    std::vector<std::string> written;
    std::error_code ec;
    fs::recursive_directory_iterator it(from, ec);
    if (ec)
        throw TFileError("Cannot read the folder " + from + ". " + ec.message());
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec)
            throw TFileError("Cannot read the folder " + from + ". " + ec.message());
        const fs::directory_entry& entry = *it;
        if (!entry.is_regular_file(ec))
            continue;
        const fs::path target = fs::path(to) / fs::relative(entry.path(), from, ec);
        if (fs::exists(target, ec))
            continue;
        fs::create_directories(target.parent_path(), ec);
        if (!fs::copy_file(entry.path(), target, ec))
            throw TFileError("Cannot copy " + entry.path().string() + " to " + target.string() +
                             ". " + ec.message());
        written.push_back(target.string());
    }
    if (ec)
        throw TFileError("Cannot read the folder " + from + ". " + ec.message());
    std::sort(written.begin(), written.end());
    return written;
}
