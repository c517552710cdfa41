#include "MainWindowFixture.h"
#include "UiTestSupport.h"

#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fAbout.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fSettings.h"
#include "ui/fSplash.h"
#include "ui/fStrategy.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

std::vector<std::string> Texts(const QList<QAction*>& actions) {
    std::vector<std::string> texts;
    for (QAction* a : actions)
        texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return texts;
}

const std::string kLoadGeneral = "Load a General data file or save a new General data file first";
const std::string kMeteoRange =
    "One or more meteo data are missing or some values are out of range";

using MainWindow = TMainWindowOnly;

class WithEditors : public TMainWindowFixture {
protected:
    TfrmGeneral* general = nullptr;
    TfrmMeteo* meteo = nullptr;

    void SetUp() override {
        TMainWindowFixture::SetUp();
        general = main.findChild<TfrmGeneral*>();
        meteo = main.findChild<TfrmMeteo*>();
        ASSERT_TRUE(general && meteo);
    }
};

} // namespace

TEST_F(MainWindow, StartsWithItsCaptionMenusAndUnitCaptions) {
    EXPECT_EQ(main.windowTitle().toStdString(), "Quelta");
    EXPECT_EQ(Texts(main.menuBar()->actions()),
              (std::vector<std::string>{"&File", "Water Balance Strategy", "&Reports / Graphs",
                                        "&Options", "&Help"}));
    EXPECT_EQ(Texts(main.mnuFile->actions()),
              (std::vector<std::string>{"General", "Meteo", "Cropping Pattern", "Crop Factor", "-",
                                        "Exit"}));
    EXPECT_EQ(main.actReport->text().toStdString(), "Report");
    EXPECT_EQ(main.actSettings->text().toStdString(), "Settings");
    EXPECT_EQ(main.HelpAbout1->text().toStdString(), "&About...");
    EXPECT_EQ(main.mnuHelp->menuAction()->statusTip().toStdString(), "Help topics");
    EXPECT_EQ(Text(main.lblAltitudeCaption), "Altitude (m)");
    EXPECT_EQ(Text(main.lblAreaCaption), "Size of irrigable area (ha)");
    EXPECT_EQ(Text(main.lblDepthCaption), "Mean depth of water application (mm)");
    EXPECT_TRUE(main.lblCountry->font().bold());
    // Windows not built yet keep their actions disabled.
    for (QAction* a : {main.actGeneral, main.actMeteo, main.actCropPattern, main.actCropFactor,
                       main.actStrategy, main.actReport})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(main.actSettings->isEnabled());
    EXPECT_TRUE(main.HelpAbout1->isEnabled());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainWindow, RefreshesTheDataStatusOnItsMessageUnlessHidden) {
    LoadValidProject(data);
    BroadCastBoodschap(WM_REFRESH_MAIN);
    DeliverPostedEvents();
    EXPECT_EQ(Text(main.lblCountry), ""); // hidden: nothing changes
    EXPECT_EQ(Text(main.lblGeneralFile), "");

    main.showMinimized(); // minimised counts as shown
    BroadCastBoodschap(WM_REFRESH_MAIN);
    EXPECT_EQ(Text(main.lblCountry), ""); // posted, not yet delivered
    DeliverPostedEvents();
    EXPECT_EQ(Text(main.lblGeneralFile), "SITE.GEN");
    EXPECT_EQ(main.lblGeneralFile->toolTip().toStdString(), "SITE.GEN");
    EXPECT_EQ(Text(main.lblCountry), "Egypt");
    EXPECT_EQ(Text(main.lblRegion), "Nile delta");
    EXPECT_EQ(main.lblDescription->toolTip().toStdString(),
              "Irrigated area near the river with a long description");
    EXPECT_EQ(Text(main.lblCalcPeriod), "Month");
    EXPECT_EQ(Text(main.lblLatitude), "30.05 \u00b0North");
    EXPECT_EQ(Text(main.lblAltitude), "100.00");
    EXPECT_EQ(Text(main.lblIrrigableArea), "1000.0");
    EXPECT_EQ(Text(main.lblApplInterval), "10");
    EXPECT_EQ(Text(main.lblMeanDepth), "75.0");
    EXPECT_EQ(Text(main.lblMeteoFile), "cairo.mtf");
    EXPECT_EQ(Text(main.lblPatternFile), "delta.pat");

    // A second start brings the minimised window forward.
    main.BringForward();
    EXPECT_FALSE(main.windowState() & Qt::WindowMinimized);
}

TEST_F(MainWindow, ShowsLatitudeZeroSouthWithTheLocalesSeparator) {
    main.show();
    LoadValidProject(data);
    data.General.Latitude = 0;
    data.General.Hemisphere = "South";
    main.RefreshDataStatus();
    EXPECT_EQ(Text(main.lblLatitude), "0.00 \u00b0South");
    SetDecimalSeparator(',');
    main.RefreshDataStatus();
    EXPECT_EQ(Text(main.lblLatitude), "0,00 \u00b0South");
    SetDecimalSeparator('.');
}

TEST_F(MainWindow, ShowsNewUnitsAfterTheSettingsAreSavedWithoutReloading) {
    main.show();
    LoadValidProject(data);
    main.RefreshDataStatus();
    TfrmSettings settings(data.GuiSettings, &main);
    settings.cbxLengthHeigth->setCurrentIndex(1);
    settings.cbxArea->setCurrentIndex(1);
    settings.cbxPrecipitation->setCurrentIndex(1);
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(Text(main.lblAltitudeCaption), "Altitude (m)"); // the refresh is posted
    DeliverPostedEvents();
    EXPECT_EQ(Text(main.lblAltitudeCaption), "Altitude (ft)");
    EXPECT_EQ(Text(main.lblAreaCaption), "Size of irrigable area (ac)");
    EXPECT_EQ(Text(main.lblDepthCaption), "Mean depth of water application (in)");
    EXPECT_EQ(Text(main.lblAltitude), "328.08");
    EXPECT_EQ(Text(main.lblIrrigableArea), "2470.0");
    EXPECT_EQ(Text(main.lblMeanDepth), "2.95");
}

TEST_F(MainWindow, TheMenusChecksSayWhatIsMissingOrOutOfRange) {
    OpenMenu(main.mnuReports); // no general file, no meteo file either
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kLoadGeneral});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::Ok);

    LoadValidProject(data);
    data.Meteo.WindSpeed.Fill(16);
    messages.Clear();
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{kMeteoRange + "\rWindspeed, Jan (1): 16.0 (Range: 0 <= "
                                                     "Windspeed <= 15 m/s)"});

    data.General.DataValid = false;
    messages.Clear();
    OpenMenu(main.mnuReports);
    OpenMenu(main.mnuStrategy);
    const std::string text = "One or more general data are missing or some values are out of range";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{text, text}));
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
}

TEST_F(MainWindow, PassedChecksEnableTheActionOnlyWhenItsWindowExists) {
    LoadValidProject(data);
    OpenMenu(main.mnuReports);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(main.actReport->isEnabled()); // there is no report window yet
    int runs = 0;
    main.SetReportWindow([&runs](QWidget*) { ++runs; });
    main.actReport->trigger();
    EXPECT_EQ(runs, 1);
    data.General.FileName.clear();
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(main.actReport->isEnabled()); // a failed check leaves the item selectable
    // Chosen all the same, the item checks again, says the same and opens nothing.
    main.actReport->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>(
                  2, "Load a General data file or save a new General data file first"));
}

TEST_F(MainWindow, SettingsAndAboutOpenModallyAndCloseAgain) {
    main.show();
    std::string title;
    RunModal<TfrmSettings>(
        [this] { main.actSettings->trigger(); },
        [&title](TfrmSettings& settings) { title = settings.windowTitle().toStdString(); });
    EXPECT_EQ(title, "Options");
    EXPECT_EQ(VisibleWindow<TfrmSettings>(), nullptr); // destroyed after use

    RunModal<TfrmAbout>([this] { main.HelpAbout1->trigger(); },
                        [](TfrmAbout& about) {
                            about.btnDetails->click();
                            about.btnOK->click();
                        });
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Texts()[0].rfind("Quelta version ", 0), 0u);
}

TEST(Splash, IsBorderlessOnTopAndGoneAfterTwoSeconds) {
    QPointer<TfrmSplash> splash = new TfrmSplash;
    splash->show();
    EXPECT_EQ(splash->size(), QSize(339, 306));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::qWait(1500);
    EXPECT_TRUE(splash);
    QTest::qWait(1000);
    EXPECT_FALSE(splash); // closed and destroyed
}

TEST_F(WithEditors, TheFileMenuOpensTheEditorsOverTheMainWindow) {
    auto* crop = main.findChild<TfrmCropFactor*>();
    ASSERT_NE(crop, nullptr);
    data.CropFactor.FileName = dir.File("maize.udc"); // shown before, yet it opens on a new one
    for (auto [action, editor, caption] :
         {std::tuple<QAction*, QWidget*, const char*>{main.actGeneral, general, "General data []"},
          {main.actMeteo, meteo, "Meteo data []"},
          {main.actCropFactor, crop, "Crop factor data []"}}) {
        EXPECT_TRUE(action->isEnabled()) << caption;
        action->trigger();
        EXPECT_TRUE(editor->isVisible()) << caption;
        EXPECT_EQ(editor->windowTitle().toStdString(), caption);
        EXPECT_EQ(editor->parentWidget(), &main); // they stay on top of the main window
    }
}

TEST_F(WithEditors, AnotherPeriodInTheGeneralEditorRelaysTheOpenMeteoGrid) {
    LoadValidProject(data);
    main.actGeneral->trigger();
    main.actMeteo->trigger();
    ASSERT_EQ(meteo->grdMeteo->rowCount(), 12);
    general->cbxCalcPer->setFocus();
    QTest::keyClick(general->cbxCalcPer, Qt::Key_Up); // Month -> Week
    DeliverPostedEvents();
    EXPECT_EQ(meteo->grdMeteo->rowCount(), 52);
    EXPECT_EQ(meteo->grdMeteo->item(0, 1)->text().toStdString(), "12.0");
    // The latitude reaches the sunshine limit the same way.
    meteo->grdMeteo->setFocus();
    meteo->grdMeteo->setCurrentCell(25, 4); // late June
    for (QChar c : QStringLiteral("13.5"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(data.Meteo.Sunshine.GetDay(178), 13.5);
    EXPECT_EQ(meteo->CellState(26, 4), TMeteoCellState::Valid);
    general->edtLatiDegrees->setFocus();
    general->edtLatiDegrees->selectAll();
    QTest::keyClicks(general->edtLatiDegrees, QStringLiteral("5"));
    DeliverPostedEvents();
    EXPECT_EQ(meteo->CellState(26, 4), TMeteoCellState::OutOfRange); // about 12.3 h at 5 N
}

TEST_F(WithEditors, TheReportMenuRunsTheMeteoEditorsOwnCheck) {
    LoadValidProject(data);
    main.actMeteo->trigger();
    OpenMenu(main.mnuReports);
    EXPECT_TRUE(messages.Texts().empty());
    // An emptied cell is missing data, though the record still holds a number for it.
    meteo->grdMeteo->item(4, 6)->setText(QString());
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kMeteoRange});
    EXPECT_FALSE(data.Meteo.DataValid);
}

TEST_F(WithEditors, ReportAndStrategyOpenModallyAndAreDestroyedAfterUse) {
    LoadValidProject(data);
    OpenMenu(main.mnuReports);
    ASSERT_TRUE(main.actReport->isEnabled());
    RunModal<TfrmReportData>([this] { main.actReport->trigger(); },
                             [](TfrmReportData& report) {
                                 EXPECT_EQ(report.windowTitle().toStdString(), "Report data");
                                 EXPECT_TRUE(report.isModal());
                                 EXPECT_EQ(report.tabTables->count(), 6);
                             });
    EXPECT_EQ(main.findChild<TfrmReportData*>(), nullptr);
    // The text reports' window lives as long as the main window.
    ASSERT_NE(main.findChild<TfrmReportCWR*>(), nullptr);
    EXPECT_FALSE(main.findChild<TfrmReportCWR*>()->isVisible());

    data.GuiSettings.SetPeriodKind(2); // Week
    OpenMenu(main.mnuStrategy);
    RunModal<TfrmStrategy>([this] { main.actStrategy->trigger(); },
                           [this](TfrmStrategy& strategy) {
                               EXPECT_EQ(strategy.windowTitle().toStdString(),
                                         "Water Management Strategy []");
                               EXPECT_TRUE(strategy.isModal());
                               EXPECT_EQ(data.GuiSettings.PeriodKind, 3); // it works per month
                           });
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
    DeliverPostedEvents();
    EXPECT_EQ(main.findChildren<TfrmStrategy*>().size(), 0u);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(WithEditors, TheCroppingPatternOpensOnlyOnLoadedAndValidData) {
    auto* editor = main.findChild<TfrmCropPattern*>();
    ASSERT_NE(editor, nullptr);
    main.actCropPattern->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kLoadGeneral});
    LoadValidProject(data);
    data.CropPattern.FileName.clear();
    main.actMeteo->trigger();
    QTableWidgetItem* cell = meteo->grdMeteo->item(4, 6);
    const QString value = cell->text();
    cell->setText(QString()); // a missing meteo value
    messages.Clear();
    main.actCropPattern->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kMeteoRange});
    cell->setText(value);
    data.General.DataValid = false; // the pattern editor does not need valid general data
    messages.Clear();
    main.actCropPattern->trigger();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(editor->windowTitle().toStdString(), "Cropping pattern []");
    EXPECT_EQ(editor->parentWidget(), &main);
}
