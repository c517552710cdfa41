#include "resources/cCropLibrary.h"

#include "core/cNumberFormat.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace {

const char* const kHeader = "file,description,standard_kc,kc_ini,kc_mid,kc_end,rooting_depth_m,"
                            "L_ini,L_dev,L_mid,L_late";

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

TLibraryCrop CropOfRow(const std::vector<std::string>& f) {
    TLibraryCrop row;
    row.FileName = f[0];
    TCropFactor& c = row.Crop;
    c.Clear();
    c.Description = f[1];
    c.StandardKc = TextToInt(f[2]) == 1;
    // As the crop factor editor stores them: Kc,2 is the mean of Kc,1 and Kc,3, and the editor's
    // copies of Kc,3 and Kc,4 equal the entered values.
    c.Kc1[0] = TextToNumber(f[3]);
    c.Kc3 = {TextToNumber(f[4]), TextToNumber(f[4])};
    c.Kc4 = {TextToNumber(f[5]), TextToNumber(f[5])};
    c.Kc2[0] = (c.Kc1[0] + c.Kc3[0]) / 2;
    c.RootingDepth = TextToNumber(f[6]);
    for (int stage = 0; stage < 4; ++stage)
        c.StageLength[stage] = TextToInt(f[7 + stage]);
    return row;
}

} // namespace

std::vector<TLibraryCrop> ParseCropLibrary(const std::string& csvText) {
    std::vector<TLibraryCrop> crops;
    std::stringstream stream(csvText);
    std::string line;
    bool headerSeen = false;
    for (int number = 1; std::getline(stream, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = "crops.csv line " + std::to_string(number);
        if (!headerSeen) {
            if (line != kHeader)
                throw std::runtime_error(where + ": the header must be " + kHeader);
            headerSeen = true;
            continue;
        }
        const auto fields = SplitFields(line);
        if (fields.size() != 11)
            throw std::runtime_error(where + ": 11 fields expected, " +
                                     std::to_string(fields.size()) + " found");
        try {
            crops.push_back(CropOfRow(fields));
        } catch (const std::exception& e) {
            throw std::runtime_error(where + ": " + e.what());
        }
    }
    return crops;
}

int WriteCropLibrary(const std::vector<TLibraryCrop>& crops, const std::string& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& row : crops)
        row.Crop.Save(folder + "/" + row.FileName);
    return static_cast<int>(crops.size());
}
