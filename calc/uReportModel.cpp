#include "calc/uReportModel.h"

#include "calc/uCalculate.h"
#include "calc/uEffectiveRainfall.h"
#include "core/cFileIO.h"
#include "data/cAllData.h"
#include "data/cAreaCheck.h"

namespace {

constexpr int kMonthKind = 3;
constexpr int kOtherKind = 4;

// Restores the calculation period on every way out.
class TPeriodGuard {
public:
    explicit TPeriodGuard(TGuiSettings& settings)
        : settings(settings), kind(settings.PeriodKind), length(settings.PeriodLength) {}
    ~TPeriodGuard() {
        settings.PeriodKind = kind;
        settings.PeriodLength = length;
    }
    bool KindChanged() const { return settings.PeriodKind != kind; }

private:
    TGuiSettings& settings;
    int kind;
    int length;
};

} // namespace

const std::vector<std::string>& TReportModel::PeriodChoices() {
    static const std::vector<std::string> choices = {"Day", "Week", "Month", "Other"};
    return choices;
}

TReportModel::TReportModel(TAllData& data) : data(data) {}

void TReportModel::OpenReport() {
    TGuiSettings& settings = data.GuiSettings;
    savedKind = settings.PeriodKind;
    savedLength = settings.PeriodLength;
    settings.ApplyPeriodText(data.General.CalcPeriod, PeriodChoices());
    if (settings.PeriodKind == kOtherKind)
        settings.SetOtherPeriod(days);

    const TCropPattern& pattern = data.CropPattern;
    cropList.clear();
    if (pattern.Count() > 1)
        cropList.push_back("All crops");
    for (int c = 1; c <= pattern.Count(); ++c)
        cropList.push_back(FileNamePart(pattern.GetCropLine(c).CropFileName));
    rainfallList = {RainfallMethodName(TRainfallMethod::Usda)};
    if (data.General.CurveNumberOffered && data.General.UseCurveNumber)
        rainfallList.push_back(RainfallMethodName(TRainfallMethod::CurveNumber));
    if (data.General.UseFixedPercent)
        rainfallList.push_back(RainfallMethodName(TRainfallMethod::Fixed));
    method = TEt0Method::PenmanMonteith;
    cropEntry = 0;
    rainfallEntry = 0;
    periodLocked = false;

    CalcET0(data);
    CalcAllCrops();
    CalcPeUSDAAll(data, data.EffectiveRainfall);

    const TAreaCheck check = AreaCheck(pattern, data.General.IrrigableArea, settings);
    areaExceeded = check.Exceeded;
    exceededMonths = check.ListText;
    excesses.clear();
    for (const auto& month : check.Months)
        excesses.push_back({month.Month, month.Excess});
    current = TReportTableKind::ReferenceET;
    Refresh();
}

void TReportModel::CloseReport() {
    data.GuiSettings.PeriodKind = savedKind;
    data.GuiSettings.PeriodLength = savedLength;
}

std::string TReportModel::AreaExceededMessage() const {
    TAreaCheck check;
    check.Exceeded = areaExceeded;
    check.ListText = exceededMonths;
    return AreaCheckMessage(check, TAreaCheckCaller::Report);
}

std::vector<TReportTableKind> TReportModel::AvailableTables() const {
    using K = TReportTableKind;
    if (areaExceeded || data.CropPattern.Count() == 0)
        return {K::ReferenceET, K::NonIrrigated};
    return {K::ReferenceET, K::KcValues,          K::CroppedArea,
            K::PotentialET, K::WaterRequirements, K::NonIrrigated};
}

TRainfallMethod TReportModel::Rainfall() const {
    const std::string& name = rainfallList.at(rainfallEntry);
    if (name == RainfallMethodName(TRainfallMethod::CurveNumber))
        return TRainfallMethod::CurveNumber;
    if (name == RainfallMethodName(TRainfallMethod::Fixed))
        return TRainfallMethod::Fixed;
    return TRainfallMethod::Usda;
}

int TReportModel::PeriodChoice() const {
    const int kind = data.GuiSettings.PeriodKind;
    return kind >= 1 && kind <= 3 ? kind - 1 : 3;
}

int TReportModel::SelectedCrop() const {
    if (data.CropPattern.Count() == 0)
        return 0;
    const bool hasAll = data.CropPattern.Count() > 1;
    return hasAll ? cropEntry : cropEntry + 1;
}

TReportSelection TReportModel::Selection() const {
    TReportSelection s;
    s.Method = method;
    s.Crop = SelectedCrop();
    s.ShowDepth = s.Crop != 0;
    s.Rainfall = Rainfall();
    return s;
}

void TReportModel::CalcAllCrops() {
    CalcAllCropsETc(data, Et0Series(data, method), EtcTotalSeries(data, method));
}

void TReportModel::CalcCropsOfSelection() {
    const int crop = SelectedCrop();
    if (crop == 0)
        CalcAllCrops();
    else
        CalcCropETc(data, crop, Et0Series(data, method), EtcTotalSeries(data, method));
}

void TReportModel::SelectMethod(TEt0Method chosen) {
    method = chosen;
    cropEntry = 0;
    CalcAllCrops();
    CalcPeUSDAAll(data, data.EffectiveRainfall);
    Refresh();
}

void TReportModel::SelectPeriod(int choice) {
    if (choice == 3)
        data.GuiSettings.SetOtherPeriod(days);
    else
        data.GuiSettings.SetPeriodKind(choice + 1);
    Refresh();
}

bool TReportModel::SetDays(int number) {
    if (!ReportDaysValid(number))
        return false;
    days = number;
    data.GuiSettings.SetOtherPeriod(days);
    Refresh();
    return true;
}

void TReportModel::SelectCrop(int entry) {
    if (entry < 0 || entry >= static_cast<int>(cropList.size()))
        return;
    cropEntry = entry;
    CalcCropsOfSelection();
    Refresh();
}

void TReportModel::SelectRainfallMethod(int entry) {
    if (entry < 0 || entry >= static_cast<int>(rainfallList.size()))
        return;
    rainfallEntry = entry;
    periodLocked = Rainfall() == TRainfallMethod::Usda;
    Refresh();
}

void TReportModel::ShowTable(TReportTableKind kind) {
    if (current == TReportTableKind::WaterRequirements &&
        kind != TReportTableKind::WaterRequirements)
        LeaveWaterRequirementsTable();
    current = kind;
    Refresh();
}

void TReportModel::LeaveWaterRequirementsTable() {
    periodLocked = false;
    cropEntry = 0;
    CalcAllCrops();
    CalcPeUSDAAll(data, data.EffectiveRainfall);
}

void TReportModel::ComputeWaterRequirements(TReportTable& into) {
    TPeriodGuard period(data.GuiSettings);
    const TRainfallMethod rainfall = Rainfall();
    if (rainfall == TRainfallMethod::Usda) {
        // The USDA method has a monthly time step only.
        data.GuiSettings.SetPeriodKind(kMonthKind);
        periodLocked = true;
    }
    CalcCropsOfSelection();
    const int crop = SelectedCrop();
    switch (rainfall) {
    case TRainfallMethod::Usda:
        if (crop == 0)
            CalcPeUSDAAll(data, data.EffectiveRainfall);
        else
            CalcPeUSDA(data, crop, data.EffectiveRainfall);
        break;
    case TRainfallMethod::CurveNumber:
        CalcPeCurveNumber(data, crop, data.EffectiveRainfall);
        break;
    case TRainfallMethod::Fixed:
        CalcPeFixed(data, crop, data.EffectiveRainfall);
        break;
    }
    BuildReportTable(data, TReportTableKind::WaterRequirements, Selection(), into);
}

void TReportModel::Build(TReportTable& into) {
    if (current == TReportTableKind::WaterRequirements)
        ComputeWaterRequirements(into);
    else
        BuildReportTable(data, current, Selection(), into);
}

void TReportModel::Refresh() {
    Build(table);
    ++tableRevision;
}

std::string TReportModel::ClipboardText() const {
    return ReportTableClipboardText(table, data.General.FileName);
}

TChartInput TReportModel::Chart(int column) {
    TChartInput chart;
    {
        TPeriodGuard period(data.GuiSettings);
        data.GuiSettings.SetPeriodKind(kMonthKind);
        if (!period.KindChanged())
            return ReportChartInput(table, column);
        TReportTable monthly;
        Build(monthly);
        chart = ReportChartInput(monthly, column);
    }
    // The water requirements recompute the engine's series for the period they show.
    if (current == TReportTableKind::WaterRequirements)
        Refresh();
    return chart;
}
