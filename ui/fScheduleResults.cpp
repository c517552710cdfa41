#include "ui/fScheduleResults.h"

#include "calc/uAxisSteps.h"
#include "core/cGuiSettings.h"
#include "ui/uQtText.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

const QColor TScheduleResults::IrrigatedColour(198, 226, 255);

namespace {

// Ticks on the multiples of step within the axis's range, labelled with the decimals it needs.
void TickAtRoundSteps(QValueAxis* axis, double step) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(AxisStepDecimals(step)) +
                         QStringLiteral("f"));
}

QTableWidget* MakeGrid(const char* name) {
    auto* grid = new QTableWidget;
    grid->setObjectName(QString::fromUtf8(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    return grid;
}

QTableWidgetItem* Cell(const TReportCell& cell) {
    auto* item = new QTableWidgetItem(Q(cell.Text));
    if (cell.Value)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLineSeries* Line(QChart* chart, const QString& name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2, style));
    chart->addSeries(series);
    return series;
}

} // namespace

TScheduleResults::TScheduleResults(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("pgcResults"));
    grdDays = MakeGrid("grdDays");
    grdSeason = MakeGrid("grdSeason");
    grdSeason->horizontalHeader()->hide();
    chtDepletion = new QChartView(new QChart);
    chtDepletion->setObjectName(QStringLiteral("chtDepletion"));
    chtDepletion->setRenderHint(QPainter::Antialiasing);
    chtDepletion->setMinimumSize(420, 260);
    addTab(grdDays, QStringLiteral("Daily water balance"));
    addTab(chtDepletion, QStringLiteral("Depletion chart"));
    addTab(grdSeason, QStringLiteral("Season"));
}

void TScheduleResults::Show(const TScheduleTable& table, const std::vector<TInfoLine>& summary,
                            const TGuiSettings& settings) {
    grdDays->clear();
    grdDays->setColumnCount(static_cast<int>(table.Header.size()));
    grdDays->setRowCount(static_cast<int>(table.Rows.size()));
    for (std::size_t c = 0; c < table.Header.size(); ++c) {
        const std::string unit = table.Units[c].empty() ? "" : "\n(" + table.Units[c] + ")";
        grdDays->setHorizontalHeaderItem(static_cast<int>(c),
                                         new QTableWidgetItem(Q(table.Header[c] + unit)));
    }
    for (std::size_t r = 0; r < table.Rows.size(); ++r)
        for (std::size_t c = 0; c < table.Rows[r].size(); ++c) {
            QTableWidgetItem* item = Cell(table.Rows[r][c]);
            if (table.Irrigated[r])
                item->setBackground(IrrigatedColour);
            grdDays->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    grdDays->resizeColumnsToContents();

    grdSeason->clear();
    grdSeason->setColumnCount(3);
    grdSeason->setRowCount(static_cast<int>(summary.size()));
    for (std::size_t r = 0; r < summary.size(); ++r) {
        const TInfoLine& line = summary[r];
        grdSeason->setItem(static_cast<int>(r), 0, new QTableWidgetItem(Q(line.Caption)));
        grdSeason->setItem(static_cast<int>(r), 1, Cell({line.Value, line.Raw}));
        grdSeason->setItem(static_cast<int>(r), 2, new QTableWidgetItem(Q(line.Unit)));
    }
    grdSeason->resizeColumnsToContents();

    // The chart draws the metric numbers of the cells in the shown unit.
    auto depth = [&settings](const std::optional<double>& value) {
        return settings.DisplayValue(QuantityKind::Depth, value.value_or(0));
    };
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Root-zone depletion"));
    QLineSeries* taw = Line(chart, QStringLiteral("TAW"), QColor(120, 80, 40), Qt::SolidLine);
    QLineSeries* raw = Line(chart, QStringLiteral("RAW"), QColor(200, 120, 0), Qt::DashLine);
    QLineSeries* dr = Line(chart, QStringLiteral("Dr"), QColor(0, 90, 170), Qt::SolidLine);
    auto* irrigations = new QScatterSeries;
    irrigations->setName(Q("Net irrigation"));
    irrigations->setColor(QColor(0, 150, 60));
    irrigations->setMarkerSize(9);
    chart->addSeries(irrigations);
    double top = 1;
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const auto& row = table.Rows[r];
        const double day = row[ScheduleColumn::Day].Value.value_or(0);
        taw->append(day, depth(row[ScheduleColumn::TAW].Value));
        raw->append(day, depth(row[ScheduleColumn::RAW].Value));
        dr->append(day, depth(row[ScheduleColumn::Dr].Value));
        if (table.Irrigated[r])
            irrigations->append(day, depth(row[ScheduleColumn::Net].Value));
        top = std::max(
            {top, depth(row[ScheduleColumn::TAW].Value), depth(row[ScheduleColumn::Net].Value)});
    }
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Day of the season"));
    const double days = std::max<double>(2, static_cast<double>(table.Rows.size()));
    x->setRange(1, days);
    TickAtRoundSteps(x, RoundAxisStep(days));
    auto* y = new QValueAxis;
    y->setTitleText(Q("Depth (" + settings.CurrentUnitLabel(QuantityKind::Depth) + ")"));
    y->setRange(0, top * 1.05);
    TickAtRoundSteps(y, RoundAxisStep(top * 1.05));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    QChart* old = chtDepletion->chart();
    chtDepletion->setChart(chart);
    delete old;
}
