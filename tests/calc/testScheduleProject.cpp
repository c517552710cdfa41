#include "calc/uCurveNumber.h"
#include "calc/uEffectiveRainfall.h"
#include "calc/uScheduleProject.h"
#include "calc/uScheduleReport.h"
#include "calc/uStrategyTracks.h"
#include "core/cError.h"
#include "core/cNumberFormat.h"
#include "data/cSchedule.h"
#include "support/ReportTestProject.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Maize of 120 days planted on day 300, so its season runs over the year's end.
TSchedule MaizeSchedule(TAllData& data) {
    Site(data, "Day");
    for (int m = 1; m <= 12; ++m)
        data.Meteo.Precipitation.SetMonth(m, 31.0 * m); // m mm a day in a 31-day month
    TCropPatternLine& line = AddCrop(data, "Maize.crp", 50, 300, {20, 30, 40, 30}, 0.4, 1.15, 0.6);
    line.RootingDepth = 1.2;
    TSchedule s;
    s.Clear();
    SelectScheduleLine(s, line);
    return s;
}

} // namespace

TEST(ScheduleProject, TheSeasonTakesTheCropsSeriesRootsAndRainOverTheYearsEnd) {
    TAllData data;
    const TSchedule s = MaizeSchedule(data);
    PrepareScheduleProject(data, TEt0Method::Hargreaves);
    const TCropPatternLine& line = data.CropPattern.GetCropLine(1);
    const auto roots = RootingDepthOfDays(300, line.StageLength, 1.2);
    const auto season = SeasonOfLine(data, 1, TRainfallMethod::Usda);
    ASSERT_EQ(season.size(), 120u);
    EXPECT_EQ(season.front().Day, 300);
    EXPECT_EQ(season[65].Day, 365);
    EXPECT_EQ(season[66].Day, 1);
    EXPECT_EQ(season.back().Day, 54);
    for (std::size_t i = 0; i < season.size(); ++i) {
        const TSeasonDay& d = season[i];
        EXPECT_EQ(d.Stage, i < 20 ? 1 : i < 50 ? 2 : i < 90 ? 3 : 4) << i;
        EXPECT_EQ(d.ETc, line.ETcSeries.GetDay(d.Day));
        EXPECT_GT(d.ETc, 0);
        EXPECT_EQ(d.RootDepth, roots[d.Day - 1]);
        EXPECT_EQ(d.Rain, data.Meteo.Precipitation.GetDay(d.Day));
        EXPECT_EQ(d.RainEntering, d.Rain);
    }
    EXPECT_EQ(season.front().RootDepth, 0.05);
    EXPECT_EQ(season.back().RootDepth, 1.2);
    // The ETc of the chosen method's ET0.
    EXPECT_DOUBLE_EQ(season[0].ETc, 0.4 * data.ET0Hargreaves.GetDay(300));
}

TEST(ScheduleProject, RainEntersByTheEffectiveRainfallMethod) {
    TAllData data;
    MaizeSchedule(data);
    data.General.UseCurveNumber = true;
    data.General.LandUseIndex = 3;
    data.General.SoilGroupIndex = 2;
    SetDerivedGeneralValues(data.General);
    data.Meteo.Precipitation.SetMonth(12, 31 * 40.0); // 40 mm a day in December: runoff
    PrepareScheduleProject(data, TEt0Method::PenmanMonteith);
    const auto fixed = SeasonOfLine(data, 1, TRainfallMethod::Fixed);
    const auto runoff = SeasonOfLine(data, 1, TRainfallMethod::CurveNumber);
    bool someRunoff = false;
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        EXPECT_DOUBLE_EQ(fixed[i].RainEntering, fixed[i].Rain * 0.4);
        EXPECT_DOUBLE_EQ(
            runoff[i].RainEntering,
            RainAfterRunoff(data.Meteo.Precipitation, data.General.CurveNumber, runoff[i].Day));
        someRunoff = someRunoff || runoff[i].RainEntering < runoff[i].Rain;
    }
    EXPECT_TRUE(someRunoff);
    EXPECT_EQ(ScheduleRainfallMethods(data.General),
              (std::vector<TRainfallMethod>{TRainfallMethod::Usda, TRainfallMethod::CurveNumber,
                                            TRainfallMethod::Fixed}));
    EXPECT_EQ(ProjectRainfallMethod(data.General), TRainfallMethod::CurveNumber);

    // And the infiltration rate caps what enters.
    TSchedule s = MaizeSchedule(data);
    s.Soil.InfiltrationRate = 3;
    s.Timing = TScheduleTiming::Never;
    const TScheduleResult r =
        CalcSchedule(data, s, TEt0Method::PenmanMonteith, TRainfallMethod::Usda);
    for (const TScheduleDay& d : r.Days)
        EXPECT_EQ(d.Pe, std::min(d.Rain, 3.0));
}

TEST(ScheduleProject, TheCropLineIsFoundByFileNameAndPlantingDay) {
    TAllData data;
    TSchedule s = MaizeSchedule(data);
    AddCrop(data, "Cotton.crp", 20, 100, {30, 50, 60, 55}, 0.35, 1.2, 0.6);
    AddCrop(data, "Maize.crp", 20, 120, {30, 40, 50, 30}, 0.3, 1.2, 0.6);
    EXPECT_EQ(FindScheduleLine(data.CropPattern, s), 1);
    s.CropFileName = "C:\\QUELTA\\CROP\\MAIZE.CRP"; // written on another computer
    EXPECT_EQ(FindScheduleLine(data.CropPattern, s), 1);
    s.PlantingDay = 120;
    EXPECT_EQ(FindScheduleLine(data.CropPattern, s), 3);
    s.PlantingDay = 121;
    EXPECT_EQ(FindScheduleLine(data.CropPattern, s), 0);
    EXPECT_EQ(ScheduleLineName(s.CropFileName, 121), "MAIZE (day 121)");
}

TEST(ScheduleProject, BadInputIsRefusedWithAClearMessageAndChangesNothing) {
    TAllData data;
    const TSchedule good = MaizeSchedule(data);
    struct TCase {
        const char* Name;
        void (*Change)(TAllData&, TSchedule&);
        std::string Message;
    };
    const TCase cases[] = {
        {"FC <= WP", [](TAllData&, TSchedule& s) { s.Soil.FieldCapacity = 0.1; },
         "The field capacity must be larger than the wilting point."},
        {"efficiency 0", [](TAllData&, TSchedule& s) { s.Efficiency = 0; },
         "The field application efficiency must lie between 1 and 100 %."},
        {"line gone", [](TAllData& d, TSchedule&) { d.CropPattern.DeleteCropLine(1); },
         "The cropping pattern no longer holds the crop Maize (day 300) of this schedule. Choose "
         "one of its crops."},
        {"no line chosen", [](TAllData&, TSchedule& s) { s.CropFileName.clear(); },
         "Choose the crop of the cropping pattern that the schedule is for."},
        {"roots too shallow",
         [](TAllData& d, TSchedule&) { d.CropPattern.GetCropLine(1).RootingDepth = 0.04; },
         "The rooting depth of Maize must lie between 0.05 m, the depth of the roots at "
         "planting, and 10 m."},
    };
    for (const TCase& c : cases) {
        TAllData project;
        TSchedule s = MaizeSchedule(project);
        c.Change(project, s);
        EXPECT_EQ(ScheduleError(project, s), c.Message) << c.Name;
        project.ET0PenmanMonteith.Fill(-1); // not recomputed by a refused run
        try {
            CalcSchedule(project, s, TEt0Method::PenmanMonteith, TRainfallMethod::Usda);
            ADD_FAILURE() << c.Name << " ran";
        } catch (const TCalcError& e) {
            EXPECT_EQ(e.what(), c.Message) << c.Name;
        }
        EXPECT_EQ(project.ET0PenmanMonteith.GetDay(1), -1) << c.Name;
    }
    EXPECT_EQ(ScheduleError(data, good), "");

    // Rain no number (a damaged meteo file) stops the run with the day it met.
    data.Meteo.Precipitation.SetDay(306, std::nan(""));
    try {
        CalcSchedule(data, good, TEt0Method::PenmanMonteith, TRainfallMethod::Usda);
        ADD_FAILURE() << "ran on NaN rain";
    } catch (const TCalcError& e) {
        EXPECT_EQ(std::string(e.what()), "The crop evapotranspiration or the rain of Nov / 2 is "
                                         "no usable number; check the meteo data.");
    }
}

// Random projects: weather, crop, soil and every option drawn at random; what the balance
// promises must hold on every day of every one of them.
TEST(ScheduleProject, InvariantsHoldOnRandomProjects) {
    std::mt19937 random(20240611);
    auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    auto whole = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int project = 0; project < 150; ++project) {
        TAllData data;
        Site(data, "Day");
        for (int m = 1; m <= 12; ++m) {
            data.Meteo.Precipitation.SetMonth(m, whole(0, 4) == 0 ? uniform(200, 900)
                                                                  : uniform(0, 120));
            data.Meteo.Tmax.SetMonth(m, uniform(15, 40));
            data.Meteo.Tmin.SetMonth(m, uniform(0, 14));
            data.Meteo.WindSpeed.SetMonth(m, uniform(0.5, 6));
        }
        data.General.UseCurveNumber = whole(0, 1) == 1;
        data.General.LandUseIndex = whole(0, kLandUseRows - 1);
        data.General.SoilGroupIndex = whole(0, 3);
        data.General.FixedPercent = uniform(10, 100);
        SetDerivedGeneralValues(data.General);
        std::array<int, 4> stages{};
        for (int& days : stages)
            days = whole(1, 80);
        TCropPatternLine& line = AddCrop(data, "Crop.udc", 10, whole(1, 365), stages,
                                         uniform(0.2, 1.2), uniform(0.6, 1.3), uniform(0.2, 1.1));
        line.RootingDepth = uniform(0.05, 2.5);

        TSchedule s;
        s.Clear();
        SelectScheduleLine(s, line);
        s.Soil.AvailableWaterGiven = whole(0, 1) == 1;
        s.Soil.AvailableWater = uniform(20, 250);
        s.Soil.WiltingPoint = uniform(0.02, 0.25);
        s.Soil.FieldCapacity = s.Soil.WiltingPoint + uniform(0.03, 0.2);
        s.Soil.InfiltrationRate = uniform(2, 800);
        s.Soil.InitialDepletion = uniform(0, 100);
        s.DepletionFraction = uniform(0.1, 0.8);
        s.KySeason = uniform(0, 2);
        for (double& ky : s.KyStage)
            ky = whole(0, 1) ? uniform(0, 2) : 0;
        s.Timing = static_cast<TScheduleTiming>(whole(0, 3));
        s.TimingPercentOfRAW = uniform(10, 300);
        s.TimingInterval = whole(1, 30);
        s.TimingDepletion = uniform(5, 150);
        s.Application = static_cast<TScheduleApplication>(whole(0, 2));
        s.ApplicationDepth = uniform(5, 120);
        s.RoomForRain = uniform(0, 40);
        s.Efficiency = uniform(1, 100);
        const auto methods = ScheduleRainfallMethods(data.General);
        const TRainfallMethod rain = methods[whole(0, static_cast<int>(methods.size()) - 1)];
        ASSERT_EQ(ScheduleError(data, s), "") << project;

        const TScheduleResult r = CalcSchedule(data, s, static_cast<TEt0Method>(whole(0, 2)), rain);
        ASSERT_EQ(static_cast<int>(r.Days.size()), line.GrowingPeriod());
        const double tolerance = 1e-9;
        double dr = r.Season.InitialDepletion;
        for (const TScheduleDay& d : r.Days) {
            EXPECT_GE(d.Ks, 0);
            EXPECT_LE(d.Ks, 1);
            EXPECT_GE(d.ETa, 0);
            EXPECT_LE(d.ETa, d.ETc + tolerance);
            EXPECT_GE(d.Dr, 0);
            EXPECT_LE(d.Dr, d.TAW + tolerance);
            EXPECT_LE(d.Pe, s.Soil.InfiltrationRate);
            EXPECT_GE(d.DP, 0);
            EXPECT_NEAR(d.Dr, dr - d.Pe - d.Net + d.ETa + d.DP, tolerance);
            if (d.Irrigated && s.Application == TScheduleApplication::RefillToFieldCapacity) {
                EXPECT_NEAR(d.Dr, 0, tolerance);
            }
            EXPECT_NEAR(d.Gross * s.Efficiency / 100, d.Net, tolerance);
            dr = d.Dr;
        }
        EXPECT_NEAR(r.Season.BalanceError, 0, 1e-7) << project;
        EXPECT_LE(r.Season.ETa, r.Season.ETc + 1e-7);
        EXPECT_GE(r.Season.YieldReduction, 0);
        EXPECT_LE(r.Season.YieldReduction, 1);
        EXPECT_NEAR(r.Season.RainLosses + r.Season.IrrigationLosses,
                    r.Season.Rain - r.Season.Pe + r.Season.Gross - r.Season.Net + r.Season.DP,
                    1e-7);
        if (HasFailure())
            FAIL() << "project " << project;
    }
}

TEST(ScheduleReport, CsvHasHeadingsThenRowsWithPointsWhateverTheLocale) {
    TAllData data;
    TSchedule s = MaizeSchedule(data);
    const TScheduleResult r =
        CalcSchedule(data, s, TEt0Method::PenmanMonteith, TRainfallMethod::Fixed);
    SetDecimalSeparator(',');
    const TScheduleTable table = BuildScheduleTable(r, data.GuiSettings);
    const std::string csv = ScheduleCsv(table);
    SetDecimalSeparator('.');
    EXPECT_EQ(table.Rows[0][3].Text, "0,05"); // shown with the locale's comma
    const std::string heading = "Date,Day,Stage,Zr (m),Rain (mm),Pe (mm),ETc (mm),Ks,ETa (mm),"
                                "Net (mm),Gross (mm),DP (mm),Dr (mm),RAW (mm),TAW (mm)\r\n";
    ASSERT_EQ(csv.substr(0, heading.size()), heading);
    const std::string first =
        csv.substr(heading.size(), csv.find("\r\n", heading.size()) - heading.size());
    EXPECT_EQ(first.substr(0, 23), "Oct / 27,1,1,0.05,10.0,");
    // Every line holds 15 fields and no number is quoted for a comma of its own.
    std::size_t lines = 0;
    for (std::size_t start = 0; start < csv.size(); ++lines) {
        const std::size_t end = csv.find("\r\n", start);
        const std::string row = csv.substr(start, end - start);
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 14) << row;
        EXPECT_EQ(row.find('"'), std::string::npos) << row;
        start = end + 2;
    }
    EXPECT_EQ(lines, 121u);
}

TEST(ScheduleReport, SummaryAndTextReportShowTheSeason) {
    TAllData data;
    TSchedule s = MaizeSchedule(data);
    s.KyStage = {0.4, 0.4, 1.5, 0.2};
    const TScheduleResult r =
        CalcSchedule(data, s, TEt0Method::PenmanMonteith, TRainfallMethod::Usda);
    const auto summary = ScheduleSummary(r, data.GuiSettings);
    auto line = [&summary](const std::string& caption) {
        for (const TInfoLine& l : summary)
            if (l.Caption == caption)
                return l;
        ADD_FAILURE() << caption;
        return TInfoLine{};
    };
    EXPECT_EQ(line("Days in the season").Value, "120");
    EXPECT_EQ(line("Irrigations").Value, std::to_string(r.Season.Irrigations));
    EXPECT_EQ(line("Net irrigation").Value, FormatFixed(r.Season.Net, 1));
    EXPECT_EQ(line("Net irrigation").Unit, "mm");
    EXPECT_EQ(line("Water balance error").Value, "0.0");
    EXPECT_EQ(line("Yield reduction (seasonal Ky)").Unit, "%");
    EXPECT_EQ(*line("ETa / ETc").Raw, r.Season.RelativeET);
    EXPECT_EQ(ScheduleStatusLine(r.Season, data.GuiSettings),
              line("Irrigations").Value + " irrigations, " + line("Net irrigation").Value +
                  " mm net, " + line("Gross irrigation").Value + " mm gross; ETa / ETc " +
                  line("ETa / ETc").Value + ", yield reduction " +
                  line("Yield reduction (seasonal Ky)").Value + " %");

    const TReportText report = ScheduleTextReport(
        ScheduleReportHeader(data, "/data/Maize.sch", "Penman - Monteith", "USDA Method"), s, r,
        data.GuiSettings);
    ASSERT_GT(report.size(), 150u);
    EXPECT_EQ(report[0], (TReportLine{"Irrigation schedule", true}));
    const std::string text = ReportToPlainText(report);
    for (const char* expected :
         {"Schedule file:          /data/Maize.sch",
          "Crop:                   Maize.crp, planted on Oct / 27",
          "Irrigate:               When the depletion reaches 100 % of RAW",
          "Apply:                  Refill to field capacity",
          "Yield response Ky:      1.00 for the season, 0.40 initial, 0.40 development, 1.50 "
          "mid-season, 0.20 late season",
          "Daily water balance of the root zone"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}
