#include "UiTestSupport.h"

#include "calc/uMeteoRanges.h"
#include "calc/uScheduleReport.h"
#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "core/cValueStream.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fHelp.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fSchedule.h"
#include "ui/fScheduleResults.h"
#include "ui/fToolBar.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <QXYSeries>

#include <gtest/gtest.h>

namespace {

const std::string kApp = std::string(QUELTA_BINARY_DIR) + "/app";

std::string Stored(const TSchedule& s) {
    TValueWriter w;
    s.WriteData(w);
    return w.Bytes();
}

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

// Types a value into a field and finishes it with Enter, as the user does.
void Enter(QLineEdit* field, const QString& text) {
    ReplaceText(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// The rows of the daily table drawn as irrigation days.
std::vector<int> HighlightedRows(const QTableWidget* grid) {
    std::vector<int> rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0)->background().color() == TScheduleResults::IrrigatedColour)
            rows.push_back(r);
    return rows;
}

// The Seville example, its soils from the build's library, its schedules in a folder of the test.
struct ScheduleWindowTest : ::testing::Test {
    TTempDir dir;
    TMessageRecorder messages;
    TAllData data;
    TfrmReportCWR reportWindow{data.GuiSettings, nullptr};
    TFileDialogScript dialogs;

    void SetUp() override {
        ASSERT_TRUE(LoadSevilleExample(data, kApp));
        data.GuiSettings.SoilFolder = kApp + "/Soil";
        data.GuiSettings.ScheduleFolder = dir.Path();
        data.GuiSettings.ReportFolder = dir.Path();
    }

    std::unique_ptr<TfrmSchedule> OpenWindow() {
        auto w = std::make_unique<TfrmSchedule>(data, reportWindow, nullptr);
        w->Open();
        return w;
    }
};

} // namespace

TEST_F(ScheduleWindowTest, ANewScheduleTakesTheFirstCropWithItsPublishedValuesAndRuns) {
    auto w = OpenWindow();
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Irrigation schedule []"));
    EXPECT_EQ(w->cbxCrop->currentText(), QStringLiteral("Maize (day 105)"));
    EXPECT_EQ(w->cbxCrop->count(), data.CropPattern.Count());
    // Every crop line's name can be read whole in the box ("WheatWinterDec (day 335)").
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    for (int i = 0; i < w->cbxCrop->count(); ++i)
        EXPECT_GE(w->cbxCrop->width(),
                  w->cbxCrop->fontMetrics().horizontalAdvance(w->cbxCrop->itemText(i)) + 20)
            << w->cbxCrop->itemText(i).toStdString();
    EXPECT_EQ(Text(w->edtP), "0.55");
    EXPECT_EQ(Text(w->edtKySeason), "1.25");
    EXPECT_EQ(Text(w->edtKyStage[2]), "1.5");
    EXPECT_EQ(w->lblDefaults->text().toStdString(),
              "Published for Maize.crp: p 0.55 (FAO-56), Ky 1.25 (FAO-33).");
    EXPECT_EQ(w->cbxSoil->currentText(), QStringLiteral("Loam"));
    EXPECT_EQ(Text(w->edtFieldCapacity), "0.25");
    EXPECT_EQ(Text(w->edtAvailableWater), "130.0");
    EXPECT_FALSE(w->edtAvailableWater->isEnabled());
    EXPECT_EQ(w->cbxRainfall->currentText(), QStringLiteral("Fixed % of precipitation"));
    EXPECT_FALSE(w->ToolBar()->FileSave1->isEnabled());

    const auto& result = w->Model().Result();
    ASSERT_TRUE(result);
    EXPECT_EQ(w->pgcResults->grdDays->rowCount(), 150);
    std::vector<int> irrigated;
    for (std::size_t i = 0; i < result->Days.size(); ++i)
        if (result->Days[i].Irrigated)
            irrigated.push_back(static_cast<int>(i));
    EXPECT_EQ(HighlightedRows(w->pgcResults->grdDays), irrigated);
    EXPECT_GT(irrigated.size(), 5u);
    EXPECT_EQ(w->pgcResults->grdSeason->item(0, 1)->text(), QStringLiteral("150"));
    EXPECT_EQ(w->lblStatus->text().toStdString().substr(0, 14),
              std::to_string(irrigated.size()) + " irrigations");
    // Dr, RAW and TAW over the 150 days, and one point per irrigation.
    const auto series = w->pgcResults->chtDepletion->chart()->series();
    ASSERT_EQ(series.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(static_cast<QXYSeries*>(series[i])->count(), 150);
    EXPECT_EQ(static_cast<QXYSeries*>(series[3])->count(), static_cast<int>(irrigated.size()));
    // The axes tick at round numbers: every 25 days of the season, every 50 mm of depth.
    const auto axis = [&w](Qt::Orientation o) {
        return static_cast<QValueAxis*>(w->pgcResults->chtDepletion->chart()->axes(o).front());
    };
    EXPECT_EQ(axis(Qt::Horizontal)->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(axis(Qt::Horizontal)->tickInterval(), 25);
    EXPECT_EQ(axis(Qt::Horizontal)->labelFormat(), QStringLiteral("%.0f"));
    EXPECT_EQ(axis(Qt::Vertical)->tickAnchor(), 0);
    EXPECT_EQ(axis(Qt::Vertical)->tickInterval(), 50);
}

TEST_F(ScheduleWindowTest, RefusedValuesAreToldAndChangeNothing) {
    auto w = OpenWindow();
    struct TCase {
        QLineEdit* Field;
        const char* Typed;
        std::string Message;
    };
    const TCase cases[] = {
        {w->edtFieldCapacity, "0.1", "The field capacity must be larger than the wilting point."},
        {w->edtWiltingPoint, "0.3", "The field capacity must be larger than the wilting point."},
        {w->edtEfficiency, "0", "The field application efficiency must lie between 1 and 100 %."},
        {w->edtP, "0.95", "The depletion fraction p must lie between 0.1 and 0.8."},
        {w->edtInfiltration, "",
         "The infiltration rate of the soil must lie above 0 and at most 10000 mm/day."},
    };
    for (const TCase& c : cases) {
        const std::string before = Stored(w->Model().Schedule());
        const std::string shown = Text(c.Field);
        messages.Clear();
        Enter(c.Field, QString::fromUtf8(c.Typed));
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.Message}) << c.Typed;
        EXPECT_EQ(messages.Messages().at(0).Kind, TMessageKind::Error);
        EXPECT_EQ(Stored(w->Model().Schedule()), before) << c.Typed;
        EXPECT_EQ(Text(c.Field), shown) << c.Typed;
        EXPECT_TRUE(w->Model().Result()) << c.Typed;
    }
    // An accepted value runs the balance again.
    messages.Clear();
    Enter(w->edtEfficiency, QStringLiteral("80"));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(w->Model().Schedule().Efficiency, 80);
    const TScheduleDay& first = w->Model().Result()->Days[static_cast<std::size_t>(
        HighlightedRows(w->pgcResults->grdDays).front())];
    EXPECT_DOUBLE_EQ(first.Gross, first.Net / 0.8);
    EXPECT_TRUE(w->ToolBar()->FileSave1->isEnabled());
}

TEST_F(ScheduleWindowTest, TimingAndApplicationOptionsRecomputeTheTable) {
    auto w = OpenWindow();
    Choose(w->cbxTiming, QStringLiteral("Never (rainfed)"));
    EXPECT_FALSE(w->edtTiming->isEnabled());
    EXPECT_TRUE(HighlightedRows(w->pgcResults->grdDays).empty());
    EXPECT_GT(w->Model().Result()->Season.YieldReduction, 0.3);

    Choose(w->cbxTiming, QStringLiteral("At a fixed interval"));
    EXPECT_EQ(w->lblTimingUnit->text(), QStringLiteral("days"));
    Enter(w->edtTiming, QStringLiteral("7"));
    Choose(w->cbxApplication, QStringLiteral("A fixed net depth"));
    Enter(w->edtApplication, QStringLiteral("20"));
    EXPECT_TRUE(messages.Texts().empty());
    const auto rows = HighlightedRows(w->pgcResults->grdDays);
    ASSERT_EQ(rows.size(), 21u); // days 7, 14, ..., 147 of 150
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i], 7 * static_cast<int>(i + 1) - 1);
        EXPECT_EQ(w->pgcResults->grdDays->item(rows[i], ScheduleColumn::Net)->text(),
                  QStringLiteral("20.0"));
    }

    Choose(w->cbxTiming, QStringLiteral("When the depletion reaches a depth"));
    EXPECT_EQ(w->lblTimingUnit->text(), QStringLiteral("mm"));
    Enter(w->edtTiming, QStringLiteral("40"));
    EXPECT_EQ(w->Model().Schedule().TimingDepletion, 40);
    Choose(w->cbxApplication, QStringLiteral("Refill less room for rain"));
    EXPECT_EQ(w->lblApplicationUnit->text(), QStringLiteral("mm room for rain"));
    EXPECT_EQ(w->Model().Schedule().Application, TScheduleApplication::RefillLessRoom);
    Choose(w->cbxMethod, QStringLiteral("Modified Hargreaves"));
    EXPECT_EQ(w->Model().Method(), TEt0Method::Hargreaves);
    Choose(w->cbxRainfall, QStringLiteral("USDA Method"));
    EXPECT_EQ(w->Model().Rainfall(), TRainfallMethod::Usda);
    for (const TScheduleDay& day : w->Model().Result()->Days)
        EXPECT_EQ(day.Pe, day.Rain);
}

TEST_F(ScheduleWindowTest, LibrarySoilsAreCopiedInAndOwnSoilsSaved) {
    auto w = OpenWindow();
    Enter(w->edtInitialDepletion, QStringLiteral("30"));
    Choose(w->cbxSoil, QStringLiteral("Clay"));
    EXPECT_EQ(Text(w->edtSoilName), "Clay");
    EXPECT_EQ(Text(w->edtFieldCapacity), "0.36");
    EXPECT_EQ(Text(w->edtInfiltration), "72.0");
    EXPECT_EQ(Text(w->edtInitialDepletion), "30"); // the schedule's, not the library's
    EXPECT_TRUE(messages.Texts().empty());

    // Entered directly, the total available water keeps its value and the soil its own.
    QTest::mouseClick(w->ckbxAvailableWater, Qt::LeftButton);
    EXPECT_TRUE(w->edtAvailableWater->isEnabled());
    EXPECT_EQ(Text(w->edtAvailableWater), "140.0");
    Enter(w->edtAvailableWater, QStringLiteral("95"));
    Enter(w->edtSoilName, QStringLiteral("Vega clay"));
    EXPECT_EQ(w->cbxSoil->currentIndex(), 0);

    data.GuiSettings.SoilFolder = dir.Path(); // the build's library stays as it is
    dialogs.Answer(dir.File("vega"));
    QTest::mouseClick(w->btnSoilSave, Qt::LeftButton);
    TSoil saved;
    ASSERT_TRUE(saved.Load(dir.File("vega.soi")));
    EXPECT_EQ(saved.Description, "Vega clay");
    EXPECT_EQ(saved.AvailableWaterPerMetre(), 95);
    EXPECT_EQ(w->cbxSoil->currentText(), QStringLiteral("Vega clay"));

    // A file of another kind chosen as a soil is named with the kind expected; the soil stays.
    const std::string before = Stored(w->Model().Schedule());
    dialogs.Answer(kApp + "/General/Seville.gen");
    QTest::mouseClick(w->btnSoilOpen, Qt::LeftButton);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], "Error in procedure ReadData: Invalid property value\r\rFile: " +
                                       kApp + "/General/Seville.gen\rExpected: Soil files (*.soi)");
    EXPECT_EQ(Stored(w->Model().Schedule()), before);
}

TEST_F(ScheduleWindowTest, SavedSchedulesOpenAgainAndAGoneCropLineIsTold) {
    auto w = OpenWindow();
    Enter(w->edtEfficiency, QStringLiteral("75"));
    dialogs.Answer(dir.File("maize"));
    ClickCommand(w->ToolBar(), w->ToolBar()->FileSaveAs1);
    TSchedule saved;
    ASSERT_TRUE(saved.Load(dir.File("maize.sch")));
    EXPECT_EQ(Stored(saved), Stored(w->Model().Schedule()));
    EXPECT_EQ(w->windowTitle().toStdString(),
              "Irrigation schedule [" + dir.File("maize.sch") + "]");

    saved.PlantingDay = 200;
    saved.Save(dir.File("gone.sch"));
    dialogs.Answer(dir.File("gone.sch"));
    ClickCommand(w->ToolBar(), w->ToolBar()->FileOpen1);
    const std::string gone = "The cropping pattern no longer holds the crop Maize (day 200) of "
                             "this schedule. Choose one of its crops.";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{gone});
    EXPECT_EQ(w->cbxCrop->currentIndex(), -1);
    EXPECT_EQ(w->lblStatus->text().toStdString(), gone);
    EXPECT_EQ(w->pgcResults->grdDays->rowCount(), 0);
    EXPECT_FALSE(w->actExportCsv->isEnabled());
    EXPECT_FALSE(w->actReport->isEnabled());
    EXPECT_EQ(w->Model().Schedule().PlantingDay, 200); // nothing changed until a crop is chosen

    w->cbxCrop->setFocus();
    Choose(w->cbxCrop, QStringLiteral("Cotton (day 110)"));
    EXPECT_EQ(w->Model().Schedule().PlantingDay, 110);
    EXPECT_EQ(Text(w->edtP), "0.65");
    EXPECT_EQ(Text(w->edtKySeason), "0.85");
    EXPECT_EQ(Text(w->edtKyStage[0]), "0");
    EXPECT_EQ(Text(w->edtEfficiency), "75"); // the rest of the schedule stays
    EXPECT_TRUE(w->Model().Result());
    EXPECT_EQ(w->pgcResults->grdDays->rowCount(), 195);
}

TEST_F(ScheduleWindowTest, ExportCopyAndReportShowWhatTheModelBuilt) {
    auto w = OpenWindow();
    dialogs.Answer(dir.File("days"));
    w->actExportCsv->trigger();
    const std::string csv = ReadBytes(dir.File("days.csv"));
    EXPECT_EQ(csv, ScheduleCsv(w->Model().Table()));
    EXPECT_EQ(csv.substr(0, 9), "Date,Day,");
    ASSERT_FALSE(dialogs.Asked().empty());
    EXPECT_EQ(dialogs.Asked().back().Folder, dir.Path());

    ClickCommand(w->ToolBar(), w->ToolBar()->CopyToClipboard);
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find("Irrigation schedule\r\n\r\nDate\tDay\tStage\t"), std::string::npos);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 4 + 2 + 150);

    RunModal<TfrmReportCWR>(
        [&w] { w->actReport->trigger(); },
        [](TfrmReportCWR& report) {
            ASSERT_FALSE(report.Lines().empty());
            EXPECT_EQ(report.Lines()[0], (TReportLine{"Irrigation schedule", true}));
            // Its own caption, so that F1 there opens the scheduling chapter.
            EXPECT_EQ(report.windowTitle(), QStringLiteral("Report Irrigation Schedule"));
            EXPECT_EQ(HelpSectionOf(&report), QStringLiteral("Irrigation scheduling"));
        });
}

// The "Irrigation schedule" item of the main window's "&Reports / Graphs" menu, wired as the
// program starts.
TEST(ScheduleMenu, EnabledWithTheReportForAPatternWithCropsAndRunModally) {
    TTempDir dir;
    TMessageRecorder messages;
    TfrmQueltaMain main{[&dir](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();
    ASSERT_TRUE(LoadSevilleExample(data, kApp));
    data.General.DataValid = true;
    EXPECT_FALSE(main.actSchedule->isEnabled());
    OpenMenu(main.mnuReports);
    EXPECT_FALSE(main.actSchedule->isEnabled()); // no window to run yet
    CreateEditors(main);
    main.SetMeteoValidation(ValidateMeteoRecord); // the meteo editor has shown nothing here
    OpenMenu(main.mnuReports);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
    ASSERT_TRUE(main.actSchedule->isEnabled());
    EXPECT_EQ(main.actSchedule->text(), QStringLiteral("Irrigation schedule"));
    RunModal<TfrmSchedule>([&main] { main.actSchedule->trigger(); },
                           [](TfrmSchedule& w) {
                               EXPECT_TRUE(w.isModal());
                               EXPECT_EQ(w.cbxCrop->currentText(),
                                         QStringLiteral("Maize (day 105)"));
                               EXPECT_EQ(w.pgcResults->grdDays->rowCount(), 150);
                           });
    EXPECT_EQ(main.findChild<TfrmSchedule*>(), nullptr);

    data.CropPattern.Clear();
    OpenMenu(main.mnuReports);
    EXPECT_TRUE(main.actReport->isEnabled());
    EXPECT_FALSE(main.actSchedule->isEnabled());
}
