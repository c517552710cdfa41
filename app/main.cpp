#include "ui/fQueltaMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TfrmQueltaMain main;
    main.showMaximized();
    return app.exec();
}
