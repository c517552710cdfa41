#include "resources/cCropLibrary.h"

#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "resources/cLibraryTable.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <stdexcept>

// crops.csv as it was when the program was built (generated source).
extern const char* const kCropLibraryCsv;

namespace {

const std::string kHeader = "file,description,standard_kc,kc_ini,kc_mid,kc_end,rooting_depth_m,"
                            "L_ini,L_dev,L_mid,L_late";
const std::string kResponseHeader = ",p,ky_season,ky_ini,ky_dev,ky_mid,ky_late";
constexpr std::size_t kCropFields = 11;
constexpr std::size_t kAllFields = 17;

TCropFactor CropOfRow(const std::vector<std::string>& f) {
    TCropFactor c;
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
    return c;
}

TCropResponse ResponseOfRow(const std::vector<std::string>& f) {
    TCropResponse r;
    if (f.size() < kAllFields)
        return r;
    if (!f[11].empty()) {
        r.DepletionFraction = TextToNumber(f[11]);
        r.PublishedP = true;
    }
    if (!f[12].empty()) {
        r.KySeason = TextToNumber(f[12]);
        r.PublishedKy = true;
    }
    for (int stage = 0; stage < 4; ++stage)
        r.KyStage[stage] = TextToNumber(f[13 + stage]); // an empty cell reads as 0: no value
    return r;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

std::vector<TLibraryCrop> ParseCropLibrary(const std::string& csvText) {
    int header = 0;
    const auto rows =
        ReadLibraryTable(csvText, "crops.csv", {kHeader, kHeader + kResponseHeader}, header);
    const bool withResponse = header == 1;
    std::vector<TLibraryCrop> crops;
    for (const TLibraryRow& row : rows) {
        const std::size_t n = row.Fields.size();
        if (n != kCropFields && !(withResponse && n == kAllFields))
            throw std::runtime_error(row.Where + ": " +
                                     (withResponse ? "11 or 17" : std::string("11")) +
                                     " fields expected, " + std::to_string(n) + " found");
        try {
            crops.push_back({row.Fields[0], CropOfRow(row.Fields), ResponseOfRow(row.Fields)});
        } catch (const std::exception& e) {
            throw std::runtime_error(row.Where + ": " + e.what());
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

TCropResponse CropResponseDefaults(const std::string& cropFileName) {
    static const std::map<std::string, TCropResponse> responses = [] {
        std::map<std::string, TCropResponse> byName;
        for (const TLibraryCrop& crop : ParseCropLibrary(kCropLibraryCsv))
            byName[Lower(crop.FileName)] = crop.Response;
        return byName;
    }();
    const auto found = responses.find(Lower(FileNamePart(cropFileName)));
    return found == responses.end() ? TCropResponse{} : found->second;
}
