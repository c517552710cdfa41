#include "ui/fQueltaMain.h"

#include "calc/uActionChecks.h"
#include "calc/uDataStatus.h"
#include "calc/uMeteoRanges.h"
#include "data/cAllData.h"
#include "ui/fAbout.h"
#include "ui/fEditorBase.h"
#include "ui/fHelp.h"
#include "ui/fSettings.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uStandardKeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

QAction* MakeAction(QObject* owner, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

// The value boxes are narrow: a text too long for its box ends in "..." (the hint shows it all).
class TValueLabel : public QLabel {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect box = contentsRect().adjusted(4, 0, -4, 0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
    }
};

QLabel* ValueLabel(const char* name) {
    auto* label = new TValueLabel;
    label->setObjectName(QString::fromUtf8(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setFixedWidth(400); // a usual description fits; a longer one is elided, in full as a tip
    label->setMinimumHeight(label->fontMetrics().height() + 8);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    return label;
}

void SetText(QLabel* label, const std::string& text, bool withHint = false) {
    label->setText(QString::fromStdString(text));
    if (withHint)
        label->setToolTip(label->text());
}

} // namespace

TfrmQueltaMain::TfrmQueltaMain(TSettingsOpener openSettings, QWidget* parent)
    : QMainWindow(parent), validateMeteo(ValidateMeteoRecord) {
    setObjectName(QStringLiteral("TfrmQueltaMain"));
    setWindowTitle(QStringLiteral("Quelta"));
    move(0, 0);
    allData = std::make_unique<TAllData>();
    if (openSettings)
        openSettings(allData->GuiSettings);
    BuildMenus();
    setCentralWidget(BuildStatusPanel());
    statusBar();
    resize(1024, 700);
    RefreshUnitCaptions();
}

TfrmQueltaMain::~TfrmQueltaMain() = default;

void TfrmQueltaMain::BuildMenus() {
    actGeneral = MakeAction(this, "actGeneral", "General");
    actMeteo = MakeAction(this, "actMeteo", "Meteo");
    actCropPattern = MakeAction(this, "actCropPattern", "Cropping Pattern");
    actCropFactor = MakeAction(this, "actCropFactor", "Crop Factor");
    actExit = MakeAction(this, "actExit", "Exit");
    actStrategy = MakeAction(this, "actStrategy", "Water Balance Strategy");
    actReport = MakeAction(this, "actReport", "Report");
    actSchedule = MakeAction(this, "actSchedule", "Irrigation schedule");
    actSettings = MakeAction(this, "actSettings", "Settings");
    HelpAbout1 = MakeAction(this, "HelpAbout1", "&About...");
    actUserGuide = MakeAction(this, "actUserGuide", "&User guide");
    SetStandardShortcut(actUserGuide, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    SetStandardShortcut(actExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->addActions({actGeneral, actMeteo, actCropPattern, actCropFactor});
    mnuFile->addSeparator();
    mnuFile->addAction(actExit);
    mnuStrategy = menuBar()->addMenu(QStringLiteral("Water Balance Strategy"));
    mnuStrategy->addAction(actStrategy);
    mnuReports = menuBar()->addMenu(QStringLiteral("&Reports / Graphs"));
    mnuReports->addAction(actReport);
    mnuReports->addAction(actSchedule);
    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->addAction(actSettings);
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->menuAction()->setStatusTip(QStringLiteral("Help topics"));
    mnuHelp->addAction(actUserGuide);
    mnuHelp->addAction(HelpAbout1);

    // Windows that are not part of the program yet keep their actions disabled.
    for (QAction* action :
         {actGeneral, actMeteo, actCropPattern, actCropFactor, actStrategy, actReport, actSchedule})
        action->setEnabled(false);

    connect(actGeneral, &QAction::triggered, this, [this] { ShowEditor(TEditorSlot::General); });
    connect(actMeteo, &QAction::triggered, this, [this] { ShowEditor(TEditorSlot::Meteo); });
    connect(actCropFactor, &QAction::triggered, this,
            [this] { ShowEditor(TEditorSlot::CropFactor); });
    connect(actCropPattern, &QAction::triggered, this, &TfrmQueltaMain::CropPatternAction);
    connect(actExit, &QAction::triggered, this, &QWidget::close);
    // The items stay selectable after a failed check, so choosing one checks again and opens
    // nothing while data are missing.
    connect(actStrategy, &QAction::triggered, this, [this] {
        if (runStrategy && CheckStrategyAction(*allData, validateMeteo))
            runStrategy(this);
    });
    connect(actReport, &QAction::triggered, this, [this] {
        if (runReport && CheckReportAction(*allData, validateMeteo))
            runReport(this);
    });
    connect(actSchedule, &QAction::triggered, this, [this] {
        if (runSchedule)
            runSchedule(this);
    });
    connect(actSettings, &QAction::triggered, this, &TfrmQueltaMain::ShowSettings);
    connect(HelpAbout1, &QAction::triggered, this, &TfrmQueltaMain::ShowAbout);
    connect(actUserGuide, &QAction::triggered, this, [this] { ShowUserGuide(this, QString()); });
    // The checks run when the menu that holds the action opens, once the menu bar has finished
    // opening it: a message box inside the menu bar's own handling of a key let a key pressed
    // while the message stood pull the menu from under it, and the program ended.
    connect(mnuReports, &QMenu::aboutToShow, this, [this] {
        QMetaObject::invokeMethod(this, &TfrmQueltaMain::ReportUpdate, Qt::QueuedConnection);
    });
    connect(mnuStrategy, &QMenu::aboutToShow, this, [this] {
        QMetaObject::invokeMethod(this, &TfrmQueltaMain::StrategyUpdate, Qt::QueuedConnection);
    });
}

QWidget* TfrmQueltaMain::BuildStatusPanel() {
    lblGeneralFile = ValueLabel("lblGeneralFile");
    lblMeteoFile = ValueLabel("lblMeteoFile");
    lblPatternFile = ValueLabel("lblPatternFile");
    lblCountry = ValueLabel("lblCountry");
    lblRegion = ValueLabel("lblRegion");
    lblCalcPeriod = ValueLabel("lblCalcPeriod");
    lblLatitude = ValueLabel("lblLatitude");
    lblAltitude = ValueLabel("lblAltitude");
    lblDescription = ValueLabel("lblDescription");
    lblIrrigableArea = ValueLabel("lblIrrigableArea");
    lblApplInterval = ValueLabel("lblApplInterval");
    lblMeanDepth = ValueLabel("lblMeanDepth");
    lblAltitudeCaption = new QLabel;
    lblAreaCaption = new QLabel;
    lblDepthCaption = new QLabel;

    auto* group = new QGroupBox(QStringLiteral("Data status"));
    group->setObjectName(QStringLiteral("grpDataStatus"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    int row = 0;
    auto add = [&](QLabel* caption, QLabel* value) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    };
    auto fixed = [](const char* text) { return new QLabel(QString::fromUtf8(text)); };
    add(fixed("General"), lblGeneralFile);
    add(fixed("Meteo"), lblMeteoFile);
    add(fixed("Cropping pattern"), lblPatternFile);
    grid->setRowMinimumHeight(row++, 8);
    add(fixed("Calculation period"), lblCalcPeriod);
    add(fixed("Country"), lblCountry);
    add(fixed("Region / Project"), lblRegion);
    add(fixed("Latitude"), lblLatitude);
    add(lblAltitudeCaption, lblAltitude);
    add(fixed("Description of irrigated area"), lblDescription);
    add(lblAreaCaption, lblIrrigableArea);
    add(fixed("Interval between applications (days)"), lblApplInterval);
    add(lblDepthCaption, lblMeanDepth);

    auto* central = new QWidget;
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(group, 0, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    return central;
}

void TfrmQueltaMain::RefreshUnitCaptions() {
    const TDataStatus status = DataStatus(*allData);
    SetText(lblAltitudeCaption, status.AltitudeCaption);
    SetText(lblAreaCaption, status.AreaCaption);
    SetText(lblDepthCaption, status.DepthCaption);
}

void TfrmQueltaMain::RefreshDataStatus() {
    RefreshUnitCaptions();
    const TDataStatus status = DataStatus(*allData);
    SetText(lblGeneralFile, status.GeneralFile, true);
    SetText(lblCountry, status.Country, true);
    SetText(lblRegion, status.Region, true);
    SetText(lblCalcPeriod, status.CalcPeriod);
    SetText(lblLatitude, status.Latitude);
    SetText(lblAltitude, status.Altitude);
    SetText(lblDescription, status.Description, true);
    SetText(lblIrrigableArea, status.IrrigableArea);
    SetText(lblApplInterval, status.ApplInterval);
    SetText(lblMeanDepth, status.MeanDepth);
    SetText(lblMeteoFile, status.MeteoFile, true);
    SetText(lblPatternFile, status.PatternFile, true);
}

void TfrmQueltaMain::SetEditor(TEditorSlot slot, TEditorBase* editor) {
    editors[static_cast<int>(slot)] = editor;
    QAction* actions[] = {actGeneral, actMeteo, actCropPattern, actCropFactor};
    actions[static_cast<int>(slot)]->setEnabled(editor != nullptr);
}

void TfrmQueltaMain::SetReportWindow(std::function<void(QWidget*)> run) {
    runReport = std::move(run);
    actReport->setEnabled(static_cast<bool>(runReport));
}

void TfrmQueltaMain::SetStrategyWindow(std::function<void(QWidget*)> run) {
    runStrategy = std::move(run);
    actStrategy->setEnabled(static_cast<bool>(runStrategy));
}

void TfrmQueltaMain::SetScheduleWindow(std::function<void(QWidget*)> run) {
    runSchedule = std::move(run);
}

void TfrmQueltaMain::SetMeteoValidation(TValidateMeteo validate) {
    validateMeteo = std::move(validate);
}

void TfrmQueltaMain::ShowEditor(TEditorSlot slot) {
    if (TEditorBase* editor = editors[static_cast<int>(slot)])
        editor->ShowEditor();
}

bool TfrmQueltaMain::CropPatternAllowed() {
    return CheckCropPatternAction(*allData, validateMeteo);
}

void TfrmQueltaMain::CropPatternAction() {
    if (CropPatternAllowed())
        ShowEditor(TEditorSlot::CropPattern);
}

namespace {

// Runs a menu's check while the menu is open; a menu closed again before its check came round
// checks nothing. On a refusal the menu closes before the message comes: an open menu would keep
// the keyboard from it.
bool MenuCheckPassed(QMenu* menu, const std::function<std::optional<TActionRefusal>()>& check) {
    if (!menu->isVisible())
        return false;
    const std::optional<TActionRefusal> refusal = check();
    if (!refusal)
        return true;
    menu->hide();
    ShowRefusal(refusal);
    return false;
}

} // namespace

// A failed check leaves the action as it was, so the item stays selectable.
void TfrmQueltaMain::ReportUpdate() {
    if (MenuCheckPassed(mnuReports,
                        [this] { return ReportActionRefusal(*allData, validateMeteo); })) {
        actReport->setEnabled(static_cast<bool>(runReport));
        // A schedule is for one crop of the pattern.
        actSchedule->setEnabled(runSchedule && allData->CropPattern.Count() > 0);
    }
}

void TfrmQueltaMain::StrategyUpdate() {
    if (MenuCheckPassed(mnuStrategy,
                        [this] { return StrategyActionRefusal(*allData, validateMeteo); }))
        actStrategy->setEnabled(static_cast<bool>(runStrategy));
}

void TfrmQueltaMain::ShowSettings() {
    TfrmSettings settings(allData->GuiSettings, this);
    settings.exec();
}

void TfrmQueltaMain::ShowAbout() {
    TfrmAbout about(this);
    about.exec();
}

void TfrmQueltaMain::BringForward() {
    if (windowState() & Qt::WindowMinimized)
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show(); // a second start always ends with the main window in sight
    raise();
    activateWindow();
}

bool TfrmQueltaMain::EditorsAgreeToClose() {
    // Every editor with unsaved changes is asked before anything closes, each in sight; one
    // Cancel, or a save that fails, leaves the program as it was.
    for (TEditorBase* editor : editors) {
        if (!editor || !editor->Modified())
            continue;
        if (editor->isVisible()) {
            editor->raise();
            editor->activateWindow();
        }
        if (!editor->CloseQuery())
            return false;
    }
    return true;
}

void TfrmQueltaMain::closeEvent(QCloseEvent* event) {
    if (!EditorsAgreeToClose()) {
        event->ignore();
        return;
    }
    // The windows the main window owns go with it, without asking again.
    for (QObject* child : children())
        if (auto* window = qobject_cast<QWidget*>(child); window && window->isWindow())
            window->hide();
    QMainWindow::closeEvent(event);
}

bool TfrmQueltaMain::event(QEvent* event) {
    if (IsWindowMessage(event, WM_REFRESH_MAIN)) {
        if (isVisible()) // a minimised window counts as visible
            RefreshDataStatus();
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmQueltaMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) && pos() != QPoint(0, 0))
        move(0, 0);
}
