#include "data/cClimateRecord.h"

#include "core/cError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

// Keeps every day the reader hands over.
class TCollect : public TClimateDaySink {
public:
    std::vector<TClimateDay> Days;
    bool Began = false, Ended = false;
    void Begin(const TClimateRecordInfo&) override { Began = true; }
    void Day(const TClimateDay& day) override { Days.push_back(day); }
    void End() override { Ended = true; }
};

struct TRead {
    TClimateRecordInfo Info;
    TCollect Days;
};

TRead Read(const std::string& text, TCsvUnit radiation = TCsvUnit::None) {
    TRead read;
    std::istringstream in(text);
    TClimateReadOptions options;
    options.RadiationUnit = radiation;
    read.Info = ReadClimateRecord(in, text.size(), options, read.Days);
    return read;
}

std::string ErrorOf(const std::string& text, TCsvUnit radiation = TCsvUnit::None) {
    try {
        Read(text, radiation);
    } catch (const TQueltaError& e) {
        return e.what();
    }
    return "";
}

double V(const TClimateDay& day, TMeteoQuantity q) {
    return day.Value(q);
}

const std::string kHeader = "date,tmin,tmax,rain,sunshine,rh,wind\n";

} // namespace

TEST(ClimateRecord, NasaPowerFileGivesSiteUnitsAndDaysWithMissingValues) {
    TCollect days;
    const TClimateRecordInfo info =
        ReadClimateRecordFile(std::string(QUELTA_TEST_DATA) + "/climate/power-small.csv", {}, days);
    EXPECT_EQ(info.Layout, TClimateLayout::NasaPower);
    EXPECT_EQ(ClimateLayoutText(info), "NASA POWER daily CSV");
    EXPECT_DOUBLE_EQ(*info.Latitude, -12.5);
    EXPECT_DOUBLE_EQ(*info.Longitude, 130.8333);
    EXPECT_DOUBLE_EQ(*info.Elevation, 37.5);
    EXPECT_EQ(*info.WindHeight, 10); // WS10M
    EXPECT_EQ(info.DateColumns, "YEAR, DOY");
    ASSERT_NE(info.Column(TMeteoQuantity::Radiation), nullptr);
    EXPECT_EQ(info.Column(TMeteoQuantity::Radiation)->Unit, TCsvUnit::KilowattHoursPerDay);
    EXPECT_TRUE(info.Column(TMeteoQuantity::Radiation)->UnitStated);
    EXPECT_EQ(info.Column(TMeteoQuantity::Tmax)->Unit, TCsvUnit::Celsius);
    EXPECT_EQ(info.DayCount, 5);
    EXPECT_EQ(info.First, (TClimateDate{2020, 2, 27}));
    EXPECT_EQ(info.Last, (TClimateDate{2020, 3, 2}));
    EXPECT_TRUE(days.Began);
    EXPECT_TRUE(days.Ended);

    ASSERT_EQ(days.Days.size(), 5u);
    EXPECT_EQ(days.Days[2].Date, (TClimateDate{2020, 2, 29})); // day 60 of a leap year
    EXPECT_EQ(days.Days[2].Line, 18);
    EXPECT_DOUBLE_EQ(V(days.Days[0], TMeteoQuantity::Tmax), 32.4);
    EXPECT_DOUBLE_EQ(V(days.Days[0], TMeteoQuantity::Tmin), 24.9);
    EXPECT_DOUBLE_EQ(V(days.Days[0], TMeteoQuantity::WindSpeed), 3.1);
    // 5.21 kWh/m²/day as a 24-hour mean in W/m².
    EXPECT_NEAR(V(days.Days[0], TMeteoQuantity::Radiation), 5.21 * 3.6 / 0.0864, 1e-9);
    EXPECT_TRUE(std::isnan(V(days.Days[2], TMeteoQuantity::Precipitation))); // -999
    EXPECT_TRUE(std::isnan(V(days.Days[3], TMeteoQuantity::RHmean)));
    EXPECT_TRUE(std::isnan(V(days.Days[3], TMeteoQuantity::Radiation)));
    EXPECT_FALSE(days.Days[0].Has(TMeteoQuantity::Sunshine)); // not in the record
}

TEST(ClimateRecord, StationCsvWithSemicolonsDecimalCommaAndUnitsInBrackets) {
    TCollect days;
    const TClimateRecordInfo info = ReadClimateRecordFile(
        std::string(QUELTA_TEST_DATA) + "/climate/station-small.csv", {}, days);
    EXPECT_EQ(ClimateLayoutText(info), "CSV with a header, semicolon separated");
    EXPECT_FALSE(info.Latitude);
    EXPECT_EQ(info.Ignored, std::vector<std::string>{"station"});
    EXPECT_EQ(info.DateColumns, "date");
    EXPECT_EQ(*info.WindHeight, 10);
    EXPECT_EQ(info.Column(TMeteoQuantity::Radiation)->Unit, TCsvUnit::WattsPerSquareMetre);
    EXPECT_EQ(info.Column(TMeteoQuantity::WindSpeed)->Unit, TCsvUnit::KilometresPerHour);
    EXPECT_EQ(info.Column(TMeteoQuantity::DewPoint)->Header, "Dew point [°C]");

    ASSERT_EQ(days.Days.size(), 3u); // the blank line is no day
    EXPECT_EQ(days.Days[2].Date, (TClimateDate{2020, 1, 1}));
    EXPECT_EQ(days.Days[2].Line, 5);
    EXPECT_DOUBLE_EQ(V(days.Days[0], TMeteoQuantity::Tmin), -4);
    EXPECT_DOUBLE_EQ(V(days.Days[1], TMeteoQuantity::Precipitation), 0.4);
    EXPECT_DOUBLE_EQ(V(days.Days[2], TMeteoQuantity::DewPoint), -8.25);
    EXPECT_DOUBLE_EQ(V(days.Days[0], TMeteoQuantity::Radiation), 35.2);
    EXPECT_TRUE(std::isnan(V(days.Days[1], TMeteoQuantity::Radiation))); // NA
    EXPECT_NEAR(V(days.Days[0], TMeteoQuantity::WindSpeed), 2, 1e-12);   // 7.2 km/h
    EXPECT_NEAR(V(days.Days[1], TMeteoQuantity::WindSpeed), 3, 1e-12);
}

TEST(ClimateRecord, DatesInEveryLayoutAndSeparator) {
    struct TCase {
        std::string Header;
        std::string Line;
        TClimateDate Date;
    };
    const std::string values = "5,20,0,8,60,2";
    const TCase cases[] = {
        {"date", "2019-12-31", {2019, 12, 31}},    {"date", "2019/12/31", {2019, 12, 31}},
        {"date", "20191231", {2019, 12, 31}},      {"date", "31/12/2019", {2019, 12, 31}},
        {"date", "31.12.2019", {2019, 12, 31}},    {"date", "31-12-2019", {2019, 12, 31}},
        {"date", "\"2020-02-29\"", {2020, 2, 29}}, {"year,month,day", "2020,2,29", {2020, 2, 29}},
        {"YEAR,MO,DY", "2021,3,1", {2021, 3, 1}},  {"year,doy", "2020,366", {2020, 12, 31}},
        {"Year,DOY", "2021,60", {2021, 3, 1}},     {"year,doy", "2020,60", {2020, 2, 29}},
    };
    for (const TCase& c : cases) {
        const TRead read =
            Read(c.Header + ",tmin,tmax,rain,sunshine,rh,wind\n" + c.Line + "," + values + "\n");
        ASSERT_EQ(read.Days.Days.size(), 1u) << c.Line;
        EXPECT_EQ(read.Days.Days[0].Date, c.Date) << c.Line;
    }
}

TEST(ClimateRecord, ColumnNamesAndUnitsAreRecognised) {
    struct TName {
        const char* Text;
        TMeteoQuantity Quantity;
        double Height; // 0: none named
    };
    const TName names[] = {
        {"TMIN", TMeteoQuantity::Tmin, 0},
        {"T2M_MIN", TMeteoQuantity::Tmin, 0},
        {"Max Temp", TMeteoQuantity::Tmax, 0},
        {"PRCP", TMeteoQuantity::Precipitation, 0},
        {"PRECTOTCORR", TMeteoQuantity::Precipitation, 0},
        {"Rainfall", TMeteoQuantity::Precipitation, 0},
        {"sunshine_hours", TMeteoQuantity::Sunshine, 0},
        {"ALLSKY_SFC_SW_DWN", TMeteoQuantity::Radiation, 0},
        {"Solar radiation", TMeteoQuantity::Radiation, 0},
        {"RH2M", TMeteoQuantity::RHmean, 0},
        {"rh_max", TMeteoQuantity::RHmax, 0},
        {"RHmin", TMeteoQuantity::RHmin, 0},
        {"T2MDEW", TMeteoQuantity::DewPoint, 0},
        {"tavg", TMeteoQuantity::Tmean, 0},
        {"WS2M", TMeteoQuantity::WindSpeed, 2},
        {"WS10M", TMeteoQuantity::WindSpeed, 10},
        {"wind 3m", TMeteoQuantity::WindSpeed, 3},
        {"u2", TMeteoQuantity::WindSpeed, 2},
        {"Wind speed", TMeteoQuantity::WindSpeed, 0},
    };
    for (const TName& n : names) {
        double height = 0;
        EXPECT_EQ(QuantityOfColumn(n.Text, TNameSet::DailyRecord, &height), n.Quantity) << n.Text;
        EXPECT_EQ(height, n.Height) << n.Text;
    }
    EXPECT_FALSE(QuantityOfColumn("station", TNameSet::DailyRecord));
    // The table of normals knows only the record's own names, as it always has.
    EXPECT_EQ(QuantityOfColumn("windSPEED", TNameSet::Normals), TMeteoQuantity::WindSpeed);
    EXPECT_FALSE(QuantityOfColumn("wind", TNameSet::Normals));
    EXPECT_FALSE(QuantityOfColumn("Tmin (°C)", TNameSet::Normals));

    struct TUnit {
        const char* Text;
        TCsvUnit Unit;
    };
    const TUnit units[] = {
        {"", TCsvUnit::None},
        {"C", TCsvUnit::Celsius},
        {"°C", TCsvUnit::Celsius},
        {"degF", TCsvUnit::Fahrenheit},
        {"mm/day", TCsvUnit::Millimetre},
        {"mm d-1", TCsvUnit::Millimetre},
        {"in", TCsvUnit::Inch},
        {"%", TCsvUnit::Percent},
        {"m/s", TCsvUnit::MetresPerSecond},
        {"m s-1", TCsvUnit::MetresPerSecond},
        {"km/h", TCsvUnit::KilometresPerHour},
        {"MJ/m^2/day", TCsvUnit::MegajoulesPerDay},
        {"MJ m-2 day-1", TCsvUnit::MegajoulesPerDay},
        {"MJ/m²/d", TCsvUnit::MegajoulesPerDay},
        {"W/m^2", TCsvUnit::WattsPerSquareMetre},
        {"W/m²", TCsvUnit::WattsPerSquareMetre},
        {"kW-hr/m^2/day", TCsvUnit::KilowattHoursPerDay},
        {"kWh/m2/day", TCsvUnit::KilowattHoursPerDay},
        {"hours", TCsvUnit::Hours},
        {"furlongs", TCsvUnit::Unknown},
    };
    for (const TUnit& u : units)
        EXPECT_EQ(UnitOfText(u.Text), u.Unit) << u.Text;

    EXPECT_DOUBLE_EQ(ToMetric(TCsvUnit::Fahrenheit, 212), 100);
    EXPECT_DOUBLE_EQ(ToMetric(TCsvUnit::Inch, 2), 50.8);
    EXPECT_DOUBLE_EQ(ToMetric(TCsvUnit::MegajoulesPerDay, 8.64), 100);
    EXPECT_DOUBLE_EQ(ToMetric(TCsvUnit::KilowattHoursPerDay, 2.4), 100);
}

TEST(ClimateRecord, UnitsInTheHeaderConvertValuesAndTheOptionGivesAMissingRadiationUnit) {
    const TRead f = Read("date,tmin (F),tmax (F),rain (in),radiation (W/m2),rh,wind (km/h)\n"
                         "2001-01-01,32,50,0.5,200,60,18\n");
    const TClimateDay& day = f.Days.Days.at(0);
    EXPECT_DOUBLE_EQ(V(day, TMeteoQuantity::Tmin), 0);
    EXPECT_DOUBLE_EQ(V(day, TMeteoQuantity::Tmax), 10);
    EXPECT_DOUBLE_EQ(V(day, TMeteoQuantity::Precipitation), 12.7);
    EXPECT_DOUBLE_EQ(V(day, TMeteoQuantity::Radiation), 200);
    EXPECT_DOUBLE_EQ(V(day, TMeteoQuantity::WindSpeed), 5);

    const std::string unstated = "date,tmin,tmax,rain,srad,rh,wind\n2001-01-01,5,20,0,17.28,60,2\n";
    const TRead mj = Read(unstated, TCsvUnit::MegajoulesPerDay);
    EXPECT_NEAR(V(mj.Days.Days.at(0), TMeteoQuantity::Radiation), 200, 1e-9);
    EXPECT_FALSE(mj.Info.Column(TMeteoQuantity::Radiation)->UnitStated);
    // The header alone is read without one, to ask for it.
    std::istringstream in(unstated);
    EXPECT_EQ(ReadClimateHeader(in).Column(TMeteoQuantity::Radiation)->Unit, TCsvUnit::None);
}

TEST(ClimateRecord, TheMeanTemperatureBesideTminAndTmaxIsLeftOut) {
    const TRead read = Read("date,tmean,tmin,tmax,rain,sunshine,rh,wind\n"
                            "2001-01-01,12,5,20,0,8,60,2\n");
    EXPECT_EQ(read.Info.Column(TMeteoQuantity::Tmean), nullptr);
    EXPECT_EQ(read.Info.Ignored, std::vector<std::string>{"tmean"});
}

TEST(ClimateRecord, AWindAt2mIsPreferredToOneAtAnotherHeight) {
    const TRead read = Read("date,tmin,tmax,rain,sunshine,rh,WS10M,WS2M\n"
                            "2001-01-01,5,20,0,8,60,4,3\n");
    EXPECT_EQ(*read.Info.WindHeight, 2);
    EXPECT_EQ(read.Info.Column(TMeteoQuantity::WindSpeed)->Header, "WS2M");
    EXPECT_DOUBLE_EQ(V(read.Days.Days.at(0), TMeteoQuantity::WindSpeed), 3);
    EXPECT_EQ(read.Info.Ignored, std::vector<std::string>{"WS10M"});
}

TEST(ClimateRecord, BadInputNamesTheLineAndColumn) {
    const std::string day1 = "2001-01-01,5,20,0,8,60,2\n";
    struct TCase {
        const char* What;
        std::string Text;
        std::string Message;
    };
    const TCase cases[] = {
        {"empty file", "", "Line 1: the file is empty"},
        {"unknown layout", "Month,Tmin,Tmax\nJan,5,20\n",
         "Line 1: not a daily climate record that Quelta knows: the header names no date (a "
         "\"date\" column, or \"year\" with \"month\" and \"day\", or \"year\" with \"doy\")"},
        {"no days", kHeader, "Line 1: the record holds no days"},
        {"number", kHeader + day1 + "2001-01-02,5,2O,0,8,60,2\n",
         "Line 3, column 3 \"tmax\": \"2O\" is not a number"},
        {"date", kHeader + "2001-02-30,5,20,0,8,60,2\n",
         "Line 2, column 1: \"2001-02-30\" is not a date"},
        {"date text", kHeader + "tomorrow,5,20,0,8,60,2\n",
         "Line 2, column 1: \"tomorrow\" is not a date"},
        {"month", "year,month,day,tmin,tmax,rain,sunshine,rh,wind\n2001,13,1,5,20,0,8,60,2\n",
         "Line 2, column 2: \"13\" is not a date"},
        {"day of year", "year,doy,tmin,tmax,rain,sunshine,rh,wind\n2001,366,5,20,0,8,60,2\n",
         "Line 2, column 2: \"366\" is not a date"},
        {"repeated", kHeader + day1 + day1, "Line 3, column 1: 2001-01-01 is repeated"},
        {"out of order", kHeader + "2001-01-05,5,20,0,8,60,2\n" + day1,
         "Line 3, column 1: 2001-01-01 comes after 2001-01-05"},
        {"fields", kHeader + "2001-01-01,5,20,0,8,60\n",
         "Line 2: 6 fields where the header names 7"},
        {"impossible value", kHeader + "2001-01-01,5,20,-3,8,60,2\n",
         "Line 2, column 4 \"rain\": -3 is not a possible value of the precipitation"},
        {"tmean only", "date,tmean,rain,sunshine,rh,wind\n" + day1,
         "Line 1, column 2 \"tmean\": the record gives the mean temperature; the methods need the "
         "minimum and the maximum temperature (Tmin and Tmax)"},
        {"no tmax", "date,tmin,rain,sunshine,rh,wind\n" + day1,
         "Line 1: the record has no column of the maximum temperature (tmax, tx, T2M_MAX, ...)"},
        {"no rain", "date,tmin,tmax,sunshine,rh,wind\n" + day1,
         "Line 1: the record has no column of the precipitation (precipitation, rain, prcp, "
         "PRECTOTCORR, ...)"},
        {"no sunshine", "date,tmin,tmax,rain,rh,wind\n" + day1,
         "Line 1: the record has no column of the sunshine hours or the solar radiation "
         "(sunshine, radiation, srad, ALLSKY_SFC_SW_DWN, ...)"},
        {"no humidity", "date,tmin,tmax,rain,sunshine,rhmax,wind\n" + day1,
         "Line 1: the record has no humidity: a column of the mean relative humidity (rh, "
         "rhmean, RH2M), of RHmax with RHmin, or of the dew point (dewpoint, tdew, T2MDEW)"},
        {"no wind", "date,tmin,tmax,rain,sunshine,rh\n" + day1,
         "Line 1: the record has no column of the wind speed (wind, windspeed, ws, WS2M, WS10M, "
         "...)"},
        {"unit", "date,tmin,tmax,rain (cm),sunshine,rh,wind\n" + day1,
         "Line 1, column 4 \"rain (cm)\": the unit \"cm\" is not one the import knows for the "
         "precipitation"},
        {"unit of another quantity", "date,tmin (mm),tmax,rain,sunshine,rh,wind\n" + day1,
         "Line 1, column 2 \"tmin (mm)\": the unit \"mm\" is not one the import knows for the "
         "minimum temperature"},
        {"radiation unit", "date,tmin,tmax,rain,rad,rh,wind\n" + day1,
         "Line 1, column 5 \"rad\": the file does not say the unit of the solar radiation; "
         "choose MJ/m²/day, W/m² or kWh/m²/day"},
        {"header block", "-BEGIN HEADER-\nLocation: Latitude 10 Longitude 10\n",
         "Line 2: the header block has no end (\"-END HEADER-\")"},
        {"header block alone", "-BEGIN HEADER-\n-END HEADER-\n",
         "Line 2: the header block is not followed by a row of column names"},
        {"latitude beyond a pole", "-BEGIN HEADER-\nLocation: Latitude  91.5   Longitude 10\n",
         "Line 2: 91.5 is not a latitude (-90 to 90)"},
        {"huge latitude", "-BEGIN HEADER-\nLocation: Latitude  -1e300   Longitude 10\n",
         "Line 2: -1E+300 is not a latitude (-90 to 90)"},
        {"longitude", "-BEGIN HEADER-\nLocation: Latitude  -90   Longitude 180.5\n",
         "Line 2: 180.5 is not a longitude (-180 to 180)"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ErrorOf(c.Text), c.Message) << c.What;
}

TEST(ClimateRecord, ALineLongerThanTheReaderHoldsIsRefused) {
    const std::string text = kHeader + "2001-01-01,5,20,0,8,60,2" + std::string(70000, ' ') + "\n";
    EXPECT_EQ(ErrorOf(text), "Line 2 is longer than 65536 characters");
}

TEST(ClimateRecord, ProgressIsToldAndCanStopTheRead) {
    std::vector<double> shares;
    TClimateReadOptions options;
    options.Progress = [&](double share) {
        shares.push_back(share);
        return true;
    };
    std::string ordered = kHeader;
    for (int y = 1; y <= 9000; ++y) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-06-15", y);
        ordered += std::string(date) + ",5,20,0,8,60,2\n";
    }
    std::istringstream in(ordered);
    TCollect days;
    ReadClimateRecord(in, ordered.size(), options, days);
    ASSERT_EQ(shares.size(), 2u); // every 4096 lines
    EXPECT_GT(shares[0], 0.4);
    EXPECT_LT(shares[0], 0.5);
    EXPECT_GT(shares[1], shares[0]);

    options.Progress = [](double) { return false; };
    std::istringstream again(ordered);
    TCollect stopped;
    EXPECT_THROW(ReadClimateRecord(again, ordered.size(), options, stopped), TClimateReadStopped);
    EXPECT_EQ(stopped.Days.size(), 4096u);
    EXPECT_FALSE(stopped.Ended);
}
