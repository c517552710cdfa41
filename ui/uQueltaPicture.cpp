#include "ui/uQueltaPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
