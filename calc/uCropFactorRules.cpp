#include "calc/uCropFactorRules.h"

#include "data/cCropFactor.h"

bool GrowingPeriodTooLong(int totalDays) {
    return totalDays > kMaxGrowingPeriod;
}

// Written so that a NaN from a file is out of range too; a file may also bring negative values.
bool CropCoefficientInRange(double kc) {
    return kc > 0 && kc <= kMaxCropCoefficient;
}

bool RootingDepthInRange(double metres) {
    return metres > 0;
}

bool StageLengthInRange(int days) {
    return days > 0 && !GrowingPeriodTooLong(days);
}

bool CheckCropFactor(TCropFactor& crop) {
    bool valid = RootingDepthInRange(crop.RootingDepth);
    if (!crop.StandardKc && !CropCoefficientInRange(crop.GetKc1(1)))
        valid = false;
    if (!CropCoefficientInRange(crop.GetKc3(1)) || !CropCoefficientInRange(crop.GetKc4(1)))
        valid = false;
    for (int stage = 1; stage <= 4; ++stage)
        if (!StageLengthInRange(crop.GetStageLength(stage)))
            valid = false;
    if (valid && GrowingPeriodTooLong(crop.GrowingPeriod()))
        valid = false;
    crop.DataValid = valid;
    return valid;
}
