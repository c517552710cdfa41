#pragma once

#include "ui/fEditorBase.h"

#include <string>

// The open filter of every dialog that picks a crop factor file.
extern const std::string kCropFactorOpenFilter;

class QCheckBox;
class QLineEdit;
class QMenu;

// "Crop factor data": one crop's coefficients, stage lengths and rooting depth, edited in
// TAllData::CropFactor. The window always opens on a new crop; it refuses to save a crop that
// breaks the crop factor rules, and it can show the initial-stage Kc computed from the project's
// general and meteo data.
class TfrmCropFactor : public TEditorBase {
    Q_OBJECT
public:
    TfrmCropFactor(TAllData& data, QWidget* owner);

    QLineEdit* edtDescription;
    QCheckBox* ckbxStandCalcKc0;
    QLineEdit* edtKc1;
    QLineEdit* edtKc2;
    QLineEdit* edtKc3;
    QLineEdit* edtKc4;
    QLineEdit* edtRootingDepth;
    QLineEdit* edtStage1;
    QLineEdit* edtStage2;
    QLineEdit* edtStage3;
    QLineEdit* edtStage4;
    QLineEdit* edtStageTotal;
    QLabel* lblRootingDepth;
    QMenu* mnuFile;

    bool Active() const { return active; }

    void ShowKC();
    void UpdateKc1();
    void UpdateDerived();
    void CheckCropFactor();

protected:
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;
    bool SaveRefused() override;
    void OnShowEditor() override;
    void ShowOpenedRecord() override;
    void FieldKeyReleased(QWidget* field) override;
    bool event(QEvent* event) override;

private:
    bool active = false;  // the window has been the active window since it was last shown
    bool showing = false; // the check box is being set from the record: no change to mark

    void BuildFields();
    void BuildFileMenu();
    void StandardKcClicked(bool checked);
    void Kc1Changed();
    void ShowKc2FromFields();
    void ShowComputedKc1();
    bool GeneralAndMeteoLoaded() const;
};
