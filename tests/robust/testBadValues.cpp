#include "calc/uCropFactorRules.h"
#include "calc/uGeneralRanges.h"
#include "calc/uMeteoRanges.h"
#include "calc/uReportModel.h"
#include "core/cError.h"
#include "core/cReportText.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A damaged value in one of the project's files.
struct TBadValue {
    const char* What;
    void (*Damage)(TAllData&);
    // The editor's check refuses the loaded record (false for values no editor checks).
    bool Flagged;
    // The report stops with its calculation message rather than show its tables.
    bool Stops;
};

const TBadValue kBadValues[] = {
    {"latitude 80", [](TAllData& d) { d.General.Latitude = 80; }, true, true},
    {"NaN latitude", [](TAllData& d) { d.General.Latitude = kNaN; }, true, true},
    {"negative depth of application", [](TAllData& d) { d.General.MeanDepth = -50; }, true, false},
    {"infinite irrigable area", [](TAllData& d) { d.General.IrrigableArea = kInf; }, true, false},
    {"NaN fixed percentage", [](TAllData& d) { d.General.FixedPercent = kNaN; }, true, false},
    {"NaN precipitation", [](TAllData& d) { d.Meteo.Precipitation.SetDay(40, kNaN); }, true, false},
    {"infinite Tmax", [](TAllData& d) { d.Meteo.Tmax.SetDay(200, kInf); }, true, true},
    {"NaN sunshine", [](TAllData& d) { d.Meteo.Sunshine.SetDay(1, kNaN); }, true, true},
    {"negative wind", [](TAllData& d) { d.Meteo.WindSpeed.Fill(-3); }, true, false},
    {"NaN wind height", [](TAllData& d) { d.Meteo.WindHeight = kNaN; }, true, true},
    {"NaN Kc of the crop",
     [](TAllData& d) {
         d.CropFactor.Kc3 = {kNaN, kNaN};
     },
     true, false},
    {"negative rooting depth", [](TAllData& d) { d.CropFactor.RootingDepth = -1; }, true, false},
    {"stage of 400 days", [](TAllData& d) { d.CropFactor.StageLength[2] = 400; }, true, true},
    {"negative stage", [](TAllData& d) { d.CropFactor.StageLength[0] = -30; }, true, true},
    {"huge cropped area", [](TAllData& d) { d.CropPattern.GetCropLine(1).Area = 1e308; }, false,
     false},
    {"NaN cropped area", [](TAllData& d) { d.CropPattern.GetCropLine(1).Area = kNaN; }, false,
     false},
    {"planting day 0", [](TAllData& d) { d.CropPattern.GetCropLine(1).PlantingDay = 0; }, false,
     true},
    {"NaN Kc fallow", [](TAllData& d) { d.CropPattern.KcFallow = kNaN; }, false, false},
};

// A valid project with a two-crop pattern, damaged, saved and loaded back as a user opens it.
void LoadDamaged(const TBadValue& bad, const TTempDir& dir, TAllData& data) {
    TAllData source;
    LoadValidProject(source);
    source.General.UseFixedPercent = true;
    source.General.UseCurveNumber = true;
    TCropFactor& crop = source.CropFactor;
    crop.Description = "Maize";
    crop.Kc1 = {0.3, 0};
    crop.Kc3 = {1.2, 1.2};
    crop.Kc4 = {0.5, 0.5};
    crop.RootingDepth = 1;
    crop.StageLength = {20, 35, 40, 30};
    for (int day : {60, 250}) {
        TCropPatternLine& line = source.CropPattern.AddCropLine();
        line.Area = 300;
        line.PlantingDay = day;
        line.CropFileName = dir.File("Maize.udc");
    }
    bad.Damage(source);
    source.General.Save(dir.File("a.gen"));
    source.Meteo.Save(dir.File("a.mtf"));
    crop.Save(dir.File("Maize.udc"));
    source.CropPattern.Save(dir.File("a.pat"));

    ASSERT_TRUE(data.General.Load(dir.File("a.gen")));
    ASSERT_TRUE(data.Meteo.Load(dir.File("a.mtf")));
    ASSERT_TRUE(data.CropFactor.Load(dir.File("Maize.udc")));
    ASSERT_TRUE(data.CropPattern.Load(dir.File("a.pat")));
    data.General.SetCurveNumberOffered(true);
}

bool Flagged(TAllData& data) {
    ValidateMeteoRecord(data);
    return !CheckGeneralRanges(data.General).AllValid() || !data.Meteo.DataValid ||
           !CheckCropFactor(data.CropFactor);
}

// "nan", "inf", "-inf", "infinity" as words, in any case.
bool ShowsNoNumber(const std::string& text) {
    static const std::regex word("\\b(nan|inf|infinity)\\b", std::regex::icase);
    return std::regex_search(text, word);
}

// Every table, rainfall method and chart of the report, and the text report: what they show.
std::vector<std::string> EverythingShown(TReportModel& report) {
    std::vector<std::string> shown;
    for (TReportTableKind kind : report.AvailableTables()) {
        report.ShowTable(kind);
        const int rainfall = static_cast<int>(report.RainfallList().size());
        for (int entry = 0; entry < (kind == TReportTableKind::WaterRequirements ? rainfall : 1);
             ++entry) {
            if (kind == TReportTableKind::WaterRequirements)
                report.SelectRainfallMethod(entry);
            shown.push_back(report.ClipboardText());
            for (int column = 1; column < report.Table().Columns(); ++column)
                for (const auto& series : report.Chart(column).Series)
                    for (double value : series.Values)
                        if (!std::isfinite(value))
                            shown.push_back("chart value nan");
        }
    }
    shown.push_back(ReportToPlainText(report.TextReport()));
    return shown;
}

} // namespace

// A damaged value loads, the editor's check refuses it, and the report either stops with its
// calculation message or shows only numbers (or "-" where there is none): never NaN or an
// infinity.
TEST(BadValues, LoadAreFlaggedAndNeverShowNaNOrInfinity) {
    for (const TBadValue& bad : kBadValues) {
        SCOPED_TRACE(bad.What);
        TTempDir dir;
        TMessageRecorder messages;
        TAllData data;
        LoadDamaged(bad, dir, data);
        EXPECT_TRUE(messages.Texts().empty());
        EXPECT_EQ(Flagged(data), bad.Flagged);
        for (int period : {2, 0}) { // month, day
            TReportModel report(data);
            try {
                report.OpenReport();
                report.SelectPeriod(period);
            } catch (const TQueltaError& e) {
                EXPECT_TRUE(bad.Stops) << e.what();
                continue; // the window shows the message instead of the tables
            }
            EXPECT_FALSE(bad.Stops);
            for (const std::string& text : EverythingShown(report))
                EXPECT_FALSE(ShowsNoNumber(text)) << text.substr(0, 2000);
        }
    }
}
