#pragma once

#include "calc/uScheduleModel.h"
#include "data/cSoil.h"
#include "ui/fEditorBase.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TScheduleResults;
class TfrmReportCWR;

// The irrigation schedule window: the soil, the crop line with its p and Ky, the timing and
// application options, and the results of the daily root-zone balance. It edits a schedule
// (.sch) of its own through the schedule model, which refuses values the rules refuse; a field
// holding such a value is told so and shows the schedule's value again. Made, shown modally and
// destroyed at each use.
class TfrmSchedule : public TEditorBase {
    Q_OBJECT
public:
    TfrmSchedule(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner);
    ~TfrmSchedule() override;

    // Shows the window modally and returns when it is closed.
    void Execute();
    // The window as Execute leaves it on screen, without waiting (tests, snapshots).
    void Open();

    TScheduleModel& Model() { return model; }
    void ExportCsv();
    void ShowTextReport();

    // Controls, named as the user finds them.
    QComboBox* cbxSoil;
    QPushButton* btnSoilOpen;
    QPushButton* btnSoilSave;
    QLineEdit* edtSoilName;
    QCheckBox* ckbxAvailableWater;
    QLineEdit* edtFieldCapacity;
    QLineEdit* edtWiltingPoint;
    QLineEdit* edtAvailableWater;
    QLineEdit* edtInfiltration;
    QLineEdit* edtInitialDepletion;
    QComboBox* cbxCrop;
    QLineEdit* edtP;
    QLineEdit* edtKySeason;
    std::array<QLineEdit*, 4> edtKyStage;
    QLabel* lblDefaults;
    QComboBox* cbxTiming;
    QLineEdit* edtTiming;
    QLabel* lblTimingUnit;
    QComboBox* cbxApplication;
    QLineEdit* edtApplication;
    QLabel* lblApplicationUnit;
    QLineEdit* edtEfficiency;
    QComboBox* cbxMethod;
    QComboBox* cbxRainfall;
    QLabel* lblStatus;
    TScheduleResults* pgcResults;
    QAction* actExportCsv;
    QAction* actReport;

protected:
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;
    bool SaveRefused() override;
    void OnShowEditor() override;
    void ShowOpenedRecord() override;

private:
    // A number field: how it shows its value and where an entered value goes.
    struct TNumberField {
        QLineEdit* Field;
        int Kind; // quantity kind of the value, or -1 for a plain number as stored
        std::function<double(const TSchedule&)> Get;
        std::function<void(TSchedule&, double)> Set;
    };

    TScheduleModel model;
    TfrmReportCWR& reportWindow;
    std::vector<TNumberField> numberFields;
    std::vector<TSoil> soilLibrary; // the Soil folder's soils, as cbxSoil lists them
    bool displaying = false;
    std::vector<QLabel*> depthUnitLabels;

    QWidget* BuildSoilBox();
    QWidget* BuildCropBox();
    QWidget* BuildIrrigationBox();
    void BuildCommands();
    void AddNumberField(QLineEdit* field, int kind, std::function<double(const TSchedule&)> get,
                        std::function<void(TSchedule&, double)> set);
    std::string Shown(const TNumberField& field) const;
    void CommitNumber(const TNumberField& field);
    // Runs a change through the model; a refused one is told and the fields show the schedule.
    void Change(const std::function<void(TSchedule&)>& change);
    void SelectCropLine(int position);
    void SelectLibrarySoil(int position);
    void OpenSoil();
    void SaveSoil();
    void FillSoilLibrary();
    void Display();
    void DisplayResults();
};

// Runs the schedule window for the main window's "Irrigation schedule" action.
void RunScheduleWindow(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner);
