#pragma once

#include "calc/uStrategyModel.h"

#include <string>

class QChart;
class QChartView;
class QWidget;

// The two charts of the Water Balance page: the change of the groundwater table and ETa/ETp of
// the irrigated area, both over the depleted fraction 0..1.
class TStrategyCharts {
public:
    explicit TStrategyCharts(QWidget* parent);

    // lengthFactor converts metres to the shown length unit (for the fixed axis without data).
    void Draw(const TWaterBalanceCharts& charts, double lengthFactor);
    void Clear();
    void SetGWTAxisTitle(const std::string& title);

    QChartView* GWTChart;
    QChartView* ETChart;
};
