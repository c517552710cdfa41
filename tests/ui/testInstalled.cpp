// The desktop program as it is installed: supplied files under share/quelta, the user's data
// folder filled from them at the first start; and its command line.

#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "data/cCropPattern.h"
#include "support/TestSupport.h"
#include "ui/platform/pDesktop.h"
#include "ui/uCommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The program folder is global; each test leaves it as it found it.
struct TRestoreProgramFolder {
    ~TRestoreProgramFolder() { SetProgramFolder(""); }
};

// The supplied files of this build, as an installation would hold them.
std::string InstalledTree(const TTempDir& dir) {
    const std::string supplied = dir.File("usr/share/quelta");
    fs::create_directories(dir.File("usr/bin"));
    fs::create_directories(supplied);
    fs::copy(std::string(QUELTA_BINARY_DIR) + "/supplied", supplied, fs::copy_options::recursive);
    return supplied;
}

int FilesIn(const std::string& folder, const std::string& extension) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().extension() == extension;
    return count;
}

} // namespace

TEST(InstalledProgram, FirstStartCopiesTheSuppliedFilesAndSaysWhere) {
    TTempDir dir;
    TRestoreProgramFolder restore;
    const std::string supplied = InstalledTree(dir);
    ASSERT_EQ(SuppliedDataFolder(dir.File("usr/bin")), supplied);
    const std::string user = dir.File("home/.local/share/Quelta");

    TMessageRecorder messages;
    TGuiSettings settings;
    OpenInstalledSettings(settings, supplied, user);
    ASSERT_EQ(messages.Messages().size(), 1u) << messages.Texts()[0];
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_NE(messages.Texts()[0].find(user), std::string::npos);
    EXPECT_EQ(settings.SettingsFileName, user + "/quelta.INI");
    EXPECT_EQ(settings.CropFolder, user + "/Crop");
    EXPECT_EQ(ProgramFolder(), user);

    // Every kind of supplied file, the soils and the schedule among them.
    for (const auto& [folder, extension] :
         std::vector<std::pair<std::string, std::string>>{{"Crop", ".crp"},
                                                          {"Soil", ".soi"},
                                                          {"General", ".gen"},
                                                          {"Meteo", ".mtf"},
                                                          {"Pattern", ".pat"},
                                                          {"Strategy", ".str"},
                                                          {"Schedule", ".sch"}}) {
        EXPECT_GT(FilesIn(supplied + "/" + folder, extension), 0) << folder;
        EXPECT_EQ(FilesIn(user + "/" + folder, extension),
                  FilesIn(supplied + "/" + folder, extension))
            << folder;
    }
    // The example patterns use the user's copy of the crop library.
    TCropPattern pattern;
    ASSERT_TRUE(pattern.Load(user + "/Pattern/Seville.pat"));
    ASSERT_GT(pattern.Count(), 0);
    for (int i = 1; i <= pattern.Count(); ++i)
        EXPECT_EQ(fs::path(pattern.GetCropLine(i).CropFileName).parent_path(), user + "/Crop");
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(InstalledProgram, LaterStartsKeepTheUsersFilesAndSayNothing) {
    TTempDir dir;
    TRestoreProgramFolder restore;
    const std::string supplied = InstalledTree(dir);
    const std::string user = dir.File("user");
    {
        TMessageRecorder messages;
        TGuiSettings settings;
        OpenInstalledSettings(settings, supplied, user);
    }
    WriteBytes(user + "/General/Seville.gen", "the user's own edit");
    fs::remove(user + "/Meteo/Cairo.mtf");
    TMessageRecorder messages;
    TGuiSettings settings;
    OpenInstalledSettings(settings, supplied, user);
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
    EXPECT_EQ(ReadBytes(user + "/General/Seville.gen"), "the user's own edit");
    EXPECT_FALSE(FileExists(user + "/Meteo/Cairo.mtf")); // a file the user removed stays away
    EXPECT_EQ(ProgramFolder(), user);
}

TEST(InstalledProgram, AUserFolderThatCannotBeMadeIsReported) {
    TTempDir dir;
    TRestoreProgramFolder restore;
    const std::string supplied = InstalledTree(dir);
    WriteBytes(dir.File("plain-file"), "x");
    TMessageRecorder messages;
    TGuiSettings settings;
    OpenInstalledSettings(settings, supplied, dir.File("plain-file/Quelta"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(settings.LengthUnit, 0); // metric, in memory
}

TEST(CommandLine, HelpVersionOptionsAndFiles) {
    using A = TCommandLine::TAction;
    struct TCase {
        QStringList Arguments;
        A Action;
        QStringList Files;
    };
    const std::vector<TCase> cases = {
        {{}, A::Run, {}},
        {{QStringLiteral("a.gen"), QStringLiteral("b.mtf")},
         A::Run,
         {QStringLiteral("a.gen"), QStringLiteral("b.mtf")}},
        {{QStringLiteral("--help")}, A::Help, {}},
        {{QStringLiteral("a.gen"), QStringLiteral("-h")}, A::Help, {}},
        {{QStringLiteral("--version")}, A::Version, {}},
        {{QStringLiteral("-v"), QStringLiteral("--bogus")}, A::Version, {}},
        {{QStringLiteral("--bogus"), QStringLiteral("a.gen")}, A::UsageError, {}},
        {{QStringLiteral("--"), QStringLiteral("-odd.gen"), QStringLiteral("--help")},
         A::Run,
         {QStringLiteral("-odd.gen"), QStringLiteral("--help")}},
        {{QStringLiteral("-")}, A::Run, {QStringLiteral("-")}},
    };
    for (const TCase& c : cases) {
        const TCommandLine line = ParseCommandLine(c.Arguments);
        EXPECT_EQ(line.Action, c.Action) << c.Arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(line.Files, c.Files) << c.Arguments.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_NE(ParseCommandLine({QStringLiteral("--bogus")}).Error.find("--bogus"),
              std::string::npos);
    EXPECT_EQ(CommandLineHelp().rfind("Usage: quelta [options] [FILE...]\n", 0), 0u);
    EXPECT_EQ(CommandLineVersion(), std::string("quelta ") + QUELTA_VERSION + "\n");
}
