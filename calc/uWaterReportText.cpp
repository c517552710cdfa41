// The plain-text report "Irrigation Water Requirements" of the report model.
#include "calc/uReportModel.h"

#include "core/cCalendar.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cAllData.h"

namespace {

// Blanks appended, then cut to exactly width characters.
std::string PadRight(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// Blanks put in front; keeps the last width characters.
std::string AlignRight(const std::string& text, std::size_t width) {
    if (text.size() >= width)
        return text.substr(text.size() - width);
    return std::string(width - text.size(), ' ') + text;
}

// A grid line of the report: the first cell padded to 12, the others right-aligned in 17.
std::string ColumnLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c)
        line += c == 0 ? PadRight(cells[c], 12) : AlignRight(cells[c], 17);
    return line;
}

std::vector<std::string> RowTexts(std::span<const TReportCell> row) {
    std::vector<std::string> texts;
    for (const auto& cell : row)
        texts.push_back(cell.Text);
    return texts;
}

} // namespace

TReportText TReportModel::TextReport() {
    const TReportTableKind shownBefore = current;
    ShowTable(TReportTableKind::WaterRequirements);

    const TGuiSettings& s = data.GuiSettings;
    const TGeneral& g = data.General;
    const TCropPattern& pattern = data.CropPattern;
    const std::string areaUnit = s.CurrentUnitLabel(QuantityKind::Area);
    const std::string rule85(85, '-');
    const std::string rule97(97, '-');

    TReportBuilder r;
    r.SetBold();
    r.AddLine("Irrigation Water Requirements\r\n");
    r.AddLine("Country" + std::string(22, ' ') + g.Country);
    r.AddLine("Region / Project" + std::string(13, ' ') + g.Region);
    r.AddLine("Size of irrigable area (" + areaUnit + ")" + "  " +
              s.FormatValue(QuantityKind::Area, g.IrrigableArea));
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("Input Files:");
    r.AddLine("General data file:     " + g.FileName);
    r.AddLine("Meteo file:            " + data.Meteo.FileName);
    r.AddLine("Cropping pattern file: " + pattern.FileName);
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("Cropping pattern (all crops):");
    r.AddLine(rule85);
    r.SetBold();
    r.AddLine(std::string(26, ' ') + "Cropped        " + "Growing        " + "Planting       " +
              "Harvest   ");
    r.SetBold();
    r.AddLine("Crop                      " + PadRight("area (" + areaUnit + ")", 15) +
              "period(days)   " + "month/day      " + "month/day ");
    r.AddLine(rule85);
    for (int c = 1; c <= pattern.Count(); ++c) {
        const TCropPatternLine& crop = pattern.GetCropLine(c);
        const int growing = crop.GrowingPeriod();
        int harvest = crop.PlantingDay + growing - 1;
        if (harvest > kDaysInYear)
            harvest -= kDaysInYear;
        r.AddLine(PadRight(FileNamePart(crop.CropFileName), 24) + "  " +
                  PadRight(s.FormatValue(QuantityKind::Area, crop.Area), 15) +
                  PadRight(FormatGeneral(growing), 15) + PadRight(DayLabel(crop.PlantingDay), 15) +
                  DayLabel(harvest));
    }
    r.AddLine(rule85);
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("Calculation method and output period:");
    r.AddLine("Reference evapotranspiration: " + Et0MethodName(method));
    std::string rainfallLine = "Effective rainfall          : " + rainfallList.at(rainfallEntry);
    if (Rainfall() == TRainfallMethod::CurveNumber)
        rainfallLine += "  (CN = " + std::to_string(g.CurveNumber) + ")";
    else if (Rainfall() == TRainfallMethod::Fixed)
        rainfallLine += "  (" + FormatGeneral(g.FixedPercent) + "%)";
    r.AddLine(rainfallLine);
    std::string periodText;
    if (Rainfall() == TRainfallMethod::Usda)
        periodText = "months";
    else if (PeriodChoice() == 3)
        periodText = std::to_string(s.PeriodLength) + " days";
    else
        periodText = PeriodChoices()[PeriodChoice()];
    r.AddLine("Calculated output period    : " + periodText);
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("Irrigation Water Requirements generated for: " +
              (cropList.empty() ? std::string() : cropList.at(cropEntry)));
    r.AddLine(rule97);
    r.SetBold();
    r.AddLine(ColumnLine(table.Header));
    r.SetBold();
    r.AddLine(ColumnLine(RowTexts(table.Grid[0])));
    r.AddLine(rule97);
    for (int row = 1; row < table.Rows(); ++row)
        r.AddLine(ColumnLine(RowTexts(table.Grid[row])));
    r.AddLine(rule97);
    r.AddLine("\r\n");
    r.SetBold();
    r.AddLine("End of report.");

    ShowTable(shownBefore);
    return r.Lines();
}
