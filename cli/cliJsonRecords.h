#pragma once

#include <nlohmann/json.hpp>

#include <string>

class TCropFactor;
class TCropPattern;
class TGeneral;
class TGuiSettings;
class TMeteo;
class TSchedule;
class TSoil;
class TStrategy;
class TYearData;

// The data files as JSON: an object whose keys are the records' field names; a series is an
// array of 365 numbers. Reading starts from the record as it is (normally cleared), so a JSON
// object may give only some fields; an unknown key or a value of the wrong type is an error.

using TJson = nlohmann::json;

// Raised for JSON that does not describe a record; the text is shown to the user.
class TJsonShapeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

TJson ToJson(const TGeneral& general);
void FromJson(const TJson& json, TGeneral& general);
TJson ToJson(const TMeteo& meteo);
void FromJson(const TJson& json, TMeteo& meteo);
TJson ToJson(const TStrategy& strategy);
void FromJson(const TJson& json, TStrategy& strategy);
TJson ToJson(const TCropFactor& crop);
void FromJson(const TJson& json, TCropFactor& crop);
// A pattern's lines are objects {"Area", "PlantingDay", "CropFileName"} under "Lines".
TJson ToJson(const TCropPattern& pattern);
void FromJson(const TJson& json, TCropPattern& pattern);
TJson ToJson(const TSoil& soil);
void FromJson(const TJson& json, TSoil& soil);
// A schedule holds its soil as an object under "Soil"; Timing and Application are the positions
// of the options (0..3 and 0..2).
TJson ToJson(const TSchedule& schedule);
void FromJson(const TJson& json, TSchedule& schedule);
TJson ToJson(const TGuiSettings& settings);
void FromJson(const TJson& json, TGuiSettings& settings);

TJson SeriesToJson(const TYearData& series);
// 365 daily values, or 12 monthly values written with the series' own month write.
void SeriesFromJson(const TJson& json, TYearData& series, const std::string& name);
