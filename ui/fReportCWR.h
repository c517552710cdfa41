#pragma once

#include "core/cReportText.h"

#include <QDialog>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QTextEdit;
class QToolBar;
class TGuiSettings;

// The rich-text window both text reports are written into: the water requirements report and
// the strategy report. One window lives as long as the program; each report clears it, adds its
// lines and shows it modally. The lines are kept as a TReportText, so "Save as" writes the same
// RTF that quelta-cli writes.
class TfrmReportCWR : public QDialog {
    Q_OBJECT
public:
    // settings gives the report folder when a report is saved.
    TfrmReportCWR(const TGuiSettings& settings, QWidget* owner);

    void Clear();
    // A text holding CR LF becomes several lines.
    void AddLine(const std::string& text);
    // The next line is bold.
    void SetBold();
    // Shows the window modally; returns when the user has closed it.
    void ShowWindow();
    // Clear, then every line of report with its bold.
    void SetReport(const TReportText& report);
    // SetReport, then ShowWindow; the window is titled after the report it shows.
    void ShowReport(const TReportText& report,
                    const std::string& caption = "Report Crop Water Requirements");
    // The "&SaveAs" command.
    void SaveReportAs();
    // "Print...": the print dialog, then the report on the chosen printer.
    void PrintReport();
    // "Export PDF...": the report as a PDF file, laid out as it is printed.
    void ExportPdf();

    const TReportText& Lines() const { return report.Lines(); }

    QTextEdit* redReport;
    QMenuBar* mnuMain;
    QMenu* mnuFile;
    QToolBar* tlbReport;
    QAction* actSaveAs;
    QAction* actPrint;
    QAction* actExportPdf;
    QAction* actExit;

private:
    const TGuiSettings& settings;
    TReportBuilder report;
    std::string savedName; // the last name saved under, proposed again without its extension
    std::string exportedName;
    // The save dialog in the report folder with filter, the extension added to a name typed
    // without one, and the bytes written (atomically) under that name, which lastName keeps.
    void SaveReportFile(const char* filter, const char* extension, std::string& lastName,
                        const std::function<std::string()>& bytes);
};
