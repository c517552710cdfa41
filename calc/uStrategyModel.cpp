#include "calc/uStrategyModel.h"

#include "core/cCalendar.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cNumberFormat.h"
#include "core/cPastedText.h"
#include "core/cUserMessages.h"
#include "data/cAreaCheck.h"
#include "data/cStrategy.h"
#include "data/cStrategyRatios.h"

#include <cmath>

namespace {

constexpr int kMonths = 12;

// The number a cell shows; a lone minus sign, still being typed, counts as nothing.
double CellNumber(const std::string& text) {
    return text == "-" ? 0 : TextToNumber(text);
}

std::string Kind6(double value) {
    return FormatFixed(value, 1);
}

TStrategyGrid MakeGrid(std::vector<std::string> titles, bool withAverage) {
    TStrategyGrid grid;
    const std::size_t columns = titles.size();
    grid.Titles = std::move(titles);
    grid.Headings.assign(columns, "");
    for (auto& row : grid.Rows)
        row.assign(columns, "");
    grid.Total.assign(columns, "0");
    grid.Total[0] = "Total";
    if (withAverage) {
        grid.Average.assign(columns, "0");
        grid.Average[0] = "Average";
    }
    return grid;
}

double ColumnSum(const TStrategyGrid& grid, int column) {
    double sum = 0;
    for (int m = 1; m <= kMonths; ++m)
        sum += CellNumber(grid.Cell(m, column));
    return sum;
}

// Total of the shown values and the average of that total as written.
void SumAndAverage(TStrategyGrid& grid, int column, const std::string& total) {
    grid.Total[column] = total;
    grid.Average[column] = Kind6(CellNumber(total) / kMonths);
}

} // namespace

bool IsEnteredColumn(TStrategyPage page, int column) {
    switch (page) {
    case TStrategyPage::DataInput:
        return column == DataInputColumn::ChangeGWTable ||
               column == DataInputColumn::DivertedWater || column == DataInputColumn::ETaGross;
    case TStrategyPage::WaterBalanceStrategy:
        return column == StrategyColumn::DFUser;
    case TStrategyPage::InputETa:
        return column == InputETaColumn::ETa;
    default:
        return false;
    }
}

// A field's text when it holds a number; otherwise the user is told and the field emptied.
std::string NumberOrEmpty(const std::string& text) {
    if (IsEntryNumber(text))
        return text;
    ShowError("Invalid value");
    return "";
}

bool StrategyPasteCharacter(char c) {
    return (c >= '0' && c <= '9') || c == DecimalSeparator();
}

TStrategyModel::TStrategyModel(TStrategy& strategy, TGuiSettings& settings, TProjectSource source,
                               std::string generalFileName)
    : strategy(strategy), settings(settings), source(std::move(source)),
      previousPeriodKind(settings.PeriodKind), previousPeriodLength(settings.PeriodLength),
      openGeneralFile(std::move(generalFileName)) {
    settings.SetPeriodKind(3);
    try {
        project = this->source(method);
    } catch (...) {
        // No window comes of it, so the user's period stays as it was.
        settings.PeriodKind = previousPeriodKind;
        settings.PeriodLength = previousPeriodLength;
        throw;
    }
    CalcETpIrrigated(project, etpIrrigated);
    Reset();
}

TStrategyModel::~TStrategyModel() {
    settings.PeriodKind = previousPeriodKind;
    settings.PeriodLength = previousPeriodLength;
}

// ---- window operations ----

// A volume as the grids show it: in the volume unit, then as a whole number.
std::string TStrategyModel::WholeVolume(double m3) const {
    return FormatFixed(CellNumber(settings.FormatValue(QuantityKind::Volume, m3)), 0);
}

void TStrategyModel::ResetGrids() {
    dataInput =
        MakeGrid({"", "Precipitation", "Change of GW table", "Diverted irrigation water (Dv)",
                  "Depleted fraction (calc)", "ETa, gross"},
                 true);
    strategyGrid = MakeGrid({"", "Precipitation", "Depleted fraction (user)", "Change of GW table",
                             "Irrigation water req. (Vd,DF)"},
                            true);
    inputETa = MakeGrid({"", "Precipitation", "ETp", "ETa", "ETa/ETp"}, true);
    waterRequirement.Grid = MakeGrid(
        {"", "ETp", "ETa", "Depth to GW table", "Depleted fraction", "GW contribution", "Vc,ET"},
        true);
    comparison = MakeGrid({"", "Depleted fraction", "Irrigation water req (Vc,DF)",
                           "Irrigation water req (Vc,ET)", "Remarks and Warnings"},
                          false);
    comparison.Total[ComparisonColumn::DFUser] = "";
    comparison.Total[ComparisonColumn::Remark] = "";

    const std::vector<std::string> months = settings.FillPeriodColumn();
    for (TStrategyGrid* grid :
         {&dataInput, &strategyGrid, &inputETa, &waterRequirement.Grid, &comparison})
        for (int m = 1; m <= kMonths; ++m)
            grid->Cell(m, 0) = months[m];
    SetUnitCaptions();
}

void TStrategyModel::SetUnitCaptions() {
    const std::string p = "(" + settings.CurrentUnitLabel(QuantityKind::Depth) + "/month)";
    const std::string length = "(" + settings.CurrentUnitLabel(QuantityKind::Length) + "/month)";
    const std::string volume = "(" + settings.CurrentUnitLabel(QuantityKind::Volume) + "/month)";
    const std::string depth = "(" + settings.CurrentUnitLabel(QuantityKind::Length) + ")";
    dataInput.Headings = {"Month", p, length, volume, "(-)", p};
    strategyGrid.Headings = {"Month", p, "(-)", length, volume};
    inputETa.Headings = {"Month", p, p, p, "(-)"};
    waterRequirement.Grid.Headings = {"Month", p, p, depth, "(-)", p, volume};
    comparison.Headings = {"Month", "(-)", volume, volume, ""};
    soil.IrrigableArea = settings.FormatValue(QuantityKind::Area, project.IrrigableArea);
}

void TStrategyModel::RefreshNotification() {
    SetUnitCaptions();
    ShowRecord();
}

void TStrategyModel::Reset() {
    waterBalance = TWaterBalancePage{};
    soil = TSoilPage{};
    waterRequirement = TWaterRequirementPage{};
    ResetGrids();
    generalFile = openGeneralFile;
    // The method choice goes back to its first item; so do the series in use.
    if (method != 0)
        UseMethod(0);
    reportEnabled = false;
}

void TStrategyModel::ShowRecord() {
    generalFile = strategy.GeneralFileName;
    // The charts of the first page plot the calculated DFs and ETa/ETp: those pages are filled
    // before it, or the first drawing (and the regression's DFsustainable) would see empty grids.
    waterBalance.FieldDataAvailable = strategy.FieldDataAvailable;
    RefreshDataInput(true);
    RefreshInputETa();
    ShowPage(TStrategyPage::WaterBalance);
    // The user sees these calculated DFs now; a record being shown is no change of input data.
    TakeDFSnapshot();
    for (TStrategyPage page :
         {TStrategyPage::WaterBalanceStrategy, TStrategyPage::InputETa, TStrategyPage::Soil,
          TStrategyPage::WaterRequirementET, TStrategyPage::Comparison})
        ShowPage(page);
    TakeDFSnapshot();
}

std::string TStrategyModel::CroppedAreaMessage() const {
    const TAreaCheck check =
        AreaCheckOfDailyArea(project.CroppedAreaOfDay, project.IrrigableArea, settings);
    return check.Exceeded ? AreaCheckMessage(check, TAreaCheckCaller::Strategy) : "";
}

const TStrategyGrid& TStrategyModel::GridOf(TStrategyPage page) const {
    switch (page) {
    case TStrategyPage::DataInput:
        return dataInput;
    case TStrategyPage::WaterBalanceStrategy:
        return strategyGrid;
    case TStrategyPage::InputETa:
        return inputETa;
    case TStrategyPage::WaterRequirementET:
        return waterRequirement.Grid;
    default:
        return comparison;
    }
}

void TStrategyModel::TakeDFSnapshot() {
    for (int m = 1; m <= kMonths; ++m)
        dfSnapshot[m - 1] = dataInput.Cell(m, DataInputColumn::DFCalc);
}

void TStrategyModel::ShowPage(TStrategyPage page) {
    reportEnabled = false;
    switch (page) {
    case TStrategyPage::WaterBalance:
        RefreshWaterBalance();
        break;
    case TStrategyPage::DataInput:
        RefreshDataInput(false);
        break;
    case TStrategyPage::WaterBalanceStrategy:
        RefreshStrategy();
        break;
    case TStrategyPage::InputETa:
        RefreshInputETa();
        break;
    case TStrategyPage::Soil:
        RefreshSoil();
        break;
    case TStrategyPage::WaterRequirementET:
        RefreshWaterRequirement();
        break;
    case TStrategyPage::Comparison:
        RefreshComparison();
        break;
    }
}

void TStrategyModel::UseMethod(int chosen) {
    method = chosen;
    project = source(method);
    CalcETpIrrigated(project, etpIrrigated);
}

void TStrategyModel::SetMethod(int chosen) {
    UseMethod(chosen);
    ShowRecord();
}

void TStrategyModel::Show() {
    const std::string fileName = strategy.FileName;
    strategy.Clear();
    Reset();
    modified = false;
    if (!fileName.empty() && strategy.Load(fileName)) {
        if (BelongsHereOrAccepted()) {
            ShowRecord();
            return;
        }
        strategy.FileName.clear(); // refused: nothing may be saved over that file
    }
    New();
}

void TStrategyModel::New() {
    strategy.Clear();
    Reset();
    modified = false;
}

bool TStrategyModel::BelongsHereOrAccepted() {
    if (strategy.GeneralFileName == openGeneralFile)
        return true;
    // Field data and DFs of one site applied to another site's water use would give nonsense:
    // the user decides, whether the strategy is opened or shown again with the window.
    const TMessageAnswer answer = AskUser(TMessageKind::Warning,
                                          "This strategy file belongs to general file " +
                                              strategy.GeneralFileName + ". Continue?",
                                          TMessageButtons::OkCancel);
    return answer != TMessageAnswer::Cancel;
}

bool TStrategyModel::Open(const std::string& fileName) {
    if (!strategy.Load(fileName))
        return false;
    if (BelongsHereOrAccepted()) {
        ShowRecord();
    } else {
        // Refused: the record is cleared and names no file, so no save can empty that file.
        strategy.Clear();
        strategy.FileName.clear();
        Reset();
    }
    modified = false;
    return true;
}

void TStrategyModel::StoreFields(const std::string& fileName) {
    strategy.FileName = fileName;
    strategy.GeneralFileName = generalFile;
    StoreDFsustainable();
    if (waterBalance.FieldDataAvailable)
        StoreDataInput();
    StoreStrategy();
    StoreSoil();
    StoreWaterRequirement();
}

void TStrategyModel::Save(const std::string& fileName) {
    StoreFields(fileName);
    strategy.Save(fileName);
    ShowRecord();
    modified = false;
}

// ---- Water Balance ----

void TStrategyModel::RefreshWaterBalance() {
    waterBalance.FieldDataAvailable = strategy.FieldDataAvailable;
    waterBalance.DFsustainable = FormatGeneral(strategy.DFcrit);
    waterBalance.UpDownPosition = static_cast<int>(std::lround(strategy.DFcrit * 100));
    RedrawCharts();
    StoreDFsustainable();
}

void TStrategyModel::RedrawCharts() {
    TWaterBalanceCharts charts;
    const bool withData = waterBalance.FieldDataAvailable;
    auto length = [this](double metres) {
        return CellNumber(settings.FormatValue(QuantityKind::Length, metres));
    };
    double dfSust = CellNumber(waterBalance.DFsustainable);
    if (withData) {
        const TGWTRegression r = CalcGWTGraphWithData(strategy, settings);
        dfSust = r.Line.XDF;
        waterBalance.DFsustainable = FormatFixed(dfSust, 2);
        waterBalance.UpDownPosition = static_cast<int>(std::lround(100 * dfSust));
        charts.GWTLine = {{{0, length(r.A)}, {dfSust, 0}, {1, length(r.A + r.B)}}};
        for (int m = 1; m <= kMonths; ++m) {
            const double df = CellNumber(dataInput.Cell(m, DataInputColumn::DFCalc));
            charts.GWTPoints.push_back(
                {df, CellNumber(dataInput.Cell(m, DataInputColumn::ChangeGWTable))});
            charts.ETPoints.push_back({df, CellNumber(inputETa.Cell(m, InputETaColumn::Ratio))});
        }
    } else {
        charts.GWTLine = {{{0, length(dfSust / 3)}, {dfSust, 0}, {1, length((dfSust - 1) / 3)}}};
        charts.FixedGWTAxis = true;
    }
    charts.ETLine = {{{0, 1}, {dfSust, 1}, {1, 1 + 0.625 * (dfSust - 1)}}};
    charts.DFsustainable = dfSust;
    waterBalance.Charts = charts;
}

void TStrategyModel::StoreDFsustainable() {
    const double value = CellNumber(waterBalance.DFsustainable);
    strategy.DFcrit = value == 0 ? 0.6 : value;
    strategy.FieldDataAvailable = waterBalance.FieldDataAvailable;
}

void TStrategyModel::SetFieldDataAvailable(bool checked) {
    waterBalance.FieldDataAvailable = checked;
    if (!checked) {
        waterBalance.UpDownPosition = 60;
        waterBalance.DFsustainable = "0.6";
    }
    if (strategy.FieldDataAvailable != checked) {
        const TMessageAnswer answer = AskUser(
            TMessageKind::Confirmation, "Any strategy data currently in memory will be cleared",
            TMessageButtons::YesNo);
        if (answer == TMessageAnswer::Yes) {
            strategy.Clear();
            Reset();
            waterBalance.FieldDataAvailable = checked;
            if (!checked) {
                waterBalance.UpDownPosition = 60;
                waterBalance.DFsustainable = "0.6";
            }
        } else if (checked) {
            waterBalance.FieldDataAvailable = false;
            waterBalance.DFsustainable = FormatGeneral(strategy.DFcrit);
            return;
        } else {
            waterBalance.FieldDataAvailable = true;
        }
    }
    StoreDFsustainable();
    RedrawCharts();
    modified = true;
}

void TStrategyModel::SetDFsustainablePosition(int position) {
    if (waterBalance.FieldDataAvailable)
        return; // the regression decides
    waterBalance.UpDownPosition = position;
    waterBalance.DFsustainable = FormatGeneral(position / 100.0);
    StoreDFsustainable();
    RedrawCharts();
    modified = true;
}

// ---- Data Input for gross Area ----

void TStrategyModel::RefreshDataInput(bool evenWithoutFieldData) {
    if (!waterBalance.FieldDataAvailable && !evenWithoutFieldData)
        return;
    for (int m = 1; m <= kMonths; ++m) {
        dataInput.Cell(m, DataInputColumn::ChangeGWTable) =
            settings.FormatValue(QuantityKind::Length, strategy.ChangeGWTableData.GetMonth(m));
        dataInput.Cell(m, DataInputColumn::DivertedWater) =
            WholeVolume(MonthValue(strategy.DivertedWater, m));
        dataInput.Cell(m, DataInputColumn::ETaGross) =
            settings.FormatValue(QuantityKind::Depth, MonthValue(strategy.ETaGross, m));
    }
    ComputeDataInput();
    StoreDataInput();
}

void TStrategyModel::ComputeDataInput() {
    for (int m = 1; m <= kMonths; ++m) {
        dataInput.Cell(m, DataInputColumn::Precipitation) =
            settings.FormatValue(QuantityKind::Depth, project.Precipitation[m - 1]);
        dataInput.Cell(m, DataInputColumn::DFCalc) =
            settings.FormatValue(QuantityKind::Ratio, DFCalcOfMonth(strategy, project, m));
    }
    using namespace DataInputColumn;
    SumAndAverage(dataInput, Precipitation,
                  settings.FormatValue(QuantityKind::Depth, project.AnnualPrecipitation));
    SumAndAverage(dataInput, ChangeGWTable, FormatFixed(ColumnSum(dataInput, ChangeGWTable), 2));
    SumAndAverage(dataInput, DivertedWater, FormatFixed(ColumnSum(dataInput, DivertedWater), 0));
    SumAndAverage(dataInput, DFCalc, Kind6(ColumnSum(dataInput, DFCalc)));
    SumAndAverage(dataInput, ETaGross, Kind6(ColumnSum(dataInput, ETaGross)));
}

void TStrategyModel::StoreDataInput() {
    for (int m = 1; m <= kMonths; ++m) {
        using namespace DataInputColumn;
        strategy.ChangeGWTableData.SetMonth(
            m, settings.ParseValue(QuantityKind::Length,
                                   CellNumber(dataInput.Cell(m, ChangeGWTable))));
        strategy.DivertedWater.SetMonth(
            m, settings.ParseValue(QuantityKind::Volume,
                                   CellNumber(dataInput.Cell(m, DivertedWater))));
        strategy.ETaGross.SetMonth(
            m, settings.ParseValue(QuantityKind::Depth, CellNumber(dataInput.Cell(m, ETaGross))));
        strategy.DFCalc.SetMonth(m, CellNumber(dataInput.Cell(m, DFCalc)));
    }
}

void TStrategyModel::EditDataInputCell(int month, int column, const std::string& text) {
    using namespace DataInputColumn;
    if (column != ChangeGWTable && column != DivertedWater && column != ETaGross)
        return;
    modified = true;
    std::string& cell = dataInput.Cell(month, column);
    cell = text;
    const auto minus = text.find('-');
    const bool misplaced = minus != std::string::npos && (column != ChangeGWTable || minus != 0 ||
                                                          text.find('-', 1) != std::string::npos);
    if (misplaced || !IsEntryNumber(text)) {
        ShowError("Invalid value");
        cell.clear();
    }
    if (!waterBalance.FieldDataAvailable || cell == "-")
        return;
    // The entered columns go into the record first: the calculated DF reads them there.
    StoreDataInput();
    ComputeDataInput();
    StoreDataInput();
    RefreshInputETa();
}

// ---- Water Balance Strategy ----

void TStrategyModel::CheckCalculatedDF() {
    if (strategy.DFUserInitialised == 0) {
        for (int m = 1; m <= kMonths; ++m)
            strategy.DFUser.SetMonth(m, CellNumber(dataInput.Cell(m, DataInputColumn::DFCalc)));
        strategy.DFUserInitialised = 1;
        return;
    }
    std::vector<int> changed;
    for (int m = 1; m <= kMonths; ++m)
        if (dataInput.Cell(m, DataInputColumn::DFCalc) != dfSnapshot[m - 1])
            changed.push_back(m);
    if (changed.empty())
        return;
    const TMessageAnswer answer =
        AskUser(TMessageKind::Information,
                "The calculated depleted fraction has changed due to changes in your input "
                "data.\rThis may influence your water balance strategy.\rDo you wish to update "
                "your strategy?",
                TMessageButtons::YesNo);
    for (int m : changed) {
        const std::string& shown = dataInput.Cell(m, DataInputColumn::DFCalc);
        if (answer == TMessageAnswer::Yes)
            strategy.DFUser.SetMonth(m, CellNumber(shown));
        dfSnapshot[m - 1] = shown;
    }
}

void TStrategyModel::RefreshStrategy() {
    CheckCalculatedDF();
    for (int m = 1; m <= kMonths; ++m)
        strategyGrid.Cell(m, StrategyColumn::DFUser) =
            settings.FormatValue(QuantityKind::Ratio, MonthValue(strategy.DFUser, m));
    ComputeStrategy();
    StoreStrategy();
}

void TStrategyModel::ComputeStrategy() {
    using namespace StrategyColumn;
    const bool withData = waterBalance.FieldDataAvailable;
    for (int m = 1; m <= kMonths; ++m) {
        strategyGrid.Cell(m, Precipitation) =
            settings.FormatValue(QuantityKind::Depth, project.Precipitation[m - 1]);
        const double change =
            withData ? GWChangeWithData(strategy, settings, m) : GWChangeNoData(strategy, m);
        strategyGrid.Cell(m, ChangeGWTable) = settings.FormatValue(QuantityKind::Length, change);
        const double vc = withData ? VcDFOfMonth(strategy, project, m)
                                   : VcDFNoData(strategy, project, etpIrrigated, m);
        strategyGrid.Cell(m, VcDF) = WholeVolume(vc);
    }
    strategyGrid.Total[Precipitation] =
        settings.FormatValue(QuantityKind::Depth, project.AnnualPrecipitation);
    strategyGrid.Total[ChangeGWTable] = FormatFixed(ColumnSum(strategyGrid, ChangeGWTable), 2);
    strategyGrid.Average[DFUser] = FormatFixed(ColumnSum(strategyGrid, DFUser) / kMonths, 2);
    SumAndAverage(strategyGrid, VcDF, FormatFixed(ColumnSum(strategyGrid, VcDF), 0));
    // No sum of depleted fractions and no mean precipitation or change is meant here: a "0"
    // under a year of rain would read as a result.
    strategyGrid.Total[DFUser] = "";
    strategyGrid.Average[Precipitation] = "";
    strategyGrid.Average[ChangeGWTable] = "";
}

void TStrategyModel::StoreStrategy() {
    using namespace StrategyColumn;
    for (int m = 1; m <= kMonths; ++m) {
        strategy.DFUser.SetMonth(m, CellNumber(strategyGrid.Cell(m, DFUser)));
        strategy.ChangeGWTableStrategy.SetMonth(
            m, settings.ParseValue(QuantityKind::Length,
                                   CellNumber(strategyGrid.Cell(m, ChangeGWTable))));
        strategy.VcDF.SetMonth(
            m, settings.ParseValue(QuantityKind::Volume, CellNumber(strategyGrid.Cell(m, VcDF))));
    }
}

void TStrategyModel::EditUserDF(int month, const std::string& text) {
    modified = true;
    std::string& cell = strategyGrid.Cell(month, StrategyColumn::DFUser);
    cell = text;
    if (text.find('-') != std::string::npos || !IsEntryNumber(text)) {
        ShowError("Invalid value");
        cell.clear();
    } else if (CellNumber(text) > 1) {
        ShowError("Depleted fraction must be <= 1");
        cell.clear();
    }
    strategy.DFUserInitialised = 1;
    for (int m = 1; m <= kMonths; ++m)
        strategy.DFUser.SetMonth(m, CellNumber(strategyGrid.Cell(m, StrategyColumn::DFUser)));
    ComputeStrategy();
    StoreStrategy();
}

// ---- Input ETa for Irrigated Area ----

void TStrategyModel::RefreshInputETa() {
    for (int m = 1; m <= kMonths; ++m)
        inputETa.Cell(m, InputETaColumn::ETa) =
            settings.FormatValue(QuantityKind::Depth, MonthValue(strategy.ETaIrrigated, m));
    ComputeInputETa();
    StoreInputETa();
}

void TStrategyModel::ComputeInputETa() {
    using namespace InputETaColumn;
    for (int m = 1; m <= kMonths; ++m) {
        inputETa.Cell(m, Precipitation) =
            settings.FormatValue(QuantityKind::Depth, project.Precipitation[m - 1]);
        inputETa.Cell(m, ETp) = settings.FormatValue(QuantityKind::Depth, etpIrrigated.MonthSum(m));
        const double etp = CellNumber(inputETa.Cell(m, ETp));
        inputETa.Cell(m, Ratio) =
            etp != 0 ? settings.FormatValue(QuantityKind::Plain2b,
                                            CellNumber(inputETa.Cell(m, ETa)) / etp)
                     : "";
    }
    SumAndAverage(inputETa, Precipitation,
                  settings.FormatValue(QuantityKind::Depth, project.AnnualPrecipitation));
    SumAndAverage(inputETa, ETp, Kind6(ColumnSum(inputETa, ETp)));
    SumAndAverage(inputETa, ETa, Kind6(ColumnSum(inputETa, ETa)));
    // A sum of ratios means nothing; only their mean is shown.
    inputETa.Total[Ratio] = "";
    inputETa.Average[Ratio] = Kind6(ColumnSum(inputETa, Ratio) / kMonths);
}

void TStrategyModel::StoreInputETa() {
    for (int m = 1; m <= kMonths; ++m)
        strategy.ETaIrrigated.SetMonth(
            m, settings.ParseValue(QuantityKind::Depth,
                                   CellNumber(inputETa.Cell(m, InputETaColumn::ETa))));
}

void TStrategyModel::EditETa(int month, const std::string& text) {
    modified = true;
    std::string& cell = inputETa.Cell(month, InputETaColumn::ETa);
    cell = text;
    if (text.find('-') != std::string::npos || !IsEntryNumber(text)) {
        ShowError("Invalid value");
        cell.clear();
    }
    StoreInputETa();
    ComputeInputETa();
    // The ET page reads the same ETa; left stale, a save would write its old values back.
    ComputeWaterRequirement();
}

// ---- Soil Characteristics and Irrigation Methods ----

void TStrategyModel::RefreshSoil() {
    soil.SoilIndex = IndexOfItem(SoilTypes(), strategy.SoilType);
    soil.FieldApplMethodIndex = IndexOfItem(FieldApplMethods(), strategy.FieldApplMethod);
    soil.UniformityIndex = UniformityIndexOf(strategy.Uniformity);
    soil.DeliveryPatternIndex = ShortageIndexOf(strategy.WaterShortage);
    soil.FlowRegimeIndex =
        strategy.FlowRegime == 0 || strategy.FlowRegime == 1 ? strategy.FlowRegime : -1;
    soil.RaRatio = settings.FormatValue(QuantityKind::Plain2, strategy.RaRatio);
    soil.ConveyRatio = settings.FormatValue(QuantityKind::Plain2, strategy.ConveyRatio);
    soil.CapillaryRise = {settings.FormatValue(QuantityKind::SmallHeight, strategy.CapRise05),
                          settings.FormatValue(QuantityKind::SmallHeight, strategy.CapRise10),
                          settings.FormatValue(QuantityKind::SmallHeight, strategy.CapRise20)};
    soil.DeliveryRatio = settings.FormatValue(QuantityKind::Plain2, strategy.DeliveryRatio);
    soil.IrrigableArea = settings.FormatValue(QuantityKind::Area, project.IrrigableArea);
    // A flow regime is always shown chosen (a new strategy has "Continuous"): without a ratio of
    // its own the record takes the regime's, so the shown choice and ratio agree.
    if (soil.FlowRegimeIndex >= 0 && strategy.ConveyRatio == 0)
        soil.ConveyRatio =
            FormatFixed(ConveyanceRatioOf(soil.FlowRegimeIndex, project.IrrigableArea), 2);
    StoreSoil();
}

void TStrategyModel::StoreSoil() {
    strategy.SoilType = soil.SoilIndex >= 0 ? SoilTypes()[soil.SoilIndex] : "";
    strategy.FieldApplMethod =
        soil.FieldApplMethodIndex >= 0 ? FieldApplMethods()[soil.FieldApplMethodIndex] : "";
    strategy.RaRatio = CellNumber(soil.RaRatio);
    strategy.Uniformity = UniformityOf(soil.UniformityIndex);
    strategy.WaterShortage = ShortageOf(soil.DeliveryPatternIndex);
    strategy.ZValue = ZOfShortage(strategy.WaterShortage);
    strategy.DeliveryRatio = CellNumber(soil.DeliveryRatio);
    strategy.FlowRegime = soil.FlowRegimeIndex >= 0 ? soil.FlowRegimeIndex : 0;
    strategy.ConveyRatio = CellNumber(soil.ConveyRatio);
    strategy.CapRise05 =
        settings.ParseValue(QuantityKind::SmallHeight, CellNumber(soil.CapillaryRise[0]));
    strategy.CapRise10 =
        settings.ParseValue(QuantityKind::SmallHeight, CellNumber(soil.CapillaryRise[1]));
    strategy.CapRise20 =
        settings.ParseValue(QuantityKind::SmallHeight, CellNumber(soil.CapillaryRise[2]));
}

void TStrategyModel::ShowSoilValues() {
    if (soil.SoilIndex >= 0)
        for (int i = 0; i < 3; ++i)
            soil.CapillaryRise[i] = settings.FormatValue(
                QuantityKind::SmallHeight, CapillaryRiseOf(soil.SoilIndex, 0.5 * (1 << i)));
    if (soil.UniformityIndex >= 0 && soil.DeliveryPatternIndex >= 0)
        soil.DeliveryRatio = settings.FormatValue(
            QuantityKind::Plain2,
            WaterDeliveryRatio(ZOfShortage(ShortageOf(soil.DeliveryPatternIndex)),
                               UniformityOf(soil.UniformityIndex)));
}

void TStrategyModel::ChooseSoilType(int index) {
    soil.SoilIndex = index;
    ShowSoilValues();
    StoreSoil();
    modified = true;
}

void TStrategyModel::ChooseUniformity(int index) {
    soil.UniformityIndex = index;
    ShowSoilValues();
    StoreSoil();
    modified = true;
}

void TStrategyModel::ChooseDeliveryPattern(int index) {
    soil.DeliveryPatternIndex = index;
    ShowSoilValues();
    StoreSoil();
    modified = true;
}

void TStrategyModel::ChooseFieldApplMethod(int index) {
    soil.FieldApplMethodIndex = index;
    if (index >= 0) {
        const std::string proposal = ProposedRaText(FieldApplMethods()[index]);
        bool write = true;
        if (soil.RaRatio != proposal && CellNumber(soil.RaRatio) != 0)
            write = AskUser(TMessageKind::Confirmation, "Overwrite Ra ratio?",
                            TMessageButtons::YesNo) == TMessageAnswer::Yes;
        if (write)
            soil.RaRatio = proposal;
    }
    StoreSoil();
    modified = true;
}

void TStrategyModel::ChooseFlowRegime(int index) {
    soil.FlowRegimeIndex = index;
    if (index >= 0) {
        const double proposal = ConveyanceRatioOf(index, project.IrrigableArea);
        bool write = true;
        const double current = CellNumber(soil.ConveyRatio);
        if (current != proposal && current != 0)
            write = AskUser(TMessageKind::Confirmation, "Overwrite Convey ratio?",
                            TMessageButtons::YesNo) == TMessageAnswer::Yes;
        if (write)
            soil.ConveyRatio = FormatFixed(proposal, 2);
    }
    StoreSoil();
    modified = true;
}

void TStrategyModel::EditRaRatio(const std::string& text) {
    soil.RaRatio = NumberOrEmpty(text);
    StoreSoil();
    ShowSoilValues();
    modified = true;
}

void TStrategyModel::EditConveyRatio(const std::string& text) {
    soil.ConveyRatio = NumberOrEmpty(text);
    StoreSoil();
    ShowSoilValues();
    modified = true;
}

void TStrategyModel::EditEnteredCell(TStrategyPage page, int month, int column,
                                     const std::string& text) {
    if (month < 1 || month > kMonths || !IsEnteredColumn(page, column))
        return;
    if (page == TStrategyPage::DataInput)
        EditDataInputCell(month, column, text);
    else if (page == TStrategyPage::WaterBalanceStrategy)
        EditUserDF(month, text);
    else
        EditETa(month, text);
}

bool TStrategyModel::PasteIntoGrid(TStrategyPage page, int month, int column,
                                   const std::string& text) {
    if (month < 1 || month > kMonths)
        return false;
    if (!IsSpreadPaste(text)) {
        // One value: it goes in as it stands, or not at all.
        const std::string value(TrimBlanks(text));
        if (value.empty() || !IsEnteredColumn(page, column))
            return false;
        if (!IsEntryNumber(value)) {
            ShowError("Invalid value");
            return false;
        }
        EditEnteredCell(page, month, column, value);
        return true;
    }
    const int columns = static_cast<int>(GridOf(page).Titles.size());
    if (column < 0 || column >= columns)
        return false;
    const TPastedRows rows = SplitPastedText(text, static_cast<std::size_t>(kMonths - month + 1),
                                             static_cast<std::size_t>(columns - column));
    bool allNumbers = true;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int col = column + static_cast<int>(c);
            if (!IsEnteredColumn(page, col))
                continue;
            std::string part = KeepCharacters(rows[r][c].Text, StrategyPasteCharacter);
            if (!IsEntryNumber(part)) {
                allNumbers = false;
                part.clear();
            }
            EditEnteredCell(page, month + static_cast<int>(r), col, part);
        }
    if (!allNumbers)
        ShowError("Invalid value");
    modified = true;
    return true;
}

// ---- Water Requirement for ET ----

void TStrategyModel::RefreshWaterRequirement() {
    waterRequirement.DepthGW1Jan = settings.FormatValue(QuantityKind::Length, strategy.DepthGW1Jan);
    waterRequirement.RaRatio = soil.RaRatio;
    waterRequirement.DeliveryRatio = soil.DeliveryRatio;
    waterRequirement.ConveyRatio = soil.ConveyRatio;
    waterRequirement.SoilType = soil.SoilIndex >= 0 ? SoilTypes()[soil.SoilIndex] : "";
    ComputeWaterRequirement();
    StoreWaterRequirement();
}

void TStrategyModel::ComputeWaterRequirement() {
    using namespace WaterRequirementColumn;
    TStrategyGrid& grid = waterRequirement.Grid;
    CalcGWContribution(strategy, project, dailyContribution);
    if (project.FillEffRainCropped)
        project.FillEffRainCropped(strategy.EffRainCropped);
    double depth = strategy.DepthGW1Jan;
    for (int m = 1; m <= kMonths; ++m) {
        grid.Cell(m, ETp) = settings.FormatValue(QuantityKind::Depth, etpIrrigated.MonthSum(m));
        grid.Cell(m, ETa) =
            settings.FormatValue(QuantityKind::Depth, MonthValue(strategy.ETaIrrigated, m));
        depth -= strategy.ChangeGWTableStrategy.GetMonth(m);
        grid.Cell(m, DepthGW) = settings.FormatValue(QuantityKind::Length, depth);
        grid.Cell(m, DFUser) =
            settings.FormatValue(QuantityKind::Ratio, MonthValue(strategy.DFUser, m));
        grid.Cell(m, GWContribution) =
            settings.FormatValue(QuantityKind::Depth, dailyContribution.MonthSum(m));
        grid.Cell(m, VcET) = WholeVolume(VcETOfMonth(strategy, project, dailyContribution, m));
    }
    SumAndAverage(grid, ETp, Kind6(ColumnSum(grid, ETp)));
    SumAndAverage(grid, ETa, Kind6(ColumnSum(grid, ETa)));
    grid.Total[DepthGW] = "";
    grid.Average[DepthGW] = Kind6(ColumnSum(grid, DepthGW) / kMonths);
    grid.Total[DFUser] = "";
    grid.Average[DFUser] = "";
    SumAndAverage(grid, GWContribution, Kind6(ColumnSum(grid, GWContribution)));
    SumAndAverage(grid, VcET, FormatFixed(ColumnSum(grid, VcET), 0));
}

void TStrategyModel::StoreWaterRequirement() {
    using namespace WaterRequirementColumn;
    const TStrategyGrid& grid = waterRequirement.Grid;
    strategy.DepthGW1Jan =
        settings.ParseValue(QuantityKind::Length, CellNumber(waterRequirement.DepthGW1Jan));
    for (int m = 1; m <= kMonths; ++m) {
        strategy.ETaIrrigated.SetMonth(
            m, settings.ParseValue(QuantityKind::Depth, CellNumber(grid.Cell(m, ETa))));
        strategy.DepthGWTable.SetMonth(
            m, settings.ParseValue(QuantityKind::Length, CellNumber(grid.Cell(m, DepthGW))));
        strategy.GWContribution.SetMonth(
            m, settings.ParseValue(QuantityKind::Depth, CellNumber(grid.Cell(m, GWContribution))));
        strategy.VcET.SetMonth(
            m, settings.ParseValue(QuantityKind::Volume, CellNumber(grid.Cell(m, VcET))));
    }
}

void TStrategyModel::EditDepthGW1Jan(const std::string& text) {
    waterRequirement.DepthGW1Jan = NumberOrEmpty(text);
    strategy.DepthGW1Jan =
        settings.ParseValue(QuantityKind::Length, CellNumber(waterRequirement.DepthGW1Jan));
    ComputeWaterRequirement();
    StoreWaterRequirement();
    modified = true;
}

// ---- Comparison of Water Requirements ----

void TStrategyModel::RefreshComparison() {
    using namespace ComparisonColumn;
    CalcGWContribution(strategy, project, dailyContribution);
    if (project.FillEffRainCropped)
        project.FillEffRainCropped(strategy.EffRainCropped);
    for (int m = 1; m <= kMonths; ++m) {
        comparison.Cell(m, DFUser) = strategyGrid.Cell(m, StrategyColumn::DFUser);
        comparison.Cell(m, VcDF) = strategyGrid.Cell(m, StrategyColumn::VcDF);
        comparison.Cell(m, VcET) =
            WholeVolume(VcETOfMonth(strategy, project, dailyContribution, m));
        comparison.Cell(m, Remark) =
            WarningOfMonth(strategy.DFcrit, MonthValue(strategy.DFUser, m),
                           MonthValue(strategy.VcET, m), MonthValue(strategy.VcDF, m));
    }
    comparison.Total[VcDF] = FormatFixed(ColumnSum(comparison, VcDF), 0);
    comparison.Total[VcET] = FormatFixed(ColumnSum(comparison, VcET), 0);
    reportEnabled = true;
}
