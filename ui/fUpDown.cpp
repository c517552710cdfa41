#include "ui/fUpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QLineEdit* field, int lowest, int highest, QWidget* parent)
    : QWidget(parent), associate(field), min(lowest), max(highest) {
    up = new QToolButton(this);
    down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up, down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 12);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    associate->installEventFilter(this);
}

void TUpDown::SetRange(int lowest, int highest) {
    min = lowest;
    max = highest;
}

void TUpDown::Step(int delta) {
    if (!isEnabled())
        return;
    bool ok = false;
    const int now = associate->text().toInt(&ok);
    const int next = std::clamp(ok ? now + delta : min, min, max);
    associate->setText(QString::number(next));
    emit Clicked();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
