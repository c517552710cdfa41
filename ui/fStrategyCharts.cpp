#include "ui/fStrategyCharts.h"

#include "core/cUserMessages.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <exception>

namespace {

QChartView* MakeChart(QWidget* parent, const char* name, const QString& yTitle) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* x = new QValueAxis;
    x->setRange(0, 1);
    x->setTickCount(11);
    x->setLabelFormat(QStringLiteral("%.1f"));
    x->setTitleText(QStringLiteral("Depleted fraction"));
    auto* y = new QValueAxis;
    y->setTitleText(yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromUtf8(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    return view;
}

QValueAxis* Axis(QChart* chart, Qt::Orientation orientation) {
    return static_cast<QValueAxis*>(chart->axes(orientation).first());
}

template <class TSeries>
TSeries* AddSeries(QChart* chart, const QColor& colour) {
    auto* series = new TSeries;
    chart->addSeries(series);
    series->attachAxis(Axis(chart, Qt::Horizontal));
    series->attachAxis(Axis(chart, Qt::Vertical));
    series->setColor(colour);
    return series;
}

void AddLine(QChart* chart, const QList<QPointF>& points, const QColor& colour, qreal width,
             Qt::PenStyle style = Qt::SolidLine) {
    auto* line = AddSeries<QLineSeries>(chart, colour);
    QPen pen(colour, width, style);
    line->setPen(pen);
    line->append(points);
}

void AddPoints(QChart* chart, const std::vector<TChartPoint>& points) {
    try {
        auto* series = AddSeries<QScatterSeries>(chart, QColor(0, 90, 170));
        series->setMarkerSize(8);
        for (const TChartPoint& p : points)
            series->append(p.X, p.Y);
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowPointSeries: ") + e.what());
    }
}

void AddLabel(QChart* chart, double x, double y) {
    auto* label = AddSeries<QScatterSeries>(chart, QColor(180, 0, 0));
    label->setMarkerSize(1);
    label->setPointLabelsClipping(false);
    label->setPointLabelsFormat(QStringLiteral("DFsust"));
    label->setPointLabelsVisible(true);
    label->setPointLabelsColor(QColor(180, 0, 0));
    label->append(x, y);
}

// A range that holds the values with a little room, never a single point.
std::pair<double, double> RangeOf(std::vector<double> values) {
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    double low = *lo, high = *hi;
    const double room = std::max(0.05, 0.1 * (high - low));
    return {low - room, high + room};
}

} // namespace

TStrategyCharts::TStrategyCharts(QWidget* parent) {
    GWTChart = MakeChart(parent, "GWTChart", QString());
    ETChart = MakeChart(parent, "ETChart", QStringLiteral("ETa / ETp for irrigated area"));
}

void TStrategyCharts::SetGWTAxisTitle(const std::string& title) {
    Axis(GWTChart->chart(), Qt::Vertical)->setTitleText(QString::fromStdString(title));
}

void TStrategyCharts::Clear() {
    GWTChart->chart()->removeAllSeries();
    ETChart->chart()->removeAllSeries();
}

void TStrategyCharts::Draw(const TWaterBalanceCharts& c, double lengthFactor) {
    Clear();
    const double df = c.DFsustainable;
    const QColor line(0, 128, 0), marker(180, 0, 0), zero(120, 120, 120);
    try {
        // Change of the groundwater table.
        QChart* gwt = GWTChart->chart();
        std::vector<double> ys;
        for (const TChartPoint& p : c.GWTLine)
            ys.push_back(p.Y);
        for (const TChartPoint& p : c.GWTPoints)
            ys.push_back(p.Y);
        auto [low, high] = RangeOf(ys);
        QValueAxis* gwtAxis = Axis(gwt, Qt::Vertical);
        if (c.FixedGWTAxis) {
            gwtAxis->setRange(-0.35 * lengthFactor, 0.35 * lengthFactor);
            gwtAxis->setTickCount(8);
        } else {
            gwtAxis->setRange(low, high);
            gwtAxis->applyNiceNumbers();
        }
        low = gwtAxis->min();
        high = gwtAxis->max();
        AddLine(gwt, {{0, 0}, {1, 0}}, zero, 1);
        AddLine(gwt,
                {{c.GWTLine[0].X, c.GWTLine[0].Y},
                 {c.GWTLine[1].X, c.GWTLine[1].Y},
                 {c.GWTLine[2].X, c.GWTLine[2].Y}},
                line, 2);
        double bottom = low, top = high;
        if (!c.GWTPoints.empty()) {
            const auto [lo, hi] = std::minmax_element(
                c.GWTPoints.begin(), c.GWTPoints.end(),
                [](const TChartPoint& a, const TChartPoint& b) { return a.Y < b.Y; });
            bottom = lo->Y;
            top = hi->Y;
            AddPoints(gwt, c.GWTPoints);
        }
        AddLine(gwt, {{df, bottom}, {df, top}}, marker, 1, Qt::DashLine);
        AddLabel(gwt, df, low + 0.9 * (high - low));

        // ETa / ETp.
        QChart* et = ETChart->chart();
        std::vector<double> ets{0, 1.1};
        for (const TChartPoint& p : c.ETLine)
            ets.push_back(p.Y);
        for (const TChartPoint& p : c.ETPoints)
            ets.push_back(p.Y);
        const auto range = RangeOf(ets);
        QValueAxis* etAxis = Axis(et, Qt::Vertical);
        etAxis->setRange(std::max(0.0, range.first), range.second);
        etAxis->applyNiceNumbers();
        const double etLow = etAxis->min(), etHigh = etAxis->max();
        AddLine(et,
                {{c.ETLine[0].X, c.ETLine[0].Y},
                 {c.ETLine[1].X, c.ETLine[1].Y},
                 {c.ETLine[2].X, c.ETLine[2].Y}},
                line, 2);
        if (!c.ETPoints.empty())
            AddPoints(et, c.ETPoints);
        AddLine(et, {{df, std::max(0.0, etLow)}, {df, etHigh}}, marker, 1, Qt::DashLine);
        AddLabel(et, df, etLow + 0.9 * (etHigh - etLow));
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowLinePointSeries: ") + e.what());
    }
}
