#include "resources/cSoilLibrary.h"

#include "core/cNumberFormat.h"
#include "resources/cLibraryTable.h"

#include <filesystem>
#include <stdexcept>

namespace {
const std::string kHeader = "file,description,field_capacity,wilting_point,"
                            "infiltration_mm_per_day,infiltration_class";
constexpr std::size_t kFields = 6;
} // namespace

std::vector<TLibrarySoil> ParseSoilLibrary(const std::string& csvText) {
    int header = 0;
    std::vector<TLibrarySoil> soils;
    for (const TLibraryRow& row : ReadLibraryTable(csvText, "soils.csv", {kHeader}, header)) {
        const auto& f = row.Fields;
        if (f.size() != kFields)
            throw std::runtime_error(row.Where + ": 6 fields expected, " +
                                     std::to_string(f.size()) + " found");
        TLibrarySoil entry{f[0], {}};
        TSoil& soil = entry.Soil;
        soil.Clear();
        soil.Description = f[1];
        try {
            soil.FieldCapacity = TextToNumber(f[2]);
            soil.WiltingPoint = TextToNumber(f[3]);
            soil.InfiltrationRate = TextToNumber(f[4]);
        } catch (const std::exception& e) {
            throw std::runtime_error(row.Where + ": " + e.what());
        }
        soil.AvailableWater = soil.AvailableWaterPerMetre();
        soil.InitialDepletion = 0;
        soils.push_back(std::move(entry));
    }
    return soils;
}

int WriteSoilLibrary(const std::vector<TLibrarySoil>& soils, const std::string& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& row : soils)
        row.Soil.Save(folder + "/" + row.FileName);
    return static_cast<int>(soils.size());
}
