#pragma once

#include "calc/uStrategyTracks.h"
#include "core/cYearData.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TGuiSettings;
class TStrategy;

// What the strategy window shows and does, without the window: its pages as texts, the order in
// which a page refresh fills, computes and stores, and the edits the window passes on. Values
// read back from a page carry the precision they are shown with, as the window's grids would
// give them. The window displays these pages and forwards its controls' edits; the CLI walks
// the pages in order to reach the comparison.

// A grid page: titles, the unit heading row, twelve month rows, Total and Average rows.
// Column 0 is the month column; an empty text is an empty cell.
struct TStrategyGrid {
    std::vector<std::string> Titles;
    std::vector<std::string> Headings;
    std::array<std::vector<std::string>, 12> Rows;
    std::vector<std::string> Total;
    std::vector<std::string> Average; // empty on the comparison page, which has no Average row

    std::string& Cell(int month, int column) { return Rows[month - 1][column]; }
    const std::string& Cell(int month, int column) const { return Rows[month - 1][column]; }
};

struct TChartPoint {
    double X = 0, Y = 0;
};

// The two charts of the Water Balance page, vertical values in the display units.
struct TWaterBalanceCharts {
    std::vector<TChartPoint> GWTPoints;   // with field data: shown DF and shown change
    std::array<TChartPoint, 3> GWTLine{}; // through (0, .), (DFsust, 0), (1, .)
    std::vector<TChartPoint> ETPoints;    // with field data: shown DF and shown ETa/ETp
    std::array<TChartPoint, 3> ETLine{};  // through (0, 1), (DFsust, 1), (1, .)
    double DFsustainable = 0;
    bool FixedGWTAxis = false; // without field data the axis runs from -0.35 to 0.35 m
};

struct TWaterBalancePage {
    bool FieldDataAvailable = true;
    std::string DFsustainable = "0.6";
    int UpDownPosition = 60;
    TWaterBalanceCharts Charts;
};

struct TSoilPage {
    int SoilIndex = -1;
    std::array<std::string, 3> CapillaryRise; // for 0.5, 1.0 and 2.0 mm/day
    int UniformityIndex = -1;
    int DeliveryPatternIndex = -1;
    std::string DeliveryRatio;
    int FlowRegimeIndex = -1;
    std::string IrrigableArea;
    std::string ConveyRatio;
    int FieldApplMethodIndex = -1;
    std::string RaRatio;
};

struct TWaterRequirementPage {
    std::string RaRatio, DeliveryRatio, ConveyRatio, SoilType, DepthGW1Jan;
    TStrategyGrid Grid;
};

enum class TStrategyPage {
    WaterBalance,
    DataInput,
    WaterBalanceStrategy,
    InputETa,
    Soil,
    WaterRequirementET,
    Comparison
};

// Columns of the grids.
namespace DataInputColumn {
constexpr int Precipitation = 1, ChangeGWTable = 2, DivertedWater = 3, DFCalc = 4, ETaGross = 5;
}
namespace StrategyColumn {
constexpr int Precipitation = 1, DFUser = 2, ChangeGWTable = 3, VcDF = 4;
}
namespace InputETaColumn {
constexpr int Precipitation = 1, ETp = 2, ETa = 3, Ratio = 4;
}
namespace WaterRequirementColumn {
constexpr int ETp = 1, ETa = 2, DepthGW = 3, DFUser = 4, GWContribution = 5, VcET = 6;
}
namespace ComparisonColumn {
constexpr int DFUser = 1, VcDF = 2, VcET = 3, Remark = 4;
}

// Whether the user types into a column of a page's grid.
bool IsEnteredColumn(TStrategyPage page, int column);

class TStrategyModel {
public:
    // The project as the tracks see it, for ET0 method 0 (Penman-Monteith), 1 (FAO Modified
    // Penman) or 2 (Modified Hargreaves).
    using TProjectSource = std::function<TStrategyProject(int method)>;

    // Forces the calculation period to months while the model lives; the general file name is
    // the file name part of the open general data file.
    TStrategyModel(TStrategy& strategy, TGuiSettings& settings, TProjectSource source,
                   std::string generalFileName);
    ~TStrategyModel();
    TStrategyModel(const TStrategyModel&) = delete;
    TStrategyModel& operator=(const TStrategyModel&) = delete;

    // Window operations.
    // Showing the window: the record cleared, then loaded again from its file and shown; a
    // record without a file, or one that fails to load, starts as a new strategy.
    void Show();
    void New();
    // Loads a strategy; one made for another general file is shown only if the user agrees.
    bool Open(const std::string& fileName);
    void Reset();
    void ShowRecord();
    void ShowPage(TStrategyPage page);
    // The window became active: the first page is shown again.
    void Activate() { ShowPage(TStrategyPage::WaterBalance); }
    void SetMethod(int method);
    // The unit headings and the irrigable area in the current units.
    void SetUnitCaptions();
    // The strategy refresh notification: captions rewritten and the record shown again.
    void RefreshNotification();
    // Everything the window holds goes into the record, named fileName (before a save).
    void StoreFields(const std::string& fileName);
    // Save and Save As: the fields stored, the record written and shown again. Write errors
    // reach the caller.
    void Save(const std::string& fileName);

    // Edits the window passes on; each leaves the pages and the record as the window would.
    void SetFieldDataAvailable(bool checked);
    void SetDFsustainablePosition(int position);
    void EditDataInputCell(int month, int column, const std::string& text);
    void EditUserDF(int month, const std::string& text);
    void EditETa(int month, const std::string& text);
    // The edit of any entered cell of a page (the three above by page).
    void EditEnteredCell(TStrategyPage page, int month, int column, const std::string& text);
    void ChooseSoilType(int index);
    void ChooseUniformity(int index);
    void ChooseDeliveryPattern(int index);
    void ChooseFlowRegime(int index);
    void ChooseFieldApplMethod(int index);
    void EditRaRatio(const std::string& text);
    void EditConveyRatio(const std::string& text);
    void EditDepthGW1Jan(const std::string& text);
    // A paste into the page's grid at (month, column). Text with tabs or line ends is spread:
    // the cells of entered columns reached take the digits and decimal separators of their
    // part, a part that is still no number empties its cell and the user is told "Invalid
    // value" once; what runs past the grid is dropped. A single value goes into its cell when it
    // is a number, else "Invalid value" and nothing changes. False when nothing changed.
    bool PasteIntoGrid(TStrategyPage page, int month, int column, const std::string& text);

    // What the pages show.
    const TWaterBalancePage& WaterBalance() const { return waterBalance; }
    const TStrategyGrid& DataInput() const { return dataInput; }
    const TStrategyGrid& WaterBalanceStrategy() const { return strategyGrid; }
    const TStrategyGrid& InputETa() const { return inputETa; }
    const TSoilPage& Soil() const { return soil; }
    const TWaterRequirementPage& WaterRequirement() const { return waterRequirement; }
    const TStrategyGrid& Comparison() const { return comparison; }
    // The grid of a grid page (the comparison grid for the pages without one).
    const TStrategyGrid& GridOf(TStrategyPage page) const;
    const std::string& GeneralFile() const { return generalFile; }
    int Method() const { return method; }
    // Without crops the window hides the pages that need them.
    bool HasCrops() const { return !project.Crops.empty(); }
    // The cropped-area check of the strategy: its error message, or "" when the cropped area
    // stays within the irrigable area all year.
    std::string CroppedAreaMessage() const;
    bool ReportEnabled() const { return reportEnabled; }
    bool Modified() const { return modified; }
    void SetModified(bool value) { modified = value; }

    const TStrategyProject& Project() const { return project; }
    const TYearSum& ETpIrrigated() const { return etpIrrigated; }
    const TYearAverage& DailyGWContribution() const { return dailyContribution; }

private:
    // True when the loaded strategy was made for the open general file, or the user goes on
    // with it after the warning.
    bool BelongsHereOrAccepted();
    std::string WholeVolume(double m3) const;
    void UseMethod(int chosen);
    void TakeDFSnapshot();
    void RefreshWaterBalance();
    void RefreshDataInput(bool evenWithoutFieldData);
    void RefreshStrategy();
    void RefreshInputETa();
    void RefreshSoil();
    void RefreshWaterRequirement();
    void RefreshComparison();

    void RedrawCharts();
    void StoreDFsustainable();
    void ComputeDataInput();
    void StoreDataInput();
    void CheckCalculatedDF();
    void ComputeStrategy();
    void StoreStrategy();
    void ComputeInputETa();
    void StoreInputETa();
    void StoreSoil();
    void ShowSoilValues();
    void ComputeWaterRequirement();
    void StoreWaterRequirement();
    void ResetGrids();

    TStrategy& strategy;
    TGuiSettings& settings;
    TProjectSource source;
    int previousPeriodKind;
    int previousPeriodLength;
    int method = 0;
    TStrategyProject project;
    TYearSum etpIrrigated;
    TYearAverage dailyContribution;
    std::array<std::string, 12> dfSnapshot;
    std::string openGeneralFile;
    std::string generalFile; // the "General file" field

    TWaterBalancePage waterBalance;
    TStrategyGrid dataInput;
    TStrategyGrid strategyGrid;
    TStrategyGrid inputETa;
    TSoilPage soil;
    TWaterRequirementPage waterRequirement;
    TStrategyGrid comparison;
    bool reportEnabled = false;
    bool modified = false;
};
