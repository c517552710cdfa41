#include "ui/fAbout.h"

#include "core/cUserMessages.h"
#include "ui/uQueltaPicture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef QUELTA_VERSION
#define QUELTA_VERSION "0.1.0"
#endif

namespace {

class TPicture : public QWidget {
public:
    TPicture() { setFixedSize(96, 96); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawQueltaPicture(painter, rect());
    }
};

} // namespace

std::string TfrmAbout::DetailsText() {
    return std::string("Quelta version ") + QUELTA_VERSION +
           "\r\rPlease report problems and questions to the Quelta developers:\r"
           "describe what you did, what you expected and what happened,\r"
           "and add the data files that show the problem.";
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Quelta " QUELTA_VERSION));
    auto* name = new QLabel(QStringLiteral("Quelta"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto* purpose = new QLabel(QStringLiteral("Crop water requirements, irrigation water "
                                              "requirements\nand water balance strategies"));
    auto* version = new QLabel(QStringLiteral("Version " QUELTA_VERSION));
    version->setObjectName(QStringLiteral("lblVersion"));

    btnOK = new QPushButton(QStringLiteral("OK"));
    btnOK->setDefault(true);
    btnDetails = new QPushButton(QStringLiteral("Details"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDetails, &QPushButton::clicked, this, [] { ShowInformation(DetailsText()); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(purpose);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(new TPicture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDetails);
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}
