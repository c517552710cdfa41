#include "ui/fChart.h"

#include "calc/uAxisSteps.h"
#include "calc/uReportTables.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "ui/fMultiChart.h"
#include "ui/platform/pFileDialogs.h"
#include "ui/platform/pPrintDialogs.h"
#include "ui/uChartPicture.h"
#include "ui/uStandardKeys.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

std::string lastSingleChartFile;

// The lowest and highest value the bars reach: stacks add their positive and their negative
// parts separately.
std::pair<double, double> BarRange(QAbstractBarSeries* series) {
    const bool stacked = series->type() == QAbstractSeries::SeriesTypeStackedBar;
    double low = 0, high = 0;
    const QList<QBarSet*> sets = series->barSets();
    qsizetype count = 0;
    for (const QBarSet* set : sets)
        count = std::max<qsizetype>(count, set->count());
    for (qsizetype i = 0; i < count; ++i) {
        double up = 0, down = 0;
        for (const QBarSet* set : sets) {
            const double value = i < set->count() ? set->at(i) : 0;
            if (stacked)
                (value > 0 ? up : down) += value;
            else
                up = std::max(up, value), down = std::min(down, value);
        }
        high = std::max(high, up);
        low = std::min(low, down);
    }
    return {low, high};
}

// About six round steps from the lowest bar to above the highest (0 stays an end), labelled with
// the decimals the step needs.
void SetValueRange(QValueAxis* axis, double low, double high) {
    if (high <= low)
        high = low + 1;
    const double step = RoundAxisStep(high - low);
    const double bottom = std::floor(low / step + 1e-9) * step;
    const double top = (std::floor(high / step + 1e-9) + 1) * step; // room above the top bar
    axis->setRange(bottom, top);
    axis->setTickCount(static_cast<int>(std::lround((top - bottom) / step)) + 1);
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(AxisStepDecimals(step)) +
                         QStringLiteral("f"));
}

} // namespace

TChartWindow::TChartWindow(const TGuiSettings& settings, std::string& lastFile, const char* name,
                           QWidget* owner)
    : QDialog(owner), settings(settings), lastFile(lastFile) {
    setObjectName(QString::fromUtf8(name));
    auto* chart = new QChart;
    chart->setMargins(QMargins(6, 6, 6, 6));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    chart->setTitleFont(titleFont);
    // The axes stay for the window's life; each drawing gives them new months and a new range.
    months = new QBarCategoryAxis;
    chart->addAxis(months, Qt::AlignBottom);
    values = new QValueAxis;
    chart->addAxis(values, Qt::AlignLeft);
    chtChart = new QChartView(chart);
    chtChart->setObjectName(QStringLiteral("chtChart"));
    chtChart->setRenderHint(QPainter::Antialiasing);
    chtChart->setMinimumSize(480, 320);

    btnSaveChart = new QPushButton(QStringLiteral("Save chart"));
    btnSaveChart->setObjectName(QStringLiteral("btnSaveChart"));
    connect(btnSaveChart, &QPushButton::clicked, this, &TChartWindow::SaveChart);
    btnPrint = new QPushButton(QStringLiteral("Print..."));
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    connect(btnPrint, &QPushButton::clicked, this, &TChartWindow::PrintChart);
    auto* print = new QAction(this);
    SetStandardShortcut(print, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &TChartWindow::PrintChart);
    addAction(print);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    controls = new QHBoxLayout;
    controls->addStretch(1);
    controls->addWidget(btnSaveChart, 0, Qt::AlignBottom);
    controls->addWidget(btnPrint, 0, Qt::AlignBottom);
    controls->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chtChart, 1);
    layout->addLayout(controls);
    resize(860, 580);
}

QChart* TChartWindow::Chart() const {
    return chtChart->chart();
}

void TChartWindow::ShowBars(QAbstractBarSeries* series, const std::vector<std::string>& labels,
                            const std::string& valueTitle) {
    QChart* chart = Chart();
    chart->removeAllSeries();
    series->setLabelsVisible(false);
    chart->addSeries(series);
    QStringList categories;
    for (const std::string& label : labels)
        categories.append(QString::fromStdString(label));
    months->setCategories(categories);
    series->attachAxis(months);
    series->attachAxis(values); // attaching sets the range from the bars: round it after
    const auto [low, high] = BarRange(series);
    SetValueRange(values, low, high);
    values->setTitleText(QString::fromStdString(valueTitle));
}

bool TChartWindow::TryDraw(const std::function<void()>& draw) {
    try {
        draw();
        return true;
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowChart: ") + e.what());
        return false;
    }
}

void TChartWindow::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void TChartWindow::SaveChart() {
    const std::string proposed = lastFile.empty() ? "" : ChangeFileExt(lastFile, "");
    const TFileDialogs::TSaveChoice choice =
        FileDialogs().SaveFileChoice(this, settings.ReportFolder, kChartPictureFilter, proposed);
    if (choice.FileName.empty())
        return;
    // The name's own extension decides; a name without a known one takes the chosen filter's.
    std::string fileName = choice.FileName;
    std::optional<TChartPictureKind> kind = ChartPictureKindOf(fileName);
    if (!kind) {
        kind = choice.Filter >= 0 && choice.Filter <= static_cast<int>(TChartPictureKind::Pdf)
                   ? static_cast<TChartPictureKind>(choice.Filter)
                   : TChartPictureKind::Wmf;
        fileName += ChartPictureExtension(*kind);
    }
    try {
        SaveFileAtomically(fileName, ChartPictureBytes(*chtChart, *kind));
        lastFile = fileName;
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure btnSaveChartClick: ") + e.what());
    }
}

TfrmChart::TfrmChart(const TGuiSettings& settings, QWidget* owner)
    : TChartWindow(settings, lastSingleChartFile, "frmChart", owner) {
    Chart()->legend()->hide();
}

bool TfrmChart::DrawSingleChart(const TChartInput& input) {
    setWindowTitle(QString::fromStdString(input.Caption));
    Chart()->setTitle(QString::fromStdString(input.Title));
    return TryDraw([this, &input] {
        auto* series = new QBarSeries;
        std::vector<std::string> labels;
        if (!input.Series.empty()) {
            const TChartSeries& column = input.Series.front();
            auto* set = new QBarSet(QString::fromStdString(column.Title));
            set->setColor(Qt::red);
            for (double value : column.Values)
                set->append(value);
            series->append(set);
            labels = column.Labels;
        }
        ShowBars(series, labels, input.AxisTitle);
    });
}

void TfrmChart::ShowSingleChart(const TChartInput& input) {
    if (DrawSingleChart(input))
        ShowModal();
}

void ShowReportChart(const TChartInput& input, const TGuiSettings& settings, QWidget* owner) {
    if (input.Multi) {
        TfrmMultiChart window(settings, owner);
        window.ShowMultiChart(input);
    } else {
        TfrmChart window(settings, owner);
        window.ShowSingleChart(input);
    }
}

void TChartWindow::PrintChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Chart()->title());
    // Charts are wider than high.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!PrintDialogs().SetUpPrinter(this, printer))
        return;
    try {
        ::PrintChart(*chtChart, printer);
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}
