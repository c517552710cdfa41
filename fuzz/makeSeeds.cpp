// Writes the seed corpora of the fuzz targets: files of every kind and every version the readers
// accept, as the writers produce them (older versions value by value).
//   make_fuzz_seeds fuzz/corpus
#include "FuzzSupport.h"
#include "core/cValueStream.h"
#include "data/cAllData.h"
#include "data/cSchedule.h"
#include "support/ClimateGenerator.h"
#include "support/TestProject.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

std::filesystem::path root;

void Write(const std::string& kind, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(root / kind);
    std::ofstream(root / kind / name, std::ios::binary) << bytes;
}

template <class TRecord>
std::string BytesOf(const TRecord& record) {
    TValueWriter writer;
    record.WriteData(writer);
    return writer.Bytes();
}

void ValueStreamSeeds() {
    TValueWriter w;
    w.WriteInteger(-5);
    w.WriteInteger(1000);
    w.WriteInteger(100000);
    w.WriteFloat(-2.5);
    w.WriteString("North");
    w.WriteString(std::string(300, 'x'));
    w.WriteString("Sevilla \xc3\xa1");
    w.WriteBoolean(true);
    w.WriteListBegin();
    w.WriteBoolean(false);
    w.WriteListEnd();
    // A wide string of two characters and a 64-bit integer, which only old files hold.
    const std::string old("\x12\x02\x00\x00\x00"
                          "A\0B\0"
                          "\x13\x01\x00\x00\x00\x00\x00\x00\x00",
                          18);
    Write("value_stream", "all-tags.bin", std::string(1, '\0') + w.Bytes() + old);
}

void CropSeeds() {
    TCropFactor maize, rice;
    FillMaize(maize);
    FillRice(rice);
    Write("crop_factor", "v1-Maize.crp", BytesOf(maize));
    Write("crop_factor", "v1-Rice.udc", BytesOf(rice));
    // Version 0 also held the computed entries of Kc,1 and Kc,2.
    TValueWriter v0;
    v0.WriteInteger(0);
    v0.WriteString(maize.Description);
    v0.WriteBoolean(false);
    for (double kc : {0.3, 0.7, 0.75, 0.9, 1.2, 1.2, 0.6, 0.6, 1.0})
        v0.WriteFloat(kc);
    for (int days : maize.StageLength)
        v0.WriteInteger(days);
    Write("crop_factor", "v0-Maize.udc", v0.Bytes());
}

void PatternSeeds() {
    // The fuzz target keeps Maize.crp and Rice.udc in its program's Crop folder: one line names
    // it by a Windows path, one by the name alone, one a file that is nowhere.
    TCropPattern pattern;
    pattern.KcFallow = 0.25;
    pattern.KcPermanent = 0.5;
    const auto add = [&](double area, int day, const std::string& file) {
        TCropPatternLine& line = pattern.AddCropLine();
        line.Area = area;
        line.PlantingDay = day;
        line.CropFileName = file;
    };
    add(400, 100, "C:\\QUELTA\\CROP\\MAIZE.CRP");
    add(300, 300, "Rice.udc");
    Write("crop_pattern", "v1-two-crops.pat", BytesOf(pattern));
    add(50, 20, "/nowhere/Cotton.crp");
    Write("crop_pattern", "v1-missing-crop.pat", BytesOf(pattern));
    TValueWriter v0; // no Kc of fallow and permanent land
    v0.WriteInteger(0);
    v0.WriteListBegin();
    v0.WriteInteger(0);
    v0.WriteFloat(250);
    v0.WriteInteger(120);
    v0.WriteString("maize.crp");
    v0.WriteListEnd();
    Write("crop_pattern", "v0-one-crop.pat", v0.Bytes());
}

void ProjectSeeds() {
    TAllData data;
    LoadValidProject(data);
    TGuiSettings& units = data.GuiSettings;
    units.LengthUnit = units.AreaUnit = units.TemperatureUnit = 1;
    units.VelocityUnit = 2;
    Write("settings", "imperial.INI", BytesOf(units));

    TGeneral& g = data.General;
    g.Country = "Spain";
    g.Region = "Guadalquivir";
    g.Description = "Example";
    g.UseCurveNumber = true;
    g.LandUseIndex = 3;
    g.SoilGroupIndex = 2;
    Write("general", "v2.gen", BytesOf(g));
    // Version 1 ends after the application interval; version 0 also lacks the gross area.
    for (int version : {0, 1}) {
        TValueWriter w;
        w.WriteInteger(version);
        for (const std::string* text : {&g.Country, &g.Region, &g.Description, &g.Hemisphere})
            w.WriteString(*text);
        w.WriteFloat(g.Latitude);
        w.WriteFloat(g.Altitude);
        w.WriteFloat(g.IrrigableArea);
        if (version == 1)
            w.WriteFloat(g.GrossArea);
        w.WriteString(g.CalcPeriod);
        w.WriteFloat(g.MeanDepth);
        w.WriteInteger(g.ApplInterval);
        Write("general", "v" + std::to_string(version) + ".gen", w.Bytes());
    }

    Write("meteo", "v0.mtf", BytesOf(data.Meteo));

    TStrategy& s = data.Strategy;
    s.Clear();
    s.SoilType = "Loam";
    s.FieldApplMethod = "Basin irrigation";
    s.RaRatio = 0.6;
    s.DepthGW1Jan = 2;
    s.ETaGross.Fill(3);
    const std::string s1 = BytesOf(s);
    Write("strategy", "v1.str", s1);
    // Version 0 has no ETa of the gross area.
    std::string s0 = s1.substr(0, s1.size() - 365 * 11);
    s0[1] = 0;
    Write("strategy", "v0.str", s0);
}

// A schedule of every timing and application option, with its soil given both ways.
void ScheduleSeeds() {
    TSchedule s;
    s.Clear();
    s.CropFileName = "Maize.crp";
    s.PlantingDay = 105;
    s.KyStage = {0.4, 0.4, 1.5, 0.2};
    Write("schedule", "v1-refill.sch", BytesOf(s));
    s.Timing = TScheduleTiming::FixedInterval;
    s.Application = TScheduleApplication::FixedDepth;
    s.Soil.AvailableWaterGiven = true;
    Write("schedule", "v1-interval.sch", BytesOf(s));
    s.Timing = TScheduleTiming::DepletionDepth;
    s.Application = TScheduleApplication::RefillLessRoom;
    Write("schedule", "v1-depth.sch", BytesOf(s));
}

// Daily climate records of one leap year in every date form, separator, humidity and radiation the
// import reads, with gaps and missing-value markers; small, so the fuzzer stays quick.
void ClimateSeeds() {
    struct TSeed {
        const char* Name;
        TSyntheticClimateSpec Spec;
    };
    auto spec = [](TGenLayout layout, TGenDates dates) {
        TSyntheticClimateSpec s;
        s.Layout = layout;
        s.Dates = dates;
        s.FirstYear = 2020;
        s.Years = 1;
        return s;
    };
    std::vector<TSeed> seeds;
    seeds.push_back({"csv-iso-sunshine.csv", spec(TGenLayout::Csv, TGenDates::Iso)});
    TSyntheticClimateSpec s = spec(TGenLayout::Csv, TGenDates::DayMonthYear);
    s.Separator = ';';
    s.DecimalComma = true;
    s.Radiation = TGenRadiation::Watts;
    s.Humidity = TGenHumidity::DewPoint;
    s.GapShare = 0.05;
    s.Missing = "NA";
    seeds.push_back({"csv-semicolon-dewpoint.csv", s});
    s = spec(TGenLayout::Csv, TGenDates::YearMonthDay);
    s.Separator = '\t';
    s.Humidity = TGenHumidity::MaxMin;
    s.Radiation = TGenRadiation::Megajoules;
    s.StateRadiationUnit = false;
    s.GapShare = 0.03;
    seeds.push_back({"csv-tab-maxmin.csv", s});
    s = spec(TGenLayout::NasaPower, TGenDates::YearDayOfYear);
    s.Radiation = TGenRadiation::KilowattHours;
    s.WindHeight = 10;
    s.GapShare = 0.02;
    s.Latitude = -12.5;
    seeds.push_back({"power-doy-kwh.csv", s});
    s = spec(TGenLayout::NasaPower, TGenDates::YearMonthDay);
    s.WithRHmax = true;
    seeds.push_back({"power-ymd-mj.csv", s});
    for (const TSeed& seed : seeds)
        Write("climate_record", seed.Name, MakeSyntheticClimate(seed.Spec).Text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds CORPUS_FOLDER\n";
        return 2;
    }
    root = argv[1];
    ValueStreamSeeds();
    CropSeeds();
    PatternSeeds();
    ProjectSeeds();
    ScheduleSeeds();
    ClimateSeeds();
    return 0;
}
