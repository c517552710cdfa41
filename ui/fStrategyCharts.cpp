#include "ui/fStrategyCharts.h"

#include "core/cUserMessages.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <exception>

namespace {

const QColor kLine(0, 128, 0);
const QColor kMarker(180, 0, 0);
const QColor kZero(120, 120, 120);
const QColor kPoints(0, 90, 170);

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

QLineSeries* MakeLine(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    auto* line = new QLineSeries;
    line->setColor(colour);
    line->setPen(QPen(colour, width, style));
    return line;
}

QScatterSeries* MakePoints() {
    auto* points = new QScatterSeries;
    points->setColor(kPoints);
    points->setMarkerSize(8);
    return points;
}

QScatterSeries* MakeLabel() {
    auto* label = new QScatterSeries;
    label->setColor(kMarker);
    label->setMarkerSize(1);
    label->setPointLabelsClipping(false);
    label->setPointLabelsFormat(QStringLiteral("DFsust"));
    label->setPointLabelsVisible(true);
    label->setPointLabelsColor(kMarker);
    return label;
}

QList<QPointF> Points(const std::vector<TChartPoint>& points) {
    QList<QPointF> list;
    for (const TChartPoint& p : points)
        list.append({p.X, p.Y});
    return list;
}

QList<QPointF> Points(const std::array<TChartPoint, 3>& line) {
    return {{line[0].X, line[0].Y}, {line[1].X, line[1].Y}, {line[2].X, line[2].Y}};
}

// A range that holds the values with a little room, never a single point.
std::pair<double, double> RangeOf(std::vector<double> values) {
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    double low = *lo, high = *hi;
    const double room = std::max(0.05, 0.1 * (high - low));
    return {low - room, high + room};
}

// Sets the axis to the range rounded to nice numbers. The rounding is worked out on an axis of
// no chart, so the shown axis lays out its labels at most once, and not at all when nothing
// changed.
void SetNiceRange(QValueAxis* axis, double low, double high) {
    QValueAxis nice;
    nice.setTickCount(axis->tickCount());
    nice.setRange(low, high);
    nice.applyNiceNumbers();
    if (nice.tickCount() != axis->tickCount())
        axis->setTickCount(nice.tickCount());
    if (nice.min() != axis->min() || nice.max() != axis->max())
        axis->setRange(nice.min(), nice.max());
}

void SetFixedRange(QValueAxis* axis, double low, double high, int ticks) {
    if (axis->tickCount() != ticks)
        axis->setTickCount(ticks);
    if (axis->min() != low || axis->max() != high)
        axis->setRange(low, high);
}

template <class TPoints>
bool SamePoints(const TPoints& a, const TPoints& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const TChartPoint& p, const TChartPoint& q) { return p.X == q.X && p.Y == q.Y; });
}

bool SameCharts(const TWaterBalanceCharts& a, const TWaterBalanceCharts& b) {
    return SamePoints(a.GWTPoints, b.GWTPoints) && SamePoints(a.GWTLine, b.GWTLine) &&
           SamePoints(a.ETPoints, b.ETPoints) && SamePoints(a.ETLine, b.ETLine) &&
           a.DFsustainable == b.DFsustainable && a.FixedGWTAxis == b.FixedGWTAxis;
}

} // namespace

TStrategyCharts::TStrategyCharts(QWidget* parent) {
    GWTChart = MakeChart(parent, "GWTChart", QString());
    ETChart = MakeChart(parent, "ETChart", QStringLiteral("ETa / ETp for irrigated area"));
    gwt = {MakeLine(kZero, 1), MakeLine(kLine, 2), MakePoints(), MakeLine(kMarker, 1, Qt::DashLine),
           MakeLabel()};
    gwt.Zero->append({{0, 0}, {1, 0}});
    et = {nullptr, MakeLine(kLine, 2), MakePoints(), MakeLine(kMarker, 1, Qt::DashLine),
          MakeLabel()};
    GWTChart->installEventFilter(this);
    for (QChartView* view : {GWTChart, ETChart})
        view->scene()->installEventFilter(this);
}

TStrategyCharts::~TStrategyCharts() {
    // Series taken off a chart by Clear belong to no chart.
    for (const TSeries* s : {&gwt, &et})
        for (QAbstractSeries* series :
             {static_cast<QAbstractSeries*>(s->Zero), static_cast<QAbstractSeries*>(s->Line),
              static_cast<QAbstractSeries*>(s->Points), static_cast<QAbstractSeries*>(s->Marker),
              static_cast<QAbstractSeries*>(s->Label)})
            if (series && !series->chart())
                delete series;
}

void TStrategyCharts::SetGWTAxisTitle(const std::string& title) {
    QValueAxis* axis = Axis(GWTChart->chart(), Qt::Vertical);
    const QString text = QString::fromStdString(title);
    if (axis->titleText() != text)
        axis->setTitleText(text);
}

void TStrategyCharts::Clear() {
    drawn.reset();
    waiting.reset();
    // The series are kept for the next drawing.
    for (QChartView* view : {GWTChart, ETChart})
        for (QAbstractSeries* series : view->chart()->series())
            view->chart()->removeSeries(series);
}

void TStrategyCharts::Draw(const TWaterBalanceCharts& charts, double lengthFactor) {
    TDrawing drawing{charts, lengthFactor};
    if (drawn && SameCharts(drawn->Charts, charts) && drawn->LengthFactor == lengthFactor) {
        waiting.reset();
        return;
    }
    if (!GWTChart->isVisible()) {
        waiting = std::move(drawing);
        return;
    }
    waiting.reset();
    DrawNow(drawing);
}

bool TStrategyCharts::eventFilter(QObject* watched, QEvent* event) {
    // A chart looks the same in an active window and an inactive one; the activation a scene
    // passes on to its items when its page is shown or hidden would only draw it once more.
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) &&
        (watched == GWTChart->scene() || watched == ETChart->scene()))
        return true;
    if (watched == GWTChart && event->type() == QEvent::Show && waiting) {
        const TDrawing drawing = std::move(*waiting);
        waiting.reset();
        DrawNow(drawing);
    }
    return QObject::eventFilter(watched, event);
}

void TStrategyCharts::Attach(QChart* chart, const TSeries& s) {
    if (s.Line->chart())
        return;
    // In drawing order: lines under points, the marker and its label on top.
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(s.Zero), static_cast<QAbstractSeries*>(s.Line),
          static_cast<QAbstractSeries*>(s.Points), static_cast<QAbstractSeries*>(s.Marker),
          static_cast<QAbstractSeries*>(s.Label)}) {
        if (!series)
            continue;
        chart->addSeries(series);
        series->attachAxis(Axis(chart, Qt::Horizontal));
        series->attachAxis(Axis(chart, Qt::Vertical));
    }
}

// New points for the series of a chart: the line, the measured points, the vertical marker at
// DFsustainable from bottom to top and its label at labelY.
void TStrategyCharts::Fill(QChart* chart, const TSeries& s, const std::array<TChartPoint, 3>& line,
                           const std::vector<TChartPoint>& points, double df, double bottom,
                           double top, double labelY) {
    s.Line->replace(Points(line));
    try {
        s.Points->replace(Points(points));
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowPointSeries: ") + e.what());
    }
    s.Marker->replace({{df, bottom}, {df, top}});
    s.Label->replace({{df, labelY}});
    Attach(chart, s);
}

void TStrategyCharts::DrawNow(const TDrawing& drawing) {
    drawn = drawing;
    try {
        DrawGWT(drawing.Charts, drawing.LengthFactor);
        DrawET(drawing.Charts);
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowLinePointSeries: ") + e.what());
    }
}

// Change of the groundwater table.
void TStrategyCharts::DrawGWT(const TWaterBalanceCharts& c, double lengthFactor) {
    QChart* chart = GWTChart->chart();
    QValueAxis* axis = Axis(chart, Qt::Vertical);
    if (c.FixedGWTAxis) {
        SetFixedRange(axis, -0.35 * lengthFactor, 0.35 * lengthFactor, 8);
    } else {
        std::vector<double> ys;
        for (const TChartPoint& p : c.GWTLine)
            ys.push_back(p.Y);
        for (const TChartPoint& p : c.GWTPoints)
            ys.push_back(p.Y);
        const auto [low, high] = RangeOf(ys);
        SetNiceRange(axis, low, high);
    }
    const double low = axis->min(), high = axis->max();
    double bottom = low, top = high;
    if (!c.GWTPoints.empty()) {
        const auto [lo, hi] = std::minmax_element(
            c.GWTPoints.begin(), c.GWTPoints.end(),
            [](const TChartPoint& a, const TChartPoint& b) { return a.Y < b.Y; });
        bottom = lo->Y;
        top = hi->Y;
    }
    Fill(chart, gwt, c.GWTLine, c.GWTPoints, c.DFsustainable, bottom, top,
         low + 0.9 * (high - low));
}

// ETa / ETp.
void TStrategyCharts::DrawET(const TWaterBalanceCharts& c) {
    QChart* chart = ETChart->chart();
    QValueAxis* axis = Axis(chart, Qt::Vertical);
    std::vector<double> ets{0, 1.1};
    for (const TChartPoint& p : c.ETLine)
        ets.push_back(p.Y);
    for (const TChartPoint& p : c.ETPoints)
        ets.push_back(p.Y);
    const auto range = RangeOf(ets);
    SetNiceRange(axis, std::max(0.0, range.first), range.second);
    const double low = axis->min(), high = axis->max();
    Fill(chart, et, c.ETLine, c.ETPoints, c.DFsustainable, std::max(0.0, low), high,
         low + 0.9 * (high - low));
}
