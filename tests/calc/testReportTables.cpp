#include "calc/uReportTables.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

#include <gtest/gtest.h>

namespace {

using K = TReportTableKind;

// One crop in the field from May to September (Kc 1, ETc 5 mm/day) on 100 of 150 ha.
void OneCropProject(TAllData& data) {
    data.General.IrrigableArea = 150;
    data.General.GrossArea = 150;
    data.General.ApplInterval = 7;
    data.General.MeanDepth = 75;
    data.ET0PenmanMonteith.Fill(4);
    TCropPatternLine& crop = data.CropPattern.AddCropLine();
    crop.CropFileName = "/crops/Maize.crp";
    crop.Area = 100;
    for (int d = 121; d <= 273; ++d) {
        crop.KcSeries.SetDay(d, 1.25);
        crop.ETcSeries.SetDay(d, 5);
        data.ETcTotalPenmanMonteith.SetDay(d, 5 * 100);
    }
}

TReportTable Build(const TAllData& data, K kind, bool showDepth = true) {
    TReportSelection selection;
    selection.ShowDepth = showDepth;
    selection.Crop = showDepth ? 1 : 0;
    return BuildReportTable(data, kind, selection);
}

} // namespace

TEST(ReportTables, WeeksEndWithAnEightDayWeek) {
    TAllData data;
    data.ET0PenmanMonteith.Fill(1);
    data.GuiSettings.SetPeriodKind(2);
    const TReportTable t = Build(data, K::ReferenceET);
    ASSERT_EQ(t.Rows(), 53);
    EXPECT_EQ(t.Grid[0][0].Text, "(Week)");
    EXPECT_EQ(t.Grid[0][1].Text, "(mm/day)");
    EXPECT_EQ(t.Grid[0][2].Text, "(mm/week)");
    EXPECT_EQ(t.Grid[3][0].Text, "15/01 (3)");
    EXPECT_EQ(t.Grid[1][2].Text, "7.0");
    EXPECT_EQ(t.Grid[52][0].Text, "24/12 (52)");
    EXPECT_EQ(t.Grid[52][1].Text, "1.0");
    EXPECT_EQ(t.Grid[52][2].Text, "8.0");
    ASSERT_EQ(t.Info.size(), 1u);
    EXPECT_EQ(t.Info[0].Caption, "Total Reference Evapotranspiration of the Region / Project:");
    EXPECT_EQ(t.Info[0].Value, "365.0");
    EXPECT_EQ(t.Info[0].Unit, "(mm/year)");
}

TEST(ReportTables, TenDayPeriodsEndWithFifteenDays) {
    TAllData data;
    data.ET0PenmanMonteith.Fill(1);
    data.GuiSettings.SetOtherPeriod(10);
    const TReportTable t = Build(data, K::ReferenceET);
    ASSERT_EQ(t.Rows(), 37);
    EXPECT_EQ(t.Grid[0][0].Text, "(10 days)");
    EXPECT_EQ(t.Grid[0][2].Text, "(mm/10 days)");
    EXPECT_EQ(t.Grid[36][0].Text, "17/12 (36)");
    EXPECT_EQ(t.Grid[36][2].Text, "15.0");
}

TEST(ReportTables, KcTableHasAnAreaRowAndShowsZeroKcEmpty) {
    TAllData data;
    OneCropProject(data);
    const TReportTable t = Build(data, K::KcValues);
    ASSERT_EQ(t.Rows(), 14);
    EXPECT_EQ(t.Grid[0][1].Text, "Maize");
    EXPECT_EQ(t.Grid[1][0].Text, "  Area (ha)");
    EXPECT_EQ(t.Grid[1][1].Text, "100.0");
    EXPECT_EQ(t.Grid[2][0].Text, "Jan (1)");
    EXPECT_EQ(t.Grid[2][1].Text, "0.00"); // what the clipboard gets
    EXPECT_EQ(t.ShownText(2, 1), "");     // what the window draws
    EXPECT_FALSE(t.ShownValue(2, 1).has_value());
    EXPECT_EQ(t.ShownText(6, 1), "1.25"); // May
    EXPECT_EQ(t.Info[1].Caption, "Frequency of irrigation during initial stage of crop growth::");
    EXPECT_EQ(t.Info[1].Value, "7");
    EXPECT_EQ(t.Info[2].Unit, "(mm per turn)");
}

TEST(ReportTables, CroppedAreaAveragesOverThePeriods) {
    TAllData data;
    OneCropProject(data);
    const TReportTable t = Build(data, K::CroppedArea);
    EXPECT_EQ(t.Grid[0][1].Text, "(ha)");
    EXPECT_EQ(t.Grid[0][2].Text, "Cropped/Irrigable");
    EXPECT_EQ(t.Grid[5][1].Text, "100.0");
    EXPECT_EQ(t.Grid[5][2].Text, "0.67");
    EXPECT_EQ(t.ShownText(1, 1), "");
    ASSERT_EQ(t.Totals.size(), 3u);
    EXPECT_EQ(t.Totals[0].Text, "Average:");
    EXPECT_EQ(t.Totals[1].Text, "42"); // 5 months of 100 ha over 12
    EXPECT_EQ(t.Totals[2].Text, "0.28");
}

TEST(ReportTables, PotentialEvapotranspirationEndsWithTheYear) {
    TAllData data;
    OneCropProject(data);
    const TReportTable t = Build(data, K::PotentialET);
    EXPECT_EQ(t.Header[1], "Crop Evapotranspitation  (mm/month)");
    EXPECT_EQ(t.Grid[5][1].Text, "155.0");
    EXPECT_EQ(t.Grid[13][0].Text, "Total:");
    EXPECT_EQ(t.Grid[13][1].Text, "765.0");
}

TEST(ReportTables, WaterRequirementsDashesEmptyPeriodsAndTotals) {
    TAllData data;
    OneCropProject(data);
    // May: 60 mm of effective rain on 100 ha; June: more rain than the crop uses.
    data.EffectiveRainfall.SetMonth(5, 60.0);
    data.EffectiveRainfall.SetMonth(6, 200.0);
    const TReportTable t = Build(data, K::WaterRequirements);
    ASSERT_EQ(t.Columns(), 6);
    EXPECT_EQ(t.Header.size(), 6u);
    EXPECT_EQ(t.Grid[0][1].Text, "area (ha)");
    EXPECT_EQ(t.Grid[0][2].Text, "m3 * 10^3");
    EXPECT_EQ(t.Grid[0][5].Text, "mm/cropped area");
    // May: VET = 155 mm * 100 ha = 155 10^3 m3.
    EXPECT_EQ(t.Grid[5][1].Text, "100.0");
    EXPECT_EQ(t.Grid[5][2].Text, "155.000");
    EXPECT_EQ(t.Grid[5][3].Text, "60.000");
    EXPECT_EQ(t.Grid[5][4].Text, "95.000");
    EXPECT_EQ(t.Grid[5][5].Text, "95.00");
    // June: VPe > VET.
    EXPECT_EQ(t.Grid[6][4].Text, "-");
    EXPECT_EQ(t.Grid[6][5].Text, "-");
    EXPECT_FALSE(t.ShownValue(6, 4).has_value());
    // January: no crop, nothing shown.
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(t.Grid[1][c].Text, "");
    // Totals: June's "-" counts 0.
    ASSERT_EQ(t.Totals.size(), 6u);
    EXPECT_EQ(t.Totals[0].Text, "Total:");
    EXPECT_EQ(t.Totals[2].Text, "765.00");
    EXPECT_EQ(t.Totals[3].Text, "260.00");
    EXPECT_EQ(t.Totals[4].Text, "555.00");
    EXPECT_EQ(t.Totals[5].Text, "555.00");
    EXPECT_EQ(t.Notes.front(), "Note: ");
}

TEST(ReportTables, AllCropsTableHasNoDepthColumn) {
    TAllData data;
    OneCropProject(data);
    const TReportTable t = Build(data, K::WaterRequirements, false);
    EXPECT_EQ(t.Columns(), 5); // the clipboard lines show the five headings and totals
    const std::string clip = ReportTableClipboardText(t, "x.gen");
    EXPECT_EQ(clip.substr(0, clip.find("\r\n") + 2),
              "Period\tTotal cropped\tTotal ETp\tPe\tETp - Pe (1)\t\r\n");
    EXPECT_NE(clip.find("\r\nTotal:\t\t765.00\t0.00\t765.00\t\r\n"), std::string::npos);
}

TEST(ReportTables, ImperialUnitsConvertCellsButKeepMetricValues) {
    TAllData data;
    OneCropProject(data);
    TGuiSettings& s = data.GuiSettings;
    s.AreaUnit = s.PrecipitationUnit = s.VolumeUnit = 1;
    const TReportTable t = Build(data, K::WaterRequirements);
    EXPECT_EQ(t.Grid[0][1].Text, "area (ac)");
    EXPECT_EQ(t.Grid[0][2].Text, "acrft * 10^3");
    EXPECT_EQ(t.Grid[0][5].Text, "in/cropped area");
    EXPECT_EQ(t.Grid[5][1].Text, "247.0");
    EXPECT_EQ(t.Grid[5][2].Text, "0.126"); // 155 * 0.00081071
    EXPECT_EQ(t.Grid[5][5].Text, "6.10");  // 155 mm
    EXPECT_DOUBLE_EQ(*t.Grid[5][2].Value, 155);
}

TEST(ReportTables, NonIrrigatedAreaOnlyBlanksTheSpacer) {
    TAllData data;
    OneCropProject(data);
    data.General.GrossArea = 200;
    data.CropPattern.ETFallow.Fill(1);
    data.CropPattern.ETPermanent.Fill(2);
    const TReportTable t = Build(data, K::NonIrrigated);
    ASSERT_EQ(t.Columns(), 7);
    EXPECT_EQ(t.Grid[0][4].Text, " ");
    // January: all 150 ha fallow; 31 mm on 150 ha is 46.5 10^3 m3.
    EXPECT_EQ(t.Grid[1][1].Text, "150.0");
    EXPECT_EQ(t.Grid[1][2].Text, "31.0");
    EXPECT_EQ(t.Grid[1][3].Text, "46.50");
    EXPECT_EQ(t.Grid[1][5].Text, "62.0");
    EXPECT_EQ(t.Grid[1][6].Text, "31.00");
    // May: 50 ha fallow.
    EXPECT_EQ(t.Grid[5][1].Text, "50.0");
    EXPECT_EQ(t.Grid[5][3].Text, "15.50");
    EXPECT_EQ(t.Info[0].Caption, "Permanent non irrigated area:");
    EXPECT_EQ(t.Info[0].Value, "50.0");
    // Totals with their column's decimals.
    EXPECT_EQ(t.Totals[2].Text, "365.0");
    EXPECT_EQ(t.Totals[6].Text, "365.00");
    EXPECT_DOUBLE_EQ(*t.Totals[6].Value, 365);
    // Gross area equal to the irrigable area: the permanent columns are 0 and still shown.
    data.General.GrossArea = 150;
    const TReportTable none = Build(data, K::NonIrrigated);
    EXPECT_EQ(none.ShownText(1, 5), "0.0");
    EXPECT_EQ(none.ShownText(1, 6), "0.00");
}

TEST(ReportTables, ClipboardTextOfTheReferenceTable) {
    TAllData data;
    data.ET0PenmanMonteith.Fill(2);
    const TReportTable t = Build(data, K::ReferenceET);
    const std::string clip = ReportTableClipboardText(t, "/data/Seville.gen");
    const std::string head = "/data/Seville.gen\r\n\r\n"
                             "Total Reference Evapotranspiration of the Region / Project:\t730.0\t"
                             "(mm/year)\t\r\n"
                             "Period\tReference evapotranspiration\t\r\n"
                             "(Month)\t(mm/day)\t(mm/month)\t\r\n"
                             "Jan (1)\t2.0\t62.0\t\r\n";
    EXPECT_EQ(clip.substr(0, head.size()), head);
    EXPECT_EQ(clip.substr(clip.size() - 20), "Dec (12)\t2.0\t62.0\t\r\n");
}

TEST(ReportTables, ChartsReadTwelveMonthsFromTheGrid) {
    TAllData data;
    OneCropProject(data);
    const TChartInput kc = ReportChartInput(Build(data, K::KcValues), 1);
    EXPECT_TRUE(kc.Multi);
    EXPECT_EQ(kc.Offset, 1);
    EXPECT_EQ(kc.Title, "Crop coefficients, Kc, during growing Period");
    ASSERT_EQ(kc.Series.size(), 1u);
    EXPECT_EQ(kc.Series[0].Title, "Maize");
    ASSERT_EQ(kc.Series[0].Values.size(), 12u);
    EXPECT_EQ(kc.Series[0].Labels[0], "Jan");
    EXPECT_EQ(kc.Series[0].Values[4], 1.25);

    data.EffectiveRainfall.SetMonth(6, 200.0);
    const TChartInput iwr = ReportChartInput(Build(data, K::WaterRequirements), 4);
    EXPECT_FALSE(iwr.Multi);
    EXPECT_EQ(iwr.Title, "ETp - Pe (1)");
    EXPECT_EQ(iwr.AxisTitle, "m3 * 10^3");
    EXPECT_EQ(iwr.Series[0].Values[5], 0); // "-"
    EXPECT_EQ(iwr.Series[0].Values[6], 155);
}

TEST(ReportTables, MultiChartDrawsAtMostSixColumns) {
    TAllData data;
    for (int c = 0; c < 8; ++c)
        data.CropPattern.AddCropLine().CropFileName = "C" + std::to_string(c) + ".crp";
    const TChartInput chart = ReportChartInput(Build(data, K::PotentialET), 1);
    ASSERT_EQ(chart.Series.size(), 6u);
    EXPECT_EQ(chart.Series[5].Title, "C5");
}

TEST(ReportTables, RainThatCoversTheWholeUseLeavesNoShortage) {
    TAllData data;
    OneCropProject(data);
    // The crop takes its whole use from the rain, summed day by day in another order.
    for (int d = 121; d <= 151; ++d)
        data.EffectiveRainfall.SetDay(d, 5.0 * 100 / 100 * (1 + 1e-15 * (d % 3)));
    const TReportTable t = Build(data, K::WaterRequirements);
    EXPECT_EQ(t.Grid[5][4].Text, "0.000");
    EXPECT_EQ(t.Grid[5][5].Text, "0.00");
}

// The CSV export: RFC 4180 quoting, CR LF line ends, the cells as shown, and a point as decimal
// separator even where the locale writes a comma.
TEST(ReportTables, CsvHasTheHeadingThenTheShownRowsWithDecimalPoints) {
    TAllData data;
    OneCropProject(data);
    SetDecimalSeparator(',');
    TReportTable t = Build(data, K::WaterRequirements);
    SetDecimalSeparator('.');
    t.Header[0] = "Period, \"month\"";
    SetDecimalSeparator(',');
    const std::string csv = ReportTableCsv(t);
    SetDecimalSeparator('.');

    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(csv.substr(at, end - at));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(1 + t.Rows() + (t.Totals.empty() ? 0 : 1)));
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    EXPECT_EQ(lines[0].rfind("\"Period, \"\"month\"\"\",", 0), 0u) << lines[0];
    // May holds shown numbers: their commas became points, and no field needed quotes.
    const std::string may = lines[1 + 5];
    EXPECT_EQ(may.rfind("May (5),", 0), 0u) << may;
    EXPECT_EQ(may.find('"'), std::string::npos) << may;
    EXPECT_NE(may.find('.'), std::string::npos) << may;
    int fields = 1;
    for (char c : may)
        fields += c == ',';
    EXPECT_EQ(fields, t.Columns());
    // A shown value that reads as zero is an empty field, as in the window.
    const std::string january = lines[1 + 1];
    EXPECT_NE(january.find(",,"), std::string::npos) << january;
}
