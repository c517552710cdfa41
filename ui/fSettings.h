#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class TGuiSettings;
class TfrmToolBar;

// "Options": the display unit of the six quantities. The shared settings change only on Save,
// which also writes the settings file and asks every window to redisplay in the new units.
class TfrmSettings : public QDialog {
    Q_OBJECT
public:
    TfrmSettings(TGuiSettings& settings, QWidget* parent);

    QComboBox* cbxLengthHeigth;
    QComboBox* cbxArea;
    QComboBox* cbxVelocity;
    QComboBox* cbxTemperature;
    QComboBox* cbxPrecipitation;
    QComboBox* cbxVolume;
    QLabel* lblLengthHeigth;
    QLabel* lblArea;
    QLabel* lblVelocity;
    QLabel* lblTemperature;
    QLabel* lblPrecipitation;
    QLabel* lblVolume;
    TfrmToolBar* ToolBar;

    bool Modified() const { return modified; }
    // False when the settings file could not be written (the error was shown).
    bool Save();
    bool CloseQuery();

    void reject() override;

private:
    struct TRow {
        QComboBox* Choice;
        QLabel* Name;
        int Kind;
        int TGuiSettings::*Unit;
    };
    TGuiSettings& settings;
    std::array<TRow, 6> rows;
    bool modified = false;

    void SetModified(bool value);
};
