#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <set>

namespace {

void Make(const TTempDir& dir, const std::string& name, const std::string& json) {
    WriteBytes(dir.File(name + ".json"), json);
    const TRun run = Cli({"make", dir.File(name + ".json"), dir.File(name)});
    ASSERT_EQ(run.code, 0) << name << ": " << run.err;
}

// A small project: 100 ha irrigable in southern Spain, one 50 ha maize crop from day 100.
struct CliStrategyTest : ::testing::Test {
    TTempDir dir;
    void SetUp() override {
        Make(dir, "site.gen", R"({"Country": "Spain", "Region": "Sevilla", "Hemisphere": "North",
            "Latitude": 37.25, "Altitude": 30, "IrrigableArea": 100, "GrossArea": 120,
            "CalcPeriod": "Month", "MeanDepth": 60, "ApplInterval": 7})");
        Make(dir, "site.mtf", R"({"WindHeight": 2,
            "Tmin": [5, 6, 8, 10, 13, 17, 19, 19, 17, 13, 9, 6],
            "Tmax": [16, 18, 21, 23, 27, 32, 36, 36, 32, 26, 20, 16],
            "Precipitation": [66, 60, 40, 55, 35, 12, 2, 5, 25, 60, 80, 90],
            "Sunshine": [6, 6.5, 7, 8, 10, 11, 12, 11, 9, 7.5, 6, 5.5],
            "RHmean": [75, 70, 65, 60, 55, 50, 45, 47, 55, 65, 72, 77],
            "RHmax": [90, 88, 85, 82, 78, 72, 68, 70, 76, 84, 88, 90],
            "WindSpeed": [2, 2, 2.2, 2.2, 2, 2, 2, 2, 1.8, 1.8, 2, 2],
            "WindRatio": [2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2]})");
        Make(dir, "maize.udc", R"({"Description": "Maize", "Kc1": [0.4, 0], "Kc2": [0.8, 0],
            "Kc3": [1.15, 0], "Kc4": [0.6, 0], "RootingDepth": 1.0,
            "StageLength": [30, 40, 50, 30]})");
        Make(dir, "site.pat",
             R"({"KcFallow": 0.3, "KcPermanent": 0.5, "Lines": [
            {"Area": 50, "PlantingDay": 100, "CropFileName": ")" +
                 dir.File("maize.udc") + R"("}]})");
        Make(dir, "plan.str", R"({"FieldDataAvailable": false, "DFUserInitialised": 1,
            "DFcrit": 0.6, "SoilType": "Loam", "CapRise05": 1.8, "CapRise10": 1.15,
            "CapRise20": 0.75, "RaRatio": 0.75, "Uniformity": 0.3, "WaterShortage": 25,
            "ZValue": 0.67, "DeliveryRatio": 0.79, "FlowRegime": 0, "ConveyRatio": 0.96,
            "DepthGW1Jan": 1.2, "GeneralFileName": "site.gen",
            "DFUser": [0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6],
            "ETaIrrigated": [0, 0, 0, 60, 120, 180, 200, 150, 0, 0, 0, 0]})");
    }
    std::vector<std::string> Args(const std::string& strategy) const {
        return {"strategy", dir.File("site.gen"), dir.File("site.mtf"), dir.File("site.pat"),
                dir.File(strategy)};
    }
};

} // namespace

TEST_F(CliStrategyTest, ComparisonAsJson) {
    const TRun run = Cli(Args("plan.str"));
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["DFsustainable"], 0.6);
    EXPECT_EQ(json["Ra"], 0.75);
    EXPECT_EQ(json["Rd"], 0.79);
    EXPECT_EQ(json["Rc"], 0.96);
    const auto& months = json["months"];
    ASSERT_EQ(months.size(), 12u);
    const std::set<std::string> remarks = {
        "No warning", "Reduce VcEt by improving water delivery and/or field water application",
        "Apply water more uniformly", "Allow lower ETa from irr.area / decrease DF",
        "Increase DF-value for this month to decrease VcDf"};
    for (const auto& m : months) {
        // DFuser = DFsustainable: the table stays where it is.
        EXPECT_NEAR(m["GWChange"].get<double>(), 0, 1e-12);
        EXPECT_NEAR(m["DepthGW"].get<double>(), 1.2, 1e-12);
        const double vcDF = m["VcDF"], vcET = m["VcET"];
        EXPECT_EQ(vcDF, std::round(vcDF)); // whole cubic metres, as shown
        EXPECT_EQ(m["Selected"].get<double>(), std::max(vcDF, vcET));
        EXPECT_EQ(m["Track"], vcDF < vcET ? "ET track" : "Water balance track");
        EXPECT_TRUE(remarks.count(m["Remark"].get<std::string>())) << m["Remark"];
    }
    // January has no crop: no ET of the cropped area, no requirement by the ET track.
    EXPECT_EQ(months[0]["ETp"], 0);
    EXPECT_EQ(months[0]["VcET"], 0);
    EXPECT_EQ(months[0]["GWContribution"], 0);
    EXPECT_GT(months[6]["ETp"].get<double>(), 150);
    EXPECT_GT(months[6]["VcET"].get<double>(), 0);
    EXPECT_NEAR(months[1]["P"].get<double>(), 60, 1e-9);
}

TEST_F(CliStrategyTest, OtherMethodsAndFormats) {
    std::vector<std::string> args = Args("plan.str");
    args.insert(args.end(), {"--method", "hargreaves", "--format", "csv"});
    TRun run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "Month,Depleted fraction,\"Irrigation water req (Vc,DF)\",\"Irrigation water req "
              "(Vc,ET)\",Remarks and Warnings");
    EXPECT_NE(run.out.find("\nJan (1),0.60,"), std::string::npos);

    args = Args("plan.str");
    args.insert(args.end(), {"--text-report", "--rtf", dir.File("plan.rtf")});
    run = Cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 16), "Strategy report\n");
    EXPECT_NE(run.out.find("Country                      Spain\n"), std::string::npos);
    EXPECT_NE(run.out.find("Size of irrigable area (ha)  100.0\n"), std::string::npos);
    EXPECT_NE(run.out.find("Volume of water to be drained: 0 - "), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("plan.rtf")).substr(0, 6), "{\\rtf1");
}

TEST_F(CliStrategyTest, FieldDataGiveDFsustainableByRegression) {
    Make(dir, "measured.str", R"({"FieldDataAvailable": true, "DFUserInitialised": 0,
        "ChangeGWTableData": [0.06, 0.02, -0.04, -0.01, -0.01, -0.03, -0.02, -0.01, -0.02, 0.0,
                              0.05, 0.07],
        "DivertedWater": [0, 6700, 23500, 67600, 92700, 177100, 237300, 200400, 91500, 10100,
                          0, 0],
        "ETaGross": [18, 27, 45, 76, 81, 118, 143, 125, 75, 39, 20, 17],
        "ETaIrrigated": [0, 0, 0, 60, 120, 180, 200, 150, 0, 0, 0, 0]})");
    const TRun run = Cli(Args("measured.str"));
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double dy[] = {0.06,  0.02,  -0.04, -0.01, -0.01, -0.03,
                         -0.02, -0.01, -0.02, 0.0,   0.05,  0.07};
    for (int m = 0; m < 12; ++m) {
        const double df = json["months"][m]["DFCalc"];
        EXPECT_GT(df, 0);
        EXPECT_LE(df, 1); // no area evaporates more than enters it
        EXPECT_EQ(json["months"][m]["DFUser"].get<double>(), df); // taken over once
        sx += df;
        sy += dy[m];
        sxx += df * df;
        sxy += df * dy[m];
    }
    const double b = (12 * sxy - sx * sy) / (12 * sxx - sx * sx);
    const double a = (sy - b * sx) / 12;
    EXPECT_NEAR(json["DFsustainable"].get<double>(), -a / b, 0.005);
    EXPECT_LT(b, 0);
}

// The example strategy with field data, on the example project, gives the depleted fractions its
// source says it was made for (each within 0..1) and the figures the user guide shows.
TEST(CliStrategyExample, FieldDataOfTheSevilleExample) {
    const std::string examples = std::string(QUELTA_BINARY_DIR) + "/examples/";
    const TRun run = Cli({"strategy", examples + "General/Seville.gen",
                          examples + "Meteo/Seville.mtf", examples + "Pattern/Seville.pat",
                          std::string(QUELTA_BINARY_DIR) + "/app/Strategy/Seville-field-data.str"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const double df[] = {0.28, 0.45, 0.78, 0.67, 0.73, 0.73, 0.72, 0.72, 0.76, 0.55, 0.24, 0.18};
    double vcDF = 0, vcET = 0;
    for (int m = 0; m < 12; ++m) {
        const auto& month = json["months"][m];
        EXPECT_DOUBLE_EQ(month["DFCalc"].get<double>(), df[m]) << m + 1;
        EXPECT_DOUBLE_EQ(month["DFUser"].get<double>(), df[m]) << m + 1;
        EXPECT_LE(month["ETa"].get<double>(), month["ETp"].get<double>()) << m + 1;
        vcDF += month["VcDF"].get<double>();
        vcET += month["VcET"].get<double>();
    }
    EXPECT_DOUBLE_EQ(json["DFsustainable"].get<double>(), 0.6);
    EXPECT_DOUBLE_EQ(json["months"][6]["VcDF"].get<double>(), 2359333);
    EXPECT_DOUBLE_EQ(json["months"][6]["VcET"].get<double>(), 2216177);
    EXPECT_DOUBLE_EQ(vcDF, 9078521);
    EXPECT_DOUBLE_EQ(vcET, 7415815);
}

TEST_F(CliStrategyTest, BadInput) {
    TRun run = Cli(Args("none.str"));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("none.str"), std::string::npos);
    WriteBytes(dir.File("short.str"), Bytes({2, 1, 9}));
    run = Cli(Args("short.str"));
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "Error in procedure ReadData: Stream read error\n");
    std::vector<std::string> args = Args("plan.str");
    args.insert(args.end(), {"--method", "thornthwaite"});
    EXPECT_EQ(Cli(args).code, 2);
}
