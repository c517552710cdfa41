#include "ui/uStartUp.h"

#include "calc/uStrategyProject.h"
#include "calc/uStrategyReport.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"

#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fHelp.h"
#include "ui/fMeteo.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fSchedule.h"
#include "ui/fSplash.h"
#include "ui/fStrategy.h"
#include "ui/platform/pApplication.h"
#include "ui/platform/pDesktop.h"
#include "ui/platform/pSingleInstance.h"
#include "ui/uCommandLine.h"
#include "ui/uOpenFiles.h"
#include "ui/uQueltaPicture.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <iostream>

namespace {

// A window that calculates on opening may meet data the engine cannot work with: the user reads
// the system's message and the window stays closed.
void RunCalculatingWindow(const char* procedure, const std::function<void()>& run) {
    try {
        run();
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ") + procedure + ": " + e.what());
    }
}

} // namespace

void CreateEditors(TfrmQueltaMain& main) {
    // They live hidden as long as the main window, which owns them.
    auto* meteo = new TfrmMeteo(main.AllData(), &main);
    main.SetEditor(TfrmQueltaMain::TEditorSlot::Meteo, meteo);
    main.SetMeteoValidation([meteo](TAllData&) { meteo->ValidateMeteo(); });
    main.SetEditor(TfrmQueltaMain::TEditorSlot::General, new TfrmGeneral(main.AllData(), &main));
    // One report window takes every text report; the report and strategy windows are made,
    // shown modally and destroyed at each use.
    auto* reportWindow = new TfrmReportCWR(main.AllData().GuiSettings, &main);
    main.SetReportWindow([&main, reportWindow](QWidget* owner) {
        RunCalculatingWindow("OpenReport",
                             [&] { RunReportWindow(main.AllData(), *reportWindow, owner); });
    });
    main.SetScheduleWindow([&main, reportWindow](QWidget* owner) {
        RunScheduleWindow(main.AllData(), *reportWindow, owner);
    });
    main.SetStrategyWindow([&main, reportWindow](QWidget* owner) {
        TAllData& data = main.AllData();
        TStrategySources sources;
        sources.Project = [&data](int method) { return StrategyProjectOf(data, method); };
        sources.ReportHeader = [&data] { return StrategyReportHeader(data); };
        sources.ReportWindow = reportWindow;
        RunCalculatingWindow("OpenStrategy",
                             [&] { RunStrategyWindow(data, std::move(sources), owner); });
    });
    main.SetEditor(TfrmQueltaMain::TEditorSlot::CropFactor,
                   new TfrmCropFactor(main.AllData(), &main));
    main.SetEditor(TfrmQueltaMain::TEditorSlot::CropPattern,
                   new TfrmCropPattern(main.AllData(), &main));
}

TFileOpener* OpenFilesOfLaterStarts(TSingleInstance& instance, TfrmQueltaMain& main) {
    auto* opener = new TFileOpener(main);
    QObject::connect(&instance, &TSingleInstance::FilesReceived, opener, &TFileOpener::Open);
    return opener;
}

std::unique_ptr<TfrmQueltaMain> OpenMainWindow(TSingleInstance& instance,
                                               TfrmQueltaMain::TSettingsOpener openSettings,
                                               const QStringList& files) {
    InstallDesktopServices();
    InstallHelpKey();
    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    auto main = std::make_unique<TfrmQueltaMain>(std::move(openSettings));
    CreateEditors(*main);
    main->winId();
    instance.ReleaseLock();
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, main.get(),
                     &TfrmQueltaMain::BringForward);
    TFileOpener* opener = OpenFilesOfLaterStarts(instance, *main);
    main->showMaximized();
    if (!files.isEmpty())
        QTimer::singleShot(0, opener, [opener, files] { opener->Open(files); });
    return main;
}

int RunQuelta(int argc, char** argv) {
    // --help and --version need no display, so they are answered before Qt starts.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine early = ParseCommandLine(arguments);
    if (early.Action == TCommandLine::TAction::Help) {
        std::cout << CommandLineHelp();
        return 0;
    }
    if (early.Action == TCommandLine::TAction::Version) {
        std::cout << CommandLineVersion();
        return 0;
    }

    // Qt's sockets and lock files need the application object, so it comes before the guard.
    TQueltaApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style, ...) off the line by now.
    const TCommandLine line = ParseCommandLine(QApplication::arguments().mid(1));
    if (line.Action == TCommandLine::TAction::UsageError) {
        std::cerr << line.Error;
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Quelta"));
    QApplication::setWindowIcon(QueltaIcon()); // every window takes it

    // The running instance has another working folder: it gets full names.
    QStringList files;
    for (const QString& file : line.Files)
        files << QFileInfo(file).absoluteFilePath();
    TSingleInstance instance(QStringLiteral("Quelta module"));
    if (instance.Start(files) != TSingleInstance::TStart::First)
        return 0; // another start is still busy, or the running instance took the files

    const auto main = OpenMainWindow(instance, OpenProgramSettings, files);
    return app.exec();
}
