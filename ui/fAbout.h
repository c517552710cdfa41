#pragma once

#include <QDialog>

class QPushButton;

// The about box: the program's name and version; "Details" tells where to report problems.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent);

    QPushButton* btnOK;
    QPushButton* btnDetails;

    static std::string DetailsText();
};
