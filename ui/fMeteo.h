#pragma once

#include "calc/uMeteoGrid.h"
#include "ui/fEditorBase.h"

class QComboBox;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;
class TMeteoHeaderBar;

// "Meteo data": the eight meteo quantities per period of the current calculation period, and the
// height of the wind measurement, edited in place in TAllData::Meteo. Cells out of range are drawn
// yellow on red; the chosen ET0 method only shades the columns that method does not use.
class TfrmMeteo : public TEditorBase {
    Q_OBJECT
public:
    TfrmMeteo(TAllData& data, QWidget* owner);

    QLineEdit* edtWHeigth;
    QLabel* lblWHeigth;
    QComboBox* cbxMethod;
    QTableWidget* grdMeteo;
    TMeteoHeaderBar* hdrGroups; // the column groups above the grid
    TMeteoHeaderBar* hdrFooter; // "Total" and the precipitation total below it

    // The full check the main window runs before the pattern editor, the report and the
    // strategy: every cell filled and in range, and the wind height; sets Meteo.DataValid.
    void ValidateMeteo();
    // Reads a CSV table of monthly (or per-period) values into the record.
    void ImportCsv();
    // Makes the record from a daily climate record, through its preview.
    void ImportClimateRecord();

    // What the grid shows now, row by row (period label first).
    TMeteoGridTexts GridTexts() const;
    TMeteoCellState CellState(int row, int column) const; // row from 1, column 1..8
    bool Shaded(int column) const;
    QString FooterText(int section) const;

protected:
    bool SaveRefused() override;
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;
    void FieldKeyReleased(QWidget* field) override;
    bool ShowOwnHint(QWidget* focused) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filling = false; // the grid is being written by the program
    int focusedColumn = 1;

    void BuildFields();
    void FillRowLabels();
    void SetCell(int row, int column, const std::string& text);
    void SetGridTexts(const TMeteoGridTexts& texts);
    void CellChanged(QTableWidgetItem* item);
    void UpdateTotal();
    void UpdateDataValid();
    bool WindHeightCheck();
    double WindHeightMetres() const;
    void LayOut();
    int FullGridHeight() const;
    void FitGridWidth();
    void ShowGridHint();
    bool GridKeyPress(QObject* watched, QKeyEvent* key);
    // Ctrl+V in the grid: a paste with tabs or line ends is spread from the current cell; a
    // single value goes into the current cell (or the open editor) when it is a number.
    void Paste(const QString& text, QLineEdit* editor);
    double MaxSunshine(int row) const; // the sunshine limit of grid row 1..n
    friend class TMeteoCellDelegate;
};
