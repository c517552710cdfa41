#include "calc/uCropFactorRules.h"
#include "data/cCropFactor.h"

#include <gtest/gtest.h>

namespace {

TCropFactor ValidCrop() {
    TCropFactor crop;
    crop.Kc1 = {0.4, 0};
    crop.Kc3 = {1.15, 1.15};
    crop.Kc4 = {0.6, 0.6};
    crop.RootingDepth = 1.2;
    crop.StageLength = {30, 40, 60, 30};
    return crop;
}

} // namespace

// A Kc of exactly 2, a computed Kc,1 of 0 (not checked) and a season of a whole year are valid.
TEST(CropFactorRules, ValidCropsAtTheBounds) {
    const std::pair<const char*, void (*)(TCropFactor&)> valid[] = {
        {"as entered", [](TCropFactor&) {}},
        {"Kc 2", [](TCropFactor& c) { c.Kc1[0] = c.Kc3[0] = c.Kc4[0] = 2; }},
        {"computed Kc,1", [](TCropFactor& c) { c.Kc1[0] = 0, c.StandardKc = true; }},
        {"365 days",
         [](TCropFactor& c) {
             c.StageLength = {100, 100, 100, 65};
         }},
    };
    for (const auto& [what, change] : valid) {
        TCropFactor crop = ValidCrop();
        change(crop);
        EXPECT_TRUE(CheckCropFactor(crop)) << what;
        EXPECT_TRUE(crop.DataValid) << what;
    }
    EXPECT_FALSE(GrowingPeriodTooLong(365));
    EXPECT_TRUE(GrowingPeriodTooLong(366));
}

TEST(CropFactorRules, EachBrokenRuleMakesTheCropInvalid) {
    const std::pair<const char*, void (*)(TCropFactor&)> broken[] = {
        {"rooting depth 0", [](TCropFactor& c) { c.RootingDepth = 0; }},
        {"Kc,1 0", [](TCropFactor& c) { c.Kc1[0] = 0; }},
        {"Kc,1 above 2", [](TCropFactor& c) { c.Kc1[0] = 2.01; }},
        {"Kc,3 0", [](TCropFactor& c) { c.Kc3[0] = 0; }},
        {"Kc,3 above 2", [](TCropFactor& c) { c.Kc3[0] = 2.5; }},
        {"Kc,4 0", [](TCropFactor& c) { c.Kc4[0] = 0; }},
        {"Kc,4 above 2", [](TCropFactor& c) { c.Kc4[0] = 3; }},
        {"initial stage 0", [](TCropFactor& c) { c.StageLength[0] = 0; }},
        {"late stage 0", [](TCropFactor& c) { c.StageLength[3] = 0; }},
        {"366 days",
         [](TCropFactor& c) {
             c.StageLength = {100, 100, 100, 66};
         }},
    };
    for (const auto& [what, breakIt] : broken) {
        TCropFactor crop = ValidCrop();
        crop.DataValid = true;
        breakIt(crop);
        EXPECT_FALSE(CheckCropFactor(crop)) << what;
        EXPECT_FALSE(crop.DataValid) << what;
    }
}
