#include "calc/uCropFactorRules.h"

#include "data/cCropFactor.h"

namespace {

// Written so that a NaN from a file is out of range too; a file may also bring negative values.
bool CoefficientOutOfRange(double kc) {
    return !(kc > 0 && kc <= kMaxCropCoefficient);
}

} // namespace

bool GrowingPeriodTooLong(int totalDays) {
    return totalDays > kMaxGrowingPeriod;
}

bool CheckCropFactor(TCropFactor& crop) {
    bool valid = crop.RootingDepth > 0;
    if (!crop.StandardKc && CoefficientOutOfRange(crop.GetKc1(1)))
        valid = false;
    if (CoefficientOutOfRange(crop.GetKc3(1)) || CoefficientOutOfRange(crop.GetKc4(1)))
        valid = false;
    for (int stage = 1; stage <= 4; ++stage)
        if (crop.GetStageLength(stage) <= 0 || GrowingPeriodTooLong(crop.GetStageLength(stage)))
            valid = false;
    if (valid && GrowingPeriodTooLong(crop.GrowingPeriod()))
        valid = false;
    crop.DataValid = valid;
    return valid;
}
