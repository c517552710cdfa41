#pragma once

#include "core/cReportText.h"

#include <array>
#include <string>

class TAllData;
class TStrategyModel;

// The strategy report: the monthly comparison of the two tracks, the larger requirement of each
// month and the balance of the groundwater, written from the texts the strategy window shows
// on its comparison page (and the main window's site texts).

struct TStrategyReportHeader {
    std::string CountryLabel = "Country";
    std::string Country;
    std::string RegionLabel = "Region / Project";
    std::string Region;
    std::string AreaLabel; // "Size of irrigable area (ha)"
    std::string Area;
    std::string GeneralFile;
    std::string MeteoFile;
    std::string PatternFile;
};

// The strategy window's texts the report stands on.
struct TStrategyReportTexts {
    std::array<std::string, 4> Headings; // month, DF, Vc,DF and Vc,ET columns
    struct TMonth {
        std::string Label, DFUser, VcDF, VcET, Remark;
    };
    std::array<TMonth, 12> Months;
    std::string DFsustainable;
    std::string DFAverage;
    std::string DivertedTotal;
};

TStrategyReportTexts StrategyReportTexts(const TStrategyModel& model);

// The site texts as the main window's data-status panel shows them, and the open files.
TStrategyReportHeader StrategyReportHeader(const TAllData& data);

// The text s filled with blanks to n characters; a longer text is cut.
std::string PadReportText(const std::string& s, std::size_t n);

// Writes the report into report (cleared first). A requirement that is not a whole number ends
// the report with the error's message (shown to the user) and false; what was written stays.
bool WriteStrategyReport(const TStrategyReportHeader& header, const TStrategyReportTexts& texts,
                         TReportBuilder& report);
