// Build step: writes the example projects (.gen, .mtf, .pat) into a program folder's data
// folders. Each project is a JSON file beside the climate normals it takes its weather from;
// files that already exist are left alone, so a user's edits survive a rebuild.
#include "cli/cliJsonRecords.h"
#include "core/cCsv.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

struct TStation {
    double Latitude = 0; // degrees.minutes
    std::string Hemisphere;
    double Altitude = 0;
    std::map<std::string, std::vector<double>> Monthly; // quantity -> 12 values
};

// station,latitude_deg,latitude_min,hemisphere,altitude_m,quantity,jan..dec
std::map<std::string, TStation> ReadNormals(const std::string& text) {
    std::map<std::string, TStation> stations;
    std::stringstream stream(text);
    std::string line;
    bool header = true;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (header) {
            header = false;
            continue;
        }
        const auto cells = SplitCsvLine(line);
        if (cells.size() != 18)
            throw std::runtime_error("climate normals: a row needs 18 cells: " + line);
        TStation& station = stations[cells[0]];
        station.Latitude = TextToInt(cells[1]) + TextToInt(cells[2]) / 100.0;
        station.Hemisphere = cells[3];
        station.Altitude = TextToNumber(cells[4]);
        std::vector<double>& values = station.Monthly[cells[5]];
        for (int m = 0; m < 12; ++m)
            values.push_back(TextToNumber(cells[6 + m]));
    }
    return stations;
}

void SetMonths(TYearData& series, const std::vector<double>& values) {
    for (int m = 1; m <= 12; ++m)
        series.SetMonth(m, values.at(m - 1));
}

TMeteo MakeMeteo(const TStation& station, double windHeight) {
    TMeteo meteo;
    meteo.Clear();
    meteo.WindHeight = windHeight;
    // The wind row of the station's measuring height: wind_u10, wind_u2.
    const std::string wind = "wind_u" + FormatGeneral(windHeight);
    const std::pair<std::string, TYearData*> series[] = {
        {"tmin", &meteo.Tmin},         {"tmax", &meteo.Tmax},      {"rain", &meteo.Precipitation},
        {"sunshine", &meteo.Sunshine}, {"rh_mean", &meteo.RHmean}, {wind, &meteo.WindSpeed}};
    for (const auto& [name, target] : series) {
        const auto found = station.Monthly.find(name);
        if (found == station.Monthly.end())
            throw std::runtime_error("climate normals: no " + name + " row");
        SetMonths(*target, found->second);
    }
    return meteo; // no maximum humidity or wind ratio data: those stay 0
}

TCropPattern MakePattern(const nlohmann::json& json, const std::string& cropFolder) {
    TCropPattern pattern;
    pattern.KcFallow = json.at("KcFallow").get<double>();
    pattern.KcPermanent = json.at("KcPermanent").get<double>();
    for (const auto& crop : json.at("Crops")) {
        const std::string file = cropFolder + "/" + crop.at("CropFile").get<std::string>();
        if (!FileExists(file))
            throw std::runtime_error("no crop factor file " + file);
        TCropPatternLine& line = pattern.AddCropLine();
        line.Area = crop.at("Area").get<double>();
        line.PlantingDay = crop.at("PlantingDay").get<int>();
        line.CropFileName = file;
    }
    return pattern;
}

template <class TRecord>
void SaveNew(const TRecord& record, const std::string& path) {
    if (FileExists(path))
        return;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    record.Save(path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: quelta-make-samples NORMALS.csv PROGRAM_FOLDER PROJECT.json...\n";
        return 2;
    }
    try {
        const auto stations = ReadNormals(ReadFileBytes(argv[1]));
        const std::string program = argv[2];
        for (int i = 3; i < argc; ++i) {
            const auto json = nlohmann::json::parse(ReadFileBytes(argv[i]));
            const std::string name = std::filesystem::path(argv[i]).stem().string();
            const TStation& station = stations.at(json.at("Station").get<std::string>());

            TGeneral general;
            general.Clear();
            FromJson(json.at("General"), general);
            general.Latitude = station.Latitude;
            general.Hemisphere = station.Hemisphere;
            general.Altitude = station.Altitude;

            SaveNew(general, program + "/General/" + name + ".gen");
            SaveNew(MakeMeteo(station, json.at("WindHeight").get<double>()),
                    program + "/Meteo/" + name + ".mtf");
            SaveNew(MakePattern(json.at("Pattern"), program + "/Crop"),
                    program + "/Pattern/" + name + ".pat");
        }
    } catch (const std::exception& e) {
        std::cerr << "quelta-make-samples: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
