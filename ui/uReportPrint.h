#pragma once

#include "core/cReportText.h"

#include <QString>

#include <string>

class QPagedPaintDevice;
class QPrinter;

// Printed reports. The report lines line their columns up with blanks and reach 97 (water
// requirements) and 129 characters (strategy), so they are set in a fixed-width font scaled down
// until the widest line fits the page's width (never above 10 points); a line is never wrapped
// or cut. Bold lines stay bold. Each page ends with the title and "Page n of m".

// Lays the report out on device's pages, from the page it is on.
void PrintReport(const TReportText& lines, QPagedPaintDevice& device, const QString& title);

// Landscape pays for reports wider than a portrait page takes at a readable size.
bool ReportWantsLandscape(const TReportText& lines);

// The report as the bytes of a PDF file (A4).
std::string ReportPdfBytes(const TReportText& lines, const QString& title);

// Sets printer up for the report (orientation, document name) before its dialog is shown.
void PrepareReportPrinter(QPrinter& printer, const TReportText& lines, const QString& title);
