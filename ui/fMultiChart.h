#pragma once

#include "calc/uReportTables.h"
#include "ui/fChart.h"

#include <QColor>

#include <array>

class QGroupBox;
class QRadioButton;

// Up to six columns of a report table per month, as bar series side by side or stacked, with a
// legend of the columns' titles.
class TfrmMultiChart : public TChartWindow {
    Q_OBJECT
public:
    static constexpr int MaxSeries = 6;
    // The series' colours in order: red, purple, blue, lime, yellow, orange.
    static const std::array<QColor, MaxSeries>& SeriesColours();

    TfrmMultiChart(const TGuiSettings& settings, QWidget* owner);

    // Draws the chart and shows the window modally.
    void ShowMultiChart(const TChartInput& input);
    // Draws the chart without showing the window; false after an error was reported.
    bool DrawMultiChart(const TChartInput& input);
    bool Stacked() const;

    QGroupBox* rgpMultiBar;
    QRadioButton* rbtSide;
    QRadioButton* rbtStacked;

private:
    TChartInput input;
};
