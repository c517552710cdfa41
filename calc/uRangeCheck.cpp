#include "calc/uRangeCheck.h"

#include "calc/uCropFactorRules.h"
#include "calc/uGeneralRanges.h"
#include "calc/uMeteoGrid.h"
#include "calc/uMeteoRanges.h"
#include "calc/uReferenceET.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cCropFactor.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"

#include <array>
#include <limits>
#include <string>

namespace {

// The meteo columns as the hints and the users call them.
const std::array<const char*, kMeteoGridColumns> kMeteoFieldNames = {
    "", "Tmin", "Tmax", "Precipitation", "Sunshine", "RHmean", "RHmax", "Windspeed", "Wind ratio"};

// A value as a field shows it and the metric number of that text, which the editors check.
struct TShown {
    std::string Text;
    double Metric;
};

TShown Shown(const TGuiSettings& units, int kind, double value) {
    const std::string text = units.FormatValue(kind, value);
    return {text, units.ParseValue(kind, ShownNumber(text))};
}

} // namespace

std::vector<TOutOfRange> OutOfRangeGeneral(const TGeneral& g, const TGuiSettings& units) {
    std::vector<TOutOfRange> faults;
    const int degrees = LatitudeDegrees(g.Latitude), minutes = LatitudeMinutes(g.Latitude);
    if (!LatitudeDegreesInRange(degrees))
        faults.push_back({"Latitude degrees", "", std::to_string(degrees),
                          GeneralRangeHint(TGeneralField::Degrees, units)});
    if (!LatitudeMinutesInRange(minutes))
        faults.push_back({"Latitude minutes", "", std::to_string(minutes),
                          GeneralRangeHint(TGeneralField::Minutes, units)});

    const TGeneralRangeCheck check = CheckGeneralRanges(g);
    struct TField {
        TGeneralField Field;
        const char* Name;
        int Kind;
        double Value;
    };
    const TField fields[] = {
        {TGeneralField::Altitude, "Altitude above mean sea level", QuantityKind::Length,
         g.Altitude},
        {TGeneralField::GrossArea, "Size of gross command area", QuantityKind::Area, g.GrossArea},
        {TGeneralField::IrrigableArea, "Size of irrigable area", QuantityKind::Area,
         g.IrrigableArea},
        {TGeneralField::Depth, "Mean depth of water application", QuantityKind::Depth, g.MeanDepth},
    };
    for (const TField& f : fields)
        if (!check.Valid(f.Field))
            faults.push_back(
                {f.Name, "", units.FormatValue(f.Kind, f.Value), GeneralRangeHint(f.Field, units)});
    if (!check.FixedPercent) // shown as stored, without a unit
        faults.push_back({"Fixed % of precipitation", "", FormatGeneral(g.FixedPercent),
                          GeneralRangeHint(TGeneralField::FixedPercent, units)});
    return faults;
}

std::vector<TOutOfRange> OutOfRangeMeteo(const TMeteo& meteo, const TGuiSettings& units,
                                         const TGeneral* general) {
    std::vector<TOutOfRange> faults;
    const auto series = meteo.Series();
    const int length = units.GetPeriodLength();
    const std::vector<std::string> labels = units.FillPeriodColumn();
    for (int row = 1; row <= units.NumberOfPeriods(); ++row) {
        std::array<TShown, kMeteoGridColumns> cells;
        for (int c = 1; c < kMeteoGridColumns; ++c)
            cells[c] = Shown(units, MeteoColumnKind(c), series[c - 1]->GetPeriod(row, length));
        const double maxSunshine =
            general ? CalcMaxSunshine(*general, SunshineDay(general->CalcPeriod, row, length))
                    : std::numeric_limits<double>::infinity();
        for (int c = 1; c < kMeteoGridColumns; ++c)
            if (MeteoValueOutOfRange(c, cells[c].Metric, cells[MeteoColumn::Tmin].Metric,
                                     cells[MeteoColumn::RHmean].Metric, maxSunshine))
                faults.push_back({kMeteoFieldNames[c],
                                  row < static_cast<int>(labels.size()) ? labels[row] : "",
                                  cells[c].Text, MeteoRangeHint(c, units)});
    }
    const TShown height = Shown(units, QuantityKind::Length, meteo.WindHeight);
    if (!WindHeightInRange(height.Metric))
        faults.push_back({"Height of windspeed measurements above ground level", "", height.Text,
                          WindHeightHint(units)});
    return faults;
}

std::vector<TOutOfRange> OutOfRangeCropFactor(const TCropFactor& crop, const TGuiSettings& units) {
    std::vector<TOutOfRange> faults;
    const std::string kcRange = "Range: 0 < Kc <= 2";
    auto coefficient = [&](const char* name, double kc) {
        if (!CropCoefficientInRange(kc))
            faults.push_back(
                {name, "", units.FormatValue(QuantityKind::CropCoefficient, kc), kcRange});
    };
    if (!crop.StandardKc) // a computed Kc,1 is not the user's to keep in range
        coefficient("Kc,1", crop.GetKc1(1));
    coefficient("Kc,3", crop.GetKc3(1));
    coefficient("Kc,4", crop.GetKc4(1));
    if (!RootingDepthInRange(crop.RootingDepth))
        faults.push_back(
            {"Rooting depth", "", units.FormatValue(QuantityKind::Length, crop.RootingDepth),
             "Range: Rooting depth > 0 " + units.CurrentUnitLabel(QuantityKind::Length)});
    const char* stages[] = {"initial stage", "development", "mid-season", "late-season"};
    for (int stage = 1; stage <= 4; ++stage)
        if (!StageLengthInRange(crop.GetStageLength(stage)))
            faults.push_back({stages[stage - 1], "", std::to_string(crop.GetStageLength(stage)),
                              "Range: 1 <= Stage length <= 365 days"});
    if (GrowingPeriodTooLong(crop.GrowingPeriod()))
        faults.push_back({"growing period", "", std::to_string(crop.GrowingPeriod()),
                          "Range: Growing period <= 365 days"});
    return faults;
}

std::string OutOfRangeText(const TOutOfRange& fault) {
    return fault.Field + (fault.Period.empty() ? "" : ", " + fault.Period) + ": " + fault.Value +
           " (" + fault.Range + ")";
}

std::string OutOfRangeSaveQuestion(const TOutOfRange& fault) {
    return "Out of range: " + fault.Field + (fault.Period.empty() ? "" : " in " + fault.Period) +
           " = " + fault.Value + " (" + fault.Range + ")." + "\r" + "Save anyway?";
}
