#include "ui/uReportPrint.h"

#include "core/cError.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr double kLargestPoints = 10;
constexpr int kPortraitCharacters = 100;

QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

int WidestLine(const TReportText& lines) {
    int widest = 1;
    for (const TReportLine& line : lines)
        widest = std::max(widest, static_cast<int>(QString::fromStdString(line.Text).size()));
    return widest;
}

// The font at the size at which characters of the widest line fill width (in device pixels),
// regular and bold alike.
QFont FittingFont(const TReportText& lines, double width, double dpi, QPaintDevice& device) {
    const QString widest(WidestLine(lines), QLatin1Char('M'));
    QFont font = ReportFont();
    const double trial = 1000;
    font.setPixelSize(static_cast<int>(trial));
    QFont bold = font;
    bold.setBold(true);
    const double advance = std::max(QFontMetricsF(font, &device).horizontalAdvance(widest),
                                    QFontMetricsF(bold, &device).horizontalAdvance(widest));
    const double largest = kLargestPoints * dpi / 72.0;
    // A pixel less than the exact fit, so rounding never pushes the last character off.
    const double size = std::min(largest, trial * width / advance - 1);
    font.setPixelSize(std::max(1, static_cast<int>(size)));
    return font;
}

} // namespace

bool ReportWantsLandscape(const TReportText& lines) {
    return WidestLine(lines) > kPortraitCharacters;
}

void PrintReport(const TReportText& lines, QPagedPaintDevice& device, const QString& title) {
    QPainter painter;
    if (!painter.begin(&device))
        throw TQueltaError("The printer cannot be opened");
    const double dpi = device.logicalDpiY();
    const double width = device.width();
    const double height = device.height();
    const QFont font = FittingFont(lines, width, device.logicalDpiX(), device);
    QFont bold = font;
    bold.setBold(true);
    QFont footerFont = ReportFont();
    footerFont.setPixelSize(static_cast<int>(8 * dpi / 72.0));

    const QFontMetricsF metrics(font, &device);
    const double lineHeight = metrics.lineSpacing();
    const double footerHeight = QFontMetricsF(footerFont, &device).lineSpacing() * 2;
    const int perPage = std::max(1, static_cast<int>((height - footerHeight) / lineHeight));
    const int pages = std::max<int>(1, (static_cast<int>(lines.size()) + perPage - 1) / perPage);

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            throw TQueltaError("The printer cannot start a new page");
        double y = metrics.ascent();
        const std::size_t first = static_cast<std::size_t>(page) * perPage;
        const std::size_t end = std::min(lines.size(), first + perPage);
        for (std::size_t i = first; i < end; ++i) {
            painter.setFont(lines[i].Bold ? bold : font);
            painter.drawText(QPointF(0, y), QString::fromStdString(lines[i].Text));
            y += lineHeight;
        }
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, height - footerHeight / 2, width, footerHeight / 2),
                         Qt::AlignLeft | Qt::AlignBottom, title);
        painter.drawText(QRectF(0, height - footerHeight / 2, width, footerHeight / 2),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }
    painter.end();
}

std::string ReportPdfBytes(const TReportText& lines, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Quelta"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      ReportWantsLandscape(lines) ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        PrintReport(lines, pdf, title);
    }
    return bytes.toStdString();
}

void PrepareReportPrinter(QPrinter& printer, const TReportText& lines, const QString& title) {
    printer.setDocName(title);
    printer.setPageOrientation(ReportWantsLandscape(lines) ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
}
