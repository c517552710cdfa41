#pragma once

#include "calc/uStrategyModel.h"
#include "calc/uStrategyReport.h"
#include "ui/fEditorBase.h"

#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolButton;
class TStrategyCharts;
class TStrategyGridView;
class TfrmReportCWR;

// What the strategy window needs from the rest of the program.
struct TStrategySources {
    // The project as the tracks see it, per ET0 method.
    TStrategyModel::TProjectSource Project;
    // The site and file lines at the head of the report.
    std::function<TStrategyReportHeader()> ReportHeader;
    // The window the report is written into.
    TfrmReportCWR* ReportWindow = nullptr;
};

// The water management strategy window: shows the strategy model's pages and passes the user's
// edits to it. Made, shown modally and destroyed at each use.
class TfrmStrategy : public TEditorBase {
    Q_OBJECT
public:
    TfrmStrategy(TAllData& data, TStrategySources sources, QWidget* owner);
    ~TfrmStrategy() override;

    // Shows the window modally and returns when it is closed.
    void Execute();
    // The window as Execute leaves it on screen, without waiting (tests, snapshots).
    void Open();

    TStrategyModel& Model() { return *model; }
    // The page shown: outer and inner tab.
    TStrategyPage ShownPage() const;
    void ShowPage(TStrategyPage page);
    void Report();

    // Controls, named as the user finds them.
    QLineEdit* edtGeneralFile;
    QComboBox* cbxMethod;
    QTabWidget* pgcTracks;
    QTabWidget* pgcWaterBalance;
    QTabWidget* pgcWaterRequirement;
    QTabWidget* pgcComparison;
    QCheckBox* chkFieldData;
    QLineEdit* edtDFsust;
    QToolButton* btnDFsustUp;
    QToolButton* btnDFsustDown;
    TStrategyCharts* charts;
    TStrategyGridView* grdDataInput;
    TStrategyGridView* grdStrategy;
    TStrategyGridView* grdInputETa;
    TStrategyGridView* grdWaterRequirement;
    TStrategyGridView* grdComparison;
    QComboBox* cbxSoil;
    QLabel* lblCapRiseCaption;
    QLabel* lblFlowRate[3];
    QLabel* lblCapRise[3];
    QComboBox* cbxUniformity;
    QComboBox* cbxDeliveryPattern;
    QLabel* lblDeliveryRatio;
    QComboBox* cbxFlowRegime;
    QLabel* lblAreaCaption;
    QLabel* lblIrrigableArea;
    QLineEdit* edtConveyRatio;
    QComboBox* cbxFieldApplMethod;
    QLineEdit* edtRaRatio;
    QLabel* lblWRRa;
    QLabel* lblWRRd;
    QLabel* lblWRRc;
    QLabel* lblWRSoil;
    QLabel* lblDepthCaption;
    QLineEdit* edtDepthGW1Jan;
    QAction* actReport;
    QMenu* mnuReport;

protected:
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;
    void OnShowEditor() override;
    void ShowOpenedRecord() override;
    void FieldKeyReleased(QWidget* field) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowFirstVisiblePage(QTabWidget* pages);
    TStrategySources sources;
    std::unique_ptr<TStrategyModel> model;
    bool activated = false;
    bool displaying = false; // controls set by the window, not by the user

    void BuildTopStrip();
    QWidget* BuildWaterBalancePage();
    QWidget* BuildSoilPage();
    QWidget* BuildWaterRequirementPage();
    TStrategyGridView* BuildGrid(TStrategyPage page);
    void ConnectGrid(TStrategyGridView* grid);
    void PageChanged();
    void Display();
    void DisplayWaterBalance();
    void DisplaySoil();
    void DisplayWaterRequirement();
    void CopyPage();
    void Activate();
    bool CheckCroppedArea();
};

// Runs the strategy window for the main window's strategy action.
void RunStrategyWindow(TAllData& data, TStrategySources sources, QWidget* owner);
