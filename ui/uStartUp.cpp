#include "ui/uStartUp.h"

#include "ui/fQueltaMain.h"
#include "ui/fSplash.h"
#include "ui/platform/pDesktop.h"
#include "ui/platform/pSingleInstance.h"

#include <QApplication>

int RunQuelta(int argc, char** argv) {
    // Qt's sockets and lock files need the application object, so it comes before the guard.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelta"));

    TSingleInstance instance(QStringLiteral("Quelta module"));
    if (instance.Start() != TSingleInstance::TStart::First)
        return 0; // another start is still busy, or the running instance came forward

    InstallDesktopServices();
    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    TfrmQueltaMain main(OpenProgramSettings);
    main.winId();
    instance.ReleaseLock();
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &main,
                     &TfrmQueltaMain::BringForward);
    main.showMaximized();
    return app.exec();
}
