#include "ui/fQueltaMain.h"

#include <QMenuBar>

TfrmQueltaMain::TfrmQueltaMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quelta"));
    menuBar();
    resize(1024, 700);
}
