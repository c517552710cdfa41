// Printed reports: the text reports on paper and as PDF files, read back with poppler.

#include "UiTestSupport.h"

#include "calc/uReportModel.h"
#include "calc/uStrategyModel.h"
#include "calc/uStrategyProject.h"
#include "calc/uStrategyReport.h"
#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fReportCWR.h"
#include "ui/uReportPrint.h"

#include <QAction>
#include <QTest>
#include <QTextEdit>

#include <filesystem>

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string kApp = std::string(QUELTA_BINARY_DIR) + "/app";

// Runs of blanks as one: pdftotext lays the text out again from the glyphs' places, so the
// columns may shift by a blank, but a line that was broken or cut would not match. A new page
// starts with a form feed.
std::string Squeezed(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == '\f')
            continue;
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// Every non-empty line of the report is a whole line of the PDF's text, in the report's order.
void ExpectEveryLineUnbroken(const TReportText& report, const std::string& pdfText) {
    std::vector<std::string> shown;
    std::istringstream text(pdfText);
    for (std::string line; std::getline(text, line);)
        shown.push_back(Squeezed(line));
    std::size_t at = 0;
    int checked = 0;
    for (const TReportLine& line : report) {
        const std::string wanted = Squeezed(line.Text);
        if (wanted.empty())
            continue;
        while (at < shown.size() && shown[at] != wanted)
            ++at;
        ASSERT_LT(at, shown.size()) << "not found whole, or out of order: \"" << line.Text << "\"";
        ++at;
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

std::size_t Widest(const TReportText& report) {
    std::size_t widest = 0;
    for (const TReportLine& line : report)
        widest = std::max(widest, line.Text.size());
    return widest;
}

struct PrintReport : ::testing::Test {
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TPrintDialogScript printer;
    TGuiSettings settings;
    TfrmReportCWR window{settings, nullptr};

    void SetUp() override { settings.ReportFolder = dir.Path(); }

    // The report as the report window holds it, with the File menu's command run on it.
    void RunOn(const TReportText& report, const std::string& caption, QAction* command) {
        RunModal<TfrmReportCWR>([&] { window.ShowReport(report, caption); },
                                [&](TfrmReportCWR&) { command->trigger(); });
    }
};

TReportText SevilleWaterReport() {
    TAllData data;
    EXPECT_TRUE(LoadSevilleExample(data, kApp));
    TReportModel model(data);
    model.OpenReport();
    return model.TextReport();
}

// The strategy report of the example strategy, every page shown once, as the window writes it.
TReportText SevilleStrategyReport() {
    TAllData data;
    EXPECT_TRUE(LoadSevilleExample(data, kApp));
    EXPECT_TRUE(data.Strategy.Load(kApp + "/Strategy/Seville-field-data.str"));
    TStrategyModel model(
        data.Strategy, data.GuiSettings, [&data](int m) { return StrategyProjectOf(data, m); },
        FileNamePart(data.General.FileName));
    model.ShowRecord();
    model.Activate();
    for (TStrategyPage page :
         {TStrategyPage::WaterBalance, TStrategyPage::DataInput,
          TStrategyPage::WaterBalanceStrategy, TStrategyPage::InputETa, TStrategyPage::Soil,
          TStrategyPage::WaterRequirementET, TStrategyPage::Comparison})
        model.ShowPage(page);
    TReportBuilder report;
    EXPECT_TRUE(
        WriteStrategyReport(StrategyReportHeader(data), StrategyReportTexts(model), report));
    return report.Lines();
}

} // namespace

TEST_F(PrintReport, TheSevilleTextReportAsPdfHoldsEveryLineUnbroken) {
    const TReportText report = SevilleWaterReport();
    ASSERT_GE(Widest(report), 90u);
    dialogs.Answer(dir.File("Seville")); // the extension comes with the format
    RunOn(report, "Report Crop Water Requirements", window.actExportPdf);
    const std::string pdf = dir.File("Seville.pdf");
    ASSERT_TRUE(FileExists(pdf));
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].Folder, dir.Path());
    EXPECT_EQ(dialogs.Asked()[0].Filter, "PDF files (*.pdf)|*.pdf|");
    const std::string text = PdfText(pdf);
    ExpectEveryLineUnbroken(report, text);
    const int pages = PdfPages(pdf);
    EXPECT_GE(pages, 1);
    EXPECT_NE(text.find("Page " + std::to_string(pages) + " of " + std::to_string(pages)),
              std::string::npos);
    EXPECT_FALSE(ReportWantsLandscape(report)); // 97 characters fit a portrait page

    // The next export proposes the name of the last one.
    dialogs.Answer("");
    RunOn(report, "Report Crop Water Requirements", window.actExportPdf);
    EXPECT_EQ(dialogs.Asked().back().Proposed, dir.File("Seville"));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(PrintReport, TheStrategyReportIsPrintedWithItsWidestLinesWhole) {
    const TReportText report = SevilleStrategyReport();
    EXPECT_GE(Widest(report), 120u);
    EXPECT_TRUE(ReportWantsLandscape(report));
    printer.Answer(dir.File("strategy.pdf"));
    RunOn(report, "Report Water Management Strategy", window.actPrint);
    EXPECT_EQ(printer.Asked(), 1);
    ExpectEveryLineUnbroken(report, PdfText(dir.File("strategy.pdf")));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(PrintReport, ACancelledDialogPrintsAndWritesNothing) {
    const TReportText report{{"Irrigation Water Requirements", true}, {"one line", false}};
    printer.Answer("");
    dialogs.Answer("");
    RunModal<TfrmReportCWR>([&] { window.ShowReport(report); },
                            [&](TfrmReportCWR& shown) {
                                QTest::keyClick(shown.redReport, Qt::Key_P, Qt::ControlModifier);
                                shown.actExportPdf->trigger();
                            });
    EXPECT_EQ(printer.Asked(), 1);
    EXPECT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

// However wide a line is, the font shrinks until it fits: nothing is cut at the page's edge, and
// a long report runs over pages that each say which they are.
TEST(ReportPdf, WideAndLongReportsFitThePage) {
    TTempDir dir;
    TReportText report;
    std::string wide;
    for (int i = 0; wide.size() < 300; ++i)
        wide += "col" + std::to_string(i) + " ";
    wide += "END";
    report.push_back({wide, true});
    for (int i = 1; i <= 200; ++i)
        report.push_back({"line " + std::to_string(i) + " of the long report", false});
    WriteBytes(dir.File("wide.pdf"), ReportPdfBytes(report, QStringLiteral("Wide")));
    const std::string text = PdfText(dir.File("wide.pdf"));
    ExpectEveryLineUnbroken(report, text);
    // The 10-point limit leaves about 70 lines to a landscape page.
    const int pages = PdfPages(dir.File("wide.pdf"));
    EXPECT_GE(pages, 2);
    EXPECT_NE(text.find("Page 1 of " + std::to_string(pages)), std::string::npos);
}
