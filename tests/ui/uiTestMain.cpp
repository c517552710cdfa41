#include "ui/platform/pApplication.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// The window tests share one offscreen application of the program's own kind.
namespace {
// The offscreen platform says so for every window that is raised or grabs the keyboard.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        std::abort();
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietPlatformNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TQueltaApplication app(argc, argv); // with the program's net under every handler
    // The user's settings (the recent files) go to a folder of this run, not the user's own.
    QTemporaryDir userSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
