#include "core/cNumberFormat.h"
#include "data/cStrategyRatios.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(StrategyRatios, ChoiceLinesAreExact) {
    const auto& methods = FieldApplMethods();
    ASSERT_EQ(methods.size(), 12u);
    EXPECT_EQ(methods[0],
              "Furrows, laser graded                            0.25              0.75");
    EXPECT_EQ(methods[6], "Level basin, paddy rice" + std::string(26, ' ') + "0.00" +
                              std::string(14, ' ') + "0.95");
    // Shown in a fixed font, every method's numbers stand in the header sections' columns.
    const TFieldApplMethodsShown shown = FieldApplMethodsShown();
    ASSERT_EQ(shown.Lines.size(), methods.size());
    EXPECT_EQ(shown.Header.find("application method"), 0u);
    const std::size_t deviationEnd = shown.Header.find("stand.dev.") + 10;
    EXPECT_EQ(shown.Header.substr(shown.Header.size() - 14), "Ra for F = 10%");
    for (std::size_t i = 0; i < methods.size(); ++i) {
        const std::string& line = shown.Lines[i];
        ASSERT_EQ(line.size(), shown.Header.size()) << line;
        EXPECT_EQ(line.substr(0, line.find("  ")), methods[i].substr(0, methods[i].find("  ")));
        EXPECT_EQ(line.substr(deviationEnd - 4, 4), methods[i].substr(methods[i].size() - 22, 4));
        EXPECT_EQ(line.substr(line.size() - 4), methods[i].substr(methods[i].size() - 4));
    }

    ASSERT_EQ(UniformityClasses().size(), 5u);
    EXPECT_EQ(UniformityClasses()[3], "poor              0.4");
    ASSERT_EQ(DeliveryPatterns().size(), 3u);
    EXPECT_EQ(DeliveryPatterns()[1], "Average water delivery           25  ");
}

TEST(StrategyRatios, ProposedRaFromTheLineEnd) {
    EXPECT_EQ(ProposedRaText(FieldApplMethods()[0]), "0.75");
    EXPECT_EQ(ProposedRaText(FieldApplMethods()[6]), "0.95");
    SetDecimalSeparator(',');
    EXPECT_EQ(ProposedRaText(FieldApplMethods()[6]), "0,95");
    EXPECT_EQ(FieldApplMethods()[6].substr(49, 4), "0.00"); // the lines keep their point
    SetDecimalSeparator('.');
}

TEST(StrategyRatios, UniformityAndShortage) {
    EXPECT_EQ(UniformityOf(0), 0.1);
    EXPECT_EQ(UniformityOf(4), 0.5);
    EXPECT_EQ(UniformityOf(-1), 0);
    EXPECT_EQ(UniformityOf(5), 0);
    EXPECT_EQ(UniformityIndexOf(0.3), 2);
    EXPECT_EQ(UniformityIndexOf(0.1), 0);
    EXPECT_EQ(UniformityIndexOf(0.6), -1);
    EXPECT_EQ(UniformityIndexOf(0), -1);
    EXPECT_EQ(UniformityIndexOf(0.25), 1); // 2.5 goes to the even 2
    EXPECT_EQ(UniformityIndexOf(0.35), 3); // 3.5 goes to the even 4

    EXPECT_EQ(ShortageOf(0), 50);
    EXPECT_EQ(ShortageOf(2), 5);
    EXPECT_EQ(ShortageOf(3), 0);
    EXPECT_EQ(ShortageIndexOf(50), 0);
    EXPECT_EQ(ShortageIndexOf(25.2), 1);
    EXPECT_EQ(ShortageIndexOf(5), 2);
    EXPECT_EQ(ShortageIndexOf(10), -1);
    EXPECT_EQ(ZOfShortage(25), 0.67);
    EXPECT_EQ(ZOfShortage(50), 0);
    EXPECT_EQ(ZOfShortage(5), 1.64);
    EXPECT_EQ(ZOfShortage(10), 1.64);
    EXPECT_EQ(ZOfShortage(0), 1.64);
}

TEST(StrategyRatios, WaterDeliveryRatio) {
    auto rd = [](int uniformity, int pattern) {
        return FormatFixed(
            WaterDeliveryRatio(ZOfShortage(ShortageOf(pattern)), UniformityOf(uniformity)), 2);
    };
    EXPECT_EQ(rd(0, 0), "0.95"); // very good, random
    EXPECT_EQ(rd(4, 2), "0.52"); // very poor, systematic: 0.95 / 1.82
    EXPECT_EQ(rd(2, 1), "0.79"); // average, average delivery: 0.95 / 1.201
    EXPECT_EQ(WaterDeliveryRatio(-2, 0.5), 0);
}

TEST(StrategyRatios, ConveyanceByFlowRegimeAndArea) {
    // Continuous flow (0), then intermittent (1). The row is chosen by the area rounded half to
    // even (200.5 and 201.5), the value by the area itself.
    const std::tuple<int, double, double> cases[] = {
        {0, 10, 0.96},     {0, 200, 0.96}, {0, 201, 0.95995}, {0, 400, 0.95},      {0, 1000, 0.94},
        {0, 150000, 0.86}, {1, 200, 0.60}, {1, 250, 0.625},   {1, 4000, 0.90},     {1, 6000, 0.89},
        {1, 100000, 0.55}, {2, 1000, 0},   {0, 200.5, 0.96},  {0, 201.5, 0.959925}};
    for (const auto& [regime, area, ratio] : cases)
        EXPECT_DOUBLE_EQ(ConveyanceRatioOf(regime, area), ratio) << regime << " " << area;
    EXPECT_EQ(FormatFixed(ConveyanceRatioOf(1, 1500), 2), "0.85");
}

TEST(StrategyRatios, InterpolateRatio) {
    EXPECT_DOUBLE_EQ(InterpolateRatio(0.95, 0.96, 400, 201, 400), 0.95);
    EXPECT_EQ(InterpolateRatio(0.95, 0.96, 400, 201, 200), 0); // no width
}
