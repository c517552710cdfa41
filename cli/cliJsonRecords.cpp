#include "cli/cliJsonRecords.h"

#include "core/cGuiSettings.h"
#include "core/cYearData.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "data/cSchedule.h"
#include "data/cStrategy.h"

#include <set>
#include <type_traits>

namespace {

// Field visitors: one list of fields per record serves both directions.
struct TToJson {
    TJson& json;
    template <class T>
    requires(!std::is_base_of_v<TYearData, T>) void operator()(const char* name, const T& value) {
        json[name] = value;
    }
    void operator()(const char* name, const TYearData& series) {
        json[name] = SeriesToJson(series);
    }
};

struct TFromJson {
    const TJson& json;
    std::set<std::string> seen;
    template <class T>
    requires(!std::is_base_of_v<TYearData, T>) void operator()(const char* name, T& value) {
        seen.insert(name);
        if (!json.contains(name))
            return;
        try {
            value = json.at(name).get<T>();
        } catch (const nlohmann::json::exception&) {
            throw TJsonShapeError(std::string("Field ") + name + " has a value of the wrong type");
        }
    }
    void operator()(const char* name, TYearData& series) {
        seen.insert(name);
        if (json.contains(name))
            SeriesFromJson(json.at(name), series, name);
    }
    // JSON has no comments: a field whose name starts with "_" is a note for the reader.
    void RejectUnknown() const {
        for (const auto& [key, value] : json.items())
            if (!seen.count(key) && !key.starts_with('_'))
                throw TJsonShapeError("Unknown field " + key);
    }
};

template <class TVisitor, class TGeneralRef>
void VisitGeneral(TVisitor& v, TGeneralRef& g) {
    v("Version", g.Version);
    v("Country", g.Country);
    v("Region", g.Region);
    v("Description", g.Description);
    v("Hemisphere", g.Hemisphere);
    v("Latitude", g.Latitude);
    v("Altitude", g.Altitude);
    v("IrrigableArea", g.IrrigableArea);
    v("GrossArea", g.GrossArea);
    v("CalcPeriod", g.CalcPeriod);
    v("MeanDepth", g.MeanDepth);
    v("ApplInterval", g.ApplInterval);
    v("UseCurveNumber", g.UseCurveNumber);
    v("LandUseIndex", g.LandUseIndex);
    v("SoilGroupIndex", g.SoilGroupIndex);
    v("FixedPercent", g.FixedPercent);
    v("UseFixedPercent", g.UseFixedPercent);
}

template <class TVisitor, class TMeteoRef>
void VisitMeteo(TVisitor& v, TMeteoRef& m) {
    v("Version", m.Version);
    v("WindHeight", m.WindHeight);
    v("Tmin", m.Tmin);
    v("Tmax", m.Tmax);
    v("Precipitation", m.Precipitation);
    v("Sunshine", m.Sunshine);
    v("RHmean", m.RHmean);
    v("RHmax", m.RHmax);
    v("WindSpeed", m.WindSpeed);
    v("WindRatio", m.WindRatio);
}

// The stored fields of a strategy, in file order; the work series are not part of the file.
template <class TVisitor, class TStrategyRef>
void VisitStrategy(TVisitor& v, TStrategyRef& s) {
    v("Version", s.Version);
    v("FieldDataAvailable", s.FieldDataAvailable);
    v("SpareFlag", s.SpareFlag);
    v("DFUserInitialised", s.DFUserInitialised);
    v("DFcrit", s.DFcrit);
    v("SoilType", s.SoilType);
    v("CapRise05", s.CapRise05);
    v("CapRise10", s.CapRise10);
    v("CapRise20", s.CapRise20);
    v("FieldApplMethod", s.FieldApplMethod);
    v("RaRatio", s.RaRatio);
    v("Uniformity", s.Uniformity);
    v("WaterShortage", s.WaterShortage);
    v("ZValue", s.ZValue);
    v("DeliveryRatio", s.DeliveryRatio);
    v("FlowRegime", s.FlowRegime);
    v("ConveyRatio", s.ConveyRatio);
    v("DepthGW1Jan", s.DepthGW1Jan);
    v("GeneralFileName", s.GeneralFileName);
    v("ChangeGWTableData", s.ChangeGWTableData);
    v("DivertedWater", s.DivertedWater);
    v("DFUser", s.DFUser);
    v("ETaIrrigated", s.ETaIrrigated);
    v("ETaGross", s.ETaGross);
}

template <class TVisitor, class TCropFactorRef>
void VisitCropFactor(TVisitor& v, TCropFactorRef& c) {
    v("Version", c.Version);
    v("Description", c.Description);
    v("StandardKc", c.StandardKc);
    v("Kc1", c.Kc1);
    v("Kc2", c.Kc2);
    v("Kc3", c.Kc3);
    v("Kc4", c.Kc4);
    v("RootingDepth", c.RootingDepth);
    v("StageLength", c.StageLength);
}

template <class TVisitor, class TPatternRef>
void VisitCropPattern(TVisitor& v, TPatternRef& p) {
    v("Version", p.Version);
    v("KcFallow", p.KcFallow);
    v("KcPermanent", p.KcPermanent);
}

template <class TVisitor, class TLineRef>
void VisitPatternLine(TVisitor& v, TLineRef& line) {
    v("Area", line.Area);
    v("PlantingDay", line.PlantingDay);
    v("CropFileName", line.CropFileName);
}

template <class TVisitor, class TSoilRef>
void VisitSoil(TVisitor& v, TSoilRef& s) {
    v("Version", s.Version);
    v("Description", s.Description);
    v("FieldCapacity", s.FieldCapacity);
    v("WiltingPoint", s.WiltingPoint);
    v("AvailableWaterGiven", s.AvailableWaterGiven);
    v("AvailableWater", s.AvailableWater);
    v("InfiltrationRate", s.InfiltrationRate);
    v("InitialDepletion", s.InitialDepletion);
}

// The schedule's own fields; its soil is an object of its own.
template <class TVisitor, class TScheduleRef>
void VisitSchedule(TVisitor& v, TScheduleRef& s) {
    v("Version", s.Version);
    v("CropFileName", s.CropFileName);
    v("PlantingDay", s.PlantingDay);
    v("DepletionFraction", s.DepletionFraction);
    v("KySeason", s.KySeason);
    v("KyStage", s.KyStage);
    v("Timing", s.Timing);
    v("TimingPercentOfRAW", s.TimingPercentOfRAW);
    v("TimingInterval", s.TimingInterval);
    v("TimingDepletion", s.TimingDepletion);
    v("Application", s.Application);
    v("ApplicationDepth", s.ApplicationDepth);
    v("RoomForRain", s.RoomForRain);
    v("Efficiency", s.Efficiency);
}

template <class TVisitor, class TSettingsRef>
void VisitSettings(TVisitor& v, TSettingsRef& s) {
    v("LengthUnit", s.LengthUnit);
    v("AreaUnit", s.AreaUnit);
    v("VelocityUnit", s.VelocityUnit);
    v("TemperatureUnit", s.TemperatureUnit);
    v("PrecipitationUnit", s.PrecipitationUnit);
    v("VolumeUnit", s.VolumeUnit);
}

void RequireObject(const TJson& json) {
    if (!json.is_object())
        throw TJsonShapeError("The JSON text must be an object of field names and values");
}

// One record's visitor run in either direction.
template <class TRecord, class TVisit>
TJson RecordToJson(const TRecord& record, TVisit visit) {
    TJson json = TJson::object();
    TToJson v{json};
    visit(v, record);
    return json;
}

// nested names a field the caller reads itself (a pattern's lines, a schedule's soil).
template <class TRecord, class TVisit>
void RecordFromJson(const TJson& json, TRecord& record, TVisit visit,
                    const char* nested = nullptr) {
    RequireObject(json);
    TFromJson v{json, {}};
    visit(v, record);
    if (nested)
        v.seen.insert(nested);
    v.RejectUnknown();
}

} // namespace

TJson ToJson(const TGeneral& general) {
    return RecordToJson(general, [](auto& v, auto& r) { VisitGeneral(v, r); });
}
void FromJson(const TJson& json, TGeneral& general) {
    RecordFromJson(json, general, [](auto& v, auto& r) { VisitGeneral(v, r); });
}

TJson ToJson(const TMeteo& meteo) {
    return RecordToJson(meteo, [](auto& v, auto& r) { VisitMeteo(v, r); });
}
void FromJson(const TJson& json, TMeteo& meteo) {
    RecordFromJson(json, meteo, [](auto& v, auto& r) { VisitMeteo(v, r); });
}

TJson ToJson(const TStrategy& strategy) {
    return RecordToJson(strategy, [](auto& v, auto& s) { VisitStrategy(v, s); });
}

void FromJson(const TJson& json, TStrategy& strategy) {
    RecordFromJson(json, strategy, [](auto& v, auto& s) { VisitStrategy(v, s); });
}

TJson ToJson(const TCropFactor& crop) {
    return RecordToJson(crop, [](auto& v, auto& c) { VisitCropFactor(v, c); });
}

void FromJson(const TJson& json, TCropFactor& crop) {
    RecordFromJson(json, crop, [](auto& v, auto& c) { VisitCropFactor(v, c); });
}

TJson ToJson(const TCropPattern& pattern) {
    TJson json = RecordToJson(pattern, [](auto& v, auto& p) { VisitCropPattern(v, p); });
    TJson lines = TJson::array();
    for (int i = 1; i <= pattern.Count(); ++i)
        lines.push_back(RecordToJson(pattern.GetCropLine(i),
                                     [](auto& v, auto& line) { VisitPatternLine(v, line); }));
    json["Lines"] = lines;
    return json;
}

void FromJson(const TJson& json, TCropPattern& pattern) {
    RecordFromJson(
        json, pattern, [](auto& v, auto& p) { VisitCropPattern(v, p); }, "Lines");
    if (!json.contains("Lines"))
        return;
    const TJson& lines = json.at("Lines");
    if (!lines.is_array())
        throw TJsonShapeError("Field Lines must be an array of crop objects");
    if (lines.size() > static_cast<std::size_t>(TCropPattern::kMaxCrops))
        throw TJsonShapeError("A cropping pattern holds at most 40 crops");
    pattern.Clear();
    for (const TJson& line : lines)
        RecordFromJson(line, pattern.AddCropLine(),
                       [](auto& v, auto& l) { VisitPatternLine(v, l); });
}

TJson ToJson(const TSoil& soil) {
    return RecordToJson(soil, [](auto& v, auto& r) { VisitSoil(v, r); });
}
void FromJson(const TJson& json, TSoil& soil) {
    RecordFromJson(json, soil, [](auto& v, auto& r) { VisitSoil(v, r); });
}

TJson ToJson(const TSchedule& schedule) {
    TJson json = RecordToJson(schedule, [](auto& v, auto& r) { VisitSchedule(v, r); });
    json["Soil"] = ToJson(schedule.Soil);
    return json;
}

void FromJson(const TJson& json, TSchedule& schedule) {
    RecordFromJson(
        json, schedule, [](auto& v, auto& r) { VisitSchedule(v, r); }, "Soil");
    if (json.contains("Soil"))
        FromJson(json.at("Soil"), schedule.Soil);
    if (static_cast<unsigned>(schedule.Timing) > static_cast<unsigned>(TScheduleTiming::Never))
        throw TJsonShapeError("Field Timing must be 0 to 3");
    if (static_cast<unsigned>(schedule.Application) >
        static_cast<unsigned>(TScheduleApplication::RefillLessRoom))
        throw TJsonShapeError("Field Application must be 0 to 2");
}

TJson ToJson(const TGuiSettings& settings) {
    return RecordToJson(settings, [](auto& v, auto& r) { VisitSettings(v, r); });
}
void FromJson(const TJson& json, TGuiSettings& settings) {
    RecordFromJson(json, settings, [](auto& v, auto& r) { VisitSettings(v, r); });
}

TJson SeriesToJson(const TYearData& series) {
    TJson days = TJson::array();
    for (double value : series.Days())
        days.push_back(value);
    return days;
}

void SeriesFromJson(const TJson& json, TYearData& series, const std::string& name) {
    if (!json.is_array() || (json.size() != 365 && json.size() != 12))
        throw TJsonShapeError("Field " + name +
                              " must be an array of 365 daily or 12 monthly values");
    for (std::size_t i = 0; i < json.size(); ++i)
        if (!json[i].is_number())
            throw TJsonShapeError("Field " + name + " holds a value that is not a number");
    if (json.size() == 12) {
        for (int m = 1; m <= 12; ++m)
            series.SetMonth(m, json[m - 1].get<double>());
    } else {
        for (int d = 1; d <= 365; ++d)
            series.SetDay(d, json[d - 1].get<double>());
    }
}
