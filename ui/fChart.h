#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QValueAxis;
class QChart;
class QChartView;
class QHBoxLayout;
class QPushButton;
class TGuiSettings;
struct TChartInput;

// What both chart windows share: a bar chart of the twelve months of a report table, and
// "Save chart", which writes it as a picture in the report folder.
class TChartWindow : public QDialog {
    Q_OBJECT
public:
    // "Save chart": asks for a file and writes the chart as the kind its extension (or the
    // chosen filter) names.
    void SaveChart();
    // "Print...": the print dialog, then the chart on one page.
    void PrintChart();

    QChartView* chtChart;
    QPushButton* btnSaveChart;
    QPushButton* btnPrint;

protected:
    // lastFile: the name this kind of chart was saved under last, kept for the run.
    TChartWindow(const TGuiSettings& settings, std::string& lastFile, const char* name,
                 QWidget* owner);
    QChart* Chart() const;
    // Where a subclass puts its own controls beside "Save chart".
    QHBoxLayout* Controls() const { return controls; }
    // Shows the series (its bar sets filled) on month categories, with a value axis from 0
    // to a round number above the highest bar (or stack).
    void ShowBars(QAbstractBarSeries* series, const std::vector<std::string>& labels,
                  const std::string& valueTitle);
    // Runs a drawing step; an error in it is reported as ShowChart's, and false returned.
    static bool TryDraw(const std::function<void()>& draw);
    void ShowModal();

private:
    const TGuiSettings& settings;
    std::string& lastFile;
    QHBoxLayout* controls;
    QBarCategoryAxis* months;
    QValueAxis* values;
};

// One column of a report table per month: one red series, no legend, the column's unit on the
// value axis.
class TfrmChart : public TChartWindow {
    Q_OBJECT
public:
    TfrmChart(const TGuiSettings& settings, QWidget* owner);

    // Draws the chart and shows the window modally.
    void ShowSingleChart(const TChartInput& input);
    // Draws the chart without showing the window; false after an error was reported.
    bool DrawSingleChart(const TChartInput& input);
};

// The chart of a report table's input: a multi-series chart or the chart of one column, shown
// modally over owner.
void ShowReportChart(const TChartInput& input, const TGuiSettings& settings, QWidget* owner);
