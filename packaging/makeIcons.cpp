// Writes the program's icon and the icon of each kind of data file into a hicolor icon theme
// folder, as the desktop expects them: a scalable SVG and PNGs of the usual sizes.
//   quelta-make-icons OUTPUT_FOLDER APP_ID
// Runs at build time on the offscreen platform (the labels are drawn with a font).

#include "ui/uQueltaPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

struct TKindIcon {
    const char* Name; // the MIME type with '/' as '-', as the MIME file leaves it
    const char* Label;
    QColor Colour;
};

const TKindIcon kKinds[] = {
    {"application-x-quelta-general", "GEN", QColor(60, 120, 60)},
    {"application-x-quelta-meteo", "MTF", QColor(40, 110, 190)},
    {"application-x-quelta-cropfactor", "UDC", QColor(150, 110, 30)},
    {"application-x-quelta-cropfactor-supplied", "CRP", QColor(120, 90, 40)},
    {"application-x-quelta-pattern", "PAT", QColor(80, 150, 50)},
    {"application-x-quelta-strategy", "STR", QColor(30, 130, 140)},
};

const int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

using TDraw = std::function<void(QPainter&, double)>;

bool WriteSvg(const QString& path, const QString& title, const TDraw& draw) {
    const int size = 256;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(title);
    QPainter painter(&svg);
    draw(painter, size);
    return painter.end();
}

bool WritePng(const QString& path, int size, const TDraw& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

bool WriteIcon(const QDir& theme, const char* context, const QString& name, const TDraw& draw) {
    bool ok = true;
    const QString scalable = QStringLiteral("scalable/") + QString::fromUtf8(context);
    ok = theme.mkpath(scalable) &&
         WriteSvg(theme.filePath(scalable + QLatin1Char('/') + name + QStringLiteral(".svg")), name,
                  draw);
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/").arg(size) + QString::fromUtf8(context);
        ok = ok && theme.mkpath(folder) &&
             WritePng(theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")),
                      size, draw);
    }
    if (!ok)
        std::fprintf(stderr, "quelta-make-icons: cannot write the icon %s\n", qPrintable(name));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quelta-make-icons OUTPUT_FOLDER APP_ID\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    bool ok = WriteIcon(theme, "apps", QString::fromLocal8Bit(argv[2]), DrawQueltaIcon);
    for (const TKindIcon& kind : kKinds)
        ok = WriteIcon(theme, "mimetypes", QString::fromUtf8(kind.Name),
                       [&kind](QPainter& painter, double size) {
                           DrawFileKindIcon(painter, size, QString::fromUtf8(kind.Label),
                                            kind.Colour);
                       }) &&
             ok;
    return ok ? 0 : 1;
}
