#include "FuzzSupport.h"
#include "calc/uClimateNormals.h"
#include "calc/uRangeCheck.h"
#include "core/cError.h"
#include "data/cAllData.h"
#include "support/TestProject.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <utility>

namespace {

// Every value the meteo editor would be handed is a number, and the summary counts make sense.
void CheckNormals(const TClimateResult& result, const TAllData& project) {
    for (const TYearData* series : result.Meteo.Series())
        for (int day = 1; day <= 365; ++day)
            if (!std::isfinite(series->GetDay(day)))
                std::abort();
    if (!std::isfinite(result.Meteo.WindHeight))
        std::abort();
    for (const TClimateVariableSummary& v : result.Variables) {
        if (v.DaysUsed < 0 || v.DaysMissing < 0)
            std::abort();
        for (int years : v.YearsUsed)
            if (years < 0 || years > result.ToYear - result.FromYear + 1)
                std::abort();
    }
    // Daily normals are checked as the editor shows them then: per day.
    TGuiSettings shown = project.GuiSettings;
    TGeneral site = project.General;
    if (result.DailyNormals) {
        shown.SetPeriodKind(1);
        site.CalcPeriod = "Day";
    }
    if (!OutOfRangeMeteo(result.Meteo, shown, &site).empty())
        std::abort();
    ClimateSummaryRows(result);
}

} // namespace

// A daily climate record as the meteo editor's import and `quelta-cli climate` read it, from a
// file; a record that reads becomes monthly normals with the mean and the dependable rainfall,
// and daily normals, each either refused with a message or fit for the meteo editor.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSilentMessages silent;
    static const TAllData* project = [] {
        auto* p = new TAllData;
        LoadValidProject(*p);
        return p;
    }();
    static const std::string file = FuzzFolder() + "/record.csv";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(AsBytes(data, size).data(), size);

    TClimateImportOptions options;
    options.RadiationUnit = TCsvUnit::WattsPerSquareMetre; // where the file does not say
    options.Choices.DailyNormals = true; // gathers the days of the year besides the months
    TClimateRead read;
    try {
        read = ReadClimateForImport(file, options, project->General);
    } catch (const TQueltaError&) {
        return 0;
    }
    // The site a record names is somewhere on Earth: its astronomy turns radiation into sunshine.
    const TClimateRecordInfo& site = read.Info;
    if ((site.Latitude && !(std::abs(*site.Latitude) <= 90)) ||
        (site.Longitude && !(std::abs(*site.Longitude) <= 180)))
        std::abort();
    // Monthly normals with the mean rainfall and with the dependable one, and daily normals.
    for (const auto& [daily, rainP] :
         {std::pair(false, 0), std::pair(false, 80), std::pair(true, 0)}) {
        TClimateChoices choices;
        choices.DailyNormals = daily;
        choices.RainP = rainP;
        try {
            CheckNormals(MakeClimateNormals(*read.Days, read.Info, choices, project->General,
                                            project->GuiSettings),
                         *project);
        } catch (const TQueltaError&) {
        }
    }
    return 0;
}
