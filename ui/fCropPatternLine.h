#pragma once

#include "calc/uCropPatternRules.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class TAllData;
class TCropPatternLine;
class TfrmToolBar;
class TUpDown;

// The modal crop dialog of the cropping pattern editor: loads a crop factor file into the
// pattern's line CurrentLine, takes its area and planting date, and saves it to the pattern only
// when the cropped area stays within the irrigable area. It works on the line itself; the editor
// decides what a cancelled dialog leaves behind.
class TfrmCropPatternLine : public QDialog {
    Q_OBJECT
public:
    // otherCrops: the daily cropped area of the pattern without the crop the dialog edits.
    TfrmCropPatternLine(TAllData& data, const TDailyArea& otherCrops, QWidget* owner);

    // Shows the line with the mode word ("Add" or "Edit") and runs the dialog modally; true when
    // the crop was saved to the pattern.
    bool ShowFormModal(const std::string& mode);
    // The line in the fields, as ShowFormModal shows it before running.
    void ShowLine(const std::string& mode);

    void Open();
    void SaveToPattern();
    bool Modified() const { return modified; }
    TfrmToolBar* ToolBar() const { return toolBar; }

    QLineEdit* edtCrop;
    QLineEdit* edtDescription;
    QLineEdit* edtGrowingPeriod;
    QLineEdit* edtArea;
    QComboBox* cbxMonth;
    QLineEdit* edtDay;
    TUpDown* updDay;
    QLabel* lblArea;

private:
    TAllData& data;
    const TDailyArea& otherCrops;
    TCropPatternLine& line;
    TfrmToolBar* toolBar;
    std::string mode;
    bool modified = false;

    void SetModified(bool value);
    void ShowCrop();
    void MonthChanged();
};
