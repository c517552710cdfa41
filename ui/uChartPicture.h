#pragma once

#include <optional>
#include <string>

class QChartView;
class QPrinter;

// The picture files a chart is saved as. The first three are the ones the program always offered;
// png, svg and pdf are there for today's documents.
enum class TChartPictureKind { Wmf, Bmp, Emf, Png, Svg, Pdf };

// The save dialog's filter list, in the order of TChartPictureKind.
extern const char* const kChartPictureFilter;

// The kind a file name's extension names (any case), if any.
std::optional<TChartPictureKind> ChartPictureKindOf(const std::string& fileName);
// The extension with its dot: ".wmf".
std::string ChartPictureExtension(TChartPictureKind kind);

// The chart as the view shows it, as the bytes of a picture file of the given kind. The
// metafiles and the bitmap hold the rendered image; svg and pdf (one page of the chart's size)
// are drawn as vectors.
std::string ChartPictureBytes(QChartView& view, TChartPictureKind kind);

// The chart on one page of printer, as large as the page takes without changing its shape.
void PrintChart(QChartView& view, QPrinter& printer);
