#pragma once

#include "calc/uReportModel.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QGridLayout;
class QHeaderView;
class QLabel;
class QLineEdit;
class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;
class QStandardItemModel;
class QTabBar;
class QWidget;
class TAllData;
class TGuiSettings;
class TfrmReportCWR;
class TfrmToolBar;
class TReportGridView;
class TTextWidths;
class TUpDown;

// The water requirements report "Report data": shows the report model's visible table with its
// header sections, units row, totals line and the texts beside it, and passes the user's
// selections to the model, which recomputes. Made, shown modally and destroyed at each use; it
// gives the calculation period back when it closes.
class TfrmReportData : public QDialog {
    Q_OBJECT
public:
    // The text report goes into reportWindow.
    TfrmReportData(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner);
    ~TfrmReportData() override;

    // Shows the window modally and returns when it is closed.
    void Execute();
    // The window as Execute leaves it on screen, without waiting (tests, snapshots).
    void Open();

    TReportModel& Model() { return model; }
    TReportTableKind ShownTable() const { return model.CurrentTable(); }
    // The header section under the column marker of the shown table.
    int MarkedSection() const;

    void CopyToClipboard();
    // "Export CSV...": the table shown as a CSV file.
    void ExportCsv();
    void ShowTextReport();
    // What a chart of the shown table draws; a single chart draws the marked column.
    TChartInput ChartInput();
    // The chart of the shown table in its chart window, modally.
    void ShowChart();

    // Controls, named as the user finds them.
    TfrmToolBar* ToolBar;
    QMenuBar* mnuMain;
    QMenu* mnuFile;
    QAction* actExportCsv;
    QComboBox* cbxMethod;
    QComboBox* cbxPeriod;
    QLabel* lblDays;
    QLineEdit* edtDays;
    TUpDown* updDays;
    QLabel* lblDaysHint; // the range, while the number of days is out of it
    QLabel* lblCrop;
    QComboBox* cbxCrop;
    QTabBar* tabTables;
    QWidget* pnlGroups; // captions over groups of columns
    QLabel* lblMarker;
    QHeaderView* hdrTable;
    TReportGridView* grdTable;
    TReportGridView* grdTotals;
    QScrollBar* sbrTable;
    QWidget* pnlInfo;
    QWidget* pnlRainfall;
    QComboBox* cbxRainfall;
    QLabel* lblNotes;

protected:
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    TfrmReportCWR& reportWindow;
    const TGuiSettings& settings;
    TReportModel model;
    bool opened = false;
    bool activated = false;
    bool closed = false;
    bool displaying = false; // controls set by the window, not by the user
    bool daysOutOfRange = false;
    std::string exportedName; // proposed again at the next export
    std::array<int, kReportTableCount> markedSection{1, 1, 1, 1, 1, 1};
    QStandardItemModel* headerModel;
    QWidget* pnlMarker;
    QFrame* pnlTable;              // as wide as the table, so no blank sheet beside a narrow one
    std::vector<QWidget*> barRoom; // beside the header and totals while the grid has a scroll bar
    QGridLayout* infoLayout;
    std::vector<QLabel*> infoLabels; // caption, value, unit of each info line
    std::vector<QLabel*> groupLabels;
    std::vector<int> columnWidths;
    std::unique_ptr<TTextWidths> cellWidths; // in the bold font, the widest a cell gets
    unsigned shownRevision = 0;              // the build of the model's table on screen

    QWidget* BuildSelections();
    QWidget* BuildTableArea();
    QWidget* BuildBottomPanel();
    void OpenReport();
    void Activate();
    void Display();
    void DisplayTable();
    void LayOutNow();
    void DisplayHeader();
    void DisplayInfo();
    void DisplayGroups();
    void SizeColumns();
    void FitTableWidth();
    void MarkSection(int section);
    void PlaceMarker();
    void PlaceGroups();
    void TakeDays();
    // The marker's text over a header section.
    QString MarkerText(int section) const;
    // The grid columns a header section stands over: the last section takes the rest.
    std::pair<int, int> ColumnsOfSection(int section) const;
};

// Runs the report window for the main window's report action.
void RunReportWindow(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner);
