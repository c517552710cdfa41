#include "ui/fClimateImport.h"

#include "calc/uMeteoGrid.h"
#include "calc/uReferenceET.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/uNumberKeys.h"
#include "ui/uQtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char* const kProcedure = "Error in procedure ImportClimateRecord: ";
constexpr double kRadiansPerDegree = 0.017453292519943295;
const TCsvUnit kRadiationUnits[] = {TCsvUnit::MegajoulesPerDay, TCsvUnit::WattsPerSquareMetre,
                                    TCsvUnit::KilowattHoursPerDay};

QTableWidget* MakeTable(const char* name, const QStringList& captions) {
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()));
    table->setObjectName(QString::fromUtf8(name));
    table->setHorizontalHeaderLabels(captions);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setFixedHeight(21);
    table->verticalHeader()->setDefaultSectionSize(21);
    return table;
}

void SetRow(QTableWidget* table, int row, const std::vector<std::string>& cells) {
    for (int c = 0; c < static_cast<int>(cells.size()); ++c)
        table->setItem(row, c, new QTableWidgetItem(Q(cells[c])));
}

std::string SignedDegrees(double degrees) {
    return FormatFixed(degrees, 2);
}

} // namespace

TfrmClimateImport::TfrmClimateImport(TAllData& d, std::string name, QWidget* owner)
    : QDialog(owner), data(d), fileName(std::move(name)) {
    setObjectName(QStringLiteral("TfrmClimateImport"));
    setWindowTitle(QStringLiteral("Import climate record [") + Q(fileName) + QStringLiteral("]"));
    BuildFields();
}

TfrmClimateImport::~TfrmClimateImport() = default;

void TfrmClimateImport::BuildFields() {
    lblLayout = new QLabel;
    lblLayout->setObjectName(QStringLiteral("lblLayout"));
    lblLayout->setWordWrap(true);
    lblSite = new QLabel;
    lblSite->setObjectName(QStringLiteral("lblSite"));
    lblSite->setWordWrap(true);
    lblPeriod = new QLabel;
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    grdColumns = MakeTable("grdColumns", {QStringLiteral("Column"), QStringLiteral("Header"),
                                          QStringLiteral("Quantity"), QStringLiteral("Unit")});
    grdSummary = MakeTable("grdSummary", {QStringLiteral("Variable"), QStringLiteral("Taken from"),
                                          QStringLiteral("Years used"), QStringLiteral("Days used"),
                                          QStringLiteral("Days missing")});

    spnFrom = new QSpinBox;
    spnFrom->setObjectName(QStringLiteral("spnFrom"));
    spnTo = new QSpinBox;
    spnTo->setObjectName(QStringLiteral("spnTo"));
    for (QSpinBox* year : {spnFrom, spnTo})
        year->setRange(1, 9999);
    cbxNormals = MakeChoice("cbxNormals", {"Monthly normals", "Daily normals"});
    lblNormals = new QLabel;
    lblNormals->setObjectName(QStringLiteral("lblNormals"));
    lblNormals->setWordWrap(true);
    std::vector<std::string> rain{"Mean monthly rainfall"};
    for (int p : kDependableRainP)
        rain.push_back("Dependable rainfall, " + std::to_string(p) + " %");
    cbxRain = MakeChoice("cbxRain", rain);
    edtWindHeight = new QLineEdit;
    edtWindHeight->setObjectName(QStringLiteral("edtWindHeight"));
    edtWindHeight->setFixedWidth(70);
    KeepNumberField(edtWindHeight, TNumberEntry::Decimal);
    lblWindHeight = new QLabel;
    lblWindHeight->setObjectName(QStringLiteral("lblWindHeight"));
    cbxRadiation = MakeChoice("cbxRadiation", {"(choose)", "MJ/m²/day", "W/m²", "kWh/m²/day"});

    // Daily normals fill a row per day: only a daily calculation period shows them as they are.
    const TGuiSettings& units = data.GuiSettings;
    if (units.PeriodKind != 1) {
        if (auto* model = qobject_cast<QStandardItemModel*>(cbxNormals->model()))
            model->item(1)->setEnabled(false);
        SetText(lblNormals, "Daily normals need the calculation period Day; the project's period "
                            "is " +
                                units.PeriodName() + ".");
    }
    lblNormals->setVisible(units.PeriodKind != 1);

    auto* choices = new QGridLayout;
    choices->addWidget(new QLabel(QStringLiteral("Years from")), 0, 0);
    auto* years = new QHBoxLayout;
    years->addWidget(spnFrom);
    years->addWidget(new QLabel(QStringLiteral("to")));
    years->addWidget(spnTo);
    years->addStretch(1);
    choices->addLayout(years, 0, 1);
    choices->addWidget(new QLabel(QStringLiteral("Normals")), 1, 0);
    choices->addWidget(cbxNormals, 1, 1);
    choices->addWidget(lblNormals, 1, 2);
    choices->addWidget(new QLabel(QStringLiteral("Rainfall")), 2, 0);
    choices->addWidget(cbxRain, 2, 1);
    choices->addWidget(
        new QLabel(Q("Wind height (" + units.CurrentUnitLabel(QuantityKind::Length) + ")")), 3, 0);
    auto* wind = new QHBoxLayout;
    wind->addWidget(edtWindHeight);
    wind->addWidget(lblWindHeight, 1);
    choices->addLayout(wind, 3, 1, 1, 2);
    auto* radiationLabel = new QLabel(QStringLiteral("Radiation unit"));
    radiationLabel->setObjectName(QStringLiteral("lblRadiation"));
    choices->addWidget(radiationLabel, 4, 0);
    choices->addWidget(cbxRadiation, 4, 1);
    choices->setColumnStretch(2, 1);

    grdResult = MakeTable("grdResult", {});
    grdResult->horizontalHeader()->setFixedHeight(2 * 21); // two lines of caption
    grdResult->setMinimumHeight(14 * 21 + 6);              // a year of months without scrolling
    grdSummary->setFixedHeight((kClimateVariableCount + 1) * 21 + 6);
    lblMessage = new QLabel;
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    prbRead = new QProgressBar;
    prbRead->setObjectName(QStringLiteral("prbRead"));
    prbRead->setRange(0, 100);
    prbRead->hide();

    auto* buttons = new QDialogButtonBox;
    btnImport = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    btnImport->setObjectName(QStringLiteral("btnImport"));
    btnCancel = buttons->addButton(QDialogButtonBox::Cancel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnImport->setEnabled(false);

    auto* record = new QVBoxLayout;
    record->addWidget(lblLayout);
    record->addWidget(lblSite);
    record->addWidget(grdColumns);
    record->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addLayout(choices);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(record);
    top->addSpacing(12);
    top->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblPeriod);
    layout->addWidget(grdSummary);
    layout->addWidget(new QLabel(QStringLiteral("The meteo data it gives:")));
    layout->addWidget(grdResult, 1);
    layout->addWidget(lblMessage);
    layout->addWidget(prbRead);
    layout->addWidget(buttons);
    resize(1000, 840);

    connect(btnImport, &QPushButton::clicked, this, &TfrmClimateImport::Take);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmClimateImport::reject);
    auto refreshYears = [this] {
        if (!filling)
            Refresh(cbxNormals->currentIndex() == 1); // daily normals gather the chosen years
    };
    connect(spnFrom, &QSpinBox::valueChanged, this, refreshYears);
    connect(spnTo, &QSpinBox::valueChanged, this, refreshYears);
    connect(cbxNormals, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling)
            return;
        // Dependable rainfall comes from monthly totals.
        filling = true;
        cbxRain->setEnabled(index == 0);
        if (index == 1)
            cbxRain->setCurrentIndex(0);
        filling = false;
        Refresh(index == 1);
    });
    connect(cbxRain, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling)
            Refresh(false);
    });
    connect(cbxRadiation, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling)
            Refresh(true);
    });
    connect(edtWindHeight, &QLineEdit::textEdited, this, [this] {
        windEdited = true;
        Refresh(false);
    });
}

bool TfrmClimateImport::NeedsRadiationUnit() const {
    const TClimateColumn* radiation = header.Column(TMeteoQuantity::Radiation);
    return radiation && !header.Column(TMeteoQuantity::Sunshine) &&
           radiation->Unit == TCsvUnit::None;
}

void TfrmClimateImport::ShowHeader() {
    std::string layout = ClimateLayoutText(header) + "; the date in " + header.DateColumns;
    if (!header.Ignored.empty()) {
        layout += ". Not used:";
        for (const std::string& name : header.Ignored)
            layout += " " + name;
    }
    SetText(lblLayout, layout);
    grdColumns->setRowCount(static_cast<int>(header.Columns.size()));
    grdColumns->setFixedHeight((grdColumns->rowCount() + 1) * 21 + 2 * grdColumns->frameWidth());
    for (int r = 0; r < static_cast<int>(header.Columns.size()); ++r) {
        const TClimateColumn& c = header.Columns[r];
        std::string unit = UnitLabel(c.Unit);
        if (!unit.empty() && !c.UnitStated)
            unit += " (assumed)";
        SetRow(grdColumns, r,
               {std::to_string(c.Position + 1), c.Header, MeteoQuantityName(c.Quantity), unit});
    }
    // As large as its cells: the list is short.
    grdColumns->resizeColumnsToContents();
    grdColumns->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdColumns->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdColumns->setFixedWidth(grdColumns->horizontalHeader()->length() +
                              2 * grdColumns->frameWidth());
    const bool askUnit = NeedsRadiationUnit();
    cbxRadiation->setVisible(askUnit);
    findChild<QLabel*>(QStringLiteral("lblRadiation"))->setVisible(askUnit);
    const double height = header.WindHeight.value_or(2);
    filling = true;
    edtWindHeight->setText(Q(data.GuiSettings.FormatValue(QuantityKind::Length, height)));
    filling = false;
    SetText(lblWindHeight, header.WindHeight ? "from the column " +
                                                   header.Column(TMeteoQuantity::WindSpeed)->Header
                                             : std::string("not in the record: 2 m assumed"));
}

TClimateImportOptions TfrmClimateImport::Options() const {
    TClimateImportOptions options;
    if (NeedsRadiationUnit() && cbxRadiation->currentIndex() > 0)
        options.RadiationUnit = kRadiationUnits[cbxRadiation->currentIndex() - 1];
    if (read) {
        options.Choices.FromYear = spnFrom->value();
        options.Choices.ToYear = spnTo->value();
    }
    options.Choices.DailyNormals = cbxNormals->currentIndex() == 1;
    options.Choices.RainP =
        cbxRain->currentIndex() == 0
            ? 0
            : kDependableRainP[static_cast<std::size_t>(cbxRain->currentIndex() - 1)];
    if (windEdited)
        options.Choices.WindHeight = data.GuiSettings.ParseValue(
            QuantityKind::Length, TextToNumber(edtWindHeight->text().toStdString()));
    return options;
}

bool TfrmClimateImport::Run() {
    setWindowModality(Qt::ApplicationModal);
    return Preview() && exec() == QDialog::Accepted;
}

bool TfrmClimateImport::Preview() {
    try {
        header = ReadClimateHeaderFile(fileName);
    } catch (const std::exception& e) {
        ShowError(kProcedure + std::string(e.what()));
        return false;
    }
    fileSize = static_cast<std::uint64_t>(QFileInfo(Q(fileName)).size());
    ShowHeader();
    show();
    Refresh(true);
    return !stopped;
}

void TfrmClimateImport::Refresh(bool reread) {
    if (reading)
        return;
    try {
        if (NeedsRadiationUnit() && cbxRadiation->currentIndex() <= 0) {
            read.reset();
            result.reset();
            ShowResult();
            ShowMessage("Choose the unit of the radiation column \"" +
                            header.Column(TMeteoQuantity::Radiation)->Header +
                            "\": the file does not say it.",
                        true);
            return;
        }
        if (reread || !read) {
            TClimateImportOptions options = Options();
            reading = true;
            stopRequested = false;
            for (QWidget* w : std::initializer_list<QWidget*>{
                     spnFrom, spnTo, cbxNormals, cbxRain, edtWindHeight, cbxRadiation, btnImport})
                w->setEnabled(false);
            prbRead->setValue(0);
            prbRead->setVisible(fileSize > kLongRecord);
            struct TDone {
                TfrmClimateImport* self;
                ~TDone() {
                    self->reading = false;
                    self->prbRead->hide();
                    for (QWidget* w : std::initializer_list<QWidget*>{
                             self->spnFrom, self->spnTo, self->cbxNormals, self->edtWindHeight,
                             self->cbxRadiation})
                        w->setEnabled(true);
                    self->cbxRain->setEnabled(self->cbxNormals->currentIndex() == 0);
                }
            };
            read.reset();
            result.reset();
            {
                TDone done{this};
                read = std::make_unique<TClimateRead>(ReadClimateForImport(
                    fileName, options, data.General, [this](double s) { return Progress(s); }));
            }
            ShowRead();
        }
        result = MakeClimateNormals(*read->Days, read->Info, Options().Choices, data.General,
                                    data.GuiSettings);
        std::string notes;
        for (const std::string& note : result->Notes)
            notes += (notes.empty() ? "" : "\n") + note;
        ShowMessage(notes, false);
    } catch (const TClimateReadStopped&) {
        stopped = true;
        QDialog::reject();
        return;
    } catch (const std::exception& e) {
        result.reset();
        ShowMessage(e.what(), true);
    }
    ShowResult();
}

void TfrmClimateImport::ShowRead() {
    const TClimateRecordInfo& info = read->Info;
    SetText(lblPeriod, "Period covered: " + ClimateDateText(info.First) + " to " +
                           ClimateDateText(info.Last) + ", " + std::to_string(info.DayCount) +
                           " days");
    std::string site =
        "Latitude " + SignedDegrees(read->Latitude.first) + " (" + read->Latitude.second + ")";
    if (info.Longitude)
        site += ", longitude " + SignedDegrees(*info.Longitude);
    if (info.Elevation)
        site += ", elevation " + FormatGeneral(*info.Elevation) + " m";
    const double general = LatitudeRadians(data.General) / kRadiansPerDegree;
    if (std::abs(general - read->Latitude.first) > 0.5)
        site += ". The sunshine limit of the meteo editor is the day length at the general "
                "data's latitude, " +
                SignedDegrees(general) + ".";
    SetText(lblSite, site);
    filling = true;
    for (QSpinBox* year : {spnFrom, spnTo})
        year->setRange(info.First.Year, info.Last.Year);
    if (!yearsShown) {
        spnFrom->setValue(info.First.Year);
        spnTo->setValue(info.Last.Year);
        yearsShown = true;
    }
    filling = false;
}

void TfrmClimateImport::ShowResult() {
    grdSummary->setRowCount(0);
    grdResult->setRowCount(0);
    btnImport->setEnabled(result.has_value() && !reading);
    if (!result)
        return;
    const auto rows = ClimateSummaryRows(*result);
    grdSummary->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        SetRow(grdSummary, r, {rows[r].begin(), rows[r].end()});

    // The values as the meteo editor will show them, a row per month (or per day).
    TGuiSettings shown = data.GuiSettings;
    shown.SetPeriodKind(result->DailyNormals ? 1 : 3);
    // The editor's two header rows in one: "Temperature" over "min (°C)".
    const TMeteoRowTexts captions = MeteoColumnCaptions(shown);
    grdResult->setColumnCount(kMeteoGridColumns);
    QStringList headers;
    std::size_t column = 0;
    for (const auto& [group, span] : MeteoColumnGroups())
        for (int i = 0; i < span && column < captions.size(); ++i, ++column)
            headers << Q(group).trimmed() + QLatin1Char('\n') + Q(captions[column]);
    grdResult->setHorizontalHeaderLabels(headers);
    const TMeteoGridTexts texts = MeteoGridTexts(result->Meteo, shown);
    grdResult->setRowCount(static_cast<int>(texts.size()));
    for (int r = 0; r < static_cast<int>(texts.size()); ++r)
        SetRow(grdResult, r, {texts[r].begin(), texts[r].end()});
}

void TfrmClimateImport::ShowMessage(const std::string& text, bool error) {
    SetText(lblMessage, text);
    lblMessage->setStyleSheet(error ? QStringLiteral("color: #c00000") : QString());
}

bool TfrmClimateImport::Progress(double share) {
    if (fileSize > kLongRecord) {
        const int percent = static_cast<int>(share * 100);
        prbRead->setValue(percent);
        emit ReadProgress(percent);
        QCoreApplication::processEvents();
    }
    return !stopRequested;
}

void TfrmClimateImport::reject() {
    if (reading) {
        stopRequested = true; // the read stops at its next progress report
        return;
    }
    QDialog::reject();
}

void TfrmClimateImport::closeEvent(QCloseEvent* event) {
    if (reading) {
        stopRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmClimateImport::Take() {
    if (!result || reading)
        return;
    TMeteo& meteo = data.Meteo;
    const auto target = meteo.Series();
    const auto source = result->Meteo.Series();
    for (int s = 0; s < TMeteo::kSeriesCount; ++s)
        *target[s] = *source[s];
    meteo.WindHeight = result->Meteo.WindHeight;
    accept();
}
