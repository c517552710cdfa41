#include "ui/uChartPicture.h"

#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cPictureFiles.h"

#include <QBuffer>
#include <QChartView>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <array>
#include <cctype>

namespace {

constexpr std::array<const char*, 6> kExtensions = {".wmf", ".bmp", ".emf", ".png", ".svg", ".pdf"};

void Render(QChartView& view, QPainter& painter, const QSize& size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    view.scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), view.sceneRect());
}

QImage RenderImage(QChartView& view, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(view, painter, size);
    painter.end();
    return image;
}

TPixelImage PixelImageOf(const QImage& image) {
    TPixelImage pixels;
    pixels.Width = image.width();
    pixels.Height = image.height();
    pixels.Pixels.reserve(static_cast<std::size_t>(pixels.Width) * pixels.Height);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        pixels.Pixels.insert(pixels.Pixels.end(), line, line + image.width());
    }
    return pixels;
}

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw TQueltaError("The picture could not be written as PNG");
    return bytes.toStdString();
}

std::string SvgBytes(QChartView& view, const QSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(view.chart() ? view.chart()->title() : QString());
    QPainter painter(&svg);
    Render(view, painter, size);
    painter.end();
    return bytes.toStdString();
}

std::string PdfBytes(QChartView& view, const QSize& size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // A page of the chart's own size, one point to a pixel.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setTitle(view.chart() ? view.chart()->title() : QString());
        pdf.setCreator(QStringLiteral("Quelta"));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        Render(view, painter, size);
        painter.end();
    }
    return bytes.toStdString();
}

} // namespace

const char* const kChartPictureFilter = "wmf-files|*.wmf|bmp-files|*.bmp|emf-files|*.emf|"
                                        "png-files|*.png|svg-files|*.svg|pdf-files|*.pdf";

std::optional<TChartPictureKind> ChartPictureKindOf(const std::string& fileName) {
    std::string ext = FileExtension(fileName);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t i = 0; i < kExtensions.size(); ++i)
        if (ext == kExtensions[i])
            return static_cast<TChartPictureKind>(i);
    return std::nullopt;
}

std::string ChartPictureExtension(TChartPictureKind kind) {
    return kExtensions[static_cast<std::size_t>(kind)];
}

std::string ChartPictureBytes(QChartView& view, TChartPictureKind kind) {
    const QSize size = view.viewport()->size();
    if (size.isEmpty())
        throw TQueltaError("The chart has no size to draw");
    if (kind == TChartPictureKind::Svg)
        return SvgBytes(view, size);
    if (kind == TChartPictureKind::Pdf)
        return PdfBytes(view, size);
    const QImage image = RenderImage(view, size);
    switch (kind) {
    case TChartPictureKind::Wmf:
        return WmfFileBytes(PixelImageOf(image));
    case TChartPictureKind::Emf:
        return EmfFileBytes(PixelImageOf(image));
    case TChartPictureKind::Bmp:
        return BmpFileBytes(PixelImageOf(image));
    default:
        return PngBytes(image);
    }
}

void PrintChart(QChartView& view, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw TQueltaError("The printer cannot be opened");
    const QSizeF chart = view.viewport()->size();
    if (chart.isEmpty())
        throw TQueltaError("The chart has no size to draw");
    const QSizeF page(printer.width(), printer.height());
    const QSizeF fitted = chart.scaled(page, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    view.scene()->render(&painter, QRectF(QPointF(0, 0), fitted), view.sceneRect());
    painter.end();
}
