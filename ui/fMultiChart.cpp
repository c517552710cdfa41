#include "ui/fMultiChart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLegend>
#include <QRadioButton>
#include <QStackedBarSeries>

#include <algorithm>

namespace {
std::string lastMultiChartFile;
}

const std::array<QColor, TfrmMultiChart::MaxSeries>& TfrmMultiChart::SeriesColours() {
    static const std::array<QColor, MaxSeries> colours = {QColor(255, 0, 0),   QColor(128, 0, 128),
                                                          QColor(0, 0, 255),   QColor(0, 255, 0),
                                                          QColor(255, 255, 0), QColor(255, 128, 0)};
    return colours;
}

TfrmMultiChart::TfrmMultiChart(const TGuiSettings& settings, QWidget* owner)
    : TChartWindow(settings, lastMultiChartFile, "frmMultiChart", owner) {
    QLegend* legend = Chart()->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignRight);

    rgpMultiBar = new QGroupBox(QStringLiteral(" Multi bar "));
    rgpMultiBar->setObjectName(QStringLiteral("rgpMultiBar"));
    rbtSide = new QRadioButton(QStringLiteral("Side"));
    rbtSide->setObjectName(QStringLiteral("rbtSide"));
    rbtStacked = new QRadioButton(QStringLiteral("Stacked"));
    rbtStacked->setObjectName(QStringLiteral("rbtStacked"));
    rbtSide->setChecked(true);
    auto* choices = new QHBoxLayout(rgpMultiBar);
    choices->addWidget(rbtSide);
    choices->addWidget(rbtStacked);
    Controls()->insertWidget(0, rgpMultiBar);
    // Redraws from the kept input: the bar arrangement belongs to the series' type.
    connect(rbtStacked, &QRadioButton::toggled, this, [this] { DrawMultiChart(input); });
}

bool TfrmMultiChart::Stacked() const {
    return rbtStacked->isChecked();
}

bool TfrmMultiChart::DrawMultiChart(const TChartInput& chartInput) {
    if (&chartInput != &input)
        input = chartInput;
    setWindowTitle(QString::fromStdString(input.Caption));
    Chart()->setTitle(QString::fromStdString(input.Title));
    return TryDraw([this] {
        QAbstractBarSeries* series =
            Stacked() ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries) : new QBarSeries;
        std::vector<std::string> labels;
        const std::size_t count = std::min<std::size_t>(input.Series.size(), MaxSeries);
        for (std::size_t s = 0; s < count; ++s) {
            const TChartSeries& column = input.Series[s];
            auto* set = new QBarSet(QString::fromStdString(column.Title));
            set->setColor(SeriesColours()[s]);
            set->setBorderColor(SeriesColours()[s].darker(140));
            for (double value : column.Values)
                set->append(value);
            series->append(set);
            if (labels.size() < column.Labels.size())
                labels = column.Labels;
        }
        ShowBars(series, labels, "");
    });
}

void TfrmMultiChart::ShowMultiChart(const TChartInput& chartInput) {
    if (DrawMultiChart(chartInput))
        ShowModal();
}
