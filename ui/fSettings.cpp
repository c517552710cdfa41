#include "ui/fSettings.h"

#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "ui/fEditorBase.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QComboBox* MakeChoice(const char* name, std::initializer_list<const char*> items) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromUtf8(name));
    for (const char* item : items)
        box->addItem(QString::fromUtf8(item));
    return box;
}

QLabel* MakeName(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setMinimumWidth(220);
    return label;
}

} // namespace

TfrmSettings::TfrmSettings(TGuiSettings& s, QWidget* parent) : QDialog(parent), settings(s) {
    setWindowTitle(QStringLiteral("Options"));
    cbxLengthHeigth = MakeChoice("cbxLengthHeigth", {"m", "ft"});
    cbxArea = MakeChoice("cbxArea", {"ha", "ac"});
    cbxVelocity = MakeChoice("cbxVelocity", {"m/s", "ft/s", "km/d"});
    cbxTemperature = MakeChoice("cbxTemperature", {"\u00b0C", "\u00b0F"});
    cbxPrecipitation = MakeChoice("cbxPrecipitation", {"mm", "in"});
    cbxVolume = MakeChoice("cbxVolume", {"m^3", "acrft"});
    lblLengthHeigth = MakeName("lblLengthHeigth");
    lblArea = MakeName("lblArea");
    lblVelocity = MakeName("lblVelocity");
    lblTemperature = MakeName("lblTemperature");
    lblPrecipitation = MakeName("lblPrecipitation");
    lblVolume = MakeName("lblVolume");
    rows = {{
        {cbxLengthHeigth, lblLengthHeigth, QuantityKind::Length, &TGuiSettings::LengthUnit},
        {cbxArea, lblArea, QuantityKind::Area, &TGuiSettings::AreaUnit},
        {cbxVelocity, lblVelocity, QuantityKind::Velocity, &TGuiSettings::VelocityUnit},
        {cbxTemperature, lblTemperature, QuantityKind::Temperature, &TGuiSettings::TemperatureUnit},
        {cbxPrecipitation, lblPrecipitation, QuantityKind::Depth, &TGuiSettings::PrecipitationUnit},
        {cbxVolume, lblVolume, QuantityKind::Volume, &TGuiSettings::VolumeUnit},
    }};
    const char* captions[] = {"Length and height",   "Area",  "Velocity", "Temperature",
                              "Precipitation, etc.", "Volume"};

    ToolBar = new TfrmToolBar(this);
    ToolBar->ShowOnly({ToolBar->FileSave1});
    connect(ToolBar->FileSave1, &QAction::triggered, this, &TfrmSettings::Save);

    auto* group = new QGroupBox(QStringLiteral(" Unit settings "));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < 6; ++i) {
        TRow& row = rows[i];
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i])), i, 0);
        grid->addWidget(row.Choice, i, 1);
        grid->addWidget(row.Name, i, 2);
        // An index outside the list is shown as the last unit, as the conversions read it.
        const int unit = std::clamp(settings.UnitOf(row.Kind), 0, row.Choice->count() - 1);
        row.Choice->setCurrentIndex(unit);
        row.Name->setText(QString::fromStdString(TGuiSettings::UnitName(row.Kind, unit)));
        connect(row.Choice, &QComboBox::currentIndexChanged, this, [this, &row](int index) {
            row.Name->setText(QString::fromStdString(TGuiSettings::UnitName(row.Kind, index)));
            SetModified(true);
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ToolBar);
    layout->addWidget(group);
    SetModified(false);
}

void TfrmSettings::SetModified(bool value) {
    modified = value;
    ToolBar->FileSave1->setEnabled(value);
}

bool TfrmSettings::Save() {
    const TGuiSettings before = settings;
    for (const TRow& row : rows)
        settings.*row.Unit = row.Choice->currentIndex();
    try {
        settings.Save(settings.SettingsFileName);
    } catch (const std::exception& e) {
        // Units that were not stored are not shown anywhere either.
        settings = before;
        ShowError(e.what());
        return false;
    }
    SetModified(false);
    for (int id : {WM_REFRESH_MAIN, WM_REFRESH_GENERAL, WM_REFRESH_METEO, WM_REFRESH_PATTERN,
                   WM_REFRESH_CROPFACTOR, WM_REFRESH_STRATEGY})
        BroadCastBoodschap(id);
    return true;
}

bool TfrmSettings::CloseQuery() {
    if (!modified)
        return true;
    switch (AskSaveChanges(kSaveChanges)) {
    case TSaveAnswer::Yes:
        return Save();
    case TSaveAnswer::No:
        return true;
    default:
        return false;
    }
}

void TfrmSettings::reject() {
    // The frame's close button and Escape both arrive here.
    if (CloseQuery())
        QDialog::reject();
}
