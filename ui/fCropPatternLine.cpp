#include "ui/fCropPatternLine.h"

#include "core/cCalendar.h"
#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fCropFactor.h"
#include "ui/fEditorBase.h"
#include "ui/fToolBar.h"
#include "ui/fUpDown.h"
#include "ui/uNumberKeys.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* MakeEdit(const char* name, bool readOnly) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromUtf8(name));
    edit->setReadOnly(readOnly);
    if (readOnly) {
        edit->setFocusPolicy(Qt::NoFocus);
        QPalette grey = edit->palette();
        grey.setColor(QPalette::Base, QColor(0xd4, 0xd0, 0xc8));
        edit->setPalette(grey);
    }
    return edit;
}

} // namespace

TfrmCropPatternLine::TfrmCropPatternLine(TAllData& d, const TDailyArea& area, QWidget* owner)
    : QDialog(owner), data(d), otherCrops(area),
      line(d.CropPattern.GetCropLine(d.CropPattern.CurrentLine)) {
    setObjectName(QStringLiteral("TfrmCropPatternLine"));
    setWindowTitle(QStringLiteral("Add crop to pattern"));
    setModal(true);

    toolBar = new TfrmToolBar(this);
    toolBar->ShowOnly({toolBar->FileOpen1, toolBar->SaveToPattern});
    connect(toolBar->FileOpen1, &QAction::triggered, this, &TfrmCropPatternLine::Open);
    connect(toolBar->SaveToPattern, &QAction::triggered, this, &TfrmCropPatternLine::SaveToPattern);
    connect(toolBar->FileExit1, &QAction::triggered, this, &QDialog::reject);

    edtCrop = MakeEdit("edtCrop", true);
    edtDescription = MakeEdit("edtDescription", true);
    edtGrowingPeriod = MakeEdit("edtGrowingPeriod", true);
    edtArea = MakeEdit("edtArea", false);
    edtDay = MakeEdit("edtDay", false);
    edtGrowingPeriod->setFixedWidth(70);
    edtArea->setFixedWidth(90);
    edtDay->setFixedWidth(40);
    edtDay->setMaxLength(2);
    cbxMonth = new QComboBox;
    cbxMonth->setObjectName(QStringLiteral("cbxMonth"));
    for (int month = 1; month <= 12; ++month)
        cbxMonth->addItem(Q(MonthNameOfMonth(month)));
    updDay = new TUpDown(edtDay, 1, 31);
    updDay->setObjectName(QStringLiteral("updDay"));
    lblArea = new QLabel;

    auto* date = new QHBoxLayout;
    date->setSpacing(4);
    date->addWidget(cbxMonth);
    date->addWidget(edtDay);
    date->addWidget(updDay);
    date->addStretch(1);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Crop")), 0, 0);
    form->addWidget(edtCrop, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("Description")), 1, 0);
    form->addWidget(edtDescription, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("Growing period (days)")), 2, 0);
    form->addWidget(edtGrowingPeriod, 2, 1, Qt::AlignLeft);
    form->addWidget(lblArea, 3, 0);
    form->addWidget(edtArea, 3, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(QStringLiteral("Planting month/day")), 4, 0);
    form->addLayout(date, 4, 1);
    form->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar);
    layout->addLayout(form);
    layout->addStretch(1);

    KeepNumberField(edtArea, TNumberEntry::Decimal);
    KeepNumberField(edtDay, TNumberEntry::WholeNumber);
    // A typed day alone is no change to save; the area is.
    connect(edtArea, &QLineEdit::textEdited, this, [this] { SetModified(true); });
    // Only the user's choice marks a change; showing the line sets the month too.
    connect(cbxMonth, &QComboBox::currentIndexChanged, this, &TfrmCropPatternLine::MonthChanged);
    connect(cbxMonth, &QComboBox::activated, this, [this] { SetModified(true); });
    connect(updDay, &TUpDown::Clicked, this, [this] { SetModified(true); });

    QString caption = QStringLiteral("Cropped area (%s)");
    caption.replace(QStringLiteral("%s"), Q(data.GuiSettings.CurrentUnitLabel(QuantityKind::Area)));
    lblArea->setText(caption);
    cbxMonth->setCurrentIndex(0);
    MonthChanged();
    resize(460, sizeHint().height());
    setMinimumSize(sizeHint());
    SetModified(false);
}

void TfrmCropPatternLine::SetModified(bool value) {
    modified = value;
    toolBar->SaveToPattern->setEnabled(value);
}

void TfrmCropPatternLine::MonthChanged() {
    const int month = cbxMonth->currentIndex() + 1;
    updDay->SetRange(1, LastDayOfPlantingMonth(month));
    bool ok = false;
    const int day = edtDay->text().toInt(&ok);
    edtDay->setText(QString::number(DayInPlantingMonth(month, ok ? day : 1)));
}

void TfrmCropPatternLine::ShowCrop() {
    QString caption = QStringLiteral("%1 crop to pattern [%2]");
    setWindowTitle(caption.arg(Q(mode), Q(line.FileName)));
    edtCrop->setText(Q(FileNamePart(line.FileName)));
    edtDescription->setText(Q(line.Description));
    edtGrowingPeriod->setText(QString::number(line.GrowingPeriod()));
}

void TfrmCropPatternLine::ShowLine(const std::string& modeWord) {
    mode = modeWord;
    ShowCrop();
    edtArea->setText(Q(data.GuiSettings.FormatValue(QuantityKind::Area, line.Area)));
    // A new line has no planting day yet: no month chosen, day 1.
    cbxMonth->setCurrentIndex(MonthOfDay(line.PlantingDay) - 1);
    edtDay->setText(QString::number(DayOfMonth(line.PlantingDay)));
    MonthChanged();
}

bool TfrmCropPatternLine::ShowFormModal(const std::string& modeWord) {
    ShowLine(modeWord);
    return exec() == QDialog::Accepted;
}

void TfrmCropPatternLine::Open() {
    const std::string name =
        toolBar->OpenDialog(data.GuiSettings.CropFolder, kCropFactorOpenFilter);
    if (name.empty() || !FileExists(name))
        return;
    const TReadErrorContext context(name, ExpectedFileKind(kCropFactorOpenFilter));
    if (!line.Load(name))
        return;
    // The crop changes; what the user typed for area and date stays.
    ShowCrop();
    SetModified(true);
}

void TfrmCropPatternLine::SaveToPattern() {
    const double area =
        data.GuiSettings.ParseValue(QuantityKind::Area, EntryNumber(edtArea->text().toStdString()));
    const int plantingDay = PlantingDayOf(cbxMonth->currentIndex() + 1, edtDay->text().toInt());
    const bool adding = !mode.empty() && mode[0] == 'A';
    if (SaveCropToPattern(line, adding, area, plantingDay, otherCrops, data.General.IrrigableArea,
                          data.GuiSettings) == TCropRefusal::None)
        accept();
}
