#pragma once

#include "calc/uScheduleReport.h"

#include <QTabWidget>

class QChartView;
class QTableWidget;
class TGuiSettings;

// The results pages of the irrigation schedule window: the daily table (irrigation days
// highlighted), a chart of the depletion against RAW and TAW with the irrigations, and the
// season summary. They show what the schedule model built; they compute nothing.
class TScheduleResults : public QTabWidget {
    Q_OBJECT
public:
    explicit TScheduleResults(QWidget* parent = nullptr);

    // The chart draws depths in the unit settings chooses.
    void Show(const TScheduleTable& table, const std::vector<TInfoLine>& summary,
              const TGuiSettings& settings);

    QTableWidget* grdDays;
    QChartView* chtDepletion;
    QTableWidget* grdSeason;

    // The background of an irrigation day's row.
    static const QColor IrrigatedColour;
};
