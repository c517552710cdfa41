#include "core/cFileIO.h"

#include "core/cError.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBufferSize = 2048;

std::string Reason() {
    return std::strerror(errno);
}

// Closes a descriptor on every path out.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd(fd) {}
    ~TDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Get() const { return fd; }
    int Release() {
        int f = fd;
        fd = -1;
        return f;
    }

private:
    int fd;
};

std::function<int(std::size_t)> saveStepHook;

// "<target>.tmp<pid>_<n>": the pid tells whether the save that made it can still be running.
constexpr const char* kTemporaryMark = ".tmp";

std::string TemporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + kTemporaryMark + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

// The pid in a temporary name of ours for target name, or 0 when entry is no such name.
long PidOfTemporary(const std::string& entry, const std::string& name) {
    const std::string prefix = name + kTemporaryMark;
    if (entry.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string rest = entry.substr(prefix.size());
    const auto cut = rest.find('_');
    const auto isDigits = [](const std::string& t) {
        return !t.empty() && t.size() < 10 &&
               std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); });
    };
    if (cut == std::string::npos || !isDigits(rest.substr(0, cut)) ||
        !isDigits(rest.substr(cut + 1)))
        return 0;
    return std::stol(rest.substr(0, cut));
}

// Temporary files of this target left by saves whose process no longer runs.
void RemoveStaleTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string name = target.filename().string();
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const long pid = PidOfTemporary(it->path().filename().string(), name);
        const bool running = pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (pid > 0 && !running && it->is_regular_file(ec))
            std::filesystem::remove(it->path(), ec);
    }
}

// What the test hook says about this step of a save; 0 goes on.
int SaveStep(std::size_t bytesDone) {
    return saveStepHook ? saveStepHook(bytesDone) : 0;
}

} // namespace

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string ReadFileBytes(const std::string& path) {
    TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        throw TFileError("Cannot open file \"" + path + "\". " + Reason());
    struct stat info {};
    if (::fstat(fd.Get(), &info) == 0 && S_ISDIR(info.st_mode))
        throw TFileError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    std::string bytes;
    char buffer[kBufferSize];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw TFileError("Cannot read file \"" + path + "\". " + Reason());
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void SaveFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temp = TemporaryNameFor(path);
    const auto fail = [&](const std::string& what) {
        const std::string reason = Reason();
        ::unlink(temp.c_str());
        throw TFileError(what + " \"" + path + "\". " + reason);
    };
    // New files get the usual permissions; an existing file keeps its own.
    mode_t mode = 0666;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            throw TFileError("Cannot create file \"" + path + "\". " + Reason());
        }
        mode = info.st_mode & 07777;
    }
    TDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.Get() < 0)
        throw TFileError("Cannot create file \"" + path + "\". " + Reason());
    const auto step = [&](std::size_t done) {
        if (const int error = SaveStep(done)) {
            errno = error;
            fail("Cannot write file");
        }
    };
    step(0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min(kBufferSize, bytes.size() - done);
        ssize_t n = ::write(fd.Get(), bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot write file");
        }
        done += static_cast<std::size_t>(n);
        step(done);
    }
    if (::fsync(fd.Get()) != 0)
        fail("Cannot write file");
    if (::close(fd.Release()) != 0)
        fail("Cannot write file");
    step(done);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail("Cannot create file");
    RemoveStaleTemporaries(path);
}

void SetSaveStepHook(std::function<int(std::size_t bytesDone)> hook) {
    saveStepHook = std::move(hook);
}

std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FileExtension(const std::string& path) {
    const std::string name = FileNamePart(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::string current = FileExtension(path);
    return path.substr(0, path.size() - current.size()) + ext;
}

std::string FindIgnoringCase(const std::string& folder, const std::string& name) {
    const auto sameLetters = [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    };
    std::error_code ec;
    std::string found;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry == name)
            return it->path().string();
        if (found.empty() && std::ranges::equal(entry, name, sameLetters))
            found = it->path().string();
    }
    return found;
}
