#include "ui/fCropFactor.h"

#include "calc/uCropET.h"
#include "calc/uCropFactorRules.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uQtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace {

const std::string kLoadFirst = "Load General-file and Meteo-file first to calculate Kc,1";
const std::string kTooLong = "Total length of growing season cannot be longer than 365 days ";
const std::string kCannotSave =
    "Can't save this file because one or more data are out of range or zero";

} // namespace

// Both kinds of crop factor file together first: the supplied library is all ".crp".
const std::string kCropFactorOpenFilter =
    "Crop factor files (*.udc *.crp)|*.udc;*.crp|User defined Cropfactor files (*.udc)|*.udc|"
    "Pre defined Cropfactor files (*.crp)|*.crp|All files (*.*)|*.*";

namespace {

TEditorValues CropFactorValues() {
    TEditorValues v;
    v.CaptionFormat = "Crop factor data [%s]";
    v.ClipboardTitle = "Crop Factors";
    v.OpenFilter = kCropFactorOpenFilter;
    v.SaveAsFilter = "User defined Cropfactor files (*.udc)|*.udc";
    v.Extension = ".udc";
    v.Folder = &TGuiSettings::CropFolder;
    v.RefreshMessage = WM_REFRESH_CROPFACTOR;
    v.ProposeWithExtension = true;
    return v;
}

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

double Number(const QLineEdit* field) {
    return EntryNumber(Text(field));
}

int Days(const QLineEdit* field) {
    return static_cast<int>(std::lround(Number(field)));
}

QLineEdit* MakeEdit(const char* name, int width, QWidget* parent = nullptr) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setFixedWidth(width);
    return edit;
}

// The crop coefficient curve over the four stages, from planting to harvest; the Kc fields sit
// on it where their values apply.
class TKcPicture : public QWidget {
public:
    explicit TKcPicture(QWidget* parent) : QWidget(parent) { setFixedSize(kWidth, kHeight); }

    static constexpr int kWidth = 560;
    static constexpr int kHeight = 230;
    static constexpr int kLeft = 30, kStage1 = 140, kStage2 = 240, kStage3 = 410, kRight = 520;
    static constexpr int kAxis = 185, kLow = 150, kHigh = 70, kEnd = 125;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        for (int x : {kStage1, kStage2, kStage3})
            painter.drawLine(x, kHigh - 20, x, kAxis);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(kLeft, kAxis, kRight, kAxis);
        painter.drawLine(kLeft, 20, kLeft, kAxis);
        painter.setPen(QPen(QColor(0, 110, 0), 3));
        const QPoint curve[] = {
            {kLeft, kLow}, {kStage1, kLow}, {kStage2, kHigh}, {kStage3, kHigh}, {kRight, kEnd}};
        painter.drawPolyline(curve, 5);
        painter.setPen(Qt::black);
        painter.drawText(QRect(kLeft - 30, kAxis + 4, 80, 18), Qt::AlignLeft, tr("planting"));
        painter.drawText(QRect(kRight - 50, kAxis + 4, 80, 18), Qt::AlignLeft, tr("harvest"));
    }
};

// A Kc caption and its field, placed on the picture.
QLineEdit* PlaceKc(QWidget* picture, const char* name, const char* caption, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(caption), picture);
    label->move(x, y);
    QLineEdit* edit = MakeEdit(name, 56, picture);
    edit->move(x + 34, y - 3);
    return edit;
}

} // namespace

TfrmCropFactor::TfrmCropFactor(TAllData& data, QWidget* owner)
    : TEditorBase(CropFactorValues(), AccessTo(data.CropFactor), data, owner) {
    setObjectName(QStringLiteral("TfrmCropFactor"));
    BuildFields();
    BuildFileMenu();

    WatchTextField(edtDescription);
    for (QLineEdit* kc : {edtKc1, edtKc3, edtKc4, edtRootingDepth})
        WatchNumberField(kc, TNumberEntry::Decimal);
    for (QLineEdit* stage : {edtStage1, edtStage2, edtStage3, edtStage4})
        WatchNumberField(stage, TNumberEntry::WholeNumber);

    connect(ckbxStandCalcKc0, &QCheckBox::clicked, this, &TfrmCropFactor::StandardKcClicked);
    connect(edtKc1, &QLineEdit::textChanged, this, &TfrmCropFactor::Kc1Changed);
    connect(ckbxStandCalcKc0, &QCheckBox::released, this, [this] { SetModified(true); });

    SetTabOrder({edtDescription, ckbxStandCalcKc0, edtKc1, edtKc3, edtKc4, edtRootingDepth,
                 edtStage1, edtStage2, edtStage3, edtStage4});
    SetUnitCaptions();
    ShowDefaults();
    SetModified(false);
}

void TfrmCropFactor::BuildFields() {
    auto* layout = new QVBoxLayout(Body());

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Description")), 0, 0);
    edtDescription = new QLineEdit;
    edtDescription->setObjectName(QStringLiteral("edtDescription"));
    top->addWidget(edtDescription, 0, 1);
    layout->addLayout(top);

    ckbxStandCalcKc0 = new QCheckBox(
        QStringLiteral("Standard calculated Kc-value for initial and crop development stage"));
    ckbxStandCalcKc0->setObjectName(QStringLiteral("ckbxStandCalcKc0"));
    layout->addWidget(ckbxStandCalcKc0);

    auto* picture = new TKcPicture(Body());
    using P = TKcPicture;
    edtKc1 = PlaceKc(picture, "edtKc1", "Kc,1", P::kLeft + 8, P::kLow - 28);
    edtKc2 = PlaceKc(picture, "edtKc2", "Kc,2", (P::kStage1 + P::kStage2) / 2 - 20,
                     (P::kLow + P::kHigh) / 2 - 34);
    edtKc3 = PlaceKc(picture, "edtKc3", "Kc,3", (P::kStage2 + P::kStage3) / 2 - 45, P::kHigh - 28);
    edtKc4 = PlaceKc(picture, "edtKc4", "Kc,4", P::kRight - 95, P::kEnd + 12);
    edtKc2->setEnabled(false);
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto* form = new QGridLayout;
    lblRootingDepth = new QLabel;
    edtRootingDepth = MakeEdit("edtRootingDepth", 70);
    form->addWidget(lblRootingDepth, 0, 0);
    form->addWidget(edtRootingDepth, 0, 1);
    const std::pair<QLineEdit**, const char*> stages[] = {{&edtStage1, "initial stage (days)"},
                                                          {&edtStage2, "development (days)"},
                                                          {&edtStage3, "mid-season (days)"},
                                                          {&edtStage4, "late-season (days)"}};
    const char* names[] = {"edtStage1", "edtStage2", "edtStage3", "edtStage4"};
    int row = 1;
    for (const auto& [field, caption] : stages) {
        *field = MakeEdit(names[row - 1], 70);
        (*field)->setMaxLength(4); // more than a year is refused anyway
        form->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        form->addWidget(*field, row, 1);
        ++row;
    }
    edtStageTotal = MakeEdit("edtStageTotal", 70);
    edtStageTotal->setReadOnly(true);
    edtStageTotal->setFocusPolicy(Qt::NoFocus);
    QPalette grey = edtStageTotal->palette();
    grey.setColor(QPalette::Base, QColor(0xd4, 0xd0, 0xc8));
    edtStageTotal->setPalette(grey);
    form->addWidget(new QLabel(QStringLiteral("growing period (days)")), row, 0);
    form->addWidget(edtStageTotal, row, 1);
    form->setColumnStretch(2, 1);
    layout->addLayout(form);
    layout->addStretch(1);
}

void TfrmCropFactor::BuildFileMenu() {
    // This editor's menu calls the commands itself: Save and Save As stay enabled there.
    MenuBar()->clear();
    mnuFile = MenuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->addAction(QStringLiteral("New"), this, &TEditorBase::New);
    mnuFile->addAction(QStringLiteral("Open"), this, &TEditorBase::Open);
    mnuFile->addAction(QStringLiteral("Save"), this, &TEditorBase::Save);
    mnuFile->addAction(QStringLiteral("Save As"), this, &TEditorBase::SaveAs);
    QAction* exit = mnuFile->addAction(QStringLiteral("Exit"), this, &TEditorBase::Exit);
    exit->setVisible(false);
    mnuFile->addSeparator();
    mnuFile->addAction(QStringLiteral("Copy to clipboard"), this, &TEditorBase::CopyText);
}

void TfrmCropFactor::SetUnitCaptions() {
    QString caption = QStringLiteral("Rooting depth (%s)");
    caption.replace(QStringLiteral("%s"), Q(Units().CurrentUnitLabel(QuantityKind::Length)));
    lblRootingDepth->setText(caption);
}

void TfrmCropFactor::ShowDefaults() {
    showing = true;
    ckbxStandCalcKc0->setChecked(false);
    showing = false;
    edtKc1->setEnabled(true);
    for (QLineEdit* field : {edtDescription, edtKc1, edtKc2, edtKc3, edtKc4, edtRootingDepth,
                             edtStage1, edtStage2, edtStage3, edtStage4, edtStageTotal})
        field->clear();
}

void TfrmCropFactor::OnShowEditor() {
    New();
    StandardKcClicked(ckbxStandCalcKc0->isChecked());
    ShowKC();
    SetModified(false);
    active = false;
    Data().CropFactor.DataValid = true;
}

void TfrmCropFactor::ShowKC() {
    const TCropFactor& crop = Data().CropFactor;
    const int entry = crop.StandardKc ? 2 : 1;
    edtKc1->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, crop.GetKc1(entry))));
    edtKc2->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, crop.GetKc2(entry))));
}

void TfrmCropFactor::ShowRecord() {
    const TCropFactor& crop = Data().CropFactor;
    edtDescription->setText(Q(crop.Description));
    showing = true;
    ckbxStandCalcKc0->setChecked(crop.StandardKc);
    edtKc1->setEnabled(!crop.StandardKc);
    showing = false;
    ShowKC();
    edtKc3->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, crop.GetKc3(1))));
    edtKc4->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, crop.GetKc4(1))));
    edtRootingDepth->setText(Q(Units().FormatValue(QuantityKind::Length, crop.RootingDepth)));
    QLineEdit* stages[] = {edtStage1, edtStage2, edtStage3, edtStage4};
    for (int stage = 1; stage <= 4; ++stage)
        stages[stage - 1]->setText(QString::number(crop.GetStageLength(stage)));
    ShowComputedKc1();
}

void TfrmCropFactor::ShowOpenedRecord() {
    ShowRecordAndCaption();
    UpdateKc1();
    UpdateDerived();
}

// The record holds no computed Kc,1 of its own; while the box is ticked and the project can
// compute one, the window shows it rather than an empty 0.00.
void TfrmCropFactor::ShowComputedKc1() {
    if (ckbxStandCalcKc0->isChecked() && GeneralAndMeteoLoaded()) {
        try {
            UpdateKc1();
        } catch (const std::exception& e) {
            ShowError(e.what());
        }
        ShowKc2FromFields();
    }
}

void TfrmCropFactor::StoreFields(const std::string& fileName) {
    TCropFactor& crop = Data().CropFactor;
    crop.FileName = fileName;
    crop.Description = Text(edtDescription);
    crop.StandardKc = ckbxStandCalcKc0->isChecked();
    crop.SetKc3(1, Number(edtKc3));
    crop.SetKc4(1, Number(edtKc4));
    crop.SetKc3(2, crop.GetKc3(1));
    crop.SetKc4(2, crop.GetKc4(1));
    crop.RootingDepth = Units().ParseValue(QuantityKind::Length, Number(edtRootingDepth));
    QLineEdit* stages[] = {edtStage1, edtStage2, edtStage3, edtStage4};
    for (int stage = 1; stage <= 4; ++stage)
        crop.SetStageLength(stage, Days(stages[stage - 1]));
    CheckCropFactor();
}

void TfrmCropFactor::CheckCropFactor() {
    ::CheckCropFactor(Data().CropFactor);
}

bool TfrmCropFactor::GeneralAndMeteoLoaded() const {
    return !Data().General.FileName.empty() && !Data().Meteo.FileName.empty();
}

void TfrmCropFactor::UpdateKc1() {
    if (ckbxStandCalcKc0->isChecked()) {
        if (GeneralAndMeteoLoaded()) {
            double kc1 = 0;
            if (Number(edtStage1) > 0)
                kc1 = CalcKcIni(Data(), nullptr, Data().CropFactor, 1);
            edtKc1->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, kc1)));
        } else {
            ShowWarning(kLoadFirst);
            ckbxStandCalcKc0->setChecked(false);
            StandardKcClicked(false);
        }
    } else {
        edtKc1->setText(
            Q(Units().FormatValue(QuantityKind::CropCoefficient, Data().CropFactor.GetKc1(1))));
    }
}

void TfrmCropFactor::ShowKc2FromFields() {
    const double kc2 = (Number(edtKc1) + Number(edtKc3)) / 2;
    edtKc2->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, kc2)));
}

void TfrmCropFactor::UpdateDerived() {
    ShowKc2FromFields();
    const int total = Days(edtStage1) + Days(edtStage2) + Days(edtStage3) + Days(edtStage4);
    edtStageTotal->setText(QString::number(total));
    if (GrowingPeriodTooLong(total)) {
        ShowError(kTooLong);
        Data().CropFactor.DataValid = false;
    }
}

void TfrmCropFactor::StandardKcClicked(bool checked) {
    Data().CropFactor.StandardKc = checked;
    edtKc1->setEnabled(!checked);
    if (!showing) {
        SetModified(true);
        UpdateKc1(); // may clear the box again, which runs this handler once more
        if (ckbxStandCalcKc0->isChecked() != checked)
            return;
    }
    UpdateDerived();
}

void TfrmCropFactor::Kc1Changed() {
    TCropFactor& crop = Data().CropFactor;
    if (!active || crop.StandardKc)
        return;
    crop.SetKc1(1, Number(edtKc1));
    crop.SetKc2(1, (crop.GetKc1(1) + crop.GetKc3(1)) / 2);
    edtKc2->setText(Q(Units().FormatValue(QuantityKind::CropCoefficient, crop.GetKc2(1))));
}

void TfrmCropFactor::FieldKeyReleased(QWidget* field) {
    if (field == edtStage1) {
        // Kc,1 uses the initial stage stored at the previous key release.
        UpdateKc1();
        UpdateDerived();
        StoreFields(RecordFileName());
    } else if (field == edtStage2 || field == edtStage3 || field == edtStage4 || field == edtKc1 ||
               field == edtKc3) {
        UpdateDerived();
        StoreFields(RecordFileName());
    } else if (field == edtKc4 || field == edtRootingDepth) {
        StoreFields(RecordFileName());
    } else if (field == edtDescription) {
        CheckCropFactor();
    }
}

bool TfrmCropFactor::SaveRefused() {
    // The typed values are checked as they stand now, not as the last key release left them: a
    // crop that was never typed into is empty and must not be saved either.
    StoreFields(RecordFileName());
    if (Data().CropFactor.DataValid)
        return false;
    ShowWarning(kCannotSave);
    return true;
}

bool TfrmCropFactor::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        active = true;
        break;
    case QEvent::WindowDeactivate:
        if (isVisible())
            StoreFields(RecordFileName());
        break;
    default:
        break;
    }
    return TEditorBase::event(event);
}

std::vector<std::string> TfrmCropFactor::ClipboardBody() {
    auto line = [](const QString& caption, const QLineEdit* field) {
        return caption.toStdString() + "\t" + Text(field);
    };
    return {line(QStringLiteral("Description"), edtDescription),
            line(QStringLiteral("Kc,1"), edtKc1),
            line(QStringLiteral("Kc,2"), edtKc2),
            line(QStringLiteral("Kc,3"), edtKc3),
            line(QStringLiteral("Kc,4"), edtKc4),
            line(lblRootingDepth->text(), edtRootingDepth),
            line(QStringLiteral("initial stage (days)"), edtStage1),
            line(QStringLiteral("development (days)"), edtStage2),
            line(QStringLiteral("mid-season (days)"), edtStage3),
            line(QStringLiteral("late-season (days)"), edtStage4),
            line(QStringLiteral("growing period (days)"), edtStageTotal)};
}
