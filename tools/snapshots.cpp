// Opens every window of the desktop program on a small project and saves one PNG per window
// into the folder named on the command line. Runs headless (offscreen platform).

#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fAbout.h"
#include "ui/fQueltaMain.h"
#include "ui/fSettings.h"
#include "ui/fSplash.h"
#include "ui/fToolBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool Save(QWidget* window, const QDir& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A site as a user would have loaded it.
void FillProject(TAllData& data) {
    TGeneral& g = data.General;
    g.Clear();
    g.FileName = "/home/user/Quelta/General/NILE DELTA PILOT AREA.gen";
    g.Country = "Egypt";
    g.Region = "Nile delta, pilot area of the west branch";
    g.Description = "Surface irrigation with canal supply and shallow groundwater";
    g.Hemisphere = "North";
    g.Latitude = 30.35;
    g.Altitude = 12;
    g.GrossArea = 1500;
    g.IrrigableArea = 1250;
    g.CalcPeriod = "Month";
    g.ApplInterval = 10;
    g.MeanDepth = 75;
    g.DataValid = true;
    data.Meteo.FileName = "/home/user/Quelta/Meteo/TANTA 1961-1990.mtf";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: snapshots OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    TStderrMessages messages; // nothing here should ask the user anything
    SetUserMessages(&messages);
    QTemporaryDir programFolder;

    bool ok = true;
    TfrmSplash* splash = new TfrmSplash;
    ok = Save(splash, folder, "splash") && ok;
    splash->close();

    TfrmQueltaMain main([&programFolder](TGuiSettings& settings) {
        settings.OpenProgramFolder(
            programFolder.path().toStdString(),
            programFolder.filePath(QStringLiteral("quelta.INI")).toStdString());
    });
    FillProject(main.AllData());
    main.resize(1024, 700);
    main.show();
    main.RefreshDataStatus();
    ok = Save(&main, folder, "main") && ok;

    TfrmAbout about(&main);
    ok = Save(&about, folder, "about") && ok;
    about.close();

    TfrmSettings settings(main.AllData().GuiSettings, &main);
    ok = Save(&settings, folder, "settings") && ok;
    settings.close();

    // The command strip as the data editors carry it, Save and Save As disabled until a change.
    TfrmToolBar strip(nullptr);
    strip.ShowOnly({strip.FileNew1, strip.FileOpen1, strip.FileSave1, strip.FileSaveAs1,
                    strip.CopyToClipboard});
    strip.FileSave1->setEnabled(false);
    strip.FileSaveAs1->setEnabled(false);
    strip.setWindowTitle(QStringLiteral("Command strip"));
    ok = Save(&strip, folder, "toolbar") && ok;

    return ok && messages.ErrorCount() == 0 ? 0 : 1;
}
