#include "calc/uReportModel.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using K = TReportTableKind;

// Maize planted in June and wheat from January, on the same site.
void MaizeAndWheat(TAllData& data) {
    Site(data, "Month");
    AddCrop(data, "Maize.crp", 60, 152, {10, 10, 10, 10}, 0.5, 1.0, 0.5);
    AddCrop(data, "Wheat.crp", 50, 20, {20, 20, 20, 20}, 0.4, 1.1, 0.3);
}

struct ReportModel : ::testing::Test {
    TAllData data;
    TReportModel model{data};
    // The June maize with the given period, its report opened.
    void OpenJuneMaize(const std::string& period) {
        JuneMaize(data, period);
        model.OpenReport();
    }
    // ET0 of 5 mm every day, whatever the weather gives: the crop calculation is run again on it.
    void FixEt0() {
        data.ET0PenmanMonteith.Fill(5);
        model.SelectMethod(TEt0Method::PenmanMonteith);
    }
};

} // namespace

// One crop worked by hand for June: the June maize, ET0 5 mm a day, depth 75 mm.
TEST_F(ReportModel, OneMonthWorkedByHand) {
    OpenJuneMaize("Month");
    FixEt0();

    // ET0: 30 days of 5 mm.
    model.ShowTable(K::ReferenceET);
    EXPECT_EQ(model.Table().Grid[6][1].Text, "5.0");
    EXPECT_EQ(model.Table().Grid[6][2].Text, "150.0");
    // Kc: 10 days 0.5, 10 days rising 0.55..1.0 (sum 7.75), 10 days 1.0: mean 22.75 / 30.
    model.ShowTable(K::KcValues);
    EXPECT_EQ(model.Table().Grid[7][1].Text, "0.76");
    EXPECT_NEAR(*model.Table().Grid[7][1].Value, 22.75 / 30, 1e-12);
    // ETc: 22.75 * 5 mm.
    model.ShowTable(K::PotentialET);
    EXPECT_EQ(model.Table().Grid[6][1].Text, "113.8");
    // Pe (USDA, planting month): 30 mm >= 12.5 mm, so the monthly formula, below both the rain
    // and the use.
    const double pe =
        1.00075 * (1.253 * std::pow(30.0, 0.824) - 2.935) * std::pow(10.0, 0.001 * 113.75);
    ASSERT_LT(pe, 30.0);
    model.ShowTable(K::WaterRequirements);
    const TReportTable& t = model.Table();
    ASSERT_EQ(t.Columns(), 6); // one crop: with the depth column
    EXPECT_EQ(t.Grid[6][1].Text, "100.0");
    EXPECT_EQ(t.Grid[6][2].Text, "113.750");
    EXPECT_NEAR(*t.Grid[6][3].Value, pe, 1e-9);
    EXPECT_NEAR(*t.Grid[6][4].Value, 113.75 - pe, 1e-9);
    EXPECT_NEAR(*t.Grid[6][5].Value, (113.75 - pe) * 100 / 100, 1e-9);
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", 113.75 - pe);
    EXPECT_EQ(t.Grid[6][4].Text, text);
    // July: the late season, 10 days falling from 0.95 to 0.5, no rain.
    EXPECT_EQ(t.Grid[7][2].Text, "36.250");
    EXPECT_EQ(t.Grid[7][4].Text, "36.250");
}

TEST_F(ReportModel, UsdaShowsMonthsAndGivesThePeriodBack) {
    OpenJuneMaize("Day");
    EXPECT_EQ(model.PeriodChoice(), 0);
    ASSERT_EQ(model.RainfallList(),
              (std::vector<std::string>{"USDA Method", "Fixed % of precipitation"}));
    model.ShowTable(K::WaterRequirements);
    EXPECT_EQ(model.Table().Rows(), 13);
    EXPECT_EQ(data.GuiSettings.PeriodKind, 1);
    EXPECT_EQ(data.GuiSettings.PeriodLength, 1);
    EXPECT_TRUE(model.PeriodLocked());
    model.SelectRainfallMethod(1);
    EXPECT_EQ(model.Table().Rows(), 366);
    EXPECT_FALSE(model.PeriodLocked());
    EXPECT_EQ(model.Table().Notes.front(), "Fixed % of eff. rainfall = 40");
    model.ShowTable(K::ReferenceET);
    EXPECT_EQ(model.Table().Rows(), 366);
    model.CloseReport();
    EXPECT_EQ(data.GuiSettings.PeriodKind, 3); // the settings' period before the report
}

TEST_F(ReportModel, CropSelectionOnlyLastsOnTheWaterRequirementsTable) {
    MaizeAndWheat(data);
    model.OpenReport();
    ASSERT_EQ(model.CropList(), (std::vector<std::string>{"All crops", "Maize.crp", "Wheat.crp"}));
    model.ShowTable(K::WaterRequirements);
    EXPECT_EQ(model.Table().Columns(), 5);
    model.SelectCrop(2);
    EXPECT_EQ(model.Table().Columns(), 6);
    EXPECT_EQ(model.Table().Grid[6][1].Text, ""); // June: wheat is out of the field
    EXPECT_EQ(model.Table().Grid[2][1].Text, "50.0");
    EXPECT_EQ(data.CropPattern.GetCropLine(1).KcSeries.GetDay(160), 0);
    model.ShowTable(K::KcValues);
    EXPECT_EQ(model.CropEntry(), 0);
    EXPECT_GT(data.CropPattern.GetCropLine(1).KcSeries.GetDay(160), 0);
    EXPECT_FALSE(model.CropSelectionVisible());
}

TEST_F(ReportModel, TooMuchCroppedAreaHidesTheCropTables) {
    TMessageRecorder messages;
    Site(data, "Month");
    data.General.IrrigableArea = 100;
    AddCrop(data, "A.crp", 60, 125, {5, 5, 5, 5}, 0.5, 1.0, 0.5);
    AddCrop(data, "B.crp", 60, 125, {5, 5, 5, 5}, 0.5, 1.0, 0.5);
    model.OpenReport();
    EXPECT_TRUE(model.AreaExceeded());
    EXPECT_EQ(model.AvailableTables(), (std::vector<K>{K::ReferenceET, K::NonIrrigated}));
    ASSERT_EQ(model.Excesses().size(), 1u);
    EXPECT_EQ(model.Excesses()[0].Month, 5);
    EXPECT_DOUBLE_EQ(model.Excesses()[0].Excess, 20);
    const std::string message = model.AreaExceededMessage();
    EXPECT_EQ(message.rfind("The cropped area exceeds the irrigable area in the following "
                            "months:\r\rMay       with \t20",
                            0),
              0u);
    EXPECT_NE(message.find("To calculate the crop water requirements adjust the cropping "
                           "pattern."),
              std::string::npos);
}

TEST_F(ReportModel, ChartsAreMonthlyAndTheTableReturnsToItsPeriod) {
    OpenJuneMaize("Week");
    FixEt0();
    EXPECT_EQ(model.Table().Rows(), 53);
    const TChartInput chart = model.Chart(1);
    ASSERT_EQ(chart.Series.size(), 2u);
    EXPECT_EQ(chart.Series[1].Values[1], 140); // February: 28 days of 5 mm
    EXPECT_EQ(chart.Series[1].Labels[1], "Feb");
    EXPECT_EQ(model.Table().Rows(), 53);
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
}

TEST_F(ReportModel, TextReportOfOneCrop) {
    OpenJuneMaize("Month");
    model.ShowTable(K::KcValues);
    const TReportText report = model.TextReport();
    EXPECT_EQ(model.CurrentTable(), K::KcValues);
    std::vector<std::string> lines;
    for (const auto& line : report)
        lines.push_back(line.Text);
    ASSERT_EQ(lines.size(), 44u); // the title adds an empty line; 12 months
    EXPECT_EQ(lines[0], "Irrigation Water Requirements");
    EXPECT_TRUE(report[0].Bold);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Country                      Spain");
    EXPECT_EQ(lines[3], "Region / Project             Vega");
    EXPECT_EQ(lines[4], "Size of irrigable area (ha)  150.0");
    EXPECT_EQ(lines[6], "Input Files:");
    EXPECT_EQ(lines[7], "General data file:     /data/Site.gen");
    EXPECT_EQ(lines[12], std::string(85, '-'));
    EXPECT_EQ(lines[13],
              std::string(26, ' ') + "Cropped        Growing        Planting       Harvest   ");
    EXPECT_EQ(lines[14], "Crop                      area (ha)      period(days)   month/day      "
                         "month/day ");
    EXPECT_EQ(lines[16], "Maize.crp                 100.0          40             Jun / 1        "
                         "Jul / 10");
    EXPECT_EQ(lines[19], "Calculation method and output period:");
    EXPECT_EQ(lines[20], "Reference evapotranspiration: Penman - Monteith");
    EXPECT_EQ(lines[21], "Effective rainfall          : USDA Method");
    EXPECT_EQ(lines[22], "Calculated output period    : months");
    EXPECT_EQ(lines[24], "Irrigation Water Requirements generated for: Maize.crp");
    EXPECT_EQ(lines[25], std::string(97, '-'));
    EXPECT_EQ(lines[26], "Period          Total cropped        Total ETp               Pe"
                         "     ETp - Pe (1)     ETp - Pe (2)");
    EXPECT_EQ(lines[27].substr(0, 12), "(Month)     ");
    EXPECT_EQ(lines[34].substr(0, 12 + 17), "Jun (6)                 100.0");
    EXPECT_EQ(lines.back(), "End of report.");
    int bold = 0;
    for (const auto& line : report)
        bold += line.Bold;
    EXPECT_EQ(bold, 10);
}

TEST_F(ReportModel, TextReportNamesTheFixedPercentageAndTheDays) {
    MaizeAndWheat(data);
    model.OpenReport();
    model.SelectPeriod(3);
    model.ShowTable(K::WaterRequirements);
    model.SelectRainfallMethod(1);
    EXPECT_EQ(model.Table().Rows(), 37);
    const TReportText report = model.TextReport();
    std::vector<std::string> lines;
    for (const auto& line : report)
        lines.push_back(line.Text);
    auto has = [&](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has("Effective rainfall          : Fixed % of precipitation  (40%)"));
    EXPECT_TRUE(has("Calculated output period    : 10 days"));
    EXPECT_TRUE(has("Irrigation Water Requirements generated for: All crops"));
    EXPECT_TRUE(has("Period          Total cropped        Total ETp               Pe"
                    "     ETp - Pe (1)"));
    EXPECT_EQ(model.CurrentTable(), K::WaterRequirements);
}
