#pragma once

#include "calc/uReportTables.h"
#include "core/cReportText.h"

#include <string>
#include <vector>

class TAllData;

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
    // A number of days above 1 makes the period "Other" with that many days; others are ignored.
    void SetDays(int days);
    // A position in CropList().
    void SelectCrop(int entry);
    // A position in RainfallList().
    void SelectRainfallMethod(int entry);
    void ShowTable(TReportTableKind kind);
    void LeaveWaterRequirementsTable();

    const TReportTable& Table() const { return table; }
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
    // What a chart of the visible table draws: the table per month, then back to the period.
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

    int SelectedCrop() const; // 0: all crops
    TReportSelection Selection() const;
    void CalcCropsOfSelection();
    void CalcAllCrops();
    void ComputeWaterRequirements();
    void Refresh();
};
