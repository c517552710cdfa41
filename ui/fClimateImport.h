#pragma once

#include "calc/uClimateNormals.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TAllData;

// "Import climate record": a preview of what a daily climate record gives the meteo data. It
// shows the layout and columns recognised with their units, the period covered and the gaps,
// offers the choices (years, monthly or daily normals, mean or dependable rainfall, wind
// height, and the radiation unit when the file does not say it) and the resulting table. Import
// writes the table into the meteo record; Cancel, also during a long read, changes nothing.
class TfrmClimateImport : public QDialog {
    Q_OBJECT
public:
    TfrmClimateImport(TAllData& data, std::string fileName, QWidget* owner);
    ~TfrmClimateImport() override;

    // Reads the record and runs the dialog; true when its table was written into the meteo
    // record. A file that is no climate record is refused with an error message, no dialog.
    bool Run();
    // Reads the record and shows the preview without waiting for the user; false when the file
    // is no climate record (the user is told) or the read was stopped.
    bool Preview();

    QLabel* lblLayout;
    QLabel* lblPeriod;
    QLabel* lblSite;
    QTableWidget* grdColumns;
    QTableWidget* grdSummary;
    QSpinBox* spnFrom;
    QSpinBox* spnTo;
    QComboBox* cbxNormals;
    QLabel* lblNormals; // why daily normals are not offered
    QComboBox* cbxRain;
    QLineEdit* edtWindHeight;
    QLabel* lblWindHeight;
    QComboBox* cbxRadiation; // shown only when the file does not say the unit
    QTableWidget* grdResult;
    QLabel* lblMessage;
    QProgressBar* prbRead;
    QPushButton* btnImport;
    QPushButton* btnCancel;

    // A read longer than this many bytes shows its progress.
    static constexpr std::uint64_t kLongRecord = 512 * 1024;

signals:
    // The share of a long record read so far, in per cent.
    void ReadProgress(int percent);

public slots:
    // Cancel: during a read it stops the read, and the dialog closes without a change.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TAllData& data;
    std::string fileName;
    TClimateRecordInfo header;
    std::unique_ptr<TClimateRead> read;
    std::optional<TClimateResult> result;
    std::uint64_t fileSize = 0;
    bool reading = false;
    bool stopRequested = false;
    bool stopped = false;
    bool windEdited = false;
    bool filling = false;
    bool yearsShown = false;

    void BuildFields();
    void ShowHeader();
    TClimateImportOptions Options() const;
    bool NeedsRadiationUnit() const;
    // Reads the record again when a choice changes what is gathered, then the normals.
    void Refresh(bool reread);
    void ShowRead();
    void ShowResult();
    void ShowMessage(const std::string& text, bool error);
    bool Progress(double share);
    void Take();
};
