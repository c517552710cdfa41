#include "calc/uStrategyReport.h"
#include "core/cCalendar.h"
#include "core/cUserMessages.h"

#include <gtest/gtest.h>

namespace {

TStrategyReportTexts Texts(const std::string& volumeUnit) {
    TStrategyReportTexts t;
    t.Headings = {"Month", "(-)", "(" + volumeUnit + "/month)", "(" + volumeUnit + "/month)"};
    for (int m = 1; m <= 12; ++m)
        t.Months[m - 1] = {ShortMonthNameOfMonth(m) + " (" + std::to_string(m) + ")", "0.60",
                           "1000", "1000", "No warning"};
    t.Months[0].VcDF = "1200";
    t.Months[0].VcET = "1500";
    t.Months[0].Remark = "Allow lower ETa from irr.area / decrease DF";
    t.Months[1].VcDF = "1500";
    t.Months[1].VcET = "1500";
    t.DFsustainable = "0.50";
    t.DFAverage = "0.60";
    t.DivertedTotal = "0";
    return t;
}

TStrategyReportHeader Header() {
    TStrategyReportHeader h;
    h.Country = "Spain";
    h.Region = "Guadalquivir";
    h.AreaLabel = "Size of irrigable area (ha)";
    h.Area = "1000.0";
    h.GeneralFile = "/data/SITE.gen";
    h.MeteoFile = "/data/SITE.mtf";
    h.PatternFile = "/data/SITE.pat";
    return h;
}

} // namespace

TEST(StrategyReport, Padding) {
    EXPECT_EQ(PadReportText("Jan (1)", 10), "Jan (1)   ");
    EXPECT_EQ(PadReportText("A very long remark text", 10), "A very lon");
    EXPECT_EQ(PadReportText("", 3), "   ");
}

TEST(StrategyReport, LinesInOrder) {
    TReportBuilder b;
    ASSERT_TRUE(WriteStrategyReport(Header(), Texts("m3"), b));
    const TReportText& r = b.Lines();
    ASSERT_EQ(r.size(), 55u); // 53 items; two of them end in an empty line
    EXPECT_EQ(r[0], (TReportLine{"Strategy report", true}));
    EXPECT_EQ(r[1], (TReportLine{"", false}));
    EXPECT_EQ(r[2].Text, "Country" + std::string(22, ' ') + "Spain");
    EXPECT_EQ(r[3].Text, "Region / Project" + std::string(13, ' ') + "Guadalquivir");
    EXPECT_EQ(r[4].Text, "Size of irrigable area (ha)  1000.0");
    EXPECT_EQ(r[6], (TReportLine{"Input Files:", true}));
    EXPECT_EQ(r[7].Text, "General data file:     /data/SITE.gen");
    EXPECT_EQ(r[12].Text, std::string(105, '-'));
    EXPECT_TRUE(r[13].Bold);
    EXPECT_EQ(r[15].Text.size(), 53u);
    // Each heading stands over its column in the fixed font of the report: the requirements at
    // 20 and 37, the remarks at 54, in the heading and in every month's line.
    EXPECT_EQ(r[13].Text.find("Irrigation water"), 20u);
    EXPECT_EQ(r[13].Text.find("Irrigation water", 21), 37u);
    EXPECT_EQ(r[13].Text.find("Remarks and Warnings"), 54u);
    EXPECT_EQ(r[18].Text.find("1200"), 20u);
    EXPECT_EQ(r[18].Text.find("1500"), 37u);
    EXPECT_EQ(r[18].Text.find("Allow lower"), 54u);
    EXPECT_EQ(r[17].Text, "Month     (-)       (m3/month)       (m3/month)       ");
    EXPECT_EQ(r[18].Text, "Jan (1)   0.60      1200             1500             "
                          "Allow lower ETa from irr.area / decrease DF" +
                              std::string(26, ' '));
    EXPECT_EQ(r[33].Text, std::string(75, '-'));
    EXPECT_EQ(r[34].Text, "Month     (m3/month)     Result of        ");
    EXPECT_EQ(r[35].Text, "Jan (1)    1500          ET track");
    EXPECT_EQ(r[36].Text, "Feb (2)    1500          Water balance track");
    EXPECT_EQ(r[37].Text, "Mar (3)    1000          Water balance track");
    EXPECT_EQ(r[48].Text, "Total      13000");
    EXPECT_EQ(r[49].Text, "");
    EXPECT_EQ(r[50], (TReportLine{"Conclusions of this strategy", true}));
    EXPECT_EQ(r[51].Text, "DFsustainable - DFaverage = 0.50 - 0.60 = -0.1");
    // The groundwater taken beyond the diverted water, as the positive volume it is.
    EXPECT_EQ(r[52].Text, "Volume of mined groundwater: 13000 - 0 = 13000 (m3/year)");
    EXPECT_EQ(r[54], (TReportLine{"End of report.", true}));
}

TEST(StrategyReport, DrainedWaterInAcreFeet) {
    TStrategyReportTexts t = Texts("acrft");
    t.DFsustainable = "0.60";
    t.DivertedTotal = "20000";
    TReportBuilder b;
    ASSERT_TRUE(WriteStrategyReport(Header(), t, b));
    const TReportText& r = b.Lines();
    EXPECT_EQ(r[17].Text, "Month     (-)       (acrft/month)    (acrft/month)    ");
    EXPECT_EQ(r[51].Text, "DFsustainable - DFaverage = 0.60 - 0.60 = 0");
    EXPECT_EQ(r[52].Text, "Volume of water to be drained: 20000 - 13000 = 7000 (acrft/year)");
}

TEST(StrategyReport, AnEmptyRequirementEndsTheReport) {
    TStrategyReportTexts t = Texts("m3");
    t.Months[4].VcET = "";
    TMessageRecorder messages;
    TReportBuilder b;
    EXPECT_FALSE(WriteStrategyReport(Header(), t, b));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"'' is not a valid integer value"});
    EXPECT_EQ(b.Lines().back(), (TReportLine{"Outcome of the selected strategy", true}));
}
