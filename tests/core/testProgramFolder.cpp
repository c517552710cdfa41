#include "core/cError.h"
#include "core/cProgramFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(ProgramFolder, SuppliedFilesBesideAnInstalledProgramOnly) {
    TTempDir dir;
    fs::create_directories(dir.File("usr/bin"));
    fs::create_directories(dir.File("build/app"));
    fs::create_directories(dir.File("usr/share/quelta/Crop"));
    // Installed: bin/ beside share/quelta. A build tree has no share/quelta above its program.
    EXPECT_EQ(SuppliedDataFolder(dir.File("usr/bin")), dir.File("usr/share/quelta"));
    EXPECT_EQ(SuppliedDataFolder(dir.File("usr/bin/")), dir.File("usr/share/quelta"));
    EXPECT_EQ(SuppliedDataFolder(dir.File("build/app")), "");
    EXPECT_EQ(SuppliedDataFolder(""), "");
    // A file of that name is not a folder of supplied data.
    fs::create_directories(dir.File("opt/bin"));
    fs::create_directories(dir.File("opt/share"));
    WriteBytes(dir.File("opt/share/quelta"), "not a folder");
    EXPECT_EQ(SuppliedDataFolder(dir.File("opt/bin")), "");
}

TEST(ProgramFolder, CopyMissingFilesKeepsTheUsersOwnFiles) {
    TTempDir dir;
    const std::string from = dir.File("share/quelta");
    const std::string to = dir.File("user");
    fs::create_directories(from + "/Crop");
    fs::create_directories(from + "/Pattern/old");
    fs::create_directories(from + "/Empty");
    WriteBytes(from + "/Crop/MAIZE.CRP", "maize");
    WriteBytes(from + "/Crop/WHEAT.CRP", "wheat");
    WriteBytes(from + "/Pattern/old/Seville.pat", "pattern");
    fs::create_directories(to + "/Crop");
    WriteBytes(to + "/Crop/MAIZE.CRP", "the user's own maize");

    const auto written = CopyMissingFiles(from, to);
    EXPECT_EQ(written,
              (std::vector<std::string>{to + "/Crop/WHEAT.CRP", to + "/Pattern/old/Seville.pat"}));
    EXPECT_EQ(ReadBytes(to + "/Crop/MAIZE.CRP"), "the user's own maize");
    EXPECT_EQ(ReadBytes(to + "/Crop/WHEAT.CRP"), "wheat");
    EXPECT_EQ(ReadBytes(to + "/Pattern/old/Seville.pat"), "pattern");
    // A second run finds everything in place.
    EXPECT_TRUE(CopyMissingFiles(from, to).empty());
}

TEST(ProgramFolder, CopyFailuresAreReported) {
    TTempDir dir;
    EXPECT_THROW(CopyMissingFiles(dir.File("missing"), dir.File("user")), TFileError);
    fs::create_directories(dir.File("from/Crop"));
    WriteBytes(dir.File("from/Crop/MAIZE.CRP"), "maize");
    WriteBytes(dir.File("user"), "a file where the folder should be");
    EXPECT_THROW(CopyMissingFiles(dir.File("from"), dir.File("user")), TFileError);
}
