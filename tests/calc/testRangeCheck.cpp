#include "calc/uRangeCheck.h"

#include "calc/uCropFactorRules.h"
#include "calc/uMeteoRanges.h"
#include "core/cGuiSettings.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"
#include "support/TestProject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// The faults as the lines a message would show, in order.
std::vector<std::string> Lines(const std::vector<TOutOfRange>& faults) {
    std::vector<std::string> lines;
    for (const TOutOfRange& f : faults)
        lines.push_back(OutOfRangeText(f));
    return lines;
}

void SetImperial(TGuiSettings& s) {
    s.LengthUnit = s.AreaUnit = s.VelocityUnit = s.TemperatureUnit = s.PrecipitationUnit =
        s.VolumeUnit = 1;
}

TCropFactor ValidCrop() {
    TCropFactor crop;
    crop.Clear();
    crop.SetKc1(1, 0.4);
    crop.SetKc3(1, 1.15);
    crop.SetKc4(1, 0.6);
    crop.RootingDepth = 1.2;
    for (int stage = 1; stage <= 4; ++stage)
        crop.SetStageLength(stage, 30);
    return crop;
}

} // namespace

TEST(RangeCheck, AValidProjectHasNothingOutOfRange) {
    TAllData data;
    LoadValidProject(data);
    EXPECT_TRUE(OutOfRangeGeneral(data.General, data.GuiSettings).empty());
    EXPECT_TRUE(OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General).empty());
    EXPECT_TRUE(OutOfRangeCropFactor(ValidCrop(), data.GuiSettings).empty());
}

// Each field is named as the editor captions it, its value as the field shows it in the units
// now set, and its range as the editor's hint; the list keeps the editor's field order.
TEST(RangeCheck, GeneralFieldsInEditorOrderWithValueAndHint) {
    struct TCase {
        const char* what;
        bool imperial;
        std::function<void(TGeneral&)> change;
        std::vector<std::string> expected;
    };
    const TCase cases[] = {
        {"altitude",
         false,
         [](TGeneral& g) { g.Altitude = 5000; },
         {"Altitude above mean sea level: 5000.00 (Range: -500 <= Altitude <= 4500 m)"}},
        {"altitude in feet",
         true,
         [](TGeneral& g) { g.Altitude = -600; },
         {"Altitude above mean sea level: -1968.50 (Range: -1640 <= Altitude <= 14763 ft)"}},
        {"irrigable above gross",
         false,
         [](TGeneral& g) { g.IrrigableArea = 1300; },
         {"Size of irrigable area: 1300.0 (Range: 1 < Irrigable area <= 1000000 ha and Irrigable "
          "area <= Gross area)"}},
        {"both areas 0 and depth",
         false,
         [](TGeneral& g) {
             g.GrossArea = g.IrrigableArea = 0;
             g.MeanDepth = 19.9;
         },
         {"Size of gross command area: 0.0 (Range: 1 < Gross area <= 1000000 ha and Gross area >= "
          "Irrigable area)",
          "Size of irrigable area: 0.0 (Range: 1 < Irrigable area <= 1000000 ha and Irrigable area "
          "<= Gross area)",
          "Mean depth of water application: 19.9 (Range: 20 < Application depth <= 200 mm)"}},
        {"latitude from a file",
         false,
         [](TGeneral& g) { g.Latitude = 70.75; },
         {"Latitude degrees: 70 (Range: 0 <= Latitude degrees <= 66)",
          "Latitude minutes: 75 (Range: 0 <= Latitude minutes <= 59)"}},
        {"fixed percentage",
         false,
         [](TGeneral& g) { g.FixedPercent = 120; },
         {"Fixed % of precipitation: 120 (Range: 0 <= fixed percentage <= 100)"}},
    };
    for (const TCase& k : cases) {
        TAllData data;
        LoadValidProject(data);
        if (k.imperial)
            SetImperial(data.GuiSettings);
        k.change(data.General);
        EXPECT_EQ(Lines(OutOfRangeGeneral(data.General, data.GuiSettings)), k.expected) << k.what;
    }
}

// Row by row, columns left to right, then the wind height; each cell labelled with its row.
TEST(RangeCheck, MeteoCellsRowByRowThenWindHeight) {
    TAllData data;
    LoadValidProject(data);
    TMeteo& m = data.Meteo;
    m.RHmax.SetMonth(3, 50);     // below RHmean 55
    m.WindSpeed.SetMonth(2, 16); // above 15 m/s
    m.Tmax.SetMonth(2, 11);      // below Tmin 12
    m.Precipitation.SetMonth(12, 1200);
    m.WindHeight = 0.4;
    EXPECT_EQ(Lines(OutOfRangeMeteo(m, data.GuiSettings, &data.General)),
              (std::vector<std::string>{
                  "Tmax, Feb (2): 11.0 (Range: -50 <= Temperature <= 55 and Tmin < Tmax °C)",
                  "Windspeed, Feb (2): 16.0 (Range: 0 <= Windspeed <= 15 m/s)",
                  "RHmax, Mar (3): 50.0 (Range: RHmean <= RHmax <= 100 %  or RHmax = 0 (no data "
                  "available))",
                  "Precipitation, Dec (12): 1200.0 (Range: 0 <= Precipitation <= 1000 mm)",
                  "Height of windspeed measurements above ground level: 0.40 (Range: 0.5 < Height "
                  "windspeed measurement <= 15 m)"}));
    // The full check of the main window says the same.
    ValidateMeteoRecord(data);
    EXPECT_FALSE(m.DataValid);
}

// The sunshine limit needs the latitude; without general data the rule is left out. Weekly
// periods give weekly rows with their labels.
TEST(RangeCheck, SunshineNeedsGeneralDataAndRowsFollowThePeriod) {
    TAllData data;
    LoadValidProject(data);
    data.General.Latitude = 60;
    data.Meteo.Sunshine.Fill(4);
    data.Meteo.Sunshine.SetMonth(12, 9); // December at 60 N has under 6 hours of day
    const auto withLatitude = OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General);
    ASSERT_EQ(withLatitude.size(), 1u);
    EXPECT_EQ(withLatitude[0].Field, "Sunshine");
    EXPECT_EQ(withLatitude[0].Period, "Dec (12)");
    EXPECT_EQ(withLatitude[0].Value, "9.0");
    EXPECT_TRUE(OutOfRangeMeteo(data.Meteo, data.GuiSettings, nullptr).empty());

    data.General.CalcPeriod = "Week";
    data.GuiSettings.SetPeriodKind(2);
    const auto weekly = OutOfRangeMeteo(data.Meteo, data.GuiSettings, &data.General);
    ASSERT_FALSE(weekly.empty());
    EXPECT_EQ(weekly.front().Period, "03/12 (49)"); // the first week that lies in December
}

// The crop factor editor refuses to save these; a computed Kc,1 is not checked.
TEST(RangeCheck, CropFactorRulesNameTheFieldsTheyRefuse) {
    struct TCase {
        const char* what;
        std::function<void(TCropFactor&)> change;
        std::vector<std::string> fields;
    };
    const TCase cases[] = {
        {"Kc above 2", [](TCropFactor& c) { c.SetKc3(1, 2.05); }, {"Kc,3"}},
        {"Kc of exactly 2", [](TCropFactor& c) { c.SetKc4(1, 2); }, {}},
        {"Kc,1 zero", [](TCropFactor& c) { c.SetKc1(1, 0); }, {"Kc,1"}},
        {"Kc,1 zero but computed",
         [](TCropFactor& c) {
             c.SetKc1(1, 0);
             c.StandardKc = true;
         },
         {}},
        {"no roots, a stage of 0",
         [](TCropFactor& c) {
             c.RootingDepth = 0;
             c.SetStageLength(2, 0);
         },
         {"Rooting depth", "development"}},
        {"a year and a day",
         [](TCropFactor& c) { c.SetStageLength(3, 366 - 90); },
         {"growing period"}},
    };
    TGuiSettings units;
    for (const TCase& k : cases) {
        TCropFactor crop = ValidCrop();
        k.change(crop);
        std::vector<std::string> fields;
        for (const TOutOfRange& f : OutOfRangeCropFactor(crop, units))
            fields.push_back(f.Field);
        EXPECT_EQ(fields, k.fields) << k.what;
        TCropFactor copy = crop;
        EXPECT_EQ(CheckCropFactor(copy), k.fields.empty()) << k.what; // the editor agrees
    }
}

// Crops are named by position and file; the area check lists the months above the irrigable
// area only when general data give that area.
TEST(RangeCheck, PatternCropsAndCroppedArea) {
    TAllData data;
    LoadValidProject(data); // 1000 ha irrigable
    TCropPattern& pattern = data.CropPattern;
    TCropPatternLine& a = pattern.AddCropLine();
    static_cast<TCropFactor&>(a) = ValidCrop(); // 120 days
    a.CropFileName = "/crops/Maize.udc";
    a.Area = 600;
    a.PlantingDay = 32; // 1 February to 31 May
    TCropPatternLine& b = pattern.AddCropLine();
    static_cast<TCropFactor&>(b) = ValidCrop();
    b.SetKc4(1, 0);
    b.CropFileName = "/crops/Wheat.udc";
    b.Area = 500;
    b.PlantingDay = 121; // from 1 May
    EXPECT_EQ(
        Lines(OutOfRangePattern(pattern, data.GuiSettings, &data.General)),
        (std::vector<std::string>{
            "Crop 2 (Wheat): Kc,4: 0.00 (Range: 0 < Kc <= 2)",
            "Cropped area, May (5): 1100.0 (Range: Cropped area <= Irrigable area (1000.0 ha))"}));
    b.Area = 0;
    EXPECT_EQ(
        Lines(OutOfRangePattern(pattern, data.GuiSettings, nullptr)),
        (std::vector<std::string>{"Crop 2 (Wheat): Cropped area: 0.0 (Range: Cropped area > 0 "
                                  "ha)",
                                  "Crop 2 (Wheat): Kc,4: 0.00 (Range: 0 < Kc <= 2)"}));
}

TEST(RangeCheck, StrategyValuesTheWindowRefuses) {
    TStrategy strategy;
    strategy.Clear();
    strategy.DFUser.SetMonth(4, 1.2);
    strategy.DFUser.SetMonth(5, 1);
    strategy.ETaGross.SetMonth(7, -3);
    TGuiSettings units;
    EXPECT_EQ(Lines(OutOfRangeStrategy(strategy, units)),
              (std::vector<std::string>{
                  "Depleted fraction, Apr (4): 1.20 (Range: 0 <= Depleted fraction <= 1)",
                  "ETa, gross, Jul (7): -3.0 (Range: 0 <= ETa, gross)"}));
}

// Every value the schedule window's rules refuse, named as the window captions the field, in its
// order: the soil, p, Ky (a stage's by its stage), then the value of the timing and application
// options chosen (the others are not the user's to keep in range), then the efficiency.
TEST(RangeCheck, ScheduleAndSoilValuesTheScheduleWindowRefuses) {
    struct TCase {
        const char* what;
        bool imperial;
        std::function<void(TSchedule&)> change;
        std::vector<std::string> expected;
    };
    const TCase cases[] = {
        {"a valid schedule", false, [](TSchedule&) {}, {}},
        {"every field at once",
         false,
         [](TSchedule& s) {
             s.Soil.FieldCapacity = 1.2;
             s.Soil.WiltingPoint = -0.1;
             s.Soil.InfiltrationRate = 0;
             s.Soil.InitialDepletion = 120;
             s.DepletionFraction = 0.9;
             s.KySeason = 2.5;
             s.KyStage = {0.4, 0.4, 3, -1};
             s.Timing = TScheduleTiming::FixedInterval;
             s.TimingInterval = 400;
             s.TimingPercentOfRAW = -5; // not the option chosen
             s.Application = TScheduleApplication::FixedDepth;
             s.ApplicationDepth = 0;
             s.RoomForRain = -1; // not the option chosen
             s.Efficiency = 0.5;
         },
         {"Field capacity: 1.2 (Range: 0 <= Field capacity <= 1 m3/m3 and Field capacity > "
          "Wilting point)",
          "Wilting point: -0.1 (Range: 0 <= Wilting point <= 1 m3/m3 and Wilting point < Field "
          "capacity)",
          "Rain infiltration: 0.0 (Range: 0 < Rain infiltration <= 10000.0 mm per day)",
          "Initial depletion: 120 (Range: 0 <= Initial depletion <= 100 % of TAW)",
          "Depletion fraction p: 0.9 (Range: 0.1 <= p <= 0.8)",
          "Ky of the season: 2.5 (Range: 0 <= Ky <= 2)",
          "Ky of the stages, mid-season: 3 (Range: 0 <= Ky <= 2)",
          "Ky of the stages, late season: -1 (Range: 0 <= Ky <= 2)",
          "Interval between irrigations: 400 (Range: 1 <= Interval <= 365 days)",
          "Net depth of an irrigation: 0.0 (Range: 0 < Net depth <= 1000.0 mm)",
          "Application efficiency: 0.5 (Range: 1 <= Efficiency <= 100 %)"}},
        {"wilting point above field capacity names the wilting point",
         false,
         [](TSchedule& s) { s.Soil.WiltingPoint = 0.3; },
         {"Wilting point: 0.3 (Range: 0 <= Wilting point <= 1 m3/m3 and Wilting point < Field "
          "capacity)"}},
        {"a total available water entered replaces field capacity and wilting point, in inches",
         true,
         [](TSchedule& s) {
             s.Soil.AvailableWaterGiven = true;
             s.Soil.AvailableWater = 1500;
             s.Soil.FieldCapacity = 5; // not used
             s.Timing = TScheduleTiming::DepletionDepth;
             s.TimingDepletion = std::numeric_limits<double>::infinity();
             s.Application = TScheduleApplication::RefillLessRoom;
             s.RoomForRain = 2000;
         },
         {"Total available water: 59.06 (Range: 0 < Total available water <= 39.37 in per m of "
          "soil)",
          "Depletion that starts an irrigation: - (Range: 0 < Depletion <= 393.70 in)",
          "Room for rain: 78.74 (Range: 0 <= Room for rain <= 39.37 in)"}},
        {"a share of RAW and a NaN p",
         false,
         [](TSchedule& s) {
             s.TimingPercentOfRAW = 0.5;
             s.DepletionFraction = std::nan("");
         },
         {"Depletion fraction p: - (Range: 0.1 <= p <= 0.8)",
          "Depletion that starts an irrigation, % of RAW: 0.5 (Range: 1 <= Depletion <= 1000 % "
          "of RAW)"}},
    };
    for (const TCase& c : cases) {
        TSchedule s;
        s.Clear();
        c.change(s);
        TGuiSettings units;
        if (c.imperial)
            SetImperial(units);
        EXPECT_EQ(Lines(OutOfRangeSchedule(s, units)), c.expected) << c.what;
        // A soil file is checked by the soil part of the same rules.
        std::vector<std::string> soil;
        for (const std::string& line : c.expected)
            if (line.starts_with("Field") || line.starts_with("Wilting") ||
                line.starts_with("Total") || line.starts_with("Rain") ||
                line.starts_with("Initial"))
                soil.push_back(line);
        EXPECT_EQ(Lines(OutOfRangeSoil(s.Soil, units)), soil) << c.what;
    }
}
