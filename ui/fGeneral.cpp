#include "ui/fGeneral.h"

#include "calc/uCurveNumber.h"
#include "calc/uGeneralRanges.h"
#include "calc/uRangeCheck.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fUpDown.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uQtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const std::vector<std::string> kPeriods{"Day", "Week", "Month"};
const std::vector<std::string> kIntervals{"2", "4", "7", "10", "20"};
const std::vector<std::string> kHemispheres{"North", "South"};

TEditorValues GeneralValues() {
    TEditorValues v;
    v.CaptionFormat = "General data [%s]";
    v.ClipboardTitle = "General Data";
    v.OpenFilter = "General files (*.gen)|*.gen|All files (*.*)|*.*";
    v.Extension = ".gen";
    v.Folder = &TGuiSettings::GeneralFolder;
    v.Notifications = {WM_REFRESH_MAIN, WM_REFRESH_METEO, WM_REFRESH_CROPFACTOR};
    v.RefreshMessage = WM_REFRESH_GENERAL;
    v.NewPrompt = "Save changes?";
    return v;
}

QLineEdit* MakeEdit(const char* name, int width) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromUtf8(name));
    if (width > 0)
        edit->setFixedWidth(width);
    return edit;
}

void SelectText(QComboBox* box, const std::string& text) {
    box->setCurrentIndex(box->findText(Q(text), Qt::MatchExactly));
}

// Black on white, or red text for a value out of range; a disabled field keeps its grey look.
void Colour(QWidget* field, bool valid) {
    QPalette palette = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, valid ? Qt::black : Qt::red);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    field->setPalette(palette);
}

// The land-use rows line up in columns only in a fixed-pitch font.
QFont TableFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

} // namespace

TfrmGeneral::TfrmGeneral(TAllData& data, QWidget* owner)
    : TEditorBase(GeneralValues(), AccessTo(data.General), data, owner) {
    setObjectName(QStringLiteral("TfrmGeneral"));
    BuildFields();

    for (QLineEdit* text : {edtCountry, edtRegion, edtDescript})
        WatchTextField(text);
    WatchNumberField(edtLatiDegrees, TNumberEntry::WholeNumber);
    WatchNumberField(edtLatiMinutes, TNumberEntry::WholeNumber);
    WatchNumberField(edtAlti, TNumberEntry::SignedDecimal);
    for (QLineEdit* number : {edtTot_Area, edtS_Area, edtDm_of_watappl, edtFixedpercent})
        WatchNumberField(number, TNumberEntry::Decimal);
    const std::pair<QLineEdit*, TGeneralField> hinted[] = {
        {edtLatiDegrees, TGeneralField::Degrees},
        {edtLatiMinutes, TGeneralField::Minutes},
        {edtAlti, TGeneralField::Altitude},
        {edtTot_Area, TGeneralField::GrossArea},
        {edtS_Area, TGeneralField::IrrigableArea},
        {edtDm_of_watappl, TGeneralField::Depth},
        {edtFixedpercent, TGeneralField::FixedPercent}};
    for (const auto& [field, kind] : hinted)
        SetRangeHint(field, [this, kind = kind] { return GeneralRangeHint(kind, Units()); });

    // The up-downs come after the key watch, so Up and Down in the field step without typing.
    updLatiDegrees = new TUpDown(edtLatiDegrees, 0, kMaxLatitudeDegrees);
    updLatiDegrees->setObjectName(QStringLiteral("updLatiDegrees"));
    updLatiMinutes = new TUpDown(edtLatiMinutes, 0, kMaxLatitudeMinutes);
    updLatiMinutes->setObjectName(QStringLiteral("updLatiMinutes"));
    auto* latitude = static_cast<QHBoxLayout*>(edtLatiDegrees->parentWidget()->layout());
    latitude->insertWidget(1, updLatiDegrees);
    latitude->addWidget(updLatiMinutes);
    latitude->addStretch(1);
    connect(updLatiDegrees, &TUpDown::Clicked, this, &TfrmGeneral::DegreesClicked);
    connect(updLatiMinutes, &TUpDown::Clicked, this, &TfrmGeneral::MinutesClicked);

    connect(cbxHemis, &QComboBox::activated, this, [this] {
        SetModified(true);
        StoreAndNotify();
    });
    connect(cbxApplInt, &QComboBox::activated, this, [this] {
        SetModified(true);
        StoreAndNotify();
    });
    connect(cbxCalcPer, &QComboBox::activated, this, &TfrmGeneral::ApplyCalculationPeriodRule);
    connect(ckbxCNM, &QCheckBox::clicked, this, [this](bool checked) {
        SetModified(true);
        EnableCurveNumberChoices(checked);
        if (checked)
            ShowCurveNumber();
        Data().General.SetUseCurveNumber(checked);
    });
    auto landUseChanged = [this] {
        SetModified(true);
        ShowCurveNumber();
    };
    connect(cbxCNM1, &QComboBox::activated, this, landUseChanged);
    connect(cbxCNM2, &QComboBox::activated, this, landUseChanged);
    connect(ckbxFixedPercent, &QCheckBox::clicked, this, [this](bool checked) {
        SetModified(true);
        edtFixedpercent->setEnabled(checked);
        Data().General.SetUseFixedPercent(checked);
    });

    SetTabOrder({edtCountry, edtRegion, edtDescript, cbxHemis, edtLatiDegrees, edtLatiMinutes,
                 edtAlti, edtTot_Area, edtS_Area, cbxCalcPer, edtDm_of_watappl, cbxApplInt, ckbxCNM,
                 cbxCNM1, cbxCNM2, ckbxFixedPercent, edtFixedpercent});
    ShowDefaults();
    SetModified(false);
}

void TfrmGeneral::BuildFields() {
    edtCountry = MakeEdit("edtCountry", 0);
    edtRegion = MakeEdit("edtRegion", 0);
    edtDescript = MakeEdit("edtDescript", 0);
    cbxHemis = MakeChoice("cbxHemis", kHemispheres);
    edtLatiDegrees = MakeEdit("edtLatiDegrees", 44);
    edtLatiMinutes = MakeEdit("edtLatiMinutes", 44);
    edtAlti = MakeEdit("edtAlti", 110);
    edtTot_Area = MakeEdit("edtTot_Area", 110);
    edtS_Area = MakeEdit("edtS_Area", 110);
    cbxCalcPer = MakeChoice("cbxCalcPer", kPeriods);
    edtDm_of_watappl = MakeEdit("edtDm_of_watappl", 110);
    cbxApplInt = MakeChoice("cbxApplInt", kIntervals);
    for (QComboBox* box : {cbxHemis, cbxCalcPer, cbxApplInt})
        box->setMinimumWidth(110);
    lblAlti = new QLabel;
    lblTot_Area = new QLabel;
    lblS_Area = new QLabel;
    lblDm_of_watappl = new QLabel;

    auto* site = new QGroupBox(QStringLiteral("Site and project"));
    auto* grid = new QGridLayout(site);
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto add = [&](QLabel* caption, QWidget* field) {
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    auto fixed = [](const char* text) { return new QLabel(QString::fromUtf8(text)); };
    add(fixed("Country"), edtCountry);
    add(fixed("Name of region or project"), edtRegion);
    add(fixed("Description of irrigated area"), edtDescript);
    auto* hemisphere = new QWidget;
    auto* hemisphereRow = new QHBoxLayout(hemisphere);
    hemisphereRow->setContentsMargins(0, 0, 0, 0);
    hemisphereRow->addWidget(cbxHemis);
    hemisphereRow->addStretch(1);
    add(fixed("Hemisphere"), hemisphere);
    auto* latitude = new QWidget;
    auto* latitudeRow = new QHBoxLayout(latitude);
    latitudeRow->setContentsMargins(0, 0, 0, 0);
    latitudeRow->setSpacing(2);
    latitudeRow->addWidget(edtLatiDegrees);
    latitudeRow->addSpacing(6);
    latitudeRow->addWidget(new QLabel(QStringLiteral(".")));
    latitudeRow->addSpacing(6);
    latitudeRow->addWidget(edtLatiMinutes);
    add(fixed("Latitude (degrees.minutes)"), latitude);
    auto left = [](QWidget* field) {
        auto* holder = new QWidget;
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(field);
        layout->addStretch(1);
        return holder;
    };
    add(lblAlti, left(edtAlti));
    add(lblTot_Area, left(edtTot_Area));
    add(lblS_Area, left(edtS_Area));
    add(fixed("Calculation period"), left(cbxCalcPer));
    add(lblDm_of_watappl, left(edtDm_of_watappl));
    add(fixed("Interval between applications (days)"), left(cbxApplInt));

    // Effective rainfall: the default method, the Curve Number method with its table, or a fixed
    // percentage of the precipitation.
    ckbxCNM =
        new QCheckBox(QStringLiteral("Use Curve Number Method\nto calculate effective rainfall"));
    ckbxCNM->setObjectName(QStringLiteral("ckbxCNM"));
    cbxCNM1 = new QComboBox;
    cbxCNM1->setObjectName(QStringLiteral("cbxCNM1"));
    cbxCNM1->setFont(TableFont());
    for (int i = 0; i < kLandUseRows; ++i)
        cbxCNM1->addItem(Q(LandUseText(i)));
    cbxCNM1->setMaxVisibleItems(20);
    cbxCNM2 = MakeChoice("cbxCNM2", {"A", "B", "C", "D"});
    lblSelectedCNValue = new QLabel;
    lblSelectedCNValue->setObjectName(QStringLiteral("lblSelectedCNValue"));
    QFont bold = lblSelectedCNValue->font();
    bold.setBold(true);
    lblSelectedCNValue->setFont(bold);
    lblSelectedCNValue->setMinimumWidth(30);
    ckbxFixedPercent = new QCheckBox(
        QStringLiteral("Use fixed % of precipitation to\ncalculate effective rainfall"));
    ckbxFixedPercent->setObjectName(QStringLiteral("ckbxFixedPercent"));
    edtFixedpercent = MakeEdit("edtFixedpercent", 60);

    auto* rain = new QGroupBox(QStringLiteral("Effective rainfall"));
    auto* rainGrid = new QGridLayout(rain);
    rainGrid->setHorizontalSpacing(12);
    rainGrid->addWidget(
        new QLabel(QStringLiteral("Default (USDA) method to calculate effective rainfall ")), 0, 0,
        1, 4);
    rainGrid->addWidget(ckbxCNM, 1, 0, 2, 1, Qt::AlignTop);
    // The three headers sit over the padded columns of the land-use texts.
    auto* headers =
        new QLabel(Q(std::string("Land use or cover") + std::string(10, ' ') + "Treatment or  " +
                     "Hydrological\n" + std::string(27, ' ') + "practise      conditions"));
    headers->setFont(TableFont());
    headers->setObjectName(QStringLiteral("lblLandUseHeaders"));
    rainGrid->addWidget(headers, 1, 1, Qt::AlignBottom);
    auto* groupCaption = new QLabel(QStringLiteral("Hydrological\nsoil group"));
    rainGrid->addWidget(groupCaption, 1, 2, Qt::AlignBottom);
    rainGrid->addWidget(cbxCNM1, 2, 1);
    rainGrid->addWidget(cbxCNM2, 2, 2);
    auto* selected = new QWidget;
    auto* selectedRow = new QHBoxLayout(selected);
    selectedRow->setContentsMargins(0, 0, 0, 0);
    selectedRow->addWidget(new QLabel(QStringLiteral("Selected Curve Number:")));
    selectedRow->addWidget(lblSelectedCNValue);
    rainGrid->addWidget(selected, 2, 3);
    rainGrid->addWidget(ckbxFixedPercent, 3, 0);
    rainGrid->addWidget(edtFixedpercent, 3, 1, Qt::AlignLeft | Qt::AlignVCenter);
    rainGrid->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(site);
    layout->addWidget(rain);
    layout->addStretch(1);
}

std::string TfrmGeneral::Text(const QLineEdit* field) const {
    return field->text().toStdString();
}

void TfrmGeneral::SetUnitCaptions() {
    auto caption = [this](const char* format, int kind) {
        QString text = QString::fromUtf8(format);
        return text.replace(QStringLiteral("%s"), Q(Units().CurrentUnitLabel(kind)));
    };
    lblAlti->setText(caption("Altitude above mean sea level (%s)", QuantityKind::Length));
    lblTot_Area->setText(caption("Size of gross command area (%s)", QuantityKind::Area));
    lblS_Area->setText(caption("Size of irrigable area (%s)", QuantityKind::Area));
    lblDm_of_watappl->setText(caption("Mean depth of water application (%s)", QuantityKind::Depth));
}

void TfrmGeneral::ShowDefaults() {
    showing = true;
    for (QLineEdit* text : {edtCountry, edtRegion, edtDescript})
        text->clear();
    cbxHemis->setCurrentIndex(0);
    edtLatiDegrees->setText(QStringLiteral("0"));
    edtLatiMinutes->setText(QStringLiteral("0"));
    updLatiMinutes->setEnabled(true);
    edtAlti->setText(QStringLiteral("0"));
    edtTot_Area->setText(QStringLiteral("0"));
    edtS_Area->setText(QStringLiteral("0"));
    SelectText(cbxCalcPer, Data().General.CalcPeriod);
    edtDm_of_watappl->setText(Units().UnitOf(QuantityKind::Depth) == 0
                                  ? QStringLiteral("75")
                                  : Q(std::string("3") + DecimalSeparator() + "0"));
    SelectText(cbxApplInt, "20");
    cbxCNM1->setCurrentIndex(0);
    cbxCNM2->setCurrentIndex(0);
    lblSelectedCNValue->setText(QStringLiteral("77"));
    ckbxCNM->setChecked(false);
    ckbxCNM->setEnabled(false);
    EnableCurveNumberChoices(false);
    ckbxFixedPercent->setChecked(false);
    edtFixedpercent->setText(QStringLiteral("40"));
    edtFixedpercent->setEnabled(false);
    // A new record starts without the colours of the last one.
    for (QLineEdit* field : {edtAlti, edtTot_Area, edtS_Area, edtDm_of_watappl, edtFixedpercent})
        Colour(field, true);
    showing = false;
    ApplyPeriodKind();
    RefreshRangeHint(); // the units may have changed
}

void TfrmGeneral::ShowRecord() {
    showing = true;
    TGeneral& g = Data().General;
    edtCountry->setText(Q(g.Country));
    edtRegion->setText(Q(g.Region));
    edtDescript->setText(Q(g.Description));
    SelectText(cbxHemis, g.Hemisphere);
    edtLatiDegrees->setText(QString::number(LatitudeDegrees(g.Latitude)));
    edtLatiMinutes->setText(QString::number(LatitudeMinutes(g.Latitude)));
    updLatiMinutes->setEnabled(edtLatiDegrees->text() != QStringLiteral("66"));
    edtAlti->setText(Q(Units().FormatValue(QuantityKind::Length, g.Altitude)));
    edtTot_Area->setText(Q(Units().FormatValue(QuantityKind::Area, g.GrossArea)));
    edtS_Area->setText(Q(Units().FormatValue(QuantityKind::Area, g.IrrigableArea)));
    edtDm_of_watappl->setText(Q(Units().FormatValue(QuantityKind::Depth, g.MeanDepth)));
    SelectText(cbxCalcPer, g.CalcPeriod);
    SelectText(cbxApplInt, std::to_string(g.ApplInterval));
    ckbxCNM->setChecked(g.UseCurveNumber);
    cbxCNM1->setCurrentIndex(g.LandUseIndex >= 0 && g.LandUseIndex < kLandUseRows ? g.LandUseIndex
                                                                                  : -1);
    cbxCNM2->setCurrentIndex(g.SoilGroupIndex >= 0 && g.SoilGroupIndex < 4 ? g.SoilGroupIndex : -1);
    ShowCurveNumber();
    edtFixedpercent->setText(Q(FormatGeneral(g.FixedPercent)));
    ckbxFixedPercent->setChecked(g.UseFixedPercent);
    edtFixedpercent->setEnabled(g.UseFixedPercent);
    ckbxCNM->setEnabled(cbxCalcPer->currentText() == QStringLiteral("Day"));
    showing = false;
    // Showing changes nothing stored: the fields are not read back (in other units their
    // rounded values would alter the record) and the record is not marked as changed.
    ApplyCurveNumberRule();
    ColourRanges();
    ApplyPeriodKind();
    RefreshRangeHint();
}

void TfrmGeneral::StoreFields(const std::string& fileName) {
    // Read every number first, so a field that holds no number changes nothing.
    const int degrees = TextToInt(Text(edtLatiDegrees));
    const int minutes = TextToInt(Text(edtLatiMinutes));
    const double altitude = EntryNumber(Text(edtAlti));
    const double gross = EntryNumber(Text(edtTot_Area));
    const double irrigable = EntryNumber(Text(edtS_Area));
    const double depth = EntryNumber(Text(edtDm_of_watappl));
    const double percent = EntryNumber(Text(edtFixedpercent));

    TGeneral& g = Data().General;
    g.FileName = fileName;
    g.Country = Text(edtCountry);
    g.Region = Text(edtRegion);
    g.Description = Text(edtDescript);
    g.Hemisphere = cbxHemis->currentText().toStdString();
    g.Latitude = LatitudeFromEntry(degrees, minutes);
    g.Altitude = Units().ParseValue(QuantityKind::Length, altitude);
    g.GrossArea = Units().ParseValue(QuantityKind::Area, gross);
    g.IrrigableArea = Units().ParseValue(QuantityKind::Area, irrigable);
    g.MeanDepth = Units().ParseValue(QuantityKind::Depth, depth);
    g.CalcPeriod = cbxCalcPer->currentText().toStdString();
    g.ApplInterval = TextToInt(cbxApplInt->currentText().toStdString());
    g.SetUseCurveNumber(ckbxCNM->isChecked());
    g.SetLandUseIndex(cbxCNM1->currentIndex());
    g.SetSoilGroupIndex(cbxCNM2->currentIndex());
    g.SetCurveNumber(lblSelectedCNValue->text().toInt());
    g.SetFixedPercent(percent);
    g.SetUseFixedPercent(ckbxFixedPercent->isChecked());
    g.SetCurveNumberOffered(ckbxCNM->isEnabled());
    ColourRanges();
    ApplyPeriodKind();
    for (int id : {WM_REFRESH_MAIN, WM_REFRESH_METEO, WM_REFRESH_CROPFACTOR})
        BroadCastBoodschap(id);
}

bool TfrmGeneral::SaveRefused() {
    StoreAndNotify(); // the record as the fields show it
    return SaveOutOfRangeRefused(OutOfRangeGeneral(Data().General, Units()));
}

void TfrmGeneral::StoreAndNotify() {
    try {
        StoreFields(RecordFileName());
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfrmGeneral::ApplyPeriodKind() {
    Units().SetPeriodKind(cbxCalcPer->currentIndex() + 1);
}

void TfrmGeneral::ApplyCurveNumberRule() {
    const bool daily = cbxCalcPer->currentText() == QStringLiteral("Day");
    ckbxCNM->setEnabled(daily);
    Data().General.SetCurveNumberOffered(daily);
    const bool choices = ckbxCNM->isEnabled() && ckbxCNM->isChecked();
    EnableCurveNumberChoices(choices);
    Data().General.SetUseCurveNumber(ckbxCNM->isChecked());
}

void TfrmGeneral::ApplyCalculationPeriodRule() {
    if (showing)
        return;
    ApplyCurveNumberRule();
    SetModified(true);
    StoreAndNotify();
}

void TfrmGeneral::EnableCurveNumberChoices(bool enabled) {
    cbxCNM1->setEnabled(enabled);
    cbxCNM2->setEnabled(enabled);
    lblSelectedCNValue->setEnabled(enabled);
}

void TfrmGeneral::ShowCurveNumber() {
    const int value = LandUseCurveNumber(cbxCNM1->currentIndex(), cbxCNM2->currentIndex());
    lblSelectedCNValue->setText(QString::number(value));
    Data().General.SetCurveNumber(value);
}

void TfrmGeneral::ColourRanges() {
    const TGeneralRangeCheck check = CheckGeneralRanges(Data().General);
    Colour(edtLatiDegrees, check.Latitude);
    Colour(edtLatiMinutes, check.Latitude);
    Colour(edtAlti, check.Altitude);
    Colour(edtTot_Area, check.GrossArea);
    Colour(edtS_Area, check.IrrigableArea);
    Colour(edtDm_of_watappl, check.Depth);
    Colour(edtFixedpercent, check.FixedPercent);
    Data().General.DataValid = check.AllValid();
}

void TfrmGeneral::KeepLatitudeInRange() {
    if (EntryNumber(Text(edtLatiDegrees)) > kMaxLatitudeDegrees) {
        edtLatiDegrees->setText(QString::number(kMaxLatitudeDegrees));
        edtLatiMinutes->setText(QStringLiteral("0"));
    }
    if (EntryNumber(Text(edtLatiMinutes)) > kMaxLatitudeMinutes)
        edtLatiMinutes->setText(QString::number(kMaxLatitudeMinutes));
    if (edtLatiDegrees->text() == QStringLiteral("66"))
        edtLatiMinutes->setText(QStringLiteral("0"));
    updLatiMinutes->setEnabled(edtLatiDegrees->text() != QStringLiteral("66"));
}

void TfrmGeneral::FieldKeyReleased(QWidget* field) {
    if (field == edtAlti && edtAlti->text().lastIndexOf(QLatin1Char('-')) > 0) {
        ShowError("Invalid value");
        edtAlti->clear();
    }
    KeepLatitudeInRange();
    StoreFields(RecordFileName());
}

void TfrmGeneral::DegreesClicked() {
    SetModified(true);
    KeepLatitudeInRange();
    StoreAndNotify();
}

void TfrmGeneral::MinutesClicked() {
    SetModified(true);
    if (EntryNumber(Text(edtLatiMinutes)) > kMaxLatitudeMinutes)
        edtLatiMinutes->setText(QString::number(kMaxLatitudeMinutes));
    StoreAndNotify();
}

std::vector<std::string> TfrmGeneral::ClipboardBody() {
    auto line = [](const QString& caption, const QString& text) {
        return caption.toStdString() + "\t" + text.toStdString();
    };
    return {
        line(QStringLiteral("Country"), edtCountry->text()),
        line(QStringLiteral("Name of region or project"), edtRegion->text()),
        line(QStringLiteral("Description of irrigated area"), edtDescript->text()),
        line(QStringLiteral("Hemisphere"), cbxHemis->currentText()),
        line(QStringLiteral("Latitude (degrees.minutes)"),
             edtLatiDegrees->text() + QChar::fromLatin1(DecimalSeparator()) +
                 edtLatiMinutes->text()),
        line(lblAlti->text(), edtAlti->text()),
        line(lblTot_Area->text(), edtTot_Area->text()),
        line(lblS_Area->text(), edtS_Area->text()),
        line(QStringLiteral("Calculation period"), cbxCalcPer->currentText()),
        line(lblDm_of_watappl->text(), edtDm_of_watappl->text()),
        line(QStringLiteral("Interval between applications (days)"), cbxApplInt->currentText()),
    };
}
