#pragma once

#include "ui/fEditorBase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TUpDown;

// "General data": the site and project data of the open project, edited in place in
// TAllData::General. Every stored change is announced to the main window, the meteo editor
// (latitude and calculation period) and the crop factor editor.
class TfrmGeneral : public TEditorBase {
    Q_OBJECT
public:
    TfrmGeneral(TAllData& data, QWidget* owner);

    QLineEdit* edtCountry;
    QLineEdit* edtRegion;
    QLineEdit* edtDescript;
    QComboBox* cbxHemis;
    QLineEdit* edtLatiDegrees;
    TUpDown* updLatiDegrees;
    QLineEdit* edtLatiMinutes;
    TUpDown* updLatiMinutes;
    QLineEdit* edtAlti;
    QLineEdit* edtTot_Area;
    QLineEdit* edtS_Area;
    QComboBox* cbxCalcPer;
    QLineEdit* edtDm_of_watappl;
    QComboBox* cbxApplInt;
    QCheckBox* ckbxCNM;
    QComboBox* cbxCNM1;
    QComboBox* cbxCNM2;
    QLabel* lblSelectedCNValue;
    QCheckBox* ckbxFixedPercent;
    QLineEdit* edtFixedpercent;

    QLabel* lblAlti;
    QLabel* lblTot_Area;
    QLabel* lblS_Area;
    QLabel* lblDm_of_watappl;

protected:
    bool SaveRefused() override;
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;
    void FieldKeyReleased(QWidget* field) override;

private:
    bool showing = false; // fields are being filled from the record: no handlers

    void BuildFields();
    void ApplyCalculationPeriodRule();
    // The curve number choices the calculation period allows; the record's flags follow them.
    void ApplyCurveNumberRule();
    void ShowCurveNumber();
    void EnableCurveNumberChoices(bool enabled);
    void ColourRanges();
    void ApplyPeriodKind();
    void StoreAndNotify();
    void DegreesClicked();
    void MinutesClicked();
    void KeepLatitudeInRange();
    std::string Text(const QLineEdit* field) const;
};
