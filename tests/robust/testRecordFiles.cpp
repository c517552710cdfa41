#include "FileKinds.h"
#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A folder per kind, and the kinds with their crop files in the temporary folder.
struct TKindsInFolder {
    TTempDir dir;
    std::vector<TFileKind> kinds = FileKinds(dir.Path());
    std::string Folder(const TFileKind& kind) const {
        const std::string folder = dir.File(kind.Name + ".d");
        std::filesystem::create_directories(folder);
        return folder;
    }
    std::string Path(const TFileKind& kind) const { return Folder(kind) + "/" + kind.Name; }
};

// Saves variant of the kind to path and loads it: what the record then holds.
std::string SavedAndLoaded(const TFileKind& kind, const std::string& path, int variant) {
    kind.Save(path, variant);
    EXPECT_TRUE(kind.Load(path));
    return kind.Held();
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Runs save in a child process and returns how it ended (the wait status).
int InChild(const std::function<void()>& save) {
    const pid_t pid = fork();
    if (pid == 0) {
        save();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Runs check as an ordinary user, whom permissions bind: as root in a child that gives root up.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (geteuid() != 0)
        return check();
    const int status = InChild([&] {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        _exit(check() ? 0 : 1);
    });
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Lets every user into the test folders (a temporary folder is its owner's only).
void OpenToAll(const std::string& folder) {
    std::filesystem::permissions(folder, std::filesystem::perms::all,
                                 std::filesystem::perm_options::replace);
}

} // namespace

TEST(RecordFiles, DamagedBytesAreRefusedAndLeaveTheRecordAsItWas) {
    TKindsInFolder k;
    for (const TFileKind& kind : k.kinds) {
        SCOPED_TRACE(kind.Name);
        const std::string path = k.Path(kind);
        kind.Save(path, 1);
        const std::string full = ReadBytes(path);
        const std::string held = SavedAndLoaded(kind, path, 0);
        // Held() writes the whole record: once after the cuts (no refused read changes it)
        // rather than after each, which would cost seconds under the sanitizers.
        const auto refused = [&](const std::string& bytes, const std::string& text, bool check) {
            TMessageRecorder messages;
            EXPECT_FALSE(kind.Read(bytes));
            EXPECT_EQ(messages.Texts(),
                      std::vector<std::string>{"Error in procedure ReadData: " + text});
            if (check) {
                EXPECT_EQ(kind.Held(), held);
            }
        };
        // Cut at every byte, the empty file included.
        for (std::size_t cut = 0; cut < full.size(); ++cut)
            refused(full.substr(0, cut), "Stream read error", cut + 1 == full.size());
        // A float where the version is due; a text whose length claims 2 GB.
        refused("\x05" + full.substr(1), "Invalid property value", true);
        if (!kind.SomeText.empty()) {
            std::string huge = full;
            const auto at = huge.find(kind.SomeText) - 2;
            ASSERT_EQ(huge[at], '\x06');
            huge.replace(at, 2, "\x0c\xff\xff\xff\x7f");
            refused(huge, "Stream read error", true);
        }
    }
}

TEST(RecordFiles, MissingUnreadableAndFolderNamesLeaveTheRecordAsItWas) {
    TKindsInFolder k;
    for (const TFileKind& kind : k.kinds) {
        SCOPED_TRACE(kind.Name);
        const std::string folder = k.Folder(kind);
        const std::string path = k.Path(kind);
        const std::string held = SavedAndLoaded(kind, path, 0);
        TMessageRecorder messages;
        // Deleted between the dialog and the load, or a folder chosen: no file to read.
        EXPECT_FALSE(kind.Load(folder + "/deleted" + kind.Name));
        std::filesystem::create_directory(folder + "/dir" + kind.Name);
        EXPECT_FALSE(kind.Load(folder + "/dir" + kind.Name));
        EXPECT_TRUE(messages.Texts().empty());
        OpenToAll(k.dir.Path());
        OpenToAll(folder);
        std::filesystem::permissions(path, std::filesystem::perms::none);
        EXPECT_TRUE(AsOrdinaryUser([&] {
            TMessageRecorder unreadable;
            return !kind.Load(path) && kind.Held() == held &&
                   unreadable.Texts() ==
                       std::vector<std::string>{"Error in procedure Load: Cannot open file \"" +
                                                path + "\". Permission denied"};
        }));
        EXPECT_EQ(kind.Held(), held);
    }
}

// A save killed at any point leaves the previous file whole: at random moments of saves that
// follow each other, and at every step of the write (before the rename).
TEST(RecordFiles, SavesKilledAtAnyPointKeepAWholeFile) {
    TKindsInFolder k;
    for (const TFileKind& kind : k.kinds) {
        SCOPED_TRACE(kind.Name);
        const std::string folder = k.Folder(kind);
        const std::string path = k.Path(kind);
        const std::string newer = SavedAndLoaded(kind, path, 1);
        const std::string older = SavedAndLoaded(kind, path, 0);

        std::mt19937 random(7);
        for (int round = 0; round < 12; ++round) {
            const pid_t pid = fork();
            if (pid == 0)
                for (int variant = 0;; variant = 1 - variant)
                    kind.Save(path, variant);
            std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 3000));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            ASSERT_TRUE(kind.Load(path)) << round;
            const std::string held = kind.Held();
            EXPECT_TRUE(held == older || held == newer) << round;
        }

        kind.Save(path, 0);
        int steps = 0;
        SetSaveStepHook([&](std::size_t) { return ++steps, 0; });
        kind.Save(folder + "/count", 1);
        SetSaveStepHook({});
        std::filesystem::remove(folder + "/count");
        ASSERT_GE(steps, 3);
        for (int stop = 1; stop <= steps; ++stop) {
            const int status = InChild([&] {
                int step = 0;
                SetSaveStepHook([&](std::size_t) {
                    if (++step == stop)
                        raise(SIGKILL);
                    return 0;
                });
                kind.Save(path, 1);
            });
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << stop;
            ASSERT_TRUE(kind.Load(path)) << stop;
            EXPECT_EQ(kind.Held(), older) << stop;
        }

        // The next save clears what the killed ones left, but not a save still running (ours)
        // nor names that only look alike.
        const std::string running = kind.Name + ".tmp" + std::to_string(getpid()) + "_99";
        WriteBytes(folder + "/" + running, "x");
        WriteBytes(folder + "/" + kind.Name + ".tmpx_1", "x");
        EXPECT_GE(Entries(folder).size(), 3u + steps); // one left by each killed step
        kind.Save(path, 1);
        auto left = Entries(folder);
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{kind.Name, running, kind.Name + ".tmpx_1"}));
    }
}

TEST(RecordFiles, FailedSavesReportTheSystemsReasonAndKeepTheOldFile) {
    TKindsInFolder k;
    for (const TFileKind& kind : k.kinds) {
        SCOPED_TRACE(kind.Name);
        const std::string folder = k.Folder(kind);
        const std::string path = k.Path(kind);
        kind.Save(path, 0);
        const std::string old = ReadBytes(path);
        // A full disk, after the first buffer went out.
        SetSaveStepHook([](std::size_t done) { return done > 0 ? ENOSPC : 0; });
        try {
            kind.Save(path, 1);
            ADD_FAILURE() << "saved";
        } catch (const TFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Cannot write file \"" + path + "\". No space left on device");
        }
        SetSaveStepHook({});
        OpenToAll(k.dir.Path());
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                        std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
        EXPECT_TRUE(AsOrdinaryUser([&] {
            try {
                kind.Save(path, 1);
            } catch (const TFileError& e) {
                return std::string(e.what()) ==
                       "Cannot create file \"" + path + "\". Permission denied";
            }
            return false;
        }));
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(Entries(folder), std::vector<std::string>{kind.Name});
    }
}

// What the user reads when a save fails: the system's reason, through the message channel.
TEST(RecordFiles, TheCliReportsAFailedSaveAndWritesNothing) {
    TTempDir dir;
    WriteBytes(dir.File("units.json"), R"({"LengthUnit": 1})");
    SetSaveStepHook([](std::size_t) { return ENOSPC; });
    const TRun run = Cli({"make", dir.File("units.json"), dir.File("quelta.INI")});
    SetSaveStepHook({});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"units.json"});
}
