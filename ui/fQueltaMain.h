#pragma once

#include "calc/uActionChecks.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class TAllData;
class TEditorBase;
class TGuiSettings;

// The main window: owns the open project (TAllData) for its whole life, opens the editors and
// report windows from its menu, and shows the data status of the loaded files. It computes
// nothing itself.
class TfrmQueltaMain : public QMainWindow {
    Q_OBJECT
public:
    // openSettings ties the unit settings to their folder (the program folder by default;
    // tests pass their own).
    using TSettingsOpener = std::function<void(TGuiSettings&)>;
    explicit TfrmQueltaMain(TSettingsOpener openSettings, QWidget* parent = nullptr);
    ~TfrmQueltaMain() override;

    TAllData& AllData() { return *allData; }

    // The editors are built by their own windows; until one is set its action stays disabled.
    enum class TEditorSlot { General, Meteo, CropPattern, CropFactor };
    void SetEditor(TEditorSlot slot, TEditorBase* editor);
    // The report and strategy windows are made, shown modally and destroyed by run.
    void SetReportWindow(std::function<void(QWidget* owner)> run);
    void SetStrategyWindow(std::function<void(QWidget* owner)> run);
    void SetScheduleWindow(std::function<void(QWidget* owner)> run);
    // The meteo editor's full range check replaces the check on the record.
    void SetMeteoValidation(TValidateMeteo validate);
    // For files opened from outside the windows: the editor of a slot (null until set), and the
    // checks that precede the cropping pattern editor (they tell the user what is missing).
    TEditorBase* Editor(TEditorSlot slot) const { return editors[static_cast<int>(slot)]; }
    bool CropPatternAllowed();

    // The four refreshes of the status panel, as on WM_REFRESH_MAIN.
    void RefreshDataStatus();
    void RefreshUnitCaptions();
    // The running instance's answer to a second start.
    void BringForward();

    QAction* actGeneral;
    QAction* actMeteo;
    QAction* actCropPattern;
    QAction* actCropFactor;
    QAction* actExit;
    QAction* actStrategy;
    QAction* actReport;
    QAction* actSchedule;
    QAction* actSettings;
    QAction* HelpAbout1;
    QAction* actUserGuide;
    QMenu* mnuFile;
    QMenu* mnuStrategy;
    QMenu* mnuReports;
    QMenu* mnuOptions;
    QMenu* mnuHelp;

    // Value labels of the data-status panel.
    QLabel* lblGeneralFile;
    QLabel* lblMeteoFile;
    QLabel* lblPatternFile;
    QLabel* lblCountry;
    QLabel* lblRegion;
    QLabel* lblCalcPeriod;
    QLabel* lblLatitude;
    QLabel* lblAltitude;
    QLabel* lblDescription;
    QLabel* lblIrrigableArea;
    QLabel* lblApplInterval;
    QLabel* lblMeanDepth;
    // Captions rewritten with the current units.
    QLabel* lblAltitudeCaption;
    QLabel* lblAreaCaption;
    QLabel* lblDepthCaption;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Exit and the window frame: every editor with unsaved changes is asked first.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<TAllData> allData;
    TEditorBase* editors[4] = {};
    std::function<void(QWidget*)> runReport;
    std::function<void(QWidget*)> runStrategy;
    std::function<void(QWidget*)> runSchedule;
    TValidateMeteo validateMeteo;

    void BuildMenus();
    QWidget* BuildStatusPanel();
    void ShowEditor(TEditorSlot slot);
    bool EditorsAgreeToClose();
    void ReportUpdate();
    void StrategyUpdate();
    void CropPatternAction();
    void ShowSettings();
    void ShowAbout();
};
