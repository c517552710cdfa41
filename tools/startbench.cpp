// Time from process start to the main window shown, offscreen, against a bare Qt window in the
// same run. The parent starts this program again as a child in each mode, alternating, and
// times each child from spawn to exit.
//   build/tools/startbench [RUNS]

#include "core/cGuiSettings.h"
#include "ui/platform/pSingleInstance.h"
#include "ui/uStartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void ShowUntilPainted(QWidget& window) {
    window.showMaximized();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

int ChildBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    ShowUntilPainted(window);
    return 0;
}

int ChildQuelta(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TSingleInstance instance(QStringLiteral("Quelta startbench ") + QUuid::createUuid().toString());
    if (instance.Start() != TSingleInstance::TStart::First)
        return 1;
    auto main = OpenMainWindow(instance, [&folder](TGuiSettings& settings) {
        settings.OpenProgramFolder(folder.path().toStdString(),
                                   folder.filePath(QStringLiteral("quelta.INI")).toStdString());
    });
    ShowUntilPainted(*main);
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare")
        return ChildBare(argc, argv);
    if (mode == "--quelta")
        return ChildQuelta(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> bare;
    std::vector<double> quelta;
    for (int i = 0; i < runs; ++i) {
        for (const char* child : {"--bare", "--quelta"}) {
            QElapsedTimer clock;
            clock.start();
            const int rc = QProcess::execute(self, {QString::fromUtf8(child)});
            const double ms = clock.nsecsElapsed() / 1e6;
            if (rc != 0) {
                std::fprintf(stderr, "%s failed (%d)\n", child, rc);
                return 1;
            }
            (child[2] == 'b' ? bare : quelta).push_back(ms);
        }
    }
    const double b = Median(bare);
    const double q = Median(quelta);
    std::printf(
        "runs %d, medians: bare Qt window %.1f ms, Quelta main window %.1f ms, ratio %.2f\n", runs,
        b, q, q / b);
    return 0;
}
