#include "UiTestSupport.h"

#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fStrategy.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The main window with its editors, as the program starts it.
class ProjectEditors : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TfrmQueltaMain main{[this](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();
    TfrmGeneral* general = nullptr;
    TfrmMeteo* meteo = nullptr;

    void SetUp() override {
        CreateEditors(main);
        general = main.findChild<TfrmGeneral*>();
        meteo = main.findChild<TfrmMeteo*>();
        main.show();
    }
};

} // namespace

TEST_F(ProjectEditors, TheFileMenuOpensTheGeneralAndMeteoEditors) {
    ASSERT_NE(general, nullptr);
    ASSERT_NE(meteo, nullptr);
    EXPECT_TRUE(main.actGeneral->isEnabled());
    EXPECT_TRUE(main.actMeteo->isEnabled());
    main.actGeneral->trigger();
    EXPECT_TRUE(general->isVisible());
    EXPECT_EQ(general->windowTitle().toStdString(), "General data []");
    main.actMeteo->trigger();
    EXPECT_TRUE(meteo->isVisible());
    EXPECT_EQ(meteo->windowTitle().toStdString(), "Meteo data []");
    EXPECT_EQ(general->parentWidget(), &main); // they stay on top of the main window
}

TEST_F(ProjectEditors, TheCropFactorActionOpensANewCropFactor) {
    auto* crop = main.findChild<TfrmCropFactor*>();
    ASSERT_NE(crop, nullptr);
    EXPECT_TRUE(main.actCropFactor->isEnabled());
    data.CropFactor.FileName = dir.File("maize.udc"); // shown before, yet it opens on a new one
    main.actCropFactor->trigger();
    EXPECT_TRUE(crop->isVisible());
    EXPECT_EQ(crop->windowTitle().toStdString(), "Crop factor data []");
    EXPECT_EQ(crop->parentWidget(), &main);
}

TEST_F(ProjectEditors, AnotherPeriodInTheGeneralEditorRelaysTheOpenMeteoGrid) {
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

TEST_F(ProjectEditors, TheReportMenuRunsTheMeteoEditorsOwnCheck) {
    LoadValidProject(data);
    main.actMeteo->trigger();
    OpenMenu(main.mnuReports);
    EXPECT_TRUE(messages.Texts().empty());
    // An emptied cell is missing data, though the record still holds a number for it.
    meteo->grdMeteo->item(4, 6)->setText(QString());
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"One or more meteo data are missing or some values are out "
                                       "of range"});
    EXPECT_FALSE(data.Meteo.DataValid);
}

TEST_F(ProjectEditors, TheReportMenuOpensTheReportWindowModally) {
    LoadValidProject(data);
    OpenMenu(main.mnuReports);
    ASSERT_TRUE(main.actReport->isEnabled());
    std::string title;
    bool modal = false;
    int tabs = 0;
    QTimer::singleShot(0, [&] {
        if (auto* report = main.findChild<TfrmReportData*>(); report && report->isVisible()) {
            title = report->windowTitle().toStdString();
            modal = report->isModal();
            tabs = report->tabTables->count();
            report->close();
        }
    });
    main.actReport->trigger();
    EXPECT_EQ(title, "Report data");
    EXPECT_TRUE(modal);
    EXPECT_EQ(tabs, 6);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(main.findChild<TfrmReportData*>(), nullptr); // destroyed after use
    // The text reports' window lives as long as the main window.
    ASSERT_NE(main.findChild<TfrmReportCWR*>(), nullptr);
    EXPECT_FALSE(main.findChild<TfrmReportCWR*>()->isVisible());
}

TEST_F(ProjectEditors, TheStrategyMenuShowsTheStrategyWindowModallyAndDestroysIt) {
    LoadValidProject(data);
    data.GuiSettings.SetPeriodKind(2); // Week
    std::string title;
    int periodWhileShown = -1;
    OpenMenu(main.mnuStrategy);
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* strategy = qobject_cast<TfrmStrategy*>(w); strategy && w->isVisible()) {
                title = strategy->windowTitle().toStdString();
                periodWhileShown = data.GuiSettings.PeriodKind;
                EXPECT_TRUE(strategy->isModal());
                strategy->close();
            }
    });
    main.actStrategy->trigger();
    EXPECT_EQ(title, "Water Management Strategy []");
    EXPECT_EQ(periodWhileShown, 3); // the window works per month
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
    DeliverPostedEvents();
    EXPECT_EQ(main.findChildren<TfrmStrategy*>().size(), 0u);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ProjectEditors, TheCroppingPatternOpensOnlyOnLoadedAndValidData) {
    auto* editor = main.findChild<TfrmCropPattern*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(main.actCropPattern->isEnabled());
    main.actCropPattern->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Load a General data file or save a new "
                                                         "General data file first"});
    LoadValidProject(data);
    data.CropPattern.FileName.clear();
    main.actMeteo->trigger();
    QTableWidgetItem* cell = meteo->grdMeteo->item(4, 6);
    const QString value = cell->text();
    cell->setText(QString()); // a missing meteo value
    messages.Clear();
    main.actCropPattern->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"One or more meteo data are missing or "
                                                         "some values are out of range"});
    cell->setText(value);
    data.General.DataValid = false; // the pattern editor does not need valid general data
    messages.Clear();
    main.actCropPattern->trigger();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(editor->windowTitle().toStdString(), "Cropping pattern []");
    EXPECT_EQ(editor->parentWidget(), &main);
}
