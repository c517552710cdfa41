#include "calc/uMeteoGrid.h"

#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cMeteo.h"

#include <gtest/gtest.h>

namespace {

double TwelveHours(int) {
    return 12;
}

TMeteoRowTexts Row(std::initializer_list<const char*> cells) {
    TMeteoRowTexts row{"Jan (1)"};
    int c = 1;
    for (const char* cell : cells)
        row[c++] = cell;
    return row;
}

TMeteoCellState State(const TMeteoRowTexts& row, int column, const TGuiSettings& units = {}) {
    return MeteoCellState(row, column, units, 12);
}

constexpr auto Valid = TMeteoCellState::Valid;
constexpr auto Out = TMeteoCellState::OutOfRange;

} // namespace

TEST(MeteoGrid, CaptionsAndRowsFollowUnitsAndPeriod) {
    TGuiSettings units;
    const TMeteoRowTexts captions = MeteoColumnCaptions(units);
    EXPECT_EQ(captions[0], "(Month)");
    EXPECT_EQ(captions[1], "min (°C)");
    EXPECT_EQ(captions[7], "mean (m/s)");
    TMeteo m;
    EXPECT_EQ(MeteoGridTexts(m, units).size(), 12u);
    EXPECT_EQ(MeteoGridTexts(m, units)[0][0], "Jan (1)");
    units.SetPeriodKind(2);
    units.TemperatureUnit = 1;
    units.VelocityUnit = 2;
    EXPECT_EQ(MeteoColumnCaptions(units)[0], "(Week)");
    EXPECT_EQ(MeteoColumnCaptions(units)[2], "max (°F)");
    EXPECT_EQ(MeteoColumnCaptions(units)[7], "mean (km/d)");
    EXPECT_EQ(MeteoGridTexts(m, units).size(), 52u);
    units.SetPeriodKind(4); // ten days
    EXPECT_EQ(MeteoGridTexts(m, units).size(), 36u);
    EXPECT_EQ(MeteoGridTexts(m, units)[1][0], "11/01 (2)");
}

TEST(MeteoGrid, CellsShowPeriodValuesInTheDisplayUnit) {
    TGuiSettings units;
    TMeteo m;
    m.Tmin.SetMonth(1, 12.25);
    m.Precipitation.SetMonth(2, 28);
    m.RHmean.SetMonth(3, 55);
    EXPECT_EQ(MeteoCellText(m, units, 1, 1), "12.3"); // half away from zero
    EXPECT_EQ(MeteoCellText(m, units, 2, 3), "28.0");
    EXPECT_EQ(MeteoCellText(m, units, 3, 5), "55.0");
    units.TemperatureUnit = 1;
    units.PrecipitationUnit = 1;
    EXPECT_EQ(MeteoCellText(m, units, 1, 1), "54.1");
    EXPECT_EQ(MeteoCellText(m, units, 2, 3), "1.10");
}

TEST(MeteoGrid, StoringKeepsExactValuesThatStillShowTheSame) {
    TGuiSettings units;
    TMeteo m;
    m.Tmin.SetMonth(1, 12.25);
    m.Tmax.SetMonth(1, 30);
    TMeteoGridTexts grid = MeteoGridTexts(m, units);
    grid[0][2] = "31.5";
    grid[1][3] = "";    // empty counts as 0, which the record already holds
    grid[2][7] = "abc"; // no number: skipped
    StoreMeteoGridTexts(m, units, grid);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(1), 12.25); // still shows 12.3: untouched
    EXPECT_DOUBLE_EQ(m.Tmax.GetDay(31), 31.5);
    EXPECT_DOUBLE_EQ(m.Tmax.GetDay(32), 0);
    // In Fahrenheit a changed cell is converted back to Celsius.
    units.TemperatureUnit = 1;
    grid = MeteoGridTexts(m, units);
    grid[1][1] = "50";
    StoreMeteoGridTexts(m, units, grid);
    EXPECT_NEAR(m.Tmin.GetDay(40), 10, 1e-12);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(1), 12.25);
    // A month's precipitation is a total, spread over its days.
    grid[0][3] = "31";
    StoreMeteoGridTexts(m, units, grid);
    EXPECT_DOUBLE_EQ(m.Precipitation.GetDay(5), 1);
    EXPECT_DOUBLE_EQ(m.AnnualPrecipitation(), 31);
    grid[1][3] = "12.5";
    EXPECT_EQ(PrecipitationTotalText(grid), "43.5");
}

// Each rule at its bounds; a cell is judged against its partner (Tmin for Tmax, RHmean for RHmax).
TEST(MeteoGrid, CellRulesAtTheirBounds) {
    EXPECT_EQ(State(Row({"20", "20"}), 2), Valid); // equal is accepted
    EXPECT_EQ(State(Row({"21", "20"}), 2), Out);
    EXPECT_EQ(State(Row({"21", "20"}), 1), Valid); // only Tmax is marked
    EXPECT_EQ(State(Row({"0", "55"}), 2), Valid);
    EXPECT_EQ(State(Row({"0", "55.1"}), 2), Out);
    // Frost: down to -50 °C in both columns, Tmin still not above Tmax.
    EXPECT_EQ(State(Row({"-15", "-2"}), 1), Valid);
    EXPECT_EQ(State(Row({"-15", "-2"}), 2), Valid);
    EXPECT_EQ(State(Row({"-50", "-50"}), 2), Valid);
    EXPECT_EQ(State(Row({"-50.1", "5"}), 1), Out);
    EXPECT_EQ(State(Row({"-5", "-6"}), 2), Out);
    EXPECT_EQ(State(Row({"-", "5"}), 1), Valid); // a minus typed so far counts as 0
    EXPECT_EQ(State(Row({"", "5"}), 2), Valid);  // nothing to compare with yet
    TGuiSettings fahrenheit;
    fahrenheit.TemperatureUnit = 1;
    EXPECT_EQ(State(Row({"32", "131"}), 2, fahrenheit), Valid);
    EXPECT_EQ(State(Row({"-58", "5"}), 1, fahrenheit), Valid);
    EXPECT_EQ(State(Row({"-58.5", "5"}), 1, fahrenheit), Out);
    EXPECT_EQ(State(Row({"31", "131.5"}), 1, fahrenheit), Valid);
    EXPECT_EQ(State(Row({"31", "131.5"}), 2, fahrenheit), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "70", "0"}), 6), Valid); // no data
    EXPECT_EQ(State(Row({"", "", "", "", "70", "60"}), 6), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "70", "60"}), 5), Valid);
    EXPECT_EQ(State(Row({"", "", "", "", "70", "70"}), 6), Valid);
    EXPECT_EQ(State(Row({"", "", "", "", "100.5", "0"}), 5), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "70", "100.5"}), 6), Out);
    EXPECT_EQ(State(Row({"", "", "1000"}), 3), Valid);
    EXPECT_EQ(State(Row({"", "", "1000.1"}), 3), Out);
    EXPECT_EQ(State(Row({"", "", "-3"}), 3), Out); // a pasted minus
    EXPECT_EQ(State(Row({"", "", "", "12"}), 4), Valid);
    EXPECT_EQ(State(Row({"", "", "", "12.1"}), 4), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "15"}), 7), Valid);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "15.1"}), 7), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "", "5"}), 8), Valid);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "", "5.1"}), 8), Out);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "", ""}), 8), TMeteoCellState::Empty);
    TGuiSettings kmPerDay;
    kmPerDay.VelocityUnit = 2;
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "1296"}), 7, kmPerDay), Valid);
    EXPECT_EQ(State(Row({"", "", "", "", "", "", "1297"}), 7, kmPerDay), Out);
}

// An empty cell fails the full validation but is not out of range (the editor's colours and the
// record's validity while typing); the sunshine limit is asked for row by row.
TEST(MeteoGrid, FullValidation) {
    TGuiSettings units;
    TMeteoGridTexts grid(12, Row({"10", "25", "30", "8", "60", "80", "2", "2"}));
    EXPECT_TRUE(MeteoGridValid(grid, units, TwelveHours));
    std::vector<int> asked;
    auto limit = [&asked](int row) {
        asked.push_back(row);
        return row == 12 ? 7.5 : 12.0;
    };
    EXPECT_FALSE(MeteoGridValid(grid, units, limit)); // 8 hours in row 12
    EXPECT_EQ(asked.back(), 12);
    EXPECT_FALSE(MeteoGridInRange(grid, units, limit));
    grid[7][6] = "";
    EXPECT_FALSE(MeteoGridValid(grid, units, TwelveHours));
    EXPECT_TRUE(MeteoGridInRange(grid, units, TwelveHours));
    grid[7][6] = "0";
    grid[11][1] = "26";
    EXPECT_FALSE(MeteoGridValid(grid, units, TwelveHours));
    EXPECT_FALSE(MeteoGridInRange(grid, units, TwelveHours));
}

TEST(MeteoGrid, HintsInBothUnitSystems) {
    TGuiSettings units;
    EXPECT_EQ(MeteoRangeHint(1, units), "Range: -50 <= Temperature <= 55 and Tmin < Tmax °C");
    EXPECT_EQ(MeteoRangeHint(3, units), "Range: 0 <= Precipitation <= 1000 mm");
    EXPECT_EQ(MeteoRangeHint(7, units), "Range: 0 <= Windspeed <= 15 m/s");
    EXPECT_EQ(MeteoRangeHint(8, units), "Range: 0 <= Wind ratio <= 5 ");
    EXPECT_EQ(WindHeightHint(units), "Range: 0.5 < Height windspeed measurement <= 15 m");
    units.TemperatureUnit = 1;
    units.PrecipitationUnit = 1;
    units.VelocityUnit = 1;
    units.LengthUnit = 1;
    EXPECT_EQ(MeteoRangeHint(2, units), "Range: -58 <= Temperature <= 131 and Tmin < Tmax °F");
    EXPECT_EQ(MeteoRangeHint(3, units), "Range: 0 < Precipitation <= 39.37 in");
    EXPECT_EQ(MeteoRangeHint(7, units), "Range: 0 < Windspeed <= 49.21 ft/s");
    units.VelocityUnit = 2;
    EXPECT_EQ(MeteoRangeHint(7, units), "Range: 0 <= Windspeed <= 1296 km/d");
    EXPECT_EQ(WindHeightHint(units), "Range: 1.64 < Height windspeed measurement <= 49.21 ft");
    EXPECT_EQ(MeteoRangeHint(6, units),
              "Range: RHmean <= RHmax <= 100 %  or RHmax = 0 (no data available)");
}

// Which keys a cell lets through as they are typed.
TEST(MeteoGrid, TemperaturesAloneTakeALeadingMinus) {
    struct TCase {
        int column;
        char32_t typed;
        const char* text;
        std::size_t cursor;
        bool accepted;
    };
    const TCase cases[] = {
        {1, U'-', "", 0, true},     {2, U'-', "15", 0, true}, {1, U'-', "15", 2, false},
        {1, U'-', "-15", 0, false}, {3, U'-', "", 0, false},  {6, U'-', "", 0, false},
        {1, U'5', "-1", 2, true},   {1, U'.', "-1", 2, true}, {1, U'.', "-1.5", 4, false},
        {4, U'x', "", 0, false},    {8, U'\b', "2", 1, true},
    };
    for (const TCase& k : cases)
        EXPECT_EQ(MeteoCellAcceptsCharacter(k.column, k.typed, k.text, k.cursor), k.accepted)
            << k.column << " " << static_cast<char>(k.typed) << " " << k.text << " " << k.cursor;
}

TEST(MeteoGrid, PastedLinesSpreadOverTheGrid) {
    TMeteoGridTexts grid(3, Row({"1", "2", "3", "4", "5", "6", "7", "8"}));
    SpreadPastedText(grid, 0, 1, "12.5\t30.1\t-3\r\n-3\t4\t5");
    EXPECT_EQ(grid[0][1], "12.5");
    EXPECT_EQ(grid[0][2], "30.1");
    EXPECT_EQ(grid[0][3], "0.0"); // no minus in the rain: left by a line end with one
    EXPECT_EQ(grid[0][4], "4");   // untouched
    EXPECT_EQ(grid[1][1], "-3");  // frost keeps its minus
    EXPECT_EQ(grid[1][2], "4");
    // In a temperature a minus counts only as the first character.
    SpreadPastedText(grid, 2, 1, "-1-2\t3-\t4");
    EXPECT_EQ(grid[2][1], "-12");
    EXPECT_EQ(grid[2][2], "3");
    // A minus at the very end stays; letters are dropped.
    SpreadPastedText(grid, 2, 7, "x1\t-2");
    EXPECT_EQ(grid[2][7], "1");
    EXPECT_EQ(grid[2][8], "-2");
    // Cells beyond the grid are not written; a trailing line end empties nothing.
    SpreadPastedText(grid, 2, 8, "9\t9\t9\r\n7\r\n");
    EXPECT_EQ(grid[2][8], "9");
    EXPECT_EQ(grid.size(), 3u);
    // Lines ended by LF alone, as Linux programs copy them.
    SpreadPastedText(grid, 0, 5, "50\t60\n55\t65\n");
    EXPECT_EQ(grid[0][6], "60");
    EXPECT_EQ(grid[1][5], "55");
    EXPECT_EQ(grid[1][6], "65");
    EXPECT_EQ(grid[2][5], "5");
}

TEST(MeteoGrid, ClipboardBodyListsWindGroupsRowsAndFooter) {
    TGuiSettings units;
    TMeteo m;
    const TMeteoGridTexts grid = MeteoGridTexts(m, units);
    TMeteoRowTexts footer{"Total", "", "", "0.0"};
    const auto lines =
        MeteoClipboardBody("Height (m)", "2.00", MeteoColumnCaptions(units), grid, footer);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], ",Height (m)\t2.00");
    EXPECT_EQ(lines[1], "\tTemperature\tTemperature\tPrecipitation\tSunshine\tHumidity\tHumidity\t"
                        "Wind speed\tWind speed");
    EXPECT_EQ(lines[2], "(Month)\tmin (°C)\tmax (°C)\t(mm)\t(hours)\tRHmean (%)\tRHmax (%)\t"
                        "mean (m/s)\tratio (-)\t");
    EXPECT_EQ(lines[3], "Jan (1)\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0\t");
    EXPECT_EQ(lines[15], "Total\t\t\t0.0\t\t\t\t\t\t");
}
