#include "EndToEnd.h"

#include "calc/uCurveNumber.h"
#include "calc/uReportModel.h"
#include "calc/uStrategyReport.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "data/cStrategy.h"
#include "ui/fChart.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fSettings.h"
#include "ui/fStrategy.h"
#include "ui/fToolBar.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include <filesystem>

// ---- the shared steps ----

bool CopyExampleFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path app = fs::path(QUELTA_BINARY_DIR) / "app";
    std::error_code ec;
    for (const char* kind : {"General", "Meteo", "Pattern", "Strategy", "Crop"}) {
        fs::copy(app / kind, fs::path(folder) / kind, fs::copy_options::recursive, ec);
        if (ec)
            return false;
    }
    return true;
}

void ClickCommand(TfrmToolBar* strip, QAction* action) {
    QWidget* button = strip->ToolBar->widgetForAction(action);
    ASSERT_TRUE(button && button->isVisible()) << action->text().toStdString();
    ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void Choose(QComboBox* box, const QString& text) {
    const int wanted = box->findText(text);
    ASSERT_GE(wanted, 0) << text.toStdString();
    ASSERT_TRUE(box->isEnabled()) << text.toStdString();
    box->setFocus();
    for (int guard = 0; guard < 50 && box->currentIndex() != wanted; ++guard)
        QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), wanted);
}

void EndToEnd::SetUp() {
    ASSERT_TRUE(copied) << "the build's example files are missing";
    CreateEditors(main);
    main.show();
}

void EndToEnd::OpenInEditor(QAction* menuItem, TEditorBase* editor, const std::string& fileName) {
    ASSERT_NE(editor, nullptr);
    OpenMenu(main.mnuFile);
    menuItem->trigger();
    ASSERT_TRUE(editor->isVisible());
    dialogs.Answer(fileName);
    ClickCommand(editor->ToolBar(), editor->ToolBar()->FileOpen1);
    EXPECT_TRUE(editor->windowTitle().endsWith(QString::fromStdString(fileName + "]")))
        << editor->windowTitle().toStdString();
}

bool EndToEnd::SaveAs(TEditorBase* editor, const std::string& fileName) {
    dialogs.Answer(fileName);
    ClickCommand(editor->ToolBar(), editor->ToolBar()->FileSaveAs1);
    return FileExists(fileName);
}

namespace {

using K = TReportTableKind;

std::string ClipboardText() {
    return QApplication::clipboard()->text().toStdString();
}

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

void ClickTab(QTabWidget* pages, int index) {
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                      pages->tabBar()->tabRect(index).center());
    ASSERT_EQ(pages->currentIndex(), index);
}

double CellNumber(const QTableWidget* grid, int row, int column) {
    return TextToNumber(grid->item(row, column)->text().toStdString());
}

class TypicalRequest : public EndToEnd {
protected:
    TfrmGeneral* general = nullptr;
    TfrmMeteo* meteo = nullptr;
    TfrmCropPattern* pattern = nullptr;

    void SetUp() override {
        EndToEnd::SetUp();
        general = main.findChild<TfrmGeneral*>();
        meteo = main.findChild<TfrmMeteo*>();
        pattern = main.findChild<TfrmCropPattern*>();
    }

    void OpenSevilleProject() {
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
        QTabBar* tabs = report.tabTables;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(static_cast<int>(kind)).center());
        ASSERT_EQ(report.ShownTable(), kind);
        expected.ShowTable(kind);
        const TReportTable& table = expected.Table();
        ASSERT_EQ(report.grdTable->rowCount(), table.Rows()) << static_cast<int>(kind);
        ASSERT_EQ(report.grdTable->columnCount(), table.Columns()) << static_cast<int>(kind);
        for (int r = 0; r < table.Rows(); ++r)
            for (int c = 0; c < table.Columns(); ++c)
                ASSERT_EQ(report.grdTable->item(r, c)->text().toStdString(), table.ShownText(r, c))
                    << static_cast<int>(kind) << ": " << r << "," << c;
        QApplication::clipboard()->clear();
        ClickCommand(report.ToolBar, report.ToolBar->CopyToClipboard);
        EXPECT_EQ(ClipboardText(), expected.ClipboardText()) << static_cast<int>(kind);
    }
};

} // namespace

TEST_F(TypicalRequest, ReportChartTextReportAndStrategyOfTheSevilleExample) {
    OpenSevilleProject();
    TSevilleModel expected(dir.Path());
    const std::string chartFile = File("Report/Reference.bmp");
    const std::string rtfFile = File("Report/Seville.rtf");
    FromMenu<TfrmReportData>(main.mnuReports, main.actReport, [&](TfrmReportData& report) {
        EXPECT_TRUE(messages.Messages().empty());
        for (int k = 0; k < kReportTableCount; ++k)
            ShowAndCompare(report, expected.model, static_cast<K>(k));
        // What the tables are known to look like: monthly rows with their units row, the
        // five crops after "All crops", and the totals line of the water requirements.
        ShowAndCompare(report, expected.model, K::WaterRequirements);
        EXPECT_EQ(report.grdTable->rowCount(), 1 + 12);
        EXPECT_EQ(report.grdTable->item(1, 0)->text().toStdString(), "Jan (1)");
        EXPECT_EQ(report.cbxCrop->count(), 6);
        EXPECT_EQ(report.cbxCrop->itemText(1).toStdString(), "Maize.crp");
        EXPECT_EQ(report.grdTotals->item(0, 0)->text().toStdString(), "Total:");
        EXPECT_GT(CellNumber(report.grdTable, 7, 2), CellNumber(report.grdTable, 1, 2))
            << "more water is needed in July than in January";

        // Another method, period and rainfall method; the model is told the same.
        Choose(report.cbxRainfall, QStringLiteral("Fixed % of precipitation"));
        expected.model.SelectRainfallMethod(1);
        Choose(report.cbxMethod, QStringLiteral("Modified Hargreaves"));
        expected.model.SelectMethod(TEt0Method::Hargreaves);
        Choose(report.cbxPeriod, QStringLiteral("Week"));
        expected.model.SelectPeriod(1);
        ShowAndCompare(report, expected.model, K::WaterRequirements);
        EXPECT_EQ(report.grdTable->rowCount(), 1 + 52);
        ShowAndCompare(report, expected.model, K::ReferenceET);

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
    const std::string bmp = ReadBytes(chartFile);
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    std::uint32_t declared = 0; // the size the header gives, little-endian
    for (int i = 5; i >= 2; --i)
        declared = declared << 8 | static_cast<unsigned char>(bmp[i]);
    EXPECT_EQ(declared, bmp.size());
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
    EXPECT_TRUE(strategyReport[0].Bold);
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front();
}

TEST_F(TypicalRequest, ImperialUnitsConvertWhatIsShownAndStoreNothing) {
    OpenSevilleProject();
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
        for (K kind : {K::ReferenceET, K::CroppedArea, K::WaterRequirements}) {
            ShowAndCompare(report, imperial.model, kind);
            metric.model.ShowTable(kind);
        }
        // The irrigation requirement of July in acre-feet, and the cropped area in acres.
        const TReportTable& metricTable = metric.model.Table();
        const int july = metricTable.FirstPeriodRow() + 6;
        EXPECT_NEAR(CellNumber(report.grdTable, july, 4),
                    TextToNumber(metricTable.ShownText(july, 4)) / 1233.48, 0.002);
        ShowAndCompare(report, imperial.model, K::CroppedArea);
        metric.model.ShowTable(K::CroppedArea);
        EXPECT_NEAR(CellNumber(report.grdTable, july, 1),
                    TextToNumber(metric.model.Table().ShownText(july, 1)) * 2.47, 0.5);
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
