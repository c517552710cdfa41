#include "UiTestSupport.h"

#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fAbout.h"
#include "ui/fQueltaMain.h"
#include "ui/fSettings.h"
#include "ui/fSplash.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <class TWindow>
TWindow* VisibleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TWindow*>(w); window && window->isVisible())
            return window;
    return nullptr;
}

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

// A main window on a project of its own, with its settings in a temporary folder.
class MainWindow : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TfrmQueltaMain main{[this](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();

    void LoadSite() { LoadValidProject(data); }
};

} // namespace

TEST_F(MainWindow, StartsWithItsCaptionMenusAndUnitCaptions) {
    EXPECT_EQ(main.windowTitle().toStdString(), "Quelta");
    std::vector<std::string> menus;
    for (QAction* a : main.menuBar()->actions())
        menus.push_back(a->text().toStdString());
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "Water Balance Strategy",
                                               "&Reports / Graphs", "&Options", "&Help"}));
    std::vector<std::string> file;
    for (QAction* a : main.mnuFile->actions())
        file.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    EXPECT_EQ(file, (std::vector<std::string>{"General", "Meteo", "Cropping Pattern", "Crop Factor",
                                              "-", "Exit"}));
    EXPECT_EQ(main.actReport->text().toStdString(), "Report");
    EXPECT_EQ(main.actSettings->text().toStdString(), "Settings");
    EXPECT_EQ(main.HelpAbout1->text().toStdString(), "&About...");
    EXPECT_EQ(main.mnuHelp->menuAction()->statusTip().toStdString(), "Help topics");
    EXPECT_EQ(Text(main.lblAltitudeCaption), "Altitude (m)");
    EXPECT_EQ(Text(main.lblAreaCaption), "Size of irrigable area (ha)");
    EXPECT_EQ(Text(main.lblDepthCaption), "Mean depth of water application (mm)");
    EXPECT_TRUE(main.lblCountry->font().bold());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainWindow, RefreshesTheDataStatusOnItsMessageWhileShown) {
    main.show();
    LoadSite();
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
    EXPECT_EQ(main.lblMeteoFile->toolTip().toStdString(), "cairo.mtf");
    EXPECT_EQ(Text(main.lblPatternFile), "delta.pat");
}

TEST_F(MainWindow, IgnoresItsMessageWhileHiddenButNotWhileMinimised) {
    LoadSite();
    BroadCastBoodschap(WM_REFRESH_MAIN);
    DeliverPostedEvents();
    EXPECT_EQ(Text(main.lblCountry), "");
    EXPECT_EQ(Text(main.lblGeneralFile), "");

    main.showMinimized();
    BroadCastBoodschap(WM_REFRESH_MAIN);
    DeliverPostedEvents();
    EXPECT_EQ(Text(main.lblCountry), "Egypt");
}

TEST_F(MainWindow, ShowsLatitudeZeroSouthWithTheLocalesSeparator) {
    main.show();
    LoadSite();
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
    LoadSite();
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

TEST_F(MainWindow, ReportMenuWithoutAGeneralFileSaysOnlyThat) {
    OpenMenu(main.mnuReports);
    EXPECT_EQ(
        messages.Texts(),
        std::vector<std::string>{"Load a General data file or save a new General data file first"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Messages()[0].Buttons, TMessageButtons::Ok);
}

TEST_F(MainWindow, ReportMenuWithAMeteoValueOutOfRangeSaysSo) {
    LoadSite();
    data.Meteo.WindSpeed.Fill(16);
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "One or more meteo data are missing or some values are out of range"});
}

TEST_F(MainWindow, TheMeteoEditorsCheckReplacesTheRecordCheck) {
    LoadSite();
    int runs = 0;
    main.SetMeteoValidation([&runs](TAllData& d) {
        ++runs;
        d.Meteo.DataValid = true;
    });
    data.Meteo.WindSpeed.Fill(16); // the record check would refuse this
    OpenMenu(main.mnuStrategy);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MainWindow, ReportAndStrategyMenusReportGeneralDataOutOfRange) {
    LoadSite();
    data.General.DataValid = false;
    OpenMenu(main.mnuReports);
    OpenMenu(main.mnuStrategy);
    const std::string text = "One or more general data are missing or some values are out of range";
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{text, text}));
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
}

TEST_F(MainWindow, PassedChecksEnableTheActionOnlyWhenItsWindowExists) {
    LoadSite();
    OpenMenu(main.mnuReports);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(main.actReport->isEnabled()); // there is no report window yet
    int runs = 0;
    main.SetReportWindow([&runs](QWidget*) { ++runs; });
    data.General.FileName.clear();
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(main.actReport->isEnabled()); // a failed check leaves the item selectable
    main.actReport->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainWindow, CroppingPatternActionChecksTheGeneralFileFirst) {
    main.actCropPattern->setEnabled(true);
    main.actCropPattern->trigger();
    EXPECT_EQ(
        messages.Texts(),
        std::vector<std::string>{"Load a General data file or save a new General data file first"});
}

TEST_F(MainWindow, WindowsNotBuiltYetKeepTheirActionsDisabled) {
    for (QAction* a : {main.actGeneral, main.actMeteo, main.actCropPattern, main.actCropFactor,
                       main.actStrategy, main.actReport})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(main.actSettings->isEnabled());
    EXPECT_TRUE(main.HelpAbout1->isEnabled());
}

TEST_F(MainWindow, ComesForwardWhenMinimised) {
    main.showMinimized();
    main.BringForward();
    EXPECT_FALSE(main.windowState() & Qt::WindowMinimized);
}

TEST_F(MainWindow, SettingsAndAboutOpenModallyAndCloseAgain) {
    main.show();
    std::string title;
    QTimer::singleShot(0, [&title] {
        if (auto* settings = VisibleWindow<TfrmSettings>()) {
            title = settings->windowTitle().toStdString();
            settings->reject();
        }
    });
    main.actSettings->trigger();
    EXPECT_EQ(title, "Options");
    EXPECT_EQ(VisibleWindow<TfrmSettings>(), nullptr); // destroyed after use

    QTimer::singleShot(0, [] {
        if (auto* about = VisibleWindow<TfrmAbout>()) {
            about->btnDetails->click();
            about->btnOK->click();
        }
    });
    main.HelpAbout1->trigger();
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
