// The charts of the strategy window's Water Balance page: they show the model's points whenever
// the page is seen, whatever changed while another page was shown.
#include "UiTestSupport.h"

#include "calc/uStrategyModel.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/StrategyTestProject.h"
#include "ui/fReportCWR.h"
#include "ui/fStrategy.h"
#include "ui/fStrategyCharts.h"
#include "ui/fStrategyGrid.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

struct TShownChart {
    QList<QPointF> Line;   // the line through DF 0, DFsustainable and 1
    QList<QPointF> Points; // the months' measured points
    QList<QPointF> Label;  // where "DFsust" stands
};

TShownChart Shown(QChartView* view) {
    TShownChart shown;
    for (QAbstractSeries* series : view->chart()->series()) {
        if (auto* scatter = qobject_cast<QScatterSeries*>(series))
            (scatter->pointLabelsVisible() ? shown.Label : shown.Points) = scatter->points();
        else if (auto* line = qobject_cast<QLineSeries*>(series); line && line->pen().widthF() == 2)
            shown.Line = line->points();
    }
    return shown;
}

template <class TPoints>
QList<QPointF> Expected(const TPoints& points) {
    QList<QPointF> list;
    for (const TChartPoint& p : points)
        list.append({p.X, p.Y});
    return list;
}

void ExpectChartsShowTheModel(TfrmStrategy& w) {
    const TWaterBalanceCharts& c = w.Model().WaterBalance().Charts;
    const TShownChart gwt = Shown(w.charts->GWTChart);
    const TShownChart et = Shown(w.charts->ETChart);
    EXPECT_EQ(gwt.Line, Expected(c.GWTLine));
    EXPECT_EQ(gwt.Points, Expected(c.GWTPoints));
    EXPECT_EQ(et.Line, Expected(c.ETLine));
    EXPECT_EQ(et.Points, Expected(c.ETPoints));
    for (const TShownChart* chart : {&gwt, &et}) {
        ASSERT_EQ(chart->Label.size(), 1);
        EXPECT_EQ(chart->Label[0].x(), c.DFsustainable);
    }
}

// Replaces a month's cell of a grid by typing, as a click, Ctrl+A and keys would.
void TypeIntoCell(TStrategyGridView* grid, int month, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(TStrategyGridView::RowOfMonth(month), column);
    QApplication::processEvents();
    auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(cell, nullptr);
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
    QTest::keyClicks(cell, text);
}

struct StrategyChartsTest : ::testing::Test {
    TAllData data;
    TMessageRecorder messages;
    TfrmReportCWR reportWindow{data.GuiSettings, nullptr};

    void SetUp() override {
        // The example strategy with field data, on a project of its general file's name.
        const std::string app = std::string(QUELTA_BINARY_DIR) + "/app/";
        data.General.FileName = app + "General/Seville.gen";
        data.GuiSettings.SetPeriodKind(1);
        data.Strategy.FileName = app + "Strategy/Seville-field-data.str";
    }

    std::unique_ptr<TfrmStrategy> OpenWindow() {
        TStrategySources sources;
        sources.Project = SmallProject;
        sources.ReportWindow = &reportWindow;
        auto w = std::make_unique<TfrmStrategy>(data, sources, nullptr);
        w->Open();
        QApplication::processEvents();
        return w;
    }
};

} // namespace

TEST_F(StrategyChartsTest, TheChartsShowWhatChangedWhileAnotherPageWasShown) {
    auto w = OpenWindow();
    ASSERT_TRUE(messages.Messages().empty());
    ASSERT_EQ(w->ShownPage(), TStrategyPage::WaterBalance);
    ExpectChartsShowTheModel(*w);
    ASSERT_EQ(Shown(w->charts->GWTChart).Points.size(), 12);
    const QList<QPointF> opened = Shown(w->charts->GWTChart).Points;

    // April's change of the groundwater table on the Data Input page, then its ETa on the Input
    // ETa page.
    ClickTab(w->pgcWaterBalance, 1);
    TypeIntoCell(w->grdDataInput, 4, DataInputColumn::ChangeGWTable, QStringLiteral("0.35"));
    ClickTab(w->pgcWaterBalance, 0);
    EXPECT_NE(Shown(w->charts->GWTChart).Points, opened);
    ExpectChartsShowTheModel(*w);

    const QList<QPointF> etBefore = Shown(w->charts->ETChart).Points;
    ClickTab(w->pgcTracks, 1);
    ASSERT_EQ(w->ShownPage(), TStrategyPage::InputETa);
    TypeIntoCell(w->grdInputETa, 4, InputETaColumn::ETa, QStringLiteral("40"));
    ClickTab(w->pgcTracks, 0);
    ASSERT_EQ(w->ShownPage(), TStrategyPage::WaterBalance);
    EXPECT_NE(Shown(w->charts->ETChart).Points, etBefore);
    ExpectChartsShowTheModel(*w);

    // Without field data: no points, and the fixed axis of the groundwater table.
    messages.Answer(TMessageAnswer::Yes);
    QTest::mouseClick(w->chkFieldData, Qt::LeftButton);
    ASSERT_FALSE(w->chkFieldData->isChecked());
    ExpectChartsShowTheModel(*w);
    EXPECT_TRUE(Shown(w->charts->GWTChart).Points.isEmpty());
    auto* axis = static_cast<QValueAxis*>(w->charts->GWTChart->chart()->axes(Qt::Vertical).first());
    EXPECT_DOUBLE_EQ(axis->min(), -0.35);
    EXPECT_DOUBLE_EQ(axis->max(), 0.35);
    w->SetModified(false);
}
