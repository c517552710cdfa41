#include "ui/fStrategy.h"

#include "calc/uStrategyClipboard.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fReportCWR.h"
#include "ui/fStrategyCharts.h"
#include "ui/fStrategyGrid.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <sstream>

namespace {

TEditorValues StrategyValues() {
    TEditorValues v;
    v.CaptionFormat = "Water Management Strategy [%s]";
    v.ClipboardTitle = "Water Management Strategy";
    v.OpenFilter = "Water Balance Strategy files (*.str)|*.str|All files (*.*)|*.*";
    v.Extension = ".str";
    v.Folder = &TGuiSettings::StrategyFolder;
    v.RefreshMessage = WM_REFRESH_STRATEGY;
    return v;
}

} // namespace

TfrmStrategy::TfrmStrategy(TAllData& data, TStrategySources s, QWidget* owner)
    : TEditorBase(StrategyValues(),
                  {[&data]() -> std::string& { return data.Strategy.FileName; },
                   [&data] { data.Strategy.Clear(); },
                   [this](const std::string& name) { return model->Open(name); },
                   [&data](const std::string& name) { data.Strategy.Save(name); }},
                  data, owner),
      sources(std::move(s)) {
    setObjectName(QStringLiteral("frmStrategy"));
    model = std::make_unique<TStrategyModel>(data.Strategy, data.GuiSettings, sources.Project,
                                             FileNamePart(data.General.FileName));
    BuildTopStrip();

    pgcTracks = new QTabWidget;
    pgcWaterBalance = new QTabWidget;
    pgcWaterRequirement = new QTabWidget;
    pgcComparison = new QTabWidget;
    grdDataInput = BuildGrid(TStrategyPage::DataInput);
    grdStrategy = BuildGrid(TStrategyPage::WaterBalanceStrategy);
    grdInputETa = BuildGrid(TStrategyPage::InputETa);
    grdWaterRequirement = BuildGrid(TStrategyPage::WaterRequirementET);
    grdComparison = BuildGrid(TStrategyPage::Comparison);
    grdDataInput->SetEntry(DataInputColumn::ChangeGWTable, TNumberEntry::SignedDecimal);
    grdStrategy->SetEntry(StrategyColumn::DFUser, TNumberEntry::Decimal);

    pgcWaterBalance->addTab(BuildWaterBalancePage(), QStringLiteral("Water Balance"));
    pgcWaterBalance->addTab(grdDataInput, QStringLiteral("Data Input for gross Area"));
    pgcWaterBalance->addTab(grdStrategy, QStringLiteral("Water Balance Strategy"));
    pgcWaterRequirement->addTab(grdInputETa, QStringLiteral("Input ETa for Irrigated Area"));
    pgcWaterRequirement->addTab(BuildSoilPage(),
                                QStringLiteral("Soil Characteristics and Irrigation Methods"));
    pgcWaterRequirement->addTab(BuildWaterRequirementPage(),
                                QStringLiteral("Water Requirement for ET"));
    pgcComparison->addTab(grdComparison, QStringLiteral("Comparison of Water Requirements"));
    pgcTracks->addTab(pgcWaterBalance, QStringLiteral("Water Balance Track"));
    pgcTracks->addTab(pgcWaterRequirement, QStringLiteral("Water Requirement Track"));
    pgcTracks->addTab(pgcComparison, QStringLiteral("Comparison of Strategies"));
    Body()->layout()->addWidget(pgcTracks);

    if (!model->HasCrops()) {
        pgcWaterBalance->setTabVisible(0, false);
        pgcWaterBalance->setTabVisible(1, false);
        pgcWaterRequirement->setTabVisible(1, false);
        pgcWaterRequirement->setTabVisible(2, false);
        ShowFirstVisiblePage(pgcWaterBalance);
    }
    for (QTabWidget* pages : {pgcTracks, pgcWaterBalance, pgcWaterRequirement, pgcComparison})
        connect(pages, &QTabWidget::currentChanged, this, [this] { PageChanged(); });
    resize(980, 700);
}

TfrmStrategy::~TfrmStrategy() {
    delete charts; // the chart views themselves belong to the page
}

void TfrmStrategy::BuildTopStrip() {
    TfrmToolBar* strip = ToolBar();
    actReport = strip->actShowReport;
    actReport->setText(QStringLiteral("Report"));
    actReport->setToolTip(QStringLiteral("Create water management strategy report"));
    actReport->setStatusTip(actReport->toolTip());
    strip->ShowOnly({strip->FileNew1, strip->FileOpen1, strip->FileSave1, strip->FileSaveAs1,
                     strip->CopyToClipboard, actReport});
    mnuReport = MenuBar()->addMenu(QStringLiteral("Report"));
    mnuReport->addAction(actReport);
    actReport->setEnabled(false);
    connect(actReport, &QAction::triggered, this, &TfrmStrategy::Report);
    // The strategy copies the shown page only, without the editors' head.
    disconnect(strip->CopyToClipboard, nullptr, this, nullptr);
    connect(strip->CopyToClipboard, &QAction::triggered, this, &TfrmStrategy::CopyPage);

    edtGeneralFile = new QLineEdit;
    edtGeneralFile->setObjectName(QStringLiteral("edtGeneralFile"));
    edtGeneralFile->setReadOnly(true);
    edtGeneralFile->setMinimumWidth(220);
    edtGeneralFile->setMaximumWidth(360);
    cbxMethod = new QComboBox;
    cbxMethod->setObjectName(QStringLiteral("cbxMethod"));
    cbxMethod->addItems({QStringLiteral("Penman - Monteith"), QStringLiteral("FAO Modified Penman"),
                         QStringLiteral("Modified Hargreaves")});
    connect(cbxMethod, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (displaying || !activated || index < 0)
            return;
        model->SetMethod(index);
        SetModified(true);
        Display();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("General file")));
    row->addWidget(edtGeneralFile);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("Method")));
    row->addWidget(cbxMethod);
    row->addStretch();
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
}

TStrategyGridView* TfrmStrategy::BuildGrid(TStrategyPage page) {
    auto* grid = new TStrategyGridView(page, model->GridOf(page), nullptr);
    ConnectGrid(grid);
    return grid;
}

void TfrmStrategy::ConnectGrid(TStrategyGridView* grid) {
    grid->Edited = [this, grid](int month, int column, const std::string& text) {
        SetModified(true);
        switch (grid->Page()) {
        case TStrategyPage::DataInput:
            model->EditDataInputCell(month, column, text);
            break;
        case TStrategyPage::WaterBalanceStrategy:
            model->EditUserDF(month, text);
            break;
        case TStrategyPage::InputETa:
            model->EditETa(month, text);
            break;
        default:
            return;
        }
        Display();
    };
    grid->Pasted = [this, grid](int month, int column, const std::string& text) {
        if (!model->PasteIntoGrid(grid->Page(), month, column, text))
            return;
        SetModified(true);
        Display();
    };
}

// ---- lifecycle ----

void TfrmStrategy::Open() {
    ShowEditor();
    Activate();
    CheckCroppedArea();
}

void TfrmStrategy::Execute() {
    ExecuteModal([this] { Open(); });
}

// The first activation brings every page set back to its first page; the pages keep what the
// last refresh showed. Later activations (after a message box, say) leave the user's page alone.
void TfrmStrategy::Activate() {
    if (activated)
        return;
    activated = true;
    displaying = true;
    for (QTabWidget* pages : {pgcTracks, pgcWaterBalance, pgcWaterRequirement, pgcComparison})
        ShowFirstVisiblePage(pages);
    displaying = false;
    Display();
}

// A pattern without crops hides the first pages: the first page is then the first one shown.
void TfrmStrategy::ShowFirstVisiblePage(QTabWidget* pages) {
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i)) {
            pages->setCurrentIndex(i);
            return;
        }
}

bool TfrmStrategy::CheckCroppedArea() {
    const std::string message = model->CroppedAreaMessage();
    if (message.empty())
        return true;
    ShowError(message);
    SetModified(false);
    close();
    return false;
}

void TfrmStrategy::OnShowEditor() {
    // The record is read from its file again; without one the window starts a new strategy.
    model->Show();
    SetModified(false);
    UpdateCaption();
    if (Data().Strategy.FileName.empty())
        charts->Clear();
    Display();
}

bool TfrmStrategy::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Activate();
    return TEditorBase::event(e);
}

void TfrmStrategy::closeEvent(QCloseEvent* e) {
    TEditorBase::closeEvent(e);
    if (!e->isAccepted())
        return;
    model->Reset();
    SetModified(false);
}

// ---- the editor's operations ----

void TfrmStrategy::SetUnitCaptions() {
    model->SetUnitCaptions();
    const TGuiSettings& units = Units();
    const std::string length = units.CurrentUnitLabel(QuantityKind::Length);
    charts->SetGWTAxisTitle("Change of groundwater table (" + length + " per month)");
    SetText(lblCapRiseCaption, "Heigth of capillary rise (" + length + ") for a flow rate of");
    const std::string rate = units.CurrentUnitLabel(QuantityKind::DepthPerDay);
    for (int i = 0; i < 3; ++i)
        SetText(lblFlowRate[i],
                units.FormatValue(QuantityKind::DepthPerDay, 0.5 * (1 << i)) + " " + rate);
    SetText(lblAreaCaption,
            "Size of irrigable area (" + units.CurrentUnitLabel(QuantityKind::Area) + ")");
    SetText(lblDepthCaption, "Depth to groundwater table on 1 January (" + length + ")");
    Display();
}

void TfrmStrategy::ShowDefaults() {
    model->Reset();
    charts->Clear();
    Display();
}

void TfrmStrategy::ShowRecord() {
    model->ShowRecord();
    Display();
}

void TfrmStrategy::ShowOpenedRecord() {
    // The model has shown the record, or reset the window for a strategy of another project.
    UpdateCaption();
    Display();
}

void TfrmStrategy::StoreFields(const std::string& fileName) {
    model->StoreFields(fileName);
}

std::vector<std::string> TfrmStrategy::ClipboardBody() {
    std::vector<std::string> lines;
    std::istringstream text(StrategyClipboardText(*model, ShownPage(), Units()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void TfrmStrategy::CopyPage() {
    QGuiApplication::clipboard()->setText(Q(StrategyClipboardText(*model, ShownPage(), Units())));
}

void TfrmStrategy::Report() {
    if (!model->ReportEnabled())
        return;
    const TStrategyReportHeader header =
        sources.ReportHeader ? sources.ReportHeader() : TStrategyReportHeader{};
    TReportBuilder report;
    WriteStrategyReport(header, StrategyReportTexts(*model), report);
    if (sources.ReportWindow)
        sources.ReportWindow->ShowReport(report.Lines(), "Report Water Management Strategy");
}

// ---- pages ----

TStrategyPage TfrmStrategy::ShownPage() const {
    switch (pgcTracks->currentIndex()) {
    case 0: {
        static const TStrategyPage pages[] = {TStrategyPage::WaterBalance, TStrategyPage::DataInput,
                                              TStrategyPage::WaterBalanceStrategy};
        return pages[std::max(0, pgcWaterBalance->currentIndex())];
    }
    case 1: {
        static const TStrategyPage pages[] = {TStrategyPage::InputETa, TStrategyPage::Soil,
                                              TStrategyPage::WaterRequirementET};
        return pages[std::max(0, pgcWaterRequirement->currentIndex())];
    }
    default:
        return TStrategyPage::Comparison;
    }
}

void TfrmStrategy::ShowPage(TStrategyPage page) {
    switch (page) {
    case TStrategyPage::WaterBalance:
    case TStrategyPage::DataInput:
    case TStrategyPage::WaterBalanceStrategy:
        pgcTracks->setCurrentIndex(0);
        pgcWaterBalance->setCurrentIndex(static_cast<int>(page));
        break;
    case TStrategyPage::InputETa:
    case TStrategyPage::Soil:
    case TStrategyPage::WaterRequirementET:
        pgcTracks->setCurrentIndex(1);
        pgcWaterRequirement->setCurrentIndex(static_cast<int>(page) -
                                             static_cast<int>(TStrategyPage::InputETa));
        break;
    case TStrategyPage::Comparison:
        pgcTracks->setCurrentIndex(2);
        break;
    }
}

void TfrmStrategy::PageChanged() {
    if (displaying)
        return;
    model->ShowPage(ShownPage());
    Display();
}

void TfrmStrategy::Display() {
    if (!model)
        return;
    displaying = true;
    SetField(edtGeneralFile, model->GeneralFile());
    cbxMethod->setCurrentIndex(model->Method());
    DisplayWaterBalance();
    grdDataInput->Show(model->DataInput());
    grdStrategy->Show(model->WaterBalanceStrategy());
    grdInputETa->Show(model->InputETa());
    DisplaySoil();
    DisplayWaterRequirement();
    grdComparison->Show(model->Comparison());
    // Refreshing the comparison page enables the report; showing a record refreshes it too.
    actReport->setEnabled(model->ReportEnabled() && ShownPage() == TStrategyPage::Comparison);
    ToolBar()->CopyToClipboard->setEnabled(ShownPage() != TStrategyPage::WaterBalance);
    displaying = false;
}

void RunStrategyWindow(TAllData& data, TStrategySources sources, QWidget* owner) {
    TfrmStrategy window(data, std::move(sources), owner);
    window.Execute();
}
