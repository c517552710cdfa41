#include "calc/uStrategyReport.h"

#include "calc/uDataStatus.h"
#include "calc/uStrategyModel.h"
#include "core/cError.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"

#include <string>

namespace {

const std::string kRule105(105, '-');
const std::string kRule75(75, '-');

// A requirement cell as a whole number; anything else (an empty cell too) is an error.
long long WholeNumber(const std::string& text) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size())
        throw TConversionError("'" + text + "' is not a valid integer value");
    return value;
}

} // namespace

std::string PadReportText(const std::string& s, std::size_t n) {
    return (s + std::string(26, ' ')).substr(0, n);
}

TStrategyReportHeader StrategyReportHeader(const TAllData& data) {
    const TDataStatus status = DataStatus(data);
    TStrategyReportHeader h;
    h.Country = status.Country;
    h.Region = status.Region;
    h.AreaLabel = status.AreaCaption;
    h.Area = status.IrrigableArea;
    h.GeneralFile = data.General.FileName;
    h.MeteoFile = data.Meteo.FileName;
    h.PatternFile = data.CropPattern.FileName;
    return h;
}

TStrategyReportTexts StrategyReportTexts(const TStrategyModel& model) {
    using namespace ComparisonColumn;
    const TStrategyGrid& grid = model.Comparison();
    TStrategyReportTexts texts;
    texts.Headings = {grid.Headings[0], grid.Headings[DFUser], grid.Headings[VcDF],
                      grid.Headings[VcET]};
    for (int m = 1; m <= 12; ++m)
        texts.Months[m - 1] = {grid.Cell(m, 0), grid.Cell(m, DFUser), grid.Cell(m, VcDF),
                               grid.Cell(m, VcET), grid.Cell(m, Remark)};
    texts.DFsustainable = model.WaterBalance().DFsustainable;
    texts.DFAverage = model.WaterBalanceStrategy().Average[StrategyColumn::DFUser];
    texts.DivertedTotal = model.DataInput().Total[DataInputColumn::DivertedWater];
    return texts;
}

bool WriteStrategyReport(const TStrategyReportHeader& header, const TStrategyReportTexts& texts,
                         TReportBuilder& report) {
    const auto& h = texts.Headings;
    report.Clear();
    try {
        report.SetBold();
        report.AddLine("Strategy report\r\n");
        report.AddLine(header.CountryLabel + std::string(22, ' ') + header.Country);
        report.AddLine(header.RegionLabel + std::string(13, ' ') + header.Region);
        report.AddLine(header.AreaLabel + std::string(2, ' ') + header.Area);
        report.AddLine("\r\n");
        report.SetBold();
        report.AddLine("Input Files:");
        report.AddLine("General data file:     " + header.GeneralFile);
        report.AddLine("Meteo file:            " + header.MeteoFile);
        report.AddLine("Cropping pattern file: " + header.PatternFile);
        report.AddLine("\r\n");
        report.SetBold();
        report.AddLine("Comparison of Water Requirements:");
        report.AddLine(kRule105);
        report.SetBold();
        report.AddLine(std::string(20, ' ') +
                       "Irrigation water Irrigation water Remarks and Warnings");
        report.SetBold();
        report.AddLine("          Depleted  requirement      requirement     ");
        report.SetBold();
        report.AddLine("Period    fraction  Vc,DF            Vc,ET           ");
        report.AddLine(kRule105);
        report.AddLine(PadReportText(h[0], 10) + PadReportText(h[1], 10) + PadReportText(h[2], 17) +
                       PadReportText(h[3], 17));
        for (const auto& month : texts.Months)
            report.AddLine(PadReportText(month.Label, 10) + PadReportText(month.DFUser, 10) +
                           PadReportText(month.VcDF, 17) + PadReportText(month.VcET, 17) +
                           month.Remark + std::string(26, ' '));
        report.AddLine(kRule105);
        report.AddLine("\r\n");
        report.SetBold();
        report.AddLine("Outcome of the selected strategy");

        // The larger requirement of each month; equal ones count for the water balance.
        std::array<std::string, 12> selected;
        std::array<std::string, 12> track;
        long long total = 0;
        for (int m = 1; m <= 12; ++m) {
            const auto& month = texts.Months[m - 1];
            const long long vcDF = WholeNumber(month.VcDF);
            const long long vcET = WholeNumber(month.VcET);
            const bool etTrack = vcDF < vcET;
            selected[m - 1] = etTrack ? month.VcET : month.VcDF;
            track[m - 1] = etTrack ? "ET track" : "Water balance track";
            total += etTrack ? vcET : vcDF;
        }
        report.AddLine(kRule75);
        report.AddLine(PadReportText(h[0], 10) + PadReportText(h[2], 15) + "Result of        ");
        for (int m = 1; m <= 12; ++m)
            report.AddLine(PadReportText(texts.Months[m - 1].Label, 11) +
                           PadReportText(selected[m - 1], 14) + track[m - 1]);
        report.AddLine(kRule75);
        report.AddLine("Total      " + std::to_string(total) + "\r\n");

        report.SetBold();
        report.AddLine("Conclusions of this strategy");
        const std::string& dfSust = texts.DFsustainable;
        const std::string& dfAverage = texts.DFAverage;
        const double difference = ShownNumber(dfSust) - ShownNumber(dfAverage);
        report.AddLine("DFsustainable - DFaverage = " + dfSust + " - " + dfAverage + " = " +
                       FormatGeneral(difference));
        const std::string yearUnit = h[2] == "(m3/month)" ? "(m3/year)" : "(acrft/year)";
        const std::string& diverted = texts.DivertedTotal;
        const long long balance = WholeNumber(diverted) - total;
        // Both volumes are written as what they are: the water left to drain, or the
        // groundwater that the irrigation takes beyond what is diverted.
        if (difference >= 0)
            report.AddLine("Volume of water to be drained: " + diverted + " - " +
                           std::to_string(total) + " = " + std::to_string(balance) + " " +
                           yearUnit);
        else
            report.AddLine("Volume of mined groundwater: " + std::to_string(total) + " - " +
                           diverted + " = " + std::to_string(-balance) + " " + yearUnit);
        report.AddLine("\r\n");
        report.SetBold();
        report.AddLine("End of report.");
    } catch (const std::exception& e) {
        ShowError(e.what());
        return false;
    }
    return true;
}
