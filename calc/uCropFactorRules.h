#pragma once

class TCropFactor;

// The rules a crop factor must meet before it may be saved. The crop factor editor checks them
// after every stored change; they are kept here so the CLI and the tests ask the same.

// The longest growing period a crop may have, in days.
constexpr int kMaxGrowingPeriod = 365;
// The largest valid crop coefficient (inclusive).
constexpr double kMaxCropCoefficient = 2.0;

// True when the stage lengths add up to more than a year.
bool GrowingPeriodTooLong(int totalDays);

// The rules of single values: 0 < Kc <= 2, a rooting depth above 0, a stage of 1..365 days.
bool CropCoefficientInRange(double kc);
bool RootingDepthInRange(double metres);
bool StageLengthInRange(int days);

// Sets crop.DataValid: false when the rooting depth is 0, an entered Kc (Kc,1 only when it is not
// computed) is 0 or above 2, a stage length is 0, or the stages add up to 366 days or more.
bool CheckCropFactor(TCropFactor& crop);
