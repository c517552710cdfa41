#include "ui/fSchedule.h"

#include "core/cError.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "core/cProgramFolder.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "resources/cCropLibrary.h"
#include "ui/fReportCWR.h"
#include "ui/fScheduleResults.h"
#include "ui/fToolBar.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace {

namespace QK = QuantityKind;
constexpr int kPlain = -1;

const char* const kSoilFilter = "Soil files (*.soi)|*.soi|All files (*.*)|*.*";
const char* const kCsvFilter = "CSV files (*.csv)|*.csv|All files (*.*)|*.*";
const std::vector<std::string> kStageNames = {"initial", "development", "mid-season",
                                              "late season"};

TEditorValues ScheduleValues() {
    TEditorValues v;
    v.CaptionFormat = "Irrigation schedule [%s]";
    v.ClipboardTitle = "Irrigation schedule";
    v.OpenFilter = "Irrigation schedule files (*.sch)|*.sch|All files (*.*)|*.*";
    v.SaveAsFilter = v.OpenFilter;
    v.Extension = ".sch";
    v.Folder = &TGuiSettings::ScheduleFolder;
    v.ProposeWithExtension = true;
    return v;
}

QLineEdit* NumberEdit(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromUtf8(name));
    field->setMaximumWidth(90);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QLabel* NamedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

// A field and its unit side by side, as one row of a form.
QWidget* WithUnit(QWidget* field, QLabel* unit) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(unit);
    layout->addStretch();
    return row;
}

// Refills a choice list only when its entries changed: a list is often redrawn from inside its
// own key handling.
void SetItems(QComboBox* box, const std::vector<std::string>& items) {
    bool same = box->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == Q(items[i]);
    if (same)
        return;
    box->clear();
    for (const std::string& item : items)
        box->addItem(Q(item));
}

bool SameSoil(const TSoil& a, const TSoil& b) {
    return a.Description == b.Description && a.FieldCapacity == b.FieldCapacity &&
           a.WiltingPoint == b.WiltingPoint && a.AvailableWaterGiven == b.AvailableWaterGiven &&
           (!a.AvailableWaterGiven || a.AvailableWater == b.AvailableWater) &&
           a.InfiltrationRate == b.InfiltrationRate;
}

std::string ResponseText(const std::string& cropFile) {
    const TCropResponse r = CropResponseDefaults(cropFile);
    const std::string name = FileNamePart(cropFile);
    if (!r.PublishedP && !r.PublishedKy)
        return "No published p or Ky for " + name +
               ": the defaults p 0.50 and Ky 1.00 stand "
               "unless other values are entered.";
    std::string text = "Published for " + name + ": ";
    text += r.PublishedP ? "p " + FormatFixed(r.DepletionFraction, 2) + " (FAO-56)"
                         : "no p (default 0.50)";
    text += r.PublishedKy ? ", Ky " + FormatFixed(r.KySeason, 2) + " (FAO-33)"
                          : ", no Ky (default 1.00)";
    return text + ".";
}

} // namespace

TfrmSchedule::TfrmSchedule(TAllData& data, TfrmReportCWR& report, QWidget* owner)
    : TEditorBase(ScheduleValues(),
                  {[this]() -> std::string& { return model.Schedule().FileName; },
                   [this] { model.Schedule().Clear(); },
                   [this](const std::string& name) { return model.Schedule().Load(name); },
                   [this](const std::string& name) { model.Schedule().Save(name); }},
                  data, owner),
      model(data), reportWindow(report) {
    setObjectName(QStringLiteral("frmSchedule"));
    BuildCommands();
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(BuildSoilBox());
    boxes->addWidget(BuildCropBox());
    boxes->addWidget(BuildIrrigationBox());
    lblStatus = NamedLabel("lblStatus");
    lblStatus->setWordWrap(true);
    pgcResults = new TScheduleResults;
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes);
    layout->addWidget(lblStatus);
    layout->addWidget(pgcResults, 1);
    resize(1180, 780);
}

TfrmSchedule::~TfrmSchedule() = default;

// ---- building ----

void TfrmSchedule::BuildCommands() {
    TfrmToolBar* strip = ToolBar();
    actReport = strip->actShowReport;
    actReport->setText(QStringLiteral("Report"));
    actReport->setToolTip(QStringLiteral("Irrigation schedule report"));
    actExportCsv = new QAction(QStringLiteral("Export CSV"), this);
    actExportCsv->setObjectName(QStringLiteral("actExportCsv"));
    actExportCsv->setToolTip(QStringLiteral("Export the daily table as CSV"));
    strip->ToolBar->insertAction(actReport, actExportCsv);
    strip->ShowOnly({strip->FileNew1, strip->FileOpen1, strip->FileSave1, strip->FileSaveAs1,
                     strip->CopyToClipboard, actReport});
    QMenu* results = MenuBar()->addMenu(QStringLiteral("Results"));
    results->addActions({actExportCsv, actReport});
    connect(actExportCsv, &QAction::triggered, this, &TfrmSchedule::ExportCsv);
    connect(actReport, &QAction::triggered, this, &TfrmSchedule::ShowTextReport);
}

void TfrmSchedule::AddNumberField(QLineEdit* field, int kind,
                                  std::function<double(const TSchedule&)> get,
                                  std::function<void(TSchedule&, double)> set) {
    numberFields.push_back({field, kind, std::move(get), std::move(set)});
    WatchNumberField(field, TNumberEntry::Decimal);
    const std::size_t index = numberFields.size() - 1;
    connect(field, &QLineEdit::editingFinished, this,
            [this, index] { CommitNumber(numberFields[index]); });
}

QWidget* TfrmSchedule::BuildSoilBox() {
    auto* box = new QGroupBox(QStringLiteral("Soil"));
    auto* form = new QFormLayout(box);
    cbxSoil = MakeChoice("cbxSoil", {});
    btnSoilOpen = new QPushButton(QStringLiteral("&Open soil..."));
    btnSoilOpen->setObjectName(QStringLiteral("btnSoilOpen"));
    btnSoilSave = new QPushButton(QStringLiteral("Save soil &as..."));
    btnSoilSave->setObjectName(QStringLiteral("btnSoilSave"));
    auto* buttons = new QWidget;
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(btnSoilOpen);
    row->addWidget(btnSoilSave);
    edtSoilName = new QLineEdit;
    edtSoilName->setObjectName(QStringLiteral("edtSoilName"));
    ckbxAvailableWater = new QCheckBox(QStringLiteral("Total available water entered directly"));
    ckbxAvailableWater->setObjectName(QStringLiteral("ckbxAvailableWater"));
    edtFieldCapacity = NumberEdit("edtFieldCapacity");
    edtWiltingPoint = NumberEdit("edtWiltingPoint");
    edtAvailableWater = NumberEdit("edtAvailableWater");
    edtInfiltration = NumberEdit("edtInfiltration");
    edtInitialDepletion = NumberEdit("edtInitialDepletion");
    auto* tawUnit = NamedLabel("lblAvailableWaterUnit");
    auto* infiltrationUnit = NamedLabel("lblInfiltrationUnit");
    depthUnitLabels = {tawUnit, infiltrationUnit};

    form->addRow(QStringLiteral("Soil library"), cbxSoil);
    form->addRow(QString(), buttons);
    form->addRow(QStringLiteral("Name"), edtSoilName);
    form->addRow(ckbxAvailableWater);
    form->addRow(QStringLiteral("Field capacity (m3/m3)"), edtFieldCapacity);
    form->addRow(QStringLiteral("Wilting point (m3/m3)"), edtWiltingPoint);
    form->addRow(QStringLiteral("Total available water"), WithUnit(edtAvailableWater, tawUnit));
    form->addRow(QStringLiteral("Rain infiltration"), WithUnit(edtInfiltration, infiltrationUnit));
    form->addRow(QStringLiteral("Initial depletion (% of TAW)"), edtInitialDepletion);

    AddNumberField(
        edtFieldCapacity, kPlain, [](const TSchedule& s) { return s.Soil.FieldCapacity; },
        [](TSchedule& s, double v) { s.Soil.FieldCapacity = v; });
    AddNumberField(
        edtWiltingPoint, kPlain, [](const TSchedule& s) { return s.Soil.WiltingPoint; },
        [](TSchedule& s, double v) { s.Soil.WiltingPoint = v; });
    AddNumberField(
        edtAvailableWater, QK::Depth,
        [](const TSchedule& s) { return s.Soil.AvailableWaterPerMetre(); },
        [](TSchedule& s, double v) { s.Soil.AvailableWater = v; });
    AddNumberField(
        edtInfiltration, QK::Depth, [](const TSchedule& s) { return s.Soil.InfiltrationRate; },
        [](TSchedule& s, double v) { s.Soil.InfiltrationRate = v; });
    AddNumberField(
        edtInitialDepletion, kPlain, [](const TSchedule& s) { return s.Soil.InitialDepletion; },
        [](TSchedule& s, double v) { s.Soil.InitialDepletion = v; });
    WatchTextField(edtSoilName);
    connect(edtSoilName, &QLineEdit::editingFinished, this, [this] {
        const std::string name = edtSoilName->text().toStdString();
        if (!displaying && name != model.Schedule().Soil.Description)
            Change([&name](TSchedule& s) { s.Soil.Description = name; });
    });
    connect(ckbxAvailableWater, &QCheckBox::clicked, this, [this](bool given) {
        // The soil keeps its total available water when the way of giving it changes.
        Change([given](TSchedule& s) {
            s.Soil.AvailableWater = s.Soil.AvailableWaterPerMetre();
            s.Soil.AvailableWaterGiven = given;
        });
    });
    connect(cbxSoil, &QComboBox::activated, this, &TfrmSchedule::SelectLibrarySoil);
    connect(btnSoilOpen, &QPushButton::clicked, this, &TfrmSchedule::OpenSoil);
    connect(btnSoilSave, &QPushButton::clicked, this, &TfrmSchedule::SaveSoil);
    return box;
}

QWidget* TfrmSchedule::BuildCropBox() {
    auto* box = new QGroupBox(QStringLiteral("Crop"));
    auto* form = new QFormLayout(box);
    cbxCrop = MakeChoice("cbxCrop", {});
    // The lines are known only when the window runs: the box follows the longest.
    cbxCrop->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    edtP = NumberEdit("edtP");
    edtKySeason = NumberEdit("edtKySeason");
    auto* stages = new QWidget;
    auto* row = new QHBoxLayout(stages);
    row->setContentsMargins(0, 0, 0, 0);
    const char* names[] = {"edtKyInitial", "edtKyDevelopment", "edtKyMid", "edtKyLate"};
    for (int stage = 0; stage < 4; ++stage) {
        edtKyStage[stage] = NumberEdit(names[stage]);
        edtKyStage[stage]->setMaximumWidth(56);
        edtKyStage[stage]->setToolTip(Q("Ky of the " + kStageNames[stage] + " stage (0: none)"));
        row->addWidget(edtKyStage[stage]);
        AddNumberField(
            edtKyStage[stage], kPlain, [stage](const TSchedule& s) { return s.KyStage[stage]; },
            [stage](TSchedule& s, double v) { s.KyStage[stage] = v; });
    }
    lblDefaults = NamedLabel("lblDefaults");
    lblDefaults->setWordWrap(true);
    lblDefaults->setMinimumWidth(300);
    form->addRow(QStringLiteral("Crop of the pattern"), cbxCrop);
    form->addRow(QStringLiteral("Depletion fraction p"), edtP);
    form->addRow(QStringLiteral("Ky of the season"), edtKySeason);
    form->addRow(QStringLiteral("Ky of the stages"), stages);
    form->addRow(lblDefaults);
    AddNumberField(
        edtP, kPlain, [](const TSchedule& s) { return s.DepletionFraction; },
        [](TSchedule& s, double v) { s.DepletionFraction = v; });
    AddNumberField(
        edtKySeason, kPlain, [](const TSchedule& s) { return s.KySeason; },
        [](TSchedule& s, double v) { s.KySeason = v; });
    connect(cbxCrop, &QComboBox::activated, this, &TfrmSchedule::SelectCropLine);
    return box;
}

QWidget* TfrmSchedule::BuildIrrigationBox() {
    auto* box = new QGroupBox(QStringLiteral("Irrigation"));
    auto* form = new QFormLayout(box);
    cbxTiming = MakeChoice("cbxTiming", TimingChoices());
    edtTiming = NumberEdit("edtTiming");
    lblTimingUnit = NamedLabel("lblTimingUnit");
    cbxApplication = MakeChoice("cbxApplication", ApplicationChoices());
    edtApplication = NumberEdit("edtApplication");
    lblApplicationUnit = NamedLabel("lblApplicationUnit");
    edtEfficiency = NumberEdit("edtEfficiency");
    cbxMethod = MakeChoice("cbxMethod", {Et0MethodName(TEt0Method::PenmanMonteith),
                                         Et0MethodName(TEt0Method::ModPenman),
                                         Et0MethodName(TEt0Method::Hargreaves)});
    cbxRainfall = MakeChoice("cbxRainfall", {});
    form->addRow(QStringLiteral("Irrigate"), cbxTiming);
    form->addRow(QString(), WithUnit(edtTiming, lblTimingUnit));
    form->addRow(QStringLiteral("Apply"), cbxApplication);
    form->addRow(QString(), WithUnit(edtApplication, lblApplicationUnit));
    form->addRow(QStringLiteral("Application efficiency (%)"), edtEfficiency);
    form->addRow(QStringLiteral("ET0 method"), cbxMethod);
    form->addRow(QStringLiteral("Effective rainfall"), cbxRainfall);

    // The value field of the timing follows the option: % of RAW, days or a depth.
    numberFields.push_back({edtTiming, kPlain,
                            [](const TSchedule& s) {
                                switch (s.Timing) {
                                case TScheduleTiming::PercentOfRAW:
                                    return s.TimingPercentOfRAW;
                                case TScheduleTiming::FixedInterval:
                                    return static_cast<double>(s.TimingInterval);
                                case TScheduleTiming::DepletionDepth:
                                    return s.TimingDepletion;
                                case TScheduleTiming::Never:
                                    break;
                                }
                                return 0.0;
                            },
                            [](TSchedule& s, double v) {
                                if (s.Timing == TScheduleTiming::PercentOfRAW)
                                    s.TimingPercentOfRAW = v;
                                else if (s.Timing == TScheduleTiming::FixedInterval)
                                    s.TimingInterval =
                                        static_cast<int>(std::clamp(v, -1.0, 1000.0));
                                else if (s.Timing == TScheduleTiming::DepletionDepth)
                                    s.TimingDepletion = v;
                            }});
    WatchNumberField(edtTiming, TNumberEntry::Decimal);
    const std::size_t timing = numberFields.size() - 1;
    connect(edtTiming, &QLineEdit::editingFinished, this,
            [this, timing] { CommitNumber(numberFields[timing]); });
    AddNumberField(
        edtApplication, QK::Depth,
        [](const TSchedule& s) {
            return s.Application == TScheduleApplication::RefillLessRoom ? s.RoomForRain
                                                                         : s.ApplicationDepth;
        },
        [](TSchedule& s, double v) {
            if (s.Application == TScheduleApplication::RefillLessRoom)
                s.RoomForRain = v;
            else
                s.ApplicationDepth = v;
        });
    AddNumberField(
        edtEfficiency, kPlain, [](const TSchedule& s) { return s.Efficiency; },
        [](TSchedule& s, double v) { s.Efficiency = v; });

    connect(cbxTiming, &QComboBox::activated, this, [this](int index) {
        Change([index](TSchedule& s) { s.Timing = static_cast<TScheduleTiming>(index); });
    });
    connect(cbxApplication, &QComboBox::activated, this, [this](int index) {
        Change([index](TSchedule& s) { s.Application = static_cast<TScheduleApplication>(index); });
    });
    connect(cbxMethod, &QComboBox::activated, this, [this](int index) {
        model.SetMethod(static_cast<TEt0Method>(index));
        Display();
    });
    connect(cbxRainfall, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(model.RainfallMethods().size()))
            model.SetRainfall(model.RainfallMethods()[index]);
        Display();
    });
    return box;
}

// ---- lifecycle ----

void TfrmSchedule::Open() {
    model.Open();
    FillSoilLibrary();
    ShowEditor();
}

void TfrmSchedule::Execute() {
    ExecuteModal([this] { Open(); });
}

void TfrmSchedule::OnShowEditor() {
    if (model.Schedule().FileName.empty())
        New();
    else
        ShowRecordAndCaption();
}

// ---- the editor's operations ----

void TfrmSchedule::SetUnitCaptions() {
    const std::string depth = Units().CurrentUnitLabel(QK::Depth);
    SetText(depthUnitLabels[0], depth + " per m of soil");
    SetText(depthUnitLabels[1], depth + " per day");
    Display();
}

void TfrmSchedule::ShowDefaults() {
    // A new schedule is for the pattern's first crop, with that crop's published values.
    if (Data().CropPattern.Count() > 0)
        SelectCropLine(0);
    else
        model.Run();
    SetModified(false);
    Display();
}

void TfrmSchedule::ShowRecord() {
    model.Run();
    Display();
}

void TfrmSchedule::ShowOpenedRecord() {
    UpdateCaption();
    model.Run();
    Display();
    if (model.CropLinePosition() < 0)
        ShowError(model.Error());
}

void TfrmSchedule::StoreFields(const std::string& fileName) {
    model.Schedule().FileName = fileName;
}

bool TfrmSchedule::SaveRefused() {
    const std::string refused = ScheduleValueError(model.Schedule());
    if (refused.empty())
        return false;
    ShowError(refused);
    return true;
}

std::vector<std::string> TfrmSchedule::ClipboardBody() {
    std::vector<std::string> lines;
    const std::string text = ScheduleClipboardText(model.Table());
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// ---- edits ----

std::string TfrmSchedule::Shown(const TNumberField& field) const {
    const TSchedule& s = model.Schedule();
    const double value = field.Get(s);
    const bool depthTiming =
        field.Field == edtTiming && s.Timing == TScheduleTiming::DepletionDepth;
    if (field.Kind >= 0 || depthTiming)
        return Units().FormatValue(depthTiming ? QK::Depth : field.Kind, value);
    return FormatGeneral(value);
}

void TfrmSchedule::CommitNumber(const TNumberField& field) {
    const std::string text = field.Field->text().toStdString();
    if (displaying || text == Shown(field))
        return;
    displaying = true; // a message box taking the focus finishes the edit once more
    double value = 0;
    try {
        value = TextToNumber(text);
    } catch (const TQueltaError& e) {
        displaying = false;
        ShowError(e.what());
        Display();
        return;
    }
    const TSchedule& s = model.Schedule();
    const bool depthTiming =
        field.Field == edtTiming && s.Timing == TScheduleTiming::DepletionDepth;
    if (field.Kind >= 0 || depthTiming)
        value = Units().ParseValue(depthTiming ? QK::Depth : field.Kind, value);
    displaying = false;
    Change([&field, value](TSchedule& changed) { field.Set(changed, value); });
}

void TfrmSchedule::Change(const std::function<void(TSchedule&)>& change) {
    if (displaying)
        return;
    const std::string refused = model.Change(change);
    if (!refused.empty()) {
        displaying = true;
        ShowError(refused);
        displaying = false;
    } else {
        SetModified(true);
    }
    Display();
}

void TfrmSchedule::SelectCropLine(int position) {
    if (position < 0 || position >= Data().CropPattern.Count())
        return;
    const TCropPatternLine& line = Data().CropPattern.GetCropLine(position + 1);
    const TCropResponse response = CropResponseDefaults(line.CropFileName);
    Change([&line, &response](TSchedule& s) {
        SelectScheduleLine(s, line);
        s.DepletionFraction = response.DepletionFraction;
        s.KySeason = response.KySeason;
        s.KyStage = response.KyStage;
    });
}

// ---- soils ----

// The soils of the Soil folder, and those supplied beside the program when the data folders
// are elsewhere (a program folder that cannot be written to); a name found twice is listed once.
void TfrmSchedule::FillSoilLibrary() {
    std::vector<std::string> files;
    std::vector<std::string> names;
    for (const std::string& folder : {Units().SoilFolder, ProgramFolder() + "/Soil"}) {
        std::error_code ec;
        if (folder.empty())
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".soi" &&
                std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
                files.push_back(entry.path().string());
            }
        }
    }
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return FileNamePart(a) < FileNamePart(b);
    });
    soilLibrary.clear();
    for (const std::string& file : files) {
        TSoil soil;
        soil.Clear();
        if (soil.Load(file)) // a damaged file has said so and is left out
            soilLibrary.push_back(soil);
    }
}

void TfrmSchedule::SelectLibrarySoil(int position) {
    if (position < 1 || position > static_cast<int>(soilLibrary.size()))
        return;
    const TSoil& soil = soilLibrary[position - 1];
    Change([&soil](TSchedule& s) {
        const double initial = s.Soil.InitialDepletion; // the field's, not the library's
        s.Soil = soil;
        s.Soil.InitialDepletion = initial;
    });
}

void TfrmSchedule::OpenSoil() {
    const std::string name = ToolBar()->OpenDialog(Units().SoilFolder, kSoilFilter);
    if (name.empty())
        return;
    TSoil soil;
    soil.Clear();
    const TReadErrorContext context(name, ExpectedFileKind(kSoilFilter));
    if (!soil.Load(name))
        return;
    Change([&soil](TSchedule& s) { s.Soil = soil; });
}

void TfrmSchedule::SaveSoil() {
    const TSoil& soil = model.Schedule().Soil;
    const std::string name =
        ToolBar()->SaveDialog(Units().SoilFolder, kSoilFilter, soil.Description);
    if (name.empty())
        return;
    try {
        soil.Save(ChangeFileExt(name, ".soi"));
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    FillSoilLibrary();
    Display();
}

// ---- commands ----

void TfrmSchedule::ExportCsv() {
    if (!model.Result())
        return;
    const std::string proposed = ChangeFileExt(FileNamePart(model.Schedule().FileName), "");
    const std::string name = ToolBar()->SaveDialog(Units().ReportFolder, kCsvFilter, proposed);
    if (name.empty())
        return;
    try {
        SaveFileAtomically(ChangeFileExt(name, ".csv"), ScheduleCsv(model.Table()));
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfrmSchedule::ShowTextReport() {
    if (model.Result())
        reportWindow.ShowReport(model.TextReport(), "Report Irrigation Schedule");
}

// ---- display ----

void TfrmSchedule::Display() {
    displaying = true;
    const TSchedule& s = model.Schedule();
    for (const TNumberField& field : numberFields)
        SetField(field.Field, Shown(field));
    SetField(edtSoilName, s.Soil.Description);
    ckbxAvailableWater->setChecked(s.Soil.AvailableWaterGiven);
    edtFieldCapacity->setEnabled(!s.Soil.AvailableWaterGiven);
    edtWiltingPoint->setEnabled(!s.Soil.AvailableWaterGiven);
    edtAvailableWater->setEnabled(s.Soil.AvailableWaterGiven);

    std::vector<std::string> soils = {"(the schedule's own soil)"};
    int librarySoil = 0;
    for (std::size_t i = 0; i < soilLibrary.size(); ++i) {
        soils.push_back(soilLibrary[i].Description);
        if (librarySoil == 0 && SameSoil(soilLibrary[i], s.Soil))
            librarySoil = static_cast<int>(i) + 1;
    }
    SetItems(cbxSoil, soils);
    cbxSoil->setCurrentIndex(librarySoil);

    SetItems(cbxCrop, model.CropLines());
    cbxCrop->setCurrentIndex(model.CropLinePosition());
    SetText(lblDefaults, s.CropFileName.empty() ? std::string() : ResponseText(s.CropFileName));

    cbxTiming->setCurrentIndex(static_cast<int>(s.Timing));
    const std::string depth = Units().CurrentUnitLabel(QK::Depth);
    const char* timingUnits[] = {"% of RAW", "days", "", ""};
    SetText(lblTimingUnit, s.Timing == TScheduleTiming::DepletionDepth
                               ? depth
                               : timingUnits[static_cast<int>(s.Timing)]);
    edtTiming->setEnabled(s.Timing != TScheduleTiming::Never);
    cbxApplication->setCurrentIndex(static_cast<int>(s.Application));
    edtApplication->setEnabled(s.Application != TScheduleApplication::RefillToFieldCapacity);
    SetText(lblApplicationUnit, s.Application == TScheduleApplication::RefillLessRoom
                                    ? depth + " room for rain"
                                    : depth);
    cbxMethod->setCurrentIndex(static_cast<int>(model.Method()));
    std::vector<std::string> rainfall;
    int rainfallPosition = 0;
    for (TRainfallMethod method : model.RainfallMethods()) {
        rainfall.push_back(RainfallMethodName(method));
        if (method == model.Rainfall())
            rainfallPosition = static_cast<int>(rainfall.size()) - 1;
    }
    SetItems(cbxRainfall, rainfall);
    cbxRainfall->setCurrentIndex(rainfallPosition);
    DisplayResults();
    displaying = false;
}

void TfrmSchedule::DisplayResults() {
    const bool ran = model.Result().has_value();
    pgcResults->Show(model.Table(), model.Summary(), Units());
    SetText(lblStatus, model.StatusLine());
    lblStatus->setStyleSheet(ran ? QString() : QStringLiteral("color: #b00000"));
    actExportCsv->setEnabled(ran);
    actReport->setEnabled(ran);
    ToolBar()->CopyToClipboard->setEnabled(ran);
}

void RunScheduleWindow(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner) {
    TfrmSchedule window(data, reportWindow, owner);
    window.Execute();
}
