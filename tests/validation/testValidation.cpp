// docs/validation.md compares the program with published worked examples. Every figure on that
// page is recomputed here and must lie within the tolerance its row states; a row no test
// computes, or a computed row missing from the page, fails too. When a value moves on purpose,
// the failure prints the row as it should now read.

#include "Fao56Reference.h"

#include "calc/uCalculate.h"
#include "calc/uCurveNumber.h"
#include "calc/uEffectiveRainfall.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// ---- the page ----

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct TPageRow {
    std::vector<std::string> Cells;
    int Line;
};

// The body rows of every table on the page, by the text of their first cell.
std::map<std::string, TPageRow> PageRows(const std::string& page) {
    std::map<std::string, TPageRow> rows;
    std::istringstream in(page);
    std::string line;
    int number = 0;
    bool header = true; // the first row of a table names its columns
    while (std::getline(in, line)) {
        ++number;
        if (line.rfind("|", 0) != 0) {
            header = true;
            continue;
        }
        std::vector<std::string> cells;
        std::stringstream split(line.substr(1));
        for (std::string cell; std::getline(split, cell, '|');)
            cells.push_back(Trim(cell));
        if (header || cells.empty() || cells[0].rfind("---", 0) == 0) {
            header = false;
            continue;
        }
        rows[cells[0]] = {cells, number};
    }
    return rows;
}

// A figure of a cell: "5.75", "+0.03", "-6.3"; nothing for text or a dash.
std::optional<double> Figure(std::string cell) {
    if (!cell.empty() && cell[0] == '+')
        cell.erase(0, 1);
    try {
        return TextToNumber(cell);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<double> Tolerance(const std::vector<std::string>& cells) {
    const std::string plusMinus = "±";
    for (const std::string& cell : cells)
        if (cell.rfind(plusMinus, 0) == 0)
            return Figure(cell.substr(plusMinus.size()));
    return std::nullopt;
}

// What a row must show: its figures in order, and how they are written.
struct TComputedRow {
    std::vector<double> Figures;
    std::vector<int> Decimals;
};

std::string Written(const TComputedRow& row) {
    std::string text;
    for (std::size_t i = 0; i < row.Figures.size(); ++i)
        text += " | " + FormatFixed(row.Figures[i], row.Decimals[i]);
    return text;
}

// ---- the program on one day or a whole site ----

// Every day of the year with the same weather; a month's rain of `rain` mm.
struct TOneDay {
    double Latitude; // degrees.minutes
    double Altitude;
    int Day;
    double Tmax, Tmin, RHmean, RHmax, Sunshine, Wind, WindHeight;
};

std::array<double, 3> ProgramEt0(const TOneDay& d) {
    TAllData data;
    data.General.Clear();
    data.General.Hemisphere = "North";
    data.General.Latitude = d.Latitude;
    data.General.Altitude = d.Altitude;
    TMeteo& m = data.Meteo;
    m.Clear();
    m.WindHeight = d.WindHeight;
    m.Tmax.Fill(d.Tmax);
    m.Tmin.Fill(d.Tmin);
    m.RHmean.Fill(d.RHmean);
    m.RHmax.Fill(d.RHmax);
    m.Sunshine.Fill(d.Sunshine);
    m.WindSpeed.Fill(d.Wind);
    CalcET0(data);
    return {data.ET0PenmanMonteith.GetDay(d.Day), data.ET0ModPenman.GetDay(d.Day),
            data.ET0Hargreaves.GetDay(d.Day)};
}

double E0(double t) {
    return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

// The RHmean that gives the program's actual vapour pressure ea (its harmonic mean form).
double RHmeanForEa(double ea, double tmax, double tmin) {
    return ea * (50 / E0(tmax) + 50 / E0(tmin));
}

double DecimalDegrees(double degreesMinutes) {
    const double degrees = std::trunc(degreesMinutes);
    return degrees + (degreesMinutes - degrees) * 100 / 60;
}

struct TSiteYear {
    double PenmanMonteith = 0, ModPenman = 0, Hargreaves = 0;
    double Standard = 0;        // FAO-56, ea by equation 19, G = 0
    double HarmonicEa = 0;      // the same with the program's ea
    double ProgramLongWave = 0; // and the program's net long-wave radiation
};

TSiteYear SiteYear(const std::string& site) {
    const std::string app = std::string(QUELTA_BINARY_DIR) + "/examples/";
    TAllData data;
    EXPECT_TRUE(data.General.Load(app + "General/" + site + ".gen") &&
                data.Meteo.Load(app + "Meteo/" + site + ".mtf"))
        << site;
    CalcET0(data);
    TSiteYear year;
    const TMeteo& m = data.Meteo;
    for (int day = 1; day <= 365; ++day) {
        year.PenmanMonteith += data.ET0PenmanMonteith.GetDay(day);
        year.ModPenman += data.ET0ModPenman.GetDay(day);
        year.Hargreaves += data.ET0Hargreaves.GetDay(day);
        TFao56Day d;
        d.LatitudeDegrees = DecimalDegrees(data.General.Latitude);
        d.Altitude = data.General.Altitude;
        d.Day = day;
        d.Tmax = m.Tmax.GetDay(day);
        d.Tmin = m.Tmin.GetDay(day);
        d.Sunshine = m.Sunshine.GetDay(day);
        d.WindSpeed = m.WindSpeed.GetDay(day);
        d.WindHeight = m.WindHeight;
        d.RHmean = m.RHmean.GetDay(day);
        year.Standard += Fao56PenmanMonteith(d).Et0;
        d.Ea = d.RHmean / (50 / E0(d.Tmax) + 50 / E0(d.Tmin));
        year.HarmonicEa += Fao56PenmanMonteith(d).Et0;
        d.ProgramLongWave = true;
        year.ProgramLongWave += Fao56PenmanMonteith(d).Et0;
    }
    return year;
}

double PercentAbove(double value, double base) {
    return (value / base - 1) * 100;
}

// ---- the figures of the page ----

std::map<std::string, TComputedRow> ComputedRows() {
    std::map<std::string, TComputedRow> rows;
    auto compare = [&rows](const std::string& key, double published, double value) {
        rows[key] = {{published, value, value - published}, {2, 2, 2}};
    };
    auto alone = [&rows](const std::string& key, double value) { rows[key] = {{value}, {2}}; };

    // FAO-56 Example 17: Bangkok, April, monthly means; ea 2.85 kPa, u2 2 m/s, n 8.5 h. The
    // publication adds a soil heat flux of 0.14 MJ/m2/day from the neighbouring months. The
    // program gets the RHmean that gives 2.85 kPa by its own rule, no RHmax, no rain.
    // FAO-56 Example 18: Brussels, 6 July; RHmax 84 %, RHmin 63 %, 10 km/h at 10 m, n 9.25 h;
    // the program gets RHmean 73.5 % and RHmax 84 %.
    struct TWorkedExample {
        std::string Name;
        double Published;
        TFao56Day Standard;
        TOneDay Program;
    };
    const TWorkedExample examples[] = {
        {"Example 17",
         5.72,
         {.LatitudeDegrees = 13 + 44.0 / 60,
          .Altitude = 2,
          .Day = 105,
          .Tmax = 34.8,
          .Tmin = 25.6,
          .Sunshine = 8.5,
          .WindSpeed = 2,
          .Ea = 2.85,
          .SoilHeatFlux = 0.14},
         {13.44, 2, 105, 34.8, 25.6, RHmeanForEa(2.85, 34.8, 25.6), 0, 8.5, 2, 2}},
        {"Example 18",
         3.9,
         {.LatitudeDegrees = 50 + 48.0 / 60,
          .Altitude = 100,
          .Day = 187,
          .Tmax = 21.5,
          .Tmin = 12.3,
          .Sunshine = 9.25,
          .WindSpeed = 10 / 3.6,
          .WindHeight = 10,
          .RHmax = 84,
          .RHmin = 63},
         {50.48, 100, 187, 21.5, 12.3, 73.5, 84, 9.25, 10 / 3.6, 10}},
    };
    for (const TWorkedExample& e : examples) {
        compare(e.Name + ", FAO-56 standard form (test implementation)", e.Published,
                Fao56PenmanMonteith(e.Standard).Et0);
        const auto program = ProgramEt0(e.Program);
        compare(e.Name + ", Penman - Monteith", e.Published, program[0]);
        alone(e.Name + ", FAO Modified Penman", program[1]);
        alone(e.Name + ", Modified Hargreaves", program[2]);
    }

    // USDA effective rainfall, net depth of application 75 mm (3 in): the equation from which
    // the Soil Conservation Service table is drawn (NEH Part 623, chapter 2, inches).
    for (const auto& [rain, use] : std::vector<std::pair<double, double>>{
             {25, 100}, {50, 100}, {100, 150}, {150, 200}, {200, 250}}) {
        const double p = rain / 25.4, et = use / 25.4, depth = 3;
        const double sf = 0.531747 + 0.295164 * depth - 0.057697 * depth * depth +
                          0.003804 * depth * depth * depth;
        const double table =
            25.4 * sf * (0.70917 * std::pow(p, 0.82416) - 0.11556) * std::pow(10, 0.02426 * et);
        const double program = UsdaEffectiveRain(rain, use, 75);
        rows["P " + FormatGeneral(rain) + " mm, ETc " + FormatGeneral(use) + " mm"] = {
            {table, program, program - table}, {1, 1, 1}};
    }

    // SCS Curve Number runoff (TR-55, equations 2-1 to 2-4; its table 2-1 in inches).
    for (const auto& [rainInches, cn] : std::vector<std::pair<double, int>>{
             {1.0, 80}, {2.0, 90}, {3.0, 75}, {5.0, 80}, {6.0, 65}}) {
        const double s = 1000.0 / cn - 10;
        const double q =
            rainInches > 0.2 * s ? std::pow(rainInches - 0.2 * s, 2) / (rainInches + 0.8 * s) : 0;
        const double program = CurveNumberRunoff(rainInches * 25.4, cn) / 25.4;
        rows["P " + FormatFixed(rainInches, 1) + " in, CN " + std::to_string(cn)] = {
            {q, program, program - q}, {2, 2, 2}};
    }

    // FAO-56 chapter 6: the Kc curve of dry beans (Table 11, continental climates, planted
    // May/June: 20, 30, 40, 20 days; Table 12: 0.40, 1.15, 0.35) by equation 66, planted on
    // 1 June in a climate that needs no adjustment (RHmean at most 70 %, wind below 5 m/s).
    TAllData beans;
    beans.General.Clear();
    beans.General.Hemisphere = "North";
    beans.General.Latitude = 37.25;
    beans.General.ApplInterval = 7;
    beans.Meteo.Clear();
    beans.Meteo.WindHeight = 2;
    beans.Meteo.Tmax.Fill(30);
    beans.Meteo.Tmin.Fill(15);
    beans.Meteo.RHmean.Fill(55);
    beans.Meteo.Sunshine.Fill(10);
    beans.Meteo.WindSpeed.Fill(2);
    TCropPatternLine& line = beans.CropPattern.AddCropLine();
    line.Kc1 = {0.40, 0};
    line.Kc3 = {1.15, 1.15};
    line.Kc4 = {0.35, 0.35};
    line.StageLength = {20, 30, 40, 20};
    line.RootingDepth = 0.75;
    line.PlantingDay = 152;
    line.Area = 1;
    CalcET0(beans);
    CalcAllCropsETc(beans, beans.ET0PenmanMonteith, beans.ETcTotalPenmanMonteith);
    for (int i : {10, 20, 21, 35, 50, 70, 91, 100, 110}) {
        double kc = 0.40;
        if (i > 20 && i <= 50)
            kc = 0.40 + (i - 20) / 30.0 * (1.15 - 0.40);
        else if (i > 50 && i <= 90)
            kc = 1.15;
        else if (i > 90)
            kc = 1.15 + (i - 90) / 20.0 * (0.35 - 1.15);
        const double program = line.KcSeries.GetDay(152 + i - 1);
        rows["Day " + std::to_string(i) + " of the season"] = {{kc, program, program - kc},
                                                               {3, 3, 3}};
    }

    // The example sites over the year.
    for (const char* site : {"Seville", "Cairo", "Bangkok"}) {
        const TSiteYear y = SiteYear(site);
        const std::string name = site;
        rows[name + ", annual ET0"] = {{y.Standard, y.PenmanMonteith, y.ModPenman, y.Hargreaves},
                                       {0, 0, 0, 0}};
        rows[name + ", percent above the standard form"] = {
            {PercentAbove(y.PenmanMonteith, y.Standard), PercentAbove(y.HarmonicEa, y.Standard),
             PercentAbove(y.ProgramLongWave, y.Standard),
             PercentAbove(y.ModPenman, y.PenmanMonteith)},
            {1, 1, 1, 1}};
    }
    return rows;
}

} // namespace

TEST(Validation, EveryFigureOfThePageHoldsWithinItsTolerance) {
    const std::string path = std::string(QUELTA_SOURCE_DIR) + "/docs/validation.md";
    const std::map<std::string, TPageRow> page = PageRows(ReadFileBytes(path));
    const std::map<std::string, TComputedRow> computed = ComputedRows();

    for (const auto& [key, row] : computed) {
        const auto found = page.find(key);
        if (found == page.end()) {
            ADD_FAILURE() << "docs/validation.md has no row \"" << key << "\"; it would read\n| "
                          << key << Written(row) << " |";
            continue;
        }
        const std::vector<std::string>& cells = found->second.Cells;
        const std::optional<double> tolerance = Tolerance(cells);
        ASSERT_TRUE(tolerance) << "line " << found->second.Line << " states no tolerance";
        std::vector<double> figures;
        for (std::size_t c = 1; c < cells.size(); ++c)
            if (cells[c].rfind("±", 0) != 0)
                if (const auto figure = Figure(cells[c]))
                    figures.push_back(*figure);
        ASSERT_EQ(figures.size(), row.Figures.size())
            << "line " << found->second.Line << " (" << key << ") should read\n| " << key
            << Written(row) << " |";
        for (std::size_t i = 0; i < figures.size(); ++i)
            EXPECT_NEAR(figures[i], row.Figures[i], *tolerance)
                << "line " << found->second.Line << " (" << key << "), figure " << i + 1
                << "; the row now reads\n| " << key << Written(row) << " |";
    }
    // No figure on the page without a test behind it.
    for (const auto& [key, row] : page) {
        bool hasFigure = false;
        for (std::size_t c = 1; c < row.Cells.size(); ++c)
            hasFigure = hasFigure || (row.Cells[c].rfind("±", 0) != 0 && Figure(row.Cells[c]));
        EXPECT_TRUE(!hasFigure || computed.count(key))
            << "line " << row.Line << " (" << key << ") has figures no test computes";
    }
}

// The test implementation is FAO-56 itself: the two published examples come out as printed.
TEST(Validation, TheStandardFormReproducesBothPublishedExamples) {
    const std::map<std::string, TComputedRow> rows = ComputedRows();
    EXPECT_NEAR(rows.at("Example 17, FAO-56 standard form (test implementation)").Figures[1], 5.72,
                0.01);
    EXPECT_NEAR(rows.at("Example 18, FAO-56 standard form (test implementation)").Figures[1], 3.9,
                0.05);
}
