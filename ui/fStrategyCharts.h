#pragma once

#include "calc/uStrategyModel.h"

#include <QObject>

#include <optional>
#include <string>

class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QWidget;

// The two charts of the Water Balance page: the change of the groundwater table and ETa/ETp of
// the irrigated area, both over the depleted fraction 0..1. A chart is drawn only while it can be
// seen and only when what it shows has changed; its series and axes are made once and then only
// given new points and ranges.
class TStrategyCharts : public QObject {
public:
    explicit TStrategyCharts(QWidget* parent);
    ~TStrategyCharts() override;

    // lengthFactor converts metres to the shown length unit (for the fixed axis without data).
    void Draw(const TWaterBalanceCharts& charts, double lengthFactor);
    void Clear();
    void SetGWTAxisTitle(const std::string& title);

    QChartView* GWTChart;
    QChartView* ETChart;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TSeries {
        QLineSeries* Zero = nullptr; // the horizontal line at 0 (first chart only)
        QLineSeries* Line = nullptr;
        QScatterSeries* Points = nullptr;
        QLineSeries* Marker = nullptr; // the vertical line at DFsustainable
        QScatterSeries* Label = nullptr;
    };
    struct TDrawing {
        TWaterBalanceCharts Charts;
        double LengthFactor = 1;
    };
    TSeries gwt;
    TSeries et;
    std::optional<TDrawing> drawn;   // what the charts show
    std::optional<TDrawing> waiting; // to be drawn when the charts are next seen

    void DrawNow(const TDrawing& drawing);
    void DrawGWT(const TWaterBalanceCharts& c, double lengthFactor);
    void DrawET(const TWaterBalanceCharts& c);
    static void Attach(QChart* chart, const TSeries& series);
    static void Fill(QChart* chart, const TSeries& s, const std::array<TChartPoint, 3>& line,
                     const std::vector<TChartPoint>& points, double df, double bottom, double top,
                     double labelY);
};
