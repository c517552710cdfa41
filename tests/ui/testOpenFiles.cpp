// Files named from outside the windows: the command line, a second start, a file manager.

#include "MainWindowFixture.h"
#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestSupport.h"
#include "ui/fAbout.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fStrategy.h"
#include "ui/platform/pSingleInstance.h"
#include "ui/uOpenFiles.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string kExamples = std::string(QUELTA_BINARY_DIR) + "/examples";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Caption(const QWidget* window) {
    return window->windowTitle().toStdString();
}

// The main window with its editors on a folder of its own holding copies of the Seville example
// (their crops stay in the build's example crop library).
class OpenFiles : public TMainWindowFixture {
protected:
    TFileOpener* opener = nullptr;
    std::string gen, mtf, pat, str, crp;

    void SetUp() override {
        TMainWindowFixture::SetUp();
        opener = new TFileOpener(main); // owned by the main window
        gen = Copy(kExamples + "/General/Seville.gen", "General/Seville.gen");
        mtf = Copy(kExamples + "/Meteo/Seville.mtf", "Meteo/Seville.mtf");
        pat = Copy(kExamples + "/Pattern/Seville.pat", "Pattern/Seville.pat");
        str = Copy(std::string(QUELTA_BINARY_DIR) + "/app/Strategy/Seville-field-data.str",
                   "Strategy/Seville-field-data.str");
        crp = kExamples + "/Crop/Maize.crp";
    }

    std::string Copy(const std::string& from, const std::string& name) {
        const std::string to = dir.File(name);
        fs::create_directories(fs::path(to).parent_path());
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        return to;
    }

    void Open(const std::vector<std::string>& files) {
        QStringList list;
        for (const std::string& f : files)
            list << Q(f);
        opener->Open(list);
        DeliverPostedEvents();
    }

    template <class T>
    T* Editor() {
        return main.findChild<T*>();
    }
};

} // namespace

TEST(FileKind, ByExtensionInAnyCase) {
    const std::vector<std::pair<std::string, TFileKind>> cases = {
        {"a.gen", TFileKind::General},      {"A.GEN", TFileKind::General},
        {"x/y.mtf", TFileKind::Meteo},      {"MAIZE.CRP", TFileKind::CropFactor},
        {"own.udc", TFileKind::CropFactor}, {"p.Pat", TFileKind::CropPattern},
        {"s.str", TFileKind::Strategy},     {"notes.txt", TFileKind::Unknown},
        {"gen", TFileKind::Unknown},        {"dir.gen/file", TFileKind::Unknown},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(FileKindOf(name), kind) << name;
}

TEST_F(OpenFiles, EachFileOpensInItsEditorByKind) {
    // The pattern after the general and meteo data it needs, as a file manager passes them.
    const std::string upper = Copy(pat, "Pattern/SEVILLE2.PAT");
    Open({gen, mtf, upper, crp});
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
    auto* general = Editor<TfrmGeneral>();
    auto* meteo = Editor<TfrmMeteo>();
    auto* pattern = Editor<TfrmCropPattern>();
    auto* crop = Editor<TfrmCropFactor>();
    ASSERT_TRUE(general && meteo && pattern && crop);
    for (QWidget* editor : std::vector<QWidget*>{general, meteo, pattern, crop})
        EXPECT_TRUE(editor->isVisible()) << Caption(editor);
    EXPECT_EQ(Caption(general), "General data [" + gen + "]");
    EXPECT_EQ(Caption(meteo), "Meteo data [" + mtf + "]");
    EXPECT_EQ(Caption(pattern), "Cropping pattern [" + upper + "]");
    EXPECT_EQ(Caption(crop), "Crop factor data [" + crp + "]");
    EXPECT_EQ(data.General.FileName, gen);
    EXPECT_GT(data.CropPattern.Count(), 0);
    EXPECT_EQ(data.CropFactor.FileName, crp);
    EXPECT_EQ(general->edtCountry->text().toStdString(), data.General.Country);
    // The main window's data status follows, as after an Open in the editors.
    DeliverPostedEvents();
    EXPECT_EQ(main.lblGeneralFile->text().toStdString(), "Seville.gen");
    EXPECT_EQ(main.lblPatternFile->text().toStdString(), "SEVILLE2.PAT");
}

TEST_F(OpenFiles, AFileThatCannotBeReadGivesItsMessageAndTheOthersStillOpen) {
    WriteBytes(dir.File("damaged.mtf"), Bytes({2, 1, 6, 200, 'x'}));
    Open({dir.File("missing.gen"), dir.File("damaged.mtf"), dir.File("notes.txt"), gen});
    const auto texts = messages.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Error in procedure Load: Cannot open file \"" + dir.File("missing.gen") +
                            "\". No such file or directory");
    EXPECT_NE(texts[1].find("Error in procedure ReadData: "), std::string::npos) << texts[1];
    EXPECT_NE(texts[1].find("damaged.mtf"), std::string::npos) << texts[1];
    EXPECT_NE(texts[2].find("notes.txt"), std::string::npos) << texts[2];
    EXPECT_NE(texts[2].find(".gen"), std::string::npos) << texts[2];
    for (const auto& m : messages.Messages())
        EXPECT_EQ(m.Kind, TMessageKind::Error);
    // The damaged file changed nothing; the good one opened.
    EXPECT_TRUE(data.Meteo.FileName.empty());
    EXPECT_FALSE(Editor<TfrmMeteo>()->isVisible());
    EXPECT_EQ(data.General.FileName, gen);
    EXPECT_TRUE(Editor<TfrmGeneral>()->isVisible());
}

TEST_F(OpenFiles, APatternWaitsForGeneralAndMeteoDataAsTheMenuDoes) {
    Open({pat});
    EXPECT_EQ(
        messages.Texts(),
        std::vector<std::string>{"Load a General data file or save a new General data file first"});
    EXPECT_FALSE(Editor<TfrmCropPattern>()->isVisible());
    EXPECT_TRUE(data.CropPattern.FileName.empty());
}

TEST_F(OpenFiles, AStrategySaysWhichDataAreMissing) {
    Open({gen, str});
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Texts()[0],
              "The strategy Seville-field-data.str opens in the strategy window when general "
              "data, meteo data and a cropping pattern are loaded. Load first: meteo data, a "
              "cropping pattern.");
    EXPECT_TRUE(data.Strategy.FileName.empty());
    EXPECT_EQ(data.General.FileName, gen);
}

TEST_F(OpenFiles, AStrategyOpensTheStrategyWindowOnIt) {
    Open({gen, mtf, pat});
    ASSERT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
    std::string caption;
    RunModal<TfrmStrategy>([&] { Open({str}); },
                           [&](TfrmStrategy& window) { caption = Caption(&window); });
    EXPECT_NE(caption.find(str), std::string::npos) << caption;
}

TEST_F(OpenFiles, AnEditorWithUnsavedChangesAsksFirst) {
    Open({gen});
    auto* general = Editor<TfrmGeneral>();
    const std::string other = Copy(gen, "General/Other.gen");
    ReplaceText(general->edtCountry, QStringLiteral("Changed"));
    ASSERT_TRUE(general->Modified());

    messages.Answer(TMessageAnswer::Cancel); // stays on the changed data
    Open({other});
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes to file?"});
    EXPECT_EQ(data.General.FileName, gen);
    EXPECT_EQ(data.General.Country, "Changed");
    EXPECT_TRUE(general->Modified());

    messages.Answer(TMessageAnswer::Yes); // saves, then opens the file asked for
    Open({other});
    EXPECT_EQ(data.General.FileName, other);
    EXPECT_FALSE(general->Modified());
    TAllData saved;
    ASSERT_TRUE(saved.General.Load(gen));
    EXPECT_EQ(saved.General.Country, "Changed");

    ReplaceText(general->edtCountry, QStringLiteral("Dropped"));
    messages.Answer(TMessageAnswer::No); // drops the change
    Open({gen});
    EXPECT_EQ(data.General.FileName, gen);
    EXPECT_EQ(general->edtCountry->text().toStdString(), "Changed");
    ASSERT_TRUE(saved.General.Load(other));
    EXPECT_NE(saved.General.Country, "Dropped");
}

TEST_F(OpenFiles, FilesWaitWhileAModalWindowIsOpen) {
    int waiting = -1;
    std::string loadedMeanwhile = "?";
    RunModal<TfrmAbout>([&] { main.HelpAbout1->trigger(); },
                        [&](TfrmAbout&) {
                            Open({gen, mtf});
                            waiting = opener->Waiting();
                            loadedMeanwhile = data.General.FileName;
                        });
    EXPECT_EQ(waiting, 2);
    EXPECT_EQ(loadedMeanwhile, "");
    DeliverPostedEvents();
    EXPECT_EQ(opener->Waiting(), 0);
    EXPECT_EQ(data.General.FileName, gen);
    EXPECT_EQ(data.Meteo.FileName, mtf);
}

// Two processes: this test is the running program, and the real quelta started a second time
// hands its files over and ends.
TEST_F(OpenFiles, ASecondStartHandsItsFilesToTheRunningProgram) {
    QTemporaryDir temp; // the lock and the socket of this test only
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    {
        TSingleInstance instance(QStringLiteral("Quelta module"));
        ASSERT_EQ(instance.Start(), TSingleInstance::TStart::First);
        instance.ReleaseLock();
        OpenFilesOfLaterStarts(instance, main);
        QSignalSpy raised(&instance, &TSingleInstance::RaiseRequested);

        auto secondStart = [&](const QStringList& arguments) {
            QProcess quelta;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("TMPDIR"), temp.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            quelta.setProcessEnvironment(env);
            quelta.setWorkingDirectory(Q(dir.Path()));
            quelta.start(QStringLiteral(QUELTA_PROGRAM), arguments);
            EXPECT_TRUE(quelta.waitForFinished(20000));
            EXPECT_EQ(quelta.exitStatus(), QProcess::NormalExit);
            return quelta.exitCode();
        };
        // Names relative to the second start's working folder.
        EXPECT_EQ(secondStart(
                      {QStringLiteral("General/Seville.gen"), QStringLiteral("Meteo/Seville.mtf")}),
                  0);
        QElapsedTimer clock;
        clock.start();
        while ((data.Meteo.FileName.empty() || raised.isEmpty()) && clock.elapsed() < 10000)
            DeliverPostedEvents();
        EXPECT_EQ(data.General.FileName, gen);
        EXPECT_EQ(data.Meteo.FileName, mtf);
        EXPECT_TRUE(Editor<TfrmGeneral>()->isVisible());
        EXPECT_TRUE(Editor<TfrmMeteo>()->isVisible());
        EXPECT_EQ(raised.count(), 1);

        // A start without files only brings the program forward.
        EXPECT_EQ(secondStart({}), 0);
        clock.restart();
        while (raised.count() < 2 && clock.elapsed() < 10000)
            DeliverPostedEvents();
        EXPECT_EQ(raised.count(), 2);
        EXPECT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
    }
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
}

TEST(HandOver, MessagesRoundTripAndForeignBytesAreRefused) {
    const QStringList files = {QStringLiteral("/a/Seville.gen"), QStringLiteral("/b/ä ö.mtf"),
                               QStringLiteral("/c/line\nbreak.pat")};
    QStringList read;
    ASSERT_TRUE(ReadHandOverMessage(HandOverMessage(files), read));
    EXPECT_EQ(read, files);
    ASSERT_TRUE(ReadHandOverMessage(HandOverMessage({}), read));
    EXPECT_TRUE(read.isEmpty());
    for (const QByteArray& foreign :
         {QByteArray("r"), QByteArray(), HandOverMessage(files).chopped(3),
          HandOverMessage(files) + "more", QByteArray(12, '\xff'),
          // our magic, then a count of names far beyond the bytes that follow
          HandOverMessage({}).chopped(4) + QByteArray(8, '\x7f')})
        EXPECT_FALSE(ReadHandOverMessage(foreign, read)) << foreign.toHex().toStdString();
}
