#include "core/cError.h"
#include "core/cFileIO.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FileIO, AtomicSaveReplacesWholeAndLeavesNoTemporary) {
    TTempDir dir;
    const std::string path = dir.File("a.gen");
    SaveFileAtomically(path, "first");
    SaveFileAtomically(path, std::string(5000, 'x'));
    EXPECT_EQ(ReadFileBytes(path), std::string(5000, 'x'));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIO, FailedSaveKeepsTheOldFile) {
    TTempDir dir;
    const std::string folder = dir.File("sub");
    std::filesystem::create_directory(folder);
    EXPECT_THROW(SaveFileAtomically(folder, "x"), TFileError); // a folder is not a file
    EXPECT_THROW(SaveFileAtomically(dir.File("missing/a.gen"), "x"), TFileError);
    EXPECT_THROW(ReadFileBytes(dir.File("none")), TFileError);
    EXPECT_THROW(ReadFileBytes(folder), TFileError);
}

TEST(FileIO, NamesOfWindowsAndUnixPaths) {
    EXPECT_EQ(FileNamePart("C:\\QUELTA\\CROP\\MAIZE.CRP"), "MAIZE.CRP");
    EXPECT_EQ(FileNamePart("/home/u/Crop/Maize.crp"), "Maize.crp");
    EXPECT_EQ(FileNamePart("C:MAIZE.CRP"), "MAIZE.CRP");
    EXPECT_EQ(FileExtension("/a.b/c"), "");
    EXPECT_EQ(FileExtension("x.Gen"), ".Gen");
    EXPECT_EQ(ChangeFileExt("/a/b.crp", ".udc"), "/a/b.udc");
    EXPECT_EQ(ChangeFileExt("/a/b", ".gen"), "/a/b.gen");
}
