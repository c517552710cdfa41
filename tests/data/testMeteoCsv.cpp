#include "data/cMeteoCsv.h"

#include "core/cError.h"
#include "data/cMeteo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Twelve months of a warm, dry site; month m has Tmin 10 + m.
std::string MonthlyTable(const std::string& header, int rows = 12) {
    std::string text = header + "\r\n";
    for (int m = 1; m <= rows; ++m)
        text += "M" + std::to_string(m) + "," + std::to_string(10 + m) + ",30,31,8.5,60,0," +
                "2.5,2\r\n";
    return text;
}

const std::string kHeader =
    "Month,Tmin,Tmax,Precipitation,Sunshine,RHmean,RHmax,WindSpeed,WindRatio";

TMeteo Filled() {
    TMeteo m;
    m.WindHeight = 2;
    m.FileName = "site.mtf";
    for (TYearData* s : m.Series())
        s->Fill(7);
    return m;
}

std::string ErrorOf(const std::string& text, int length = 0, int count = 12) {
    TMeteo m = Filled();
    const TMeteo before = Filled();
    try {
        ImportMeteoCsv(text, length, count, m);
    } catch (const TQueltaError& e) {
        for (int s = 0; s < TMeteo::kSeriesCount; ++s)
            EXPECT_EQ(*m.Series()[s], *before.Series()[s]) << "series " << s << " changed";
        return e.what();
    }
    return "";
}

} // namespace

TEST(MeteoCsv, MonthlyRowsFillTheSeriesByTheirOwnMonthWrite) {
    TMeteo m = Filled();
    ImportMeteoCsv(MonthlyTable(kHeader), 0, 12, m);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(1), 11);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(365), 22);
    EXPECT_DOUBLE_EQ(m.Tmax.GetDay(100), 30);
    EXPECT_DOUBLE_EQ(m.Precipitation.GetDay(1), 1);    // 31 mm over January's 31 days
    EXPECT_DOUBLE_EQ(m.Precipitation.GetMonth(2), 31); // the total, spread over 28 days
    EXPECT_DOUBLE_EQ(m.Sunshine.GetDay(200), 8.5);
    EXPECT_DOUBLE_EQ(m.RHmax.GetDay(200), 0);
    EXPECT_DOUBLE_EQ(m.WindSpeed.GetDay(200), 2.5);
    EXPECT_DOUBLE_EQ(m.WindRatio.GetDay(200), 2);
    EXPECT_EQ(m.WindHeight, 2); // not part of the table
    EXPECT_EQ(m.FileName, "site.mtf");
}

TEST(MeteoCsv, ColumnsInAnyOrderAndAnyCaseWithSemicolons) {
    std::string text = "windratio;WINDSPEED;rhmax;RhMean;sunshine;precipitation;tmax;tmin\n";
    for (int m = 1; m <= 12; ++m)
        text += "1.5;3;80;65;9;" + std::to_string(m) + ";25.5;12\n";
    TMeteo meteo = Filled();
    ImportMeteoCsv(text, 0, 12, meteo);
    EXPECT_DOUBLE_EQ(meteo.Tmin.GetDay(50), 12);
    EXPECT_DOUBLE_EQ(meteo.Tmax.GetDay(50), 25.5);
    EXPECT_DOUBLE_EQ(meteo.Precipitation.GetMonth(12), 12);
    EXPECT_DOUBLE_EQ(meteo.WindRatio.GetDay(50), 1.5);
    EXPECT_DOUBLE_EQ(meteo.RHmax.GetDay(50), 80);
}

// A continental winter comes in with its minus signs.
TEST(MeteoCsv, FrostTemperaturesKeepTheirSign) {
    std::string text = kHeader + "\n";
    for (int m = 1; m <= 12; ++m)
        text += "M," + std::string(m <= 2 ? "-15.5,-2" : "5,20") + ",20,5,70,0,2,2\n";
    TMeteo meteo = Filled();
    ImportMeteoCsv(text, 0, 12, meteo);
    EXPECT_DOUBLE_EQ(meteo.Tmin.GetDay(15), -15.5);
    EXPECT_DOUBLE_EQ(meteo.Tmax.GetDay(40), -2);
    EXPECT_DOUBLE_EQ(meteo.Tmin.GetDay(60), 5);
}

TEST(MeteoCsv, OneRowPerPeriodOfTheCurrentLength) {
    std::string text = "Tmin,Tmax,Precipitation,Sunshine,RHmean,RHmax,WindSpeed,WindRatio\n";
    for (int w = 1; w <= 52; ++w)
        text += std::to_string(w % 20) + ",35,14,10,50,70,2,2\n";
    TMeteo m = Filled();
    ImportMeteoCsv(text, 7, 52, m);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(8), 2);
    EXPECT_DOUBLE_EQ(m.Precipitation.GetDay(8), 2);      // 14 mm over 7 days
    EXPECT_DOUBLE_EQ(m.Precipitation.GetDay(365), 1.75); // week 52 takes 8 days
}

TEST(MeteoCsv, BadTablesAreRefusedWithAReasonAndChangeNothing) {
    EXPECT_EQ(ErrorOf(MonthlyTable("Month,Tmin,Tmax,Precipitation,Sunshine,RHmean,RHmax,WindSpeed,"
                                   "Ratio")),
              "The column \"WindRatio\" is missing");
    std::string bad = MonthlyTable(kHeader);
    bad.replace(bad.find(",30,"), 4, ",3O,");
    EXPECT_EQ(ErrorOf(bad), "Row 1, column Tmax: \"3O\" is not a number");
    EXPECT_EQ(ErrorOf(MonthlyTable(kHeader, 11), 7, 52),
              "The table has 11 rows of data; expected 12 (one per month) or 52 (one per period)");
    EXPECT_EQ(ErrorOf(MonthlyTable(kHeader, 13)),
              "The table has 13 rows of data; expected 12 (one per month)");
    EXPECT_EQ(ErrorOf(""), "The file holds no table");
    std::string shortRow = MonthlyTable(kHeader);
    shortRow.replace(shortRow.find("M3,13,30,31,8.5,60,0,2.5,2"), 26, "M3,13,30");
    EXPECT_EQ(ErrorOf(shortRow), "Row 3, column Precipitation: \"\" is not a number");
}

TEST(MeteoCsv, ReadsAFileAndReportsOneThatIsMissing) {
    TTempDir dir;
    WriteBytes(dir.File("normals.csv"), "\xEF\xBB\xBF" + MonthlyTable(kHeader));
    TMeteo m = Filled();
    ImportMeteoCsvFile(dir.File("normals.csv"), 0, 12, m);
    EXPECT_DOUBLE_EQ(m.Tmin.GetDay(1), 11);
    EXPECT_THROW(ImportMeteoCsvFile(dir.File("none.csv"), 0, 12, m), TQueltaError);
}
