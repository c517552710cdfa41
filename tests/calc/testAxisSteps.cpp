#include "calc/uAxisSteps.h"

#include <gtest/gtest.h>

#include <limits>

// The chart axes tick at round numbers of about six steps over the span, in both unit systems.
TEST(AxisSteps, RoundStepsOfAboutSixOverTheSpan) {
    EXPECT_DOUBLE_EQ(RoundAxisStep(193.5), 50);  // a root zone of 184 mm with room above
    EXPECT_DOUBLE_EQ(RoundAxisStep(150), 25);    // a 150-day season
    EXPECT_DOUBLE_EQ(RoundAxisStep(365), 100);   // a whole year
    EXPECT_DOUBLE_EQ(RoundAxisStep(60), 10);     // exactly six steps stays at ten
    EXPECT_DOUBLE_EQ(RoundAxisStep(7.6), 2);     // inches
    EXPECT_DOUBLE_EQ(RoundAxisStep(1.3), 0.25);  // Kc values
    EXPECT_DOUBLE_EQ(RoundAxisStep(0.05), 0.01); // a small difference
    for (double nothing : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()})
        EXPECT_DOUBLE_EQ(RoundAxisStep(nothing), 1) << nothing;
}

TEST(AxisSteps, LabelsShowEveryStepExactly) {
    EXPECT_EQ(AxisStepDecimals(50), 0);
    EXPECT_EQ(AxisStepDecimals(2.5), 1);
    EXPECT_EQ(AxisStepDecimals(0.25), 2);
    EXPECT_EQ(AxisStepDecimals(0.01), 2);
    EXPECT_EQ(AxisStepDecimals(1.0 / 3), 6); // never more than six
}
