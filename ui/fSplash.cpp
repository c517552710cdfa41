#include "ui/fSplash.h"

#include "ui/uQueltaPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kWidth = 339;
constexpr int kHeight = 306;
constexpr int kPictureHeight = 200;
} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    // Counted from the start of the event loop, not from the splash's creation.
    QTimer::singleShot(0, this,
                       [this] { QTimer::singleShot(ShowMilliseconds, this, &QWidget::close); });
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    DrawQueltaPicture(painter, QRect(8, 8, kWidth - 16, kPictureHeight - 16));
    painter.setPen(palette().mid().color());
    painter.drawLine(8, kPictureHeight, kWidth - 8, kPictureHeight);
    painter.setPen(palette().windowText().color());
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    painter.setFont(title);
    const int line = (kHeight - kPictureHeight) / 4;
    const QStringList lines{QStringLiteral("Quelta: irrigation planning"),
                            QStringLiteral("Crop water and irrigation water requirements"),
                            QStringLiteral("Water balance strategies for irrigated areas")};
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 1)
            painter.setFont(font());
        painter.drawText(QRect(0, kPictureHeight + line * i + line / 2, kWidth, line),
                         Qt::AlignCenter, lines[i]);
    }
}
