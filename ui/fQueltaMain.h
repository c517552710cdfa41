#pragma once

#include <QMainWindow>

// The main window of the desktop program.
class TfrmQueltaMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmQueltaMain(QWidget* parent = nullptr);
};
