#include "UiTestSupport.h"

#include "calc/uCurveNumber.h"
#include "calc/uReportModel.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fChart.h"
#include "ui/fMultiChart.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fReportGrid.h"
#include "ui/fToolBar.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLegend>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using K = TReportTableKind;

// The Seville example project as the build installs it, with the report opened on it.
struct SevilleReport {
    TAllData data;
    TReportModel model{data};
    SevilleReport() {
        EXPECT_TRUE(LoadSevilleExample(data, std::string(QUELTA_BINARY_DIR) + "/app"));
        model.OpenReport();
    }
    TChartInput Chart(K table, int column = 1) {
        model.ShowTable(table);
        return model.Chart(column);
    }
};

QAbstractBarSeries* Bars(TChartWindow& window) {
    const QList<QAbstractSeries*> series = window.chtChart->chart()->series();
    return series.size() == 1 ? qobject_cast<QAbstractBarSeries*>(series.front()) : nullptr;
}

QValueAxis* ValueAxis(TChartWindow& window) {
    const QList<QAbstractAxis*> axes = window.chtChart->chart()->axes(Qt::Vertical);
    return axes.size() == 1 ? qobject_cast<QValueAxis*>(axes.front()) : nullptr;
}

// The bars drawn are the chart input's series: their names, and a bar for each value.
void ExpectBarsOf(TChartWindow& window, const TChartInput& input) {
    QAbstractBarSeries* bars = Bars(window);
    ASSERT_NE(bars, nullptr);
    const QList<QBarSet*> sets = bars->barSets();
    ASSERT_EQ(sets.size(), static_cast<int>(std::min<std::size_t>(input.Series.size(), 6)));
    for (int s = 0; s < sets.size(); ++s) {
        EXPECT_EQ(sets[s]->label().toStdString(), input.Series[s].Title);
        ASSERT_EQ(sets[s]->count(), static_cast<int>(input.Series[s].Values.size()));
        for (int i = 0; i < sets[s]->count(); ++i)
            EXPECT_DOUBLE_EQ(sets[s]->at(i), input.Series[s].Values[i]) << s << " " << i;
    }
}

std::uint32_t LittleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

} // namespace

TEST(ChartWindows, MultiChartOfEightCropsDrawsTheFirstSixInTheirColours) {
    TAllData data;
    for (int c = 0; c < 8; ++c)
        data.CropPattern.AddCropLine().CropFileName = "Crop" + std::to_string(c) + ".crp";
    const TChartInput input =
        ReportChartInput(BuildReportTable(data, K::PotentialET, TReportSelection()), 1);
    TfrmMultiChart window(data.GuiSettings, nullptr);
    ASSERT_TRUE(window.DrawMultiChart(input));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Potential Evapotranspiration"));
    EXPECT_EQ(window.chtChart->chart()->title().toStdString(), input.Title);
    EXPECT_TRUE(window.chtChart->chart()->legend()->isVisible());
    ExpectBarsOf(window, input);
    QAbstractBarSeries* bars = Bars(window);
    EXPECT_EQ(bars->type(), QAbstractSeries::SeriesTypeBar);
    EXPECT_FALSE(bars->isLabelsVisible());
    const QColor colours[] = {Qt::red,   QColor(128, 0, 128), Qt::blue,
                              Qt::green, Qt::yellow,          QColor(0xFF, 0x80, 0x00)};
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(bars->barSets()[s]->color(), colours[s]) << s;
    auto* months =
        qobject_cast<QBarCategoryAxis*>(window.chtChart->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->categories().size(), 12);
    EXPECT_EQ(months->categories().front(), QStringLiteral("Jan"));
    EXPECT_EQ(months->categories().back(), QStringLiteral("Dec"));
}

TEST(ChartWindows, KcChartDrawsItsSeriesOnAnAxisWithDecimals) {
    SevilleReport report;
    const TChartInput input = report.Chart(K::KcValues);
    ASSERT_EQ(input.Series.size(), 5u);
    TfrmMultiChart window(report.data.GuiSettings, nullptr);
    ASSERT_TRUE(window.DrawMultiChart(input));
    ExpectBarsOf(window, input);
    // Kc values are below 2: the axis labels need decimals to tell the ticks apart.
    QValueAxis* axis = ValueAxis(window);
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->min(), 0);
    EXPECT_NE(axis->labelFormat(), QStringLiteral("%.0f"));
}

TEST(ChartWindows, StackedAndSideSwitchTheBarArrangement) {
    SevilleReport report;
    TfrmMultiChart window(report.data.GuiSettings, nullptr);
    ASSERT_TRUE(window.DrawMultiChart(report.Chart(K::PotentialET)));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.rbtSide->isChecked());
    const double sideTop = ValueAxis(window)->max();

    QTest::mouseClick(window.rbtStacked, Qt::LeftButton);
    QAbstractBarSeries* stacked = Bars(window);
    ASSERT_NE(stacked, nullptr);
    EXPECT_EQ(stacked->type(), QAbstractSeries::SeriesTypeStackedBar);
    ASSERT_EQ(stacked->barSets().size(), 5);
    EXPECT_EQ(stacked->barSets()[2]->color(), QColor(Qt::blue));
    // The value axis reaches over the highest stack.
    double highest = 0;
    for (int month = 0; month < 12; ++month) {
        double stack = 0;
        for (const QBarSet* set : stacked->barSets())
            stack += set->at(month);
        highest = std::max(highest, stack);
    }
    EXPECT_GE(ValueAxis(window)->max(), highest);
    EXPECT_GT(ValueAxis(window)->max(), sideTop);

    QTest::mouseClick(window.rbtSide, Qt::LeftButton);
    EXPECT_EQ(Bars(window)->type(), QAbstractSeries::SeriesTypeBar);
    EXPECT_EQ(ValueAxis(window)->max(), sideTop);
}

TEST(ChartWindows, SingleChartDrawsDashMonthsAsZeroUnderTheColumnsUnit) {
    SevilleReport report;
    // A January so wet that the rain covers more than the crops use: no requirement, "-".
    report.data.EffectiveRainfall.SetMonth(1, 1000);
    TReportSelection selection;
    selection.ShowDepth = false;
    const TReportTable table = BuildReportTable(report.data, K::WaterRequirements, selection);
    ASSERT_EQ(table.Grid[1][4].Text, "-");
    const TChartInput input = ReportChartInput(table, 4);
    TfrmChart window(report.data.GuiSettings, nullptr);
    ASSERT_TRUE(window.DrawSingleChart(input));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Irrigation Water Requirements"));
    EXPECT_EQ(window.chtChart->chart()->title(), QStringLiteral("ETp - Pe (1)"));
    EXPECT_FALSE(window.chtChart->chart()->legend()->isVisible());
    EXPECT_EQ(ValueAxis(window)->titleText(), QStringLiteral("m3 * 10^3"));
    EXPECT_EQ(ValueAxis(window)->min(), 0);
    ExpectBarsOf(window, input);
    QBarSet* bars = Bars(window)->barSets().front();
    EXPECT_EQ(bars->color(), QColor(Qt::red));
    EXPECT_EQ(bars->at(0), 0);
    EXPECT_GT(bars->at(6), 1000); // July
}

TEST(ChartWindows, TheReportChartsAWeeklyTableByMonthAndShowsItWeeklyAgain) {
    TMessageRecorder messages;
    TAllData data;
    JuneMaize(data, "Week");
    TfrmReportCWR reportWindow(data.GuiSettings, nullptr);
    TfrmReportData report(data, reportWindow, nullptr);
    report.Open();
    QApplication::processEvents();
    ASSERT_EQ(report.grdTable->rowCount(), 1 + 52);
    // The reference table draws both its columns; the cropped area its marked column alone,
    // under the column's unit. Each is drawn per month while the table stays per week.
    struct TChartCase {
        K Kind;
        std::string Caption;
        int Series;
        std::string Unit;
    };
    for (const TChartCase& c : {TChartCase{K::ReferenceET, "Reference Evapotranspiration", 2, ""},
                                TChartCase{K::CroppedArea, "Cropped Area", 1, "(ha)"}}) {
        const std::string& caption = c.Caption;
        const int series = c.Series;
        const std::string& unit = c.Unit;
        ClickTab(report.tabTables, static_cast<int>(c.Kind));
        RunModal<TChartWindow>(
            [&] { ClickCommand(report.ToolBar, report.ToolBar->actChart); },
            [&](TChartWindow& window) {
                EXPECT_EQ(window.windowTitle().toStdString(), caption);
                EXPECT_EQ(qobject_cast<TfrmMultiChart*>(&window) != nullptr, series > 1);
                ASSERT_EQ(Bars(window)->barSets().size(), series);
                EXPECT_EQ(Bars(window)->barSets().front()->count(), 12);
                if (series == 1) {
                    EXPECT_EQ(ValueAxis(window)->titleText().toStdString(), unit);
                }
            });
        EXPECT_EQ(report.grdTable->rowCount(), 1 + 52);
    }
    EXPECT_EQ(data.GuiSettings.PeriodKind, 2);
    EXPECT_TRUE(messages.Messages().empty());
}

class ChartSaving : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    TfrmChart window{data.GuiSettings, nullptr};

    void SetUp() override {
        data.GuiSettings.ReportFolder = dir.Path();
        TChartInput input;
        input.Multi = false;
        input.Caption = "Cropped Area";
        input.Title = "Cropped Area";
        input.AxisTitle = "(ha)";
        input.Series.push_back({"(ha)", {"Jan", "Feb", "Mar"}, {100, 250, 180}});
        ASSERT_TRUE(window.DrawSingleChart(input));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    std::string Save(const std::string& answer, int filter = -1) {
        dialogs.Answer(answer, filter);
        QTest::mouseClick(window.btnSaveChart, Qt::LeftButton);
        return FileExists(answer) ? ReadBytes(answer) : std::string();
    }
    QSize Shown() const { return window.chtChart->viewport()->size(); }
};

TEST_F(ChartSaving, EveryKindIsAValidFileOfItsKind) {
    const QSize size = Shown();
    const std::string bmp = Save(dir.File("chart.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian32(bmp, 2), bmp.size());
    EXPECT_EQ(static_cast<int>(LittleEndian32(bmp, 18)), size.width());
    EXPECT_EQ(static_cast<int>(LittleEndian32(bmp, 22)), size.height());

    const std::string wmf = Save(dir.File("chart.wmf"));
    ASSERT_GT(wmf.size(), 22u);
    EXPECT_EQ(LittleEndian32(wmf, 0), 0x9AC6CDD7u);

    const std::string emf = Save(dir.File("chart.EMF"));
    ASSERT_GT(emf.size(), 108u);
    EXPECT_EQ(LittleEndian32(emf, 0), 1u);
    EXPECT_EQ(emf.substr(40, 4), " EMF");
    EXPECT_EQ(LittleEndian32(emf, 48), emf.size()); // the header's count of the file's bytes

    const std::string png = Save(dir.File("chart.png"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(png), "PNG"));
    EXPECT_EQ(image.size(), size);

    const std::string svg = Save(dir.File("chart.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Cropped Area"), std::string::npos); // drawn as text, not as pixels
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ChartSaving, TheDialogStartsInTheReportFolderProposesThePreviousNameAndAddsTheExtension) {
    Save(dir.File("june.wmf"));
    Save("");
    // A name without extension takes the chosen filter's.
    Save(dir.File("chart"), 1);
    EXPECT_FALSE(FileExists(dir.File("chart")));
    EXPECT_EQ(ReadBytes(dir.File("chart.bmp")).substr(0, 2), "BM");
    ASSERT_EQ(dialogs.Asked().size(), 3u);
    EXPECT_EQ(dialogs.Asked()[0].Folder, dir.Path());
    EXPECT_EQ(dialogs.Asked()[0].Filter, "wmf-files|*.wmf|bmp-files|*.bmp|emf-files|*.emf|"
                                         "png-files|*.png|svg-files|*.svg|pdf-files|*.pdf");
    EXPECT_EQ(dialogs.Asked()[1].Proposed, dir.File("june"));
}

// A PDF chart, saved or printed, is one page with the chart and its title as text.
TEST_F(ChartSaving, APdfChartIsOnePageWithItsTitle) {
    const std::string saved = Save(dir.File("chart.pdf"));
    ASSERT_EQ(saved.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPages(dir.File("chart.pdf")), 1);
    EXPECT_NE(PdfText(dir.File("chart.pdf")).find("Cropped Area"), std::string::npos);
    // Chosen by its filter, without an extension typed.
    Save(dir.File("by-filter"), 5);
    EXPECT_EQ(PdfPages(dir.File("by-filter.pdf")), 1);

    TPrintDialogScript printer;
    printer.Answer(""); // cancelled: nothing printed
    QTest::mouseClick(window.btnPrint, Qt::LeftButton);
    printer.Answer(dir.File("printed.pdf"));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printer.Asked(), 2);
    EXPECT_EQ(PdfPages(dir.File("printed.pdf")), 1);
    EXPECT_NE(PdfText(dir.File("printed.pdf")).find("Cropped Area"), std::string::npos);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ChartSaving, AFailedSaveIsReportedAndLeavesNoFile) {
    Save(""); // what is proposed before
    WriteBytes(dir.File("blocked"), "a file where a folder should be");
    EXPECT_EQ(Save(dir.File("blocked/chart.bmp")), "");
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(messages.Texts()[0].rfind("Error in procedure btnSaveChartClick: ", 0), 0u);
    EXPECT_GT(messages.Texts()[0].size(), 40u); // with the reason
    EXPECT_EQ(
        QDir(QString::fromStdString(dir.Path())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList{QStringLiteral("blocked")});
    // Nothing was saved, so the next dialog proposes what it proposed before.
    Save("");
    EXPECT_EQ(dialogs.Asked().back().Proposed, dialogs.Asked().front().Proposed);
}

// The pictures open elsewhere too: LibreOffice draws each of them with the chart's red bars.
TEST_F(ChartSaving, LibreOfficeOpensEveryPicture) {
    if (!LibreOfficeInstalled())
        GTEST_SKIP() << "LibreOffice is not installed";
    for (const char* name : {"chart.wmf", "chart.emf", "chart.bmp"}) {
        Save(dir.File(name));
        const std::string png = ConvertWithLibreOffice(dir.File(name), "png", dir.File("office"));
        ASSERT_FALSE(png.empty()) << name;
        const QImage image(QString::fromStdString(png));
        ASSERT_FALSE(image.isNull()) << name;
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 70 && c.blue() < 70;
            }
        EXPECT_GT(red, image.width() * image.height() / 100) << name;
    }
}

// The program's own save dialog, as the user works it: another filter, a name without extension.
TEST(ChartSaveDialog, TheChosenFiltersExtensionGoesOnTheName) {
    TTempDir dir;
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!filters || !name)
            return dialog->reject();
        filters->setFocus();
        QTest::keyClick(filters, Qt::Key_Down); // "bmp-files"
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("june"));
        answered = true;
        QTest::keyClick(name, Qt::Key_Return);
    });
    SetFileDialogs(nullptr);
    const TFileDialogs::TSaveChoice choice = FileDialogs().SaveFileChoice(
        nullptr, dir.Path(), "wmf-files|*.wmf|bmp-files|*.bmp|emf-files|*.emf", "chart");
    ASSERT_TRUE(answered);
    EXPECT_EQ(choice.FileName, dir.File("june.bmp"));
    EXPECT_EQ(choice.Filter, 1);
}
