#pragma once

#include "calc/uReportTables.h"
#include "core/cReportText.h"

#include <string>
#include <vector>

class TAllData;

// The number of days of the calculation period "Other": one day is the period "Day", and more
// than 365 leave the year without a period.
constexpr int kMinReportDays = 2;
constexpr int kMaxReportDays = 365;
inline bool ReportDaysValid(int days) {
    return days >= kMinReportDays && days <= kMaxReportDays;
}
// The range hint of the number of days.
inline constexpr char kReportDaysHint[] = "Range: 2 <= Number of days <= 365";

// The water requirements report without its window: the selections (method, period, crop,
// effective-rainfall method, table), the order in which they recompute the engine's series, and
// the visible table. The report window shows what this model holds; the CLI drives it the same
// way, so both compute every table alike.
class TReportModel {
public:
    static const std::vector<std::string>& PeriodChoices(); // "Day", "Week", "Month", "Other"

    explicit TReportModel(TAllData& data);
    TReportModel(const TReportModel&) = delete;
    TReportModel& operator=(const TReportModel&) = delete;

    // Takes the period of the general data, fills the choice lists, computes reference and crop
    // evapotranspiration and effective rainfall, and runs the cropped-area check.
    void OpenReport();
    // Gives the unit settings back the period they had before OpenReport.
    void CloseReport();

    void SelectMethod(TEt0Method method);
    // A position in PeriodChoices; "Other" takes the current number of days.
    void SelectPeriod(int choice);
    // A number of days in 2..365 makes the period "Other" with that many days; false for any
    // other number, which leaves the period as it was.
    bool SetDays(int days);
    // A position in CropList().
    void SelectCrop(int entry);
    // A position in RainfallList().
    void SelectRainfallMethod(int entry);
    void ShowTable(TReportTableKind kind);
    void LeaveWaterRequirementsTable();

    const TReportTable& Table() const { return table; }
    // Counts the builds of Table(), so a view redraws only what was built again.
    unsigned TableRevision() const { return tableRevision; }
    TReportTableKind CurrentTable() const { return current; }
    TEt0Method Method() const { return method; }
    int CropEntry() const { return cropEntry; }
    int RainfallEntry() const { return rainfallEntry; }
    TRainfallMethod Rainfall() const;
    int Days() const { return days; }
    // The position of the current period in PeriodChoices.
    int PeriodChoice() const;
    bool PeriodLocked() const { return periodLocked; }
    bool CropSelectionVisible() const { return current == TReportTableKind::WaterRequirements; }
    const std::vector<std::string>& CropList() const { return cropList; }
    const std::vector<std::string>& RainfallList() const { return rainfallList; }
    // The tables the user may choose: the crop tables only when there are crops and their area
    // fits the irrigable area.
    std::vector<TReportTableKind> AvailableTables() const;

    bool AreaExceeded() const { return areaExceeded; }
    // The months with too much cropped area, one line each as the message lists them.
    const std::string& ExceededMonths() const { return exceededMonths; }
    struct TExcess {
        int Month;
        double Excess; // ha
    };
    const std::vector<TExcess>& Excesses() const { return excesses; }
    // The message the window shows when it is activated with the area exceeded.
    std::string AreaExceededMessage() const;

    // The plain-text report "Irrigation Water Requirements", built from the water requirements
    // table; the visible table is the same afterwards.
    TReportText TextReport();
    // The clipboard text of the visible table.
    std::string ClipboardText() const;
    // What a chart of the visible table draws: the table per month; the visible table stays as
    // it is (the water requirements table is computed again for its period).
    TChartInput Chart(int column);

private:
    TAllData& data;
    TEt0Method method = TEt0Method::PenmanMonteith;
    int cropEntry = 0;
    int rainfallEntry = 0;
    int days = 10;
    TReportTableKind current = TReportTableKind::ReferenceET;
    bool periodLocked = false;
    std::vector<std::string> cropList;
    std::vector<std::string> rainfallList;
    bool areaExceeded = false;
    std::string exceededMonths;
    std::vector<TExcess> excesses;
    int savedKind = 3;
    int savedLength = 0;
    TReportTable table;
    unsigned tableRevision = 0;

    int SelectedCrop() const; // 0: all crops
    TReportSelection Selection() const;
    void CalcCropsOfSelection();
    void CalcAllCrops();
    void ComputeWaterRequirements(TReportTable& into);
    void Build(TReportTable& into);
    void Refresh();
};
