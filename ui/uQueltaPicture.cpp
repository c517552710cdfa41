#include "ui/uQueltaPicture.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

void DrawQueltaPicture(QPainter& painter, const QRect& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(box);
    const double w = box.width();
    const double h = box.height();
    const double x0 = box.left();
    const double y0 = box.top();
    const double horizon = y0 + h * 0.45;

    QLinearGradient sky(0, y0, 0, horizon);
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(1, QColor(215, 235, 250));
    painter.fillRect(QRectF(x0, y0, w, horizon - y0), sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QPointF(x0 + w * 0.80, y0 + h * 0.17), h * 0.09, h * 0.09);

    // The field in perspective: rows of crop converging on the horizon, a canal in front.
    QLinearGradient soil(0, horizon, 0, y0 + h);
    soil.setColorAt(0, QColor(150, 115, 70));
    soil.setColorAt(1, QColor(110, 80, 45));
    painter.fillRect(QRectF(x0, horizon, w, y0 + h - horizon), soil);
    const QPointF vanish(x0 + w * 0.5, horizon - h * 0.25);
    const double bottom = y0 + h * 0.86;
    for (int i = -6; i <= 6; ++i) {
        const QPointF foot(x0 + w * 0.5 + i * w * 0.11, bottom);
        const double t = (horizon - vanish.y()) / (foot.y() - vanish.y());
        const QPointF top(vanish.x() + (foot.x() - vanish.x()) * t, horizon);
        QPen pen(QColor(70, 150, 60), h * 0.035, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(top, foot);
    }
    painter.setPen(Qt::NoPen);
    QLinearGradient water(0, bottom, 0, y0 + h);
    water.setColorAt(0, QColor(60, 130, 200));
    water.setColorAt(1, QColor(30, 90, 160));
    painter.fillRect(QRectF(x0, bottom, w, y0 + h - bottom), water);

    // A drop over the field.
    QPainterPath drop;
    const QPointF tip(x0 + w * 0.2, y0 + h * 0.08);
    const double r = h * 0.08;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(r * 0.2, r * 1.2), tip + QPointF(r * 1.2, r * 1.6),
                 tip + QPointF(0, r * 2.4));
    drop.cubicTo(tip + QPointF(-r * 1.2, r * 1.6), tip + QPointF(-r * 0.2, r * 1.2), tip);
    painter.setBrush(QColor(40, 110, 200));
    painter.drawPath(drop);
    painter.restore();
}

namespace {

QPainterPath DropPath(const QPointF& tip, double r) {
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(r * 0.25, r * 0.9), tip + QPointF(r * 1.25, r * 1.45),
                 tip + QPointF(0, r * 2.55));
    drop.cubicTo(tip + QPointF(-r * 1.25, r * 1.45), tip + QPointF(-r * 0.25, r * 0.9), tip);
    return drop;
}

} // namespace

void DrawQueltaIcon(QPainter& painter, double size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double corner = size * 0.18;
    QLinearGradient back(0, 0, 0, size);
    back.setColorAt(0, QColor(150, 205, 245));
    back.setColorAt(0.62, QColor(215, 238, 252));
    back.setColorAt(0.63, QColor(90, 165, 70));
    back.setColorAt(1, QColor(55, 125, 45));
    painter.setBrush(back);
    painter.drawRoundedRect(QRectF(0, 0, size, size), corner, corner);

    // Crop rows on the field, left out where they would only blur at small sizes.
    if (size >= 32) {
        painter.setPen(QPen(QColor(35, 95, 30), size * 0.03));
        for (int i = 1; i <= 3; ++i) {
            const double y = size * (0.63 + i * 0.09);
            painter.drawLine(QPointF(size * 0.08, y), QPointF(size * 0.92, y));
        }
        painter.setPen(Qt::NoPen);
    }

    QLinearGradient blue(size * 0.3, 0, size * 0.7, size * 0.7);
    blue.setColorAt(0, QColor(70, 150, 230));
    blue.setColorAt(1, QColor(25, 85, 170));
    painter.setBrush(blue);
    painter.drawPath(DropPath(QPointF(size * 0.5, size * 0.06), size * 0.24));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QPointF(size * 0.42, size * 0.42), size * 0.045, size * 0.08);
}

void DrawFileKindIcon(QPainter& painter, double size, const QString& label, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The page, a little narrower than high, with its top right corner folded.
    const double left = size * 0.14;
    const double right = size * 0.86;
    const double top = size * 0.04;
    const double bottom = size * 0.96;
    const double fold = size * 0.2;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    painter.setPen(QPen(QColor(120, 120, 120), std::max(1.0, size / 48)));
    painter.setBrush(QColor(252, 252, 252));
    painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(215, 215, 215));
    painter.drawPath(corner);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 110, 200));
    painter.drawPath(DropPath(QPointF(size * 0.4, size * 0.12), size * 0.1));

    // The kind's band with its extension; below 32 pixels the text would be a smudge.
    const QRectF band(left, size * 0.56, right - left, size * 0.26);
    painter.setBrush(colour);
    painter.drawRect(band);
    if (size >= 32) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(static_cast<int>(band.height() * 0.72));
        QPainterPath text;
        text.addText(0, 0, font, label);
        const QRectF bounds = text.boundingRect();
        const double scale = std::min(1.0, band.width() * 0.9 / bounds.width());
        painter.translate(band.center());
        painter.scale(scale, scale);
        painter.translate(-bounds.center());
        painter.setBrush(Qt::white);
        painter.drawPath(text); // as a path, so the SVG needs no font
    }
    painter.restore();
}

QIcon QueltaIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        DrawQueltaIcon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
