#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "support/TestSupport.h"
#include "ui/fReportCWR.h"

#include <QAction>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

struct ReportCWRTest : ::testing::Test {
    TTempDir dir;
    TMessageRecorder messages;
    TGuiSettings settings;
    TfrmReportCWR window{settings, nullptr};

    void SetUp() override { settings.ReportFolder = dir.Path(); }

    // What the view shows: each line's text and whether it is drawn bold.
    TReportText Shown() const {
        TReportText lines;
        for (QTextBlock b = window.redReport->document()->begin(); b.isValid(); b = b.next()) {
            const bool bold = b.begin() != b.end() &&
                              b.begin().fragment().charFormat().fontWeight() == QFont::Bold;
            lines.push_back({b.text().toStdString(), bold});
        }
        return lines;
    }
};

} // namespace

TEST_F(ReportCWRTest, IsAReadOnlyViewWithSaveAsAndExit) {
    EXPECT_EQ(window.windowTitle().toStdString(), "Report Crop Water Requirements");
    EXPECT_TRUE(window.redReport->isReadOnly());
    EXPECT_EQ(window.redReport->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(window.redReport->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window.redReport->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window.mnuFile->title().toStdString(), "&File");
    const QList<QAction*> items = window.mnuFile->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text().toStdString(), "&SaveAs");
    EXPECT_EQ(items[0]->toolTip().toStdString(), "Save report");
    EXPECT_EQ(items[1]->text().toStdString(), "&Print...");
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(items[2]->text().toStdString(), "&Export PDF...");
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text().toStdString(), "E&xit");
    EXPECT_TRUE(window.tlbReport->actions().contains(window.actSaveAs));
    EXPECT_TRUE(window.tlbReport->actions().contains(window.actPrint));
}

TEST_F(ReportCWRTest, LinesSplitAtLineBreaksAndOnlyMarkedLinesAreBold) {
    window.SetBold();
    window.AddLine("Irrigation Water Requirements\r\n");
    window.AddLine("Country                      Spain");
    window.AddLine("\r\n");
    window.SetBold();
    window.AddLine("Input Files:");
    window.AddLine("a\r\nb");
    const TReportText expected = {{"Irrigation Water Requirements", true},
                                  {"", false},
                                  {"Country                      Spain", false},
                                  {"", false},
                                  {"Input Files:", true},
                                  {"a", false},
                                  {"b", false}};
    EXPECT_EQ(window.Lines(), expected);
    EXPECT_EQ(Shown(), expected);
    window.Clear();
    EXPECT_TRUE(window.Lines().empty());
    EXPECT_EQ(window.redReport->toPlainText(), QString());
}

TEST_F(ReportCWRTest, AReportReplacesThePreviousOneAndIsSavedUnderThePreviousName) {
    TFileDialogScript dialogs;
    const TReportText first = {{"Irrigation Water Requirements", true},
                               {"", false},
                               {"Crop {maize} 100\\ha", false},
                               {"End of report.", true}};
    dialogs.Answer(dir.File("cwr")); // typed without the extension
    WhenShown(&window, [this] { window.actSaveAs->trigger(); });
    window.ShowReport(first);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_TRUE(dialogs.Asked()[0].Save);
    EXPECT_EQ(dialogs.Asked()[0].Folder, dir.Path());
    EXPECT_EQ(dialogs.Asked()[0].Filter, "rtf-files (*.rtf)|*.rtf|");
    EXPECT_EQ(dialogs.Asked()[0].Proposed, "");
    const std::string saved = dir.File("cwr.rtf");
    ASSERT_TRUE(FileExists(saved));
    EXPECT_EQ(ParseRtfParagraphs(ReadBytes(saved)), first);

    // Another report replaces the first entirely; saved again, the same name is proposed and
    // the file replaced; Exit closes the window.
    const TReportText second = {{"Water Management Strategy", true}, {"Remark", false}};
    dialogs.Answer(saved);
    TReportText shown;
    WhenShown(&window, [&] {
        shown = Shown();
        window.actSaveAs->trigger();
        window.actExit->trigger();
        EXPECT_FALSE(window.isVisible());
    });
    window.ShowReport(second);
    EXPECT_EQ(shown, second);
    EXPECT_EQ(window.Lines(), second);
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[1].Proposed, dir.File("cwr"));
    const std::string rtf = ReadBytes(saved);
    EXPECT_EQ(rtf, ReportToRtf(second)); // the writer quelta-cli uses
    EXPECT_EQ(ParseRtfParagraphs(rtf), second);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ReportCWRTest, ACancelledSaveWritesNothingAndAFailedOneSaysWhy) {
    TFileDialogScript dialogs;
    window.AddLine("line");
    window.SaveReportAs(); // unscripted: cancelled
    EXPECT_TRUE(messages.Messages().empty());
    dialogs.Answer(dir.File("missing/folder/cwr.rtf"));
    window.SaveReportAs();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_FALSE(FileExists(dir.File("missing/folder/cwr.rtf")));
}

// LibreOffice reads the saved report: every line in order, the bold ones bold.
TEST_F(ReportCWRTest, LibreOfficeReadsTheSavedReport) {
    if (!LibreOfficeInstalled())
        GTEST_SKIP() << "LibreOffice is not installed";
    TFileDialogScript dialogs;
    const TReportText report = {{"Irrigation Water Requirements", true},
                                {"Latitude            :  37.25 \u00b0North", false},
                                {"Volume (m\u00b3 * 10^3)   1234.567", false},
                                {"Totals", true}};
    dialogs.Answer(dir.File("cwr.rtf"));
    WhenShown(&window, [this] { window.actSaveAs->trigger(); });
    window.ShowReport(report);
    // The text exactly, spaces included, from a plain-text conversion ...
    const std::string text =
        ConvertWithLibreOffice(dir.File("cwr.rtf"), "txt:Text (encoded):UTF8", dir.File("office"));
    ASSERT_FALSE(text.empty());
    std::vector<std::string> lines;
    for (const QString& line : QString::fromUtf8(ReadBytes(text)).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines.push_back(line.trimmed().remove(QChar(0xFEFF)).toStdString());
    ASSERT_EQ(lines.size(), report.size());
    // ... and the emphasis from an HTML one.
    const std::string html =
        ConvertWithLibreOffice(dir.File("cwr.rtf"), "html", dir.File("office"));
    ASSERT_FALSE(html.empty());
    QTextDocument document;
    document.setHtml(QString::fromUtf8(ReadBytes(html)));
    std::vector<bool> bold;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed().isEmpty())
            continue;
        bool isBold = false;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            isBold = isBold || fragment.fragment().charFormat().fontWeight() >= QFont::Bold;
        bold.push_back(isBold);
    }
    ASSERT_EQ(bold.size(), report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        EXPECT_EQ(lines[i], report[i].Text);
        EXPECT_EQ(bold[i], report[i].Bold) << report[i].Text;
    }
}
