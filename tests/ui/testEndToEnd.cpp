// The program as a user drives it, on a program folder of its own that holds a copy of the
// build's example files: a new project typed from nothing, and the Seville example's report,
// charts, text report, strategy and units.

#include "ProgramFixture.h"
#include "UiTestSupport.h"

#include "calc/uCurveNumber.h"
#include "calc/uReportModel.h"
#include "calc/uStrategyReport.h"
#include "core/cCalendar.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "data/cStrategy.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fChart.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fCropPatternLine.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fReportGrid.h"
#include "ui/fSettings.h"
#include "ui/fStrategy.h"
#include "ui/fToolBar.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <tuple>

namespace {

// ---- a new project typed from nothing ----

// A year of monthly weather as a spreadsheet holds it: minimum and maximum temperature,
// precipitation, sunshine, mean and maximum humidity, wind speed and day/night wind ratio.
constexpr std::array<std::array<double, 8>, 12> kWeather{{
    {4, 15, 60, 5.5, 75, 90, 2, 2},
    {5, 17, 50, 6.5, 70, 88, 2.2, 2},
    {7, 20, 40, 7, 65, 85, 2.4, 2},
    {9, 22, 45, 8, 60, 82, 2.5, 2},
    {12, 26, 30, 9.5, 55, 80, 2.5, 2},
    {16, 31, 10, 11, 50, 75, 2.3, 2},
    {18, 35, 2, 11.5, 45, 70, 2.2, 2},
    {18.5, 34.5, 5, 10.5, 47, 72, 2.1, 2},
    {16, 30, 20, 8.5, 55, 78, 2, 2},
    {12, 25, 50, 7, 65, 85, 1.9, 2},
    {8, 19, 60, 6, 72, 88, 1.8, 2},
    {5, 16, 70, 5, 77, 90, 1.9, 2},
}};

struct TCropTyped {
    const char* Name;
    const char* Description;
    std::array<const char*, 4> Kc134AndDepth;
    std::array<int, 4> Stages;
    const char* Area;
    int PlantingMonth; // 1..12, planted on the first
};

const TCropTyped kCrops[] = {
    {"Maize", "Grain maize", {"0.3", "1.2", "0.35", "1.0"}, {30, 40, 50, 30}, "300", 4},
    {"Tomato", "Tomato", {"0.6", "1.15", "0.8", "0.7"}, {30, 40, 45, 30}, "150", 3},
};

class NewProject : public TProgramFixture {
protected:
    std::string CropFile(const TCropTyped& crop) const {
        return File(std::string("Crop/") + crop.Name + ".udc");
    }

    void TypeGeneralData() {
        OpenFromMenu(main.actGeneral, general);
        ASSERT_TRUE(QTest::qWaitForWindowActive(general));
        ReplaceText(general->edtCountry, QStringLiteral("Testland"));
        ReplaceText(general->edtRegion, QStringLiteral("North valley"));
        ReplaceText(general->edtDescript, QStringLiteral("New scheme"));
        EXPECT_EQ(general->cbxHemis->currentText().toStdString(), "North");
        ReplaceText(general->edtLatiDegrees, QStringLiteral("37"));
        ReplaceText(general->edtLatiMinutes, QStringLiteral("30"));
        ReplaceText(general->edtAlti, QStringLiteral("30"));
        ReplaceText(general->edtTot_Area, QStringLiteral("600"));
        ReplaceText(general->edtS_Area, QStringLiteral("500"));
        Choose(general->cbxCalcPer, QStringLiteral("Month"));
        ReplaceText(general->edtDm_of_watappl, QStringLiteral("60"));
        Choose(general->cbxApplInt, QStringLiteral("7"));
        EXPECT_TRUE(SaveAs(general, File("General/New.gen")));
    }

    void PasteMeteoData() {
        OpenFromMenu(main.actMeteo, meteo);
        QString text;
        for (const auto& month : kWeather) {
            QStringList cells;
            for (double value : month)
                cells << QString::number(value);
            text += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
        }
        QApplication::clipboard()->setText(text);
        meteo->grdMeteo->setFocus();
        meteo->grdMeteo->setCurrentCell(0, 1);
        QTest::keyClick(meteo->grdMeteo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(SaveAs(meteo, File("Meteo/New.mtf")));
    }

    void BuildCropFactor(TfrmCropFactor* editor, const TCropTyped& crop) {
        ReplaceText(editor->edtDescription, QString::fromUtf8(crop.Description));
        QLineEdit* values[] = {editor->edtKc1, editor->edtKc3, editor->edtKc4,
                               editor->edtRootingDepth};
        QLineEdit* stages[] = {editor->edtStage1, editor->edtStage2, editor->edtStage3,
                               editor->edtStage4};
        for (int i = 0; i < 4; ++i) {
            ReplaceText(values[i], QString::fromUtf8(crop.Kc134AndDepth[i]));
            ReplaceText(stages[i], QString::number(crop.Stages[i]));
        }
        EXPECT_TRUE(SaveAs(editor, CropFile(crop)));
    }

    // The crop dialog of the pattern editor: the crop file, its area and planting date.
    void AddCropToPattern(const TCropTyped& crop) {
        RunModal<TfrmCropPatternLine>(
            [&] { ClickCommand(pattern->ToolBar(), pattern->ToolBar()->PatternLineAdd); },
            [&](TfrmCropPatternLine& dialog) {
                dialogs.Answer(CropFile(crop));
                dialog.ToolBar()->FileOpen1->trigger();
                EXPECT_EQ(dialog.edtDescription->text().toStdString(), crop.Description);
                ReplaceText(dialog.edtArea, QString::fromUtf8(crop.Area));
                Choose(dialog.cbxMonth, dialog.cbxMonth->itemText(crop.PlantingMonth - 1));
                ReplaceText(dialog.edtDay, QStringLiteral("1"));
                dialog.ToolBar()->SaveToPattern->trigger();
            });
    }
};

TEST_F(NewProject, FromNothingThroughTheEditorsToTheReport) {
    TypeGeneralData();
    PasteMeteoData();

    auto* cropFactor = main.findChild<TfrmCropFactor*>();
    OpenFromMenu(main.actCropFactor, cropFactor);
    cropFactor->activateWindow(); // as the user's first click into it does
    ASSERT_TRUE(QTest::qWaitFor([&] { return cropFactor->Active(); }, 2000));
    BuildCropFactor(cropFactor, kCrops[0]);
    ClickCommand(cropFactor->ToolBar(), cropFactor->ToolBar()->FileNew1);
    BuildCropFactor(cropFactor, kCrops[1]);

    OpenFromMenu(main.actCropPattern, pattern);
    for (const TCropTyped& crop : kCrops)
        AddCropToPattern(crop);
    ReplaceText(pattern->edtKcFallow, QStringLiteral("0.3"));
    EXPECT_TRUE(SaveAs(pattern, File("Pattern/New.pat")));

    FromMenu<TfrmReportData>(main.mnuReports, main.actReport, [&](TfrmReportData& report) {
        ClickTab(report.tabTables, static_cast<int>(TReportTableKind::WaterRequirements));
        ASSERT_EQ(report.cbxCrop->count(), 3);
        EXPECT_EQ(report.cbxCrop->itemText(1).toStdString(), "Maize.udc");
        EXPECT_EQ(report.cbxCrop->itemText(2).toStdString(), "Tomato.udc");
        ASSERT_EQ(report.grdTable->rowCount(), 1 + 12);
        // Both crops are in the field in May: 450 ha cropped.
        EXPECT_EQ(report.grdTable->CellText(5, 1).toStdString(), "450.0");
        EXPECT_EQ(report.grdTable->CellText(1, 1).toStdString(), ""); // January: none
    });
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front();

    // What the saved files hold is what was typed.
    TAllData read;
    ASSERT_TRUE(read.General.Load(File("General/New.gen")));
    const TGeneral& g = read.General;
    EXPECT_EQ(std::tie(g.Country, g.Region, g.Description, g.Hemisphere, g.CalcPeriod),
              std::make_tuple("Testland", "North valley", "New scheme", "North", "Month"));
    EXPECT_DOUBLE_EQ(g.Latitude, 37.30); // degrees.minutes
    EXPECT_EQ(std::make_tuple(g.Altitude, g.GrossArea, g.IrrigableArea, g.MeanDepth),
              std::make_tuple(30.0, 600.0, 500.0, 60.0));
    EXPECT_EQ(g.ApplInterval, 7);

    ASSERT_TRUE(read.Meteo.Load(File("Meteo/New.mtf")));
    EXPECT_DOUBLE_EQ(read.Meteo.WindHeight, 2);
    for (int m = 1; m <= 12; ++m)
        for (int s = 0; s < 8; ++s)
            EXPECT_NEAR(read.Meteo.Series()[s]->GetMonth(m), kWeather[m - 1][s], 1e-9)
                << "month " << m << ", column " << s + 1;

    for (const TCropTyped& crop : kCrops) {
        TCropFactor typed;
        ASSERT_TRUE(typed.Load(CropFile(crop)));
        EXPECT_EQ(typed.Description, crop.Description);
        const double values[] = {typed.Kc1[0], typed.Kc3[0], typed.Kc4[0], typed.RootingDepth};
        for (int i = 0; i < 4; ++i)
            EXPECT_DOUBLE_EQ(values[i], TextToNumber(crop.Kc134AndDepth[i])) << crop.Name << i;
        EXPECT_EQ(typed.StageLength, crop.Stages);
    }

    ASSERT_TRUE(read.CropPattern.Load(File("Pattern/New.pat")));
    EXPECT_DOUBLE_EQ(read.CropPattern.KcFallow, 0.3);
    ASSERT_EQ(read.CropPattern.Count(), 2);
    for (int c = 0; c < 2; ++c) {
        const TCropPatternLine& line = read.CropPattern.GetCropLine(c + 1);
        EXPECT_EQ(line.CropFileName, CropFile(kCrops[c]));
        EXPECT_DOUBLE_EQ(line.Area, TextToNumber(kCrops[c].Area));
        EXPECT_EQ(line.PlantingDay, FirstDayOfMonth(kCrops[c].PlantingMonth));
    }
}

// ---- the Seville example ----

using K = TReportTableKind;

// The Seville example project opened the way the program does it, without windows: what every
// report window of the test is compared with.
struct TSevilleModel {
    TAllData data;
    TReportModel model{data};
    explicit TSevilleModel(const std::string& folder, int units = 0) {
        EXPECT_TRUE(LoadSevilleExample(data, folder));
        TGuiSettings& s = data.GuiSettings;
        s.LengthUnit = s.AreaUnit = s.VelocityUnit = s.TemperatureUnit = s.PrecipitationUnit =
            s.VolumeUnit = units;
        model.OpenReport();
    }
};

class Seville : public TProgramFixture {
protected:
    void SetUp() override {
        TProgramFixture::SetUp();
        OpenInEditor(main.actGeneral, general, File("General/Seville.gen"));
        OpenInEditor(main.actMeteo, meteo, File("Meteo/Seville.mtf"));
        OpenInEditor(main.actCropPattern, pattern, File("Pattern/Seville.pat"));
        EXPECT_EQ(pattern->grdCropPattern->item(0, 0)->text().toStdString(), "Maize.crp");
        EXPECT_EQ(main.lblCountry->text().toStdString(), "Spain");
        EXPECT_FALSE(general->Modified());
        EXPECT_FALSE(meteo->Modified());
    }

    // Shows a table by its tab and checks it against the model's: every cell as shown, and
    // the copied text.
    static void ShowAndCompare(TfrmReportData& report, TReportModel& expected, K kind) {
        ClickTab(report.tabTables, static_cast<int>(kind));
        ASSERT_EQ(report.ShownTable(), kind);
        expected.ShowTable(kind);
        const TReportTable& table = expected.Table();
        ASSERT_EQ(report.grdTable->rowCount(), table.Rows());
        ASSERT_EQ(report.grdTable->columnCount(), table.Columns());
        for (int r = 0; r < table.Rows(); ++r)
            for (int c = 0; c < table.Columns(); ++c)
                ASSERT_EQ(report.grdTable->CellText(r, c).toStdString(), table.ShownText(r, c))
                    << r << "," << c;
        QApplication::clipboard()->clear();
        ClickCommand(report.ToolBar, report.ToolBar->CopyToClipboard);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected.ClipboardText());
    }
};

} // namespace

TEST_F(Seville, ReportChartTextReportAndStrategy) {
    TSevilleModel expected(dir.Path());
    const std::string chartFile = File("Report/Requirements.bmp");
    const std::string rtfFile = File("Report/Seville.rtf");
    FromMenu<TfrmReportData>(main.mnuReports, main.actReport, [&](TfrmReportData& report) {
        EXPECT_TRUE(messages.Messages().empty());
        // The five crops after "All crops", monthly rows with their units row, and the totals.
        ShowAndCompare(report, expected.model, K::WaterRequirements);
        EXPECT_EQ(report.grdTable->rowCount(), 1 + 12);
        EXPECT_EQ(report.cbxCrop->count(), 6);
        EXPECT_EQ(report.cbxCrop->itemText(1).toStdString(), "Maize.crp");
        EXPECT_EQ(report.grdTotals->CellText(0, 0).toStdString(), "Total:");

        // Another method, period and rainfall method; the model is told the same.
        Choose(report.cbxRainfall, QStringLiteral("Fixed % of precipitation"));
        expected.model.SelectRainfallMethod(1);
        Choose(report.cbxMethod, QStringLiteral("Modified Hargreaves"));
        expected.model.SelectMethod(TEt0Method::Hargreaves);
        Choose(report.cbxPeriod, QStringLiteral("Week"));
        expected.model.SelectPeriod(1);
        ShowAndCompare(report, expected.model, K::WaterRequirements);
        EXPECT_EQ(report.grdTable->rowCount(), 1 + 52);

        // The chart of the marked column, saved as a bitmap.
        RunModal<TChartWindow>([&] { ClickCommand(report.ToolBar, report.ToolBar->actChart); },
                               [&](TChartWindow& chart) {
                                   dialogs.Answer(chartFile);
                                   QTest::mouseClick(chart.btnSaveChart, Qt::LeftButton);
                               });
        // The text report, saved as rich text.
        RunModal<TfrmReportCWR>(
            [&] { ClickCommand(report.ToolBar, report.ToolBar->actShowReport); },
            [&](TfrmReportCWR& text) {
                dialogs.Answer(rtfFile);
                text.actSaveAs->trigger();
            });
    });
    EXPECT_EQ(ReadBytes(chartFile).substr(0, 2), "BM");
    const TReportText lines = expected.model.TextReport();
    EXPECT_EQ(ParseRtfParagraphs(ReadBytes(rtfFile)), lines);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines.front().Text, "Irrigation Water Requirements");
    EXPECT_EQ(data.GuiSettings.PeriodKind, 3); // the report gave the period back
    EXPECT_TRUE(messages.Messages().empty());

    // The strategy road: open the example strategy, visit every page, save it under another
    // name and write its report.
    const std::string original = File("Strategy/Seville-field-data.str");
    const std::string copy = File("Strategy/Seville-copy.str");
    TReportText strategyReport, expectedReport;
    double conveyRatio = 0;
    FromMenu<TfrmStrategy>(main.mnuStrategy, main.actStrategy, [&](TfrmStrategy& strategy) {
        dialogs.Answer(original);
        ClickCommand(strategy.ToolBar(), strategy.ToolBar()->FileOpen1);
        EXPECT_EQ(strategy.edtGeneralFile->text().toStdString(), "Seville.gen");
        std::vector<TStrategyPage> visited;
        for (int outer = 0; outer < strategy.pgcTracks->count(); ++outer) {
            ClickTab(strategy.pgcTracks, outer);
            QTabWidget* inner = outer == 0   ? strategy.pgcWaterBalance
                                : outer == 1 ? strategy.pgcWaterRequirement
                                             : nullptr;
            for (int i = 0; i < (inner ? inner->count() : 1); ++i) {
                if (inner)
                    ClickTab(inner, i);
                visited.push_back(strategy.ShownPage());
            }
        }
        EXPECT_EQ(visited.size(), 7u);
        EXPECT_EQ(visited.back(), TStrategyPage::Comparison);
        // A new conveyance ratio typed on the soil page, then saved under another name.
        EXPECT_FALSE(strategy.Modified());
        ClickTab(strategy.pgcTracks, 1);
        ClickTab(strategy.pgcWaterRequirement, 1);
        ASSERT_EQ(strategy.ShownPage(), TStrategyPage::Soil);
        conveyRatio = data.Strategy.ConveyRatio;
        ReplaceText(strategy.edtConveyRatio, QStringLiteral("0.65"));
        EXPECT_TRUE(strategy.Modified());
        EXPECT_TRUE(SaveAs(&strategy, copy));
        EXPECT_TRUE(strategy.windowTitle().contains(QStringLiteral("Seville-copy.str")));
        ClickTab(strategy.pgcTracks, 2);
        RunModal<TfrmReportCWR>([&] { strategy.actReport->trigger(); },
                                [&](TfrmReportCWR& text) { strategyReport = text.Lines(); });
        TReportBuilder builder;
        EXPECT_TRUE(WriteStrategyReport(StrategyReportHeader(data),
                                        StrategyReportTexts(strategy.Model()), builder));
        expectedReport = builder.Lines();
    });
    // The copy holds the new ratio and the original's measured data.
    TStrategy saved, before;
    ASSERT_TRUE(saved.Load(copy));
    ASSERT_TRUE(before.Load(original));
    EXPECT_DOUBLE_EQ(saved.ConveyRatio, 0.65);
    EXPECT_NE(conveyRatio, 0.65);
    EXPECT_EQ(saved.GeneralFileName, "Seville.gen");
    for (int m = 1; m <= 12; ++m)
        EXPECT_DOUBLE_EQ(saved.DivertedWater.GetMonth(m), before.DivertedWater.GetMonth(m)) << m;
    ASSERT_GT(strategyReport.size(), 5u);
    EXPECT_EQ(strategyReport, expectedReport);
    EXPECT_EQ(strategyReport[0].Text, "Strategy report");
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front();
}

TEST_F(Seville, ImperialUnitsConvertWhatIsShownAndStoreNothing) {
    const std::string generalBytes = ReadBytes(File("General/Seville.gen"));
    // Every unit of the settings editor set to its metric (0) or imperial (1) entry.
    auto setUnits = [&](int unit) {
        FromMenu<TfrmSettings>(main.mnuOptions, main.actSettings, [&](TfrmSettings& settings) {
            for (QComboBox* box :
                 {settings.cbxLengthHeigth, settings.cbxArea, settings.cbxVelocity,
                  settings.cbxTemperature, settings.cbxPrecipitation, settings.cbxVolume})
                Choose(box, box->itemText(unit));
            ClickCommand(settings.ToolBar, settings.ToolBar->FileSave1);
        });
        DeliverPostedEvents();
    };
    const QString metricText = general->edtS_Area->text();
    const double metricArea = TextToNumber(metricText.toStdString());
    setUnits(1);
    EXPECT_EQ(data.GuiSettings.AreaUnit, 1);
    EXPECT_NEAR(TextToNumber(general->edtS_Area->text().toStdString()), metricArea * 2.47, 0.5);
    EXPECT_TRUE(general->lblS_Area->text().contains(QStringLiteral("(ac)")));
    EXPECT_NEAR(TextToNumber(meteo->edtWHeigth->text().toStdString()),
                data.Meteo.WindHeight / 0.3048, 0.05);
    EXPECT_FALSE(general->Modified());
    EXPECT_FALSE(meteo->Modified());

    TSevilleModel metric(dir.Path()), imperial(dir.Path(), 1);
    FromMenu<TfrmReportData>(main.mnuReports, main.actReport, [&](TfrmReportData& report) {
        ShowAndCompare(report, imperial.model, K::WaterRequirements);
    });

    // Back to metric: the records and files are as they were.
    setUnits(0);
    EXPECT_EQ(general->edtS_Area->text(), metricText);
    EXPECT_FALSE(general->Modified());
    data.General.Save(File("General/Again.gen"));
    EXPECT_TRUE(ReadBytes(File("General/Again.gen")) == generalBytes);
    // The report's run leaves its defaults for missing humidity and wind ratio in the meteo
    // data; apart from those the record is the file's.
    data.Meteo.Save(File("Meteo/Again.mtf"));
    metric.data.Meteo.Save(File("Meteo/Expected.mtf"));
    EXPECT_TRUE(ReadBytes(File("Meteo/Again.mtf")) == ReadBytes(File("Meteo/Expected.mtf")));
    EXPECT_TRUE(messages.Messages().empty());
}
