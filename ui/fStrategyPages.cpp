// The strategy window's pages with fields rather than one grid: Water Balance, Soil
// Characteristics and Irrigation Methods, Water Requirement for ET.

#include "calc/uStrategyTracks.h"
#include "core/cGuiSettings.h"
#include "core/cNumberFormat.h"
#include "data/cStrategyRatios.h"
#include "ui/fStrategy.h"
#include "ui/fStrategyCharts.h"
#include "ui/fStrategyGrid.h"
#include "ui/uQtText.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel* ShownValue(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(70);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

QLineEdit* NumberField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromUtf8(name));
    field->setMaximumWidth(90);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// ETa,gross over P + Vc, drawn as a fraction.
QWidget* DepletedFractionFormula() {
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(1);
    auto* top = new QLabel(QStringLiteral("ETa,gross"));
    auto* bar = new QFrame;
    bar->setFrameShape(QFrame::HLine);
    auto* bottom = new QLabel(QStringLiteral("P + Vc"));
    top->setAlignment(Qt::AlignCenter);
    bottom->setAlignment(Qt::AlignCenter);
    layout->addWidget(new QLabel(QStringLiteral("DF  =")), 0, 0, 3, 1, Qt::AlignVCenter);
    layout->addWidget(top, 0, 1);
    layout->addWidget(bar, 1, 1);
    layout->addWidget(bottom, 2, 1);
    box->setObjectName(QStringLiteral("DFFormula"));
    return box;
}

void Select(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

QWidget* TfrmStrategy::BuildWaterBalancePage() {
    auto* page = new QWidget;
    charts = new TStrategyCharts(page);
    chkFieldData = new QCheckBox(QStringLiteral("Field data available"));
    chkFieldData->setObjectName(QStringLiteral("chkFieldData"));
    edtDFsust = new QLineEdit;
    edtDFsust->setObjectName(QStringLiteral("edtDFsust"));
    edtDFsust->setReadOnly(true);
    edtDFsust->setMaximumWidth(60);
    edtDFsust->setAlignment(Qt::AlignRight);
    btnDFsustUp = new QToolButton;
    btnDFsustDown = new QToolButton;
    btnDFsustUp->setObjectName(QStringLiteral("btnDFsustUp"));
    btnDFsustDown->setObjectName(QStringLiteral("btnDFsustDown"));
    btnDFsustUp->setArrowType(Qt::UpArrow);
    btnDFsustDown->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (QToolButton* button : {btnDFsustUp, btnDFsustDown}) {
        button->setFixedSize(18, 12);
        button->setAutoRepeat(true);
        arrows->addWidget(button);
    }
    auto step = [this](int delta) {
        const int position = std::clamp(model->WaterBalance().UpDownPosition + delta, 1, 100);
        model->SetDFsustainablePosition(position);
        SetModified(true);
        Display();
    };
    connect(btnDFsustUp, &QToolButton::clicked, this, [step] { step(1); });
    connect(btnDFsustDown, &QToolButton::clicked, this, [step] { step(-1); });
    connect(chkFieldData, &QCheckBox::clicked, this, [this](bool checked) {
        model->SetFieldDataAvailable(checked);
        SetModified(true);
        Display();
    });

    auto* note = new QLabel(QStringLiteral("When no measured data are \n"
                                           "available only DFsustainable can \n"
                                           "be changed. To use measured \n"
                                           "data go to the 'Data input' tab."));
    note->setObjectName(QStringLiteral("lblNote"));
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(6);

    auto* dfRow = new QHBoxLayout;
    dfRow->addWidget(new QLabel(QStringLiteral("DFsust.")));
    dfRow->addWidget(edtDFsust);
    dfRow->addLayout(arrows);
    dfRow->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(chkFieldData);
    side->addLayout(dfRow);
    side->addSpacing(12);
    side->addWidget(note);
    side->addSpacing(12);
    side->addWidget(DepletedFractionFormula());
    side->addStretch();

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(charts->GWTChart, 1);
    layout->addWidget(charts->ETChart, 1);
    layout->addLayout(side);
    return page;
}

QWidget* TfrmStrategy::BuildSoilPage() {
    auto* page = new QWidget;
    cbxSoil = MakeChoice("cbxSoil", SoilTypes());
    lblCapRiseCaption = new QLabel;
    auto* soilGroup = new QGroupBox(QStringLiteral(" Dominant Soil Type "));
    auto* soilGrid = new QGridLayout(soilGroup);
    soilGrid->addWidget(new QLabel(QStringLiteral("Dominant soil type")), 0, 0);
    soilGrid->addWidget(cbxSoil, 0, 1, 1, 2);
    soilGrid->addWidget(lblCapRiseCaption, 1, 0, 1, 3);
    static const char* rises[] = {"lblCapRise05", "lblCapRise10", "lblCapRise20"};
    for (int i = 0; i < 3; ++i) {
        lblFlowRate[i] = new QLabel;
        lblCapRise[i] = ShownValue(rises[i]);
        soilGrid->addWidget(lblFlowRate[i], 2 + i, 1, Qt::AlignRight);
        soilGrid->addWidget(lblCapRise[i], 2 + i, 2);
    }
    soilGrid->setColumnStretch(0, 1);

    cbxUniformity = MakeChoice("cbxUniformity", UniformityClasses());
    cbxDeliveryPattern = MakeChoice("cbxDeliveryPattern", DeliveryPatterns());
    lblDeliveryRatio = ShownValue("lblDeliveryRatio");
    auto* deliveryGroup = new QGroupBox(QStringLiteral(" Water Delivery "));
    auto* deliveryGrid = new QGridLayout(deliveryGroup);
    deliveryGrid->addWidget(new QLabel(QStringLiteral("Uniformity")), 0, 0);
    deliveryGrid->addWidget(cbxUniformity, 0, 1);
    deliveryGrid->addWidget(
        new QLabel(QStringLiteral("Part of area where water \nshortage is acceptable")), 1, 0);
    deliveryGrid->addWidget(cbxDeliveryPattern, 1, 1);
    deliveryGrid->addWidget(new QLabel(QStringLiteral("Water delivery ratio")), 2, 0);
    deliveryGrid->addWidget(lblDeliveryRatio, 2, 1, Qt::AlignLeft);

    cbxFlowRegime = MakeChoice("cbxFlowRegime", FlowRegimes());
    lblAreaCaption = new QLabel;
    lblIrrigableArea = ShownValue("lblIrrigableArea");
    edtConveyRatio = NumberField("edtConveyRatio");
    auto* conveyanceGroup = new QGroupBox(QStringLiteral(" Water Conveyance "));
    auto* conveyanceGrid = new QGridLayout(conveyanceGroup);
    conveyanceGrid->addWidget(new QLabel(QStringLiteral("Flow regime in canals")), 0, 0);
    conveyanceGrid->addWidget(cbxFlowRegime, 0, 1);
    conveyanceGrid->addWidget(lblAreaCaption, 1, 0);
    conveyanceGrid->addWidget(lblIrrigableArea, 1, 1, Qt::AlignLeft);
    conveyanceGrid->addWidget(new QLabel(QStringLiteral("Conveyance Ratio")), 2, 0);
    conveyanceGrid->addWidget(edtConveyRatio, 2, 1, Qt::AlignLeft);

    const TFieldApplMethodsShown methods = FieldApplMethodsShown();
    cbxFieldApplMethod = MakeChoice("cbxFieldApplMethod", methods.Lines);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    cbxFieldApplMethod->setFont(fixed); // the numbers stand in columns under the header
    auto* methodHeader = new QLabel(Q(methods.Header));
    methodHeader->setObjectName(QStringLiteral("lblFieldApplHeader"));
    methodHeader->setFont(fixed);
    // The choice draws its text inside its frame; the header starts where that text starts.
    methodHeader->setIndent(
        cbxFieldApplMethod->style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth) + 4);
    edtRaRatio = NumberField("edtRaRatio");
    auto* methodGroup = new QGroupBox(QStringLiteral(" Field Application Method "));
    auto* methodGrid = new QGridLayout(methodGroup);
    methodGrid->addWidget(methodHeader, 0, 0, 1, 2);
    methodGrid->addWidget(cbxFieldApplMethod, 1, 0, 1, 2);
    methodGrid->addWidget(new QLabel(QStringLiteral("Ra ratio")), 2, 0);
    methodGrid->addWidget(edtRaRatio, 2, 1, Qt::AlignLeft);

    auto* layout = new QGridLayout(page);
    layout->addWidget(soilGroup, 0, 0);
    layout->addWidget(deliveryGroup, 0, 1);
    layout->addWidget(conveyanceGroup, 1, 0);
    layout->addWidget(methodGroup, 1, 1);
    layout->setRowStretch(2, 1);

    auto choose = [this](QComboBox* box, void (TStrategyModel::*choose)(int)) {
        connect(box, &QComboBox::activated, this, [this, choose](int index) {
            (model.get()->*choose)(index);
            SetModified(true);
            Display();
        });
    };
    choose(cbxSoil, &TStrategyModel::ChooseSoilType);
    choose(cbxUniformity, &TStrategyModel::ChooseUniformity);
    choose(cbxDeliveryPattern, &TStrategyModel::ChooseDeliveryPattern);
    choose(cbxFlowRegime, &TStrategyModel::ChooseFlowRegime);
    choose(cbxFieldApplMethod, &TStrategyModel::ChooseFieldApplMethod);
    WatchNumberField(edtRaRatio, TNumberEntry::Decimal);
    WatchNumberField(edtConveyRatio, TNumberEntry::Decimal);
    return page;
}

QWidget* TfrmStrategy::BuildWaterRequirementPage() {
    auto* page = new QWidget;
    lblWRRa = ShownValue("lblWRRa");
    lblWRRd = ShownValue("lblWRRd");
    lblWRRc = ShownValue("lblWRRc");
    lblWRSoil = ShownValue("lblWRSoil");
    lblWRSoil->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDepthCaption = new QLabel;
    edtDepthGW1Jan = NumberField("edtDepthGW1Jan");
    WatchNumberField(edtDepthGW1Jan, TNumberEntry::Decimal);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Field application ratio")), 0, 0);
    fields->addWidget(lblWRRa, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Water delivery ratio")), 1, 0);
    fields->addWidget(lblWRRd, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Conveyance Ratio")), 2, 0);
    fields->addWidget(lblWRRc, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Dominant soil type")), 0, 3);
    fields->addWidget(lblWRSoil, 0, 4);
    fields->addWidget(lblDepthCaption, 1, 3);
    fields->addWidget(edtDepthGW1Jan, 1, 4, Qt::AlignLeft);
    fields->setColumnMinimumWidth(2, 30);
    fields->setColumnStretch(5, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addWidget(grdWaterRequirement, 1);
    return page;
}

void TfrmStrategy::FieldKeyReleased(QWidget* field) {
    const std::string text = static_cast<QLineEdit*>(field)->text().toStdString();
    if (field == edtRaRatio)
        model->EditRaRatio(text);
    else if (field == edtConveyRatio)
        model->EditConveyRatio(text);
    else if (field == edtDepthGW1Jan)
        model->EditDepthGW1Jan(text);
    else
        return;
    Display();
}

void TfrmStrategy::DisplayWaterBalance() {
    const TWaterBalancePage& wb = model->WaterBalance();
    chkFieldData->setChecked(wb.FieldDataAvailable);
    SetField(edtDFsust, wb.DFsustainable);
    btnDFsustUp->setEnabled(!wb.FieldDataAvailable);
    btnDFsustDown->setEnabled(!wb.FieldDataAvailable);
    // With field data the regression decides DFsustainable: the field is read-only then.
    QPalette palette = edtDFsust->palette();
    palette.setBrush(QPalette::Base, wb.FieldDataAvailable ? this->palette().brush(QPalette::Button)
                                                           : this->palette().brush(QPalette::Base));
    edtDFsust->setPalette(palette);
    pgcWaterBalance->setTabVisible(1, wb.FieldDataAvailable && model->HasCrops());
    // A chart line always ends at DF 1; a reset page has none.
    if (wb.Charts.GWTLine[2].X == 1)
        charts->Draw(wb.Charts, TextToNumber(Units().FormatValue(QuantityKind::Length, 1.0)));
    else
        charts->Clear();
}

void TfrmStrategy::DisplaySoil() {
    const TSoilPage& soil = model->Soil();
    Select(cbxSoil, soil.SoilIndex);
    Select(cbxUniformity, soil.UniformityIndex);
    Select(cbxDeliveryPattern, soil.DeliveryPatternIndex);
    Select(cbxFlowRegime, soil.FlowRegimeIndex);
    Select(cbxFieldApplMethod, soil.FieldApplMethodIndex);
    for (int i = 0; i < 3; ++i)
        SetText(lblCapRise[i], soil.CapillaryRise[i]);
    SetText(lblDeliveryRatio, soil.DeliveryRatio);
    SetText(lblIrrigableArea, soil.IrrigableArea);
    SetField(edtConveyRatio, soil.ConveyRatio);
    SetField(edtRaRatio, soil.RaRatio);
}

void TfrmStrategy::DisplayWaterRequirement() {
    const TWaterRequirementPage& wr = model->WaterRequirement();
    SetText(lblWRRa, wr.RaRatio);
    SetText(lblWRRd, wr.DeliveryRatio);
    SetText(lblWRRc, wr.ConveyRatio);
    SetText(lblWRSoil, wr.SoilType);
    SetField(edtDepthGW1Jan, wr.DepthGW1Jan);
    grdWaterRequirement->Show(wr.Grid);
}
