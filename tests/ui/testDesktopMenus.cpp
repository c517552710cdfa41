// What a desktop user expects of the menus: recent files, Close, the usual shortcuts, the user
// guide with F1 in every window, and the report tables as CSV.

#include "MainWindowFixture.h"
#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"
#include "support/TestProject.h"
#include "support/TestSupport.h"
#include "ui/fChart.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fHelp.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fReportGrid.h"
#include "ui/fSettings.h"
#include "ui/fStrategy.h"
#include "ui/fToolBar.h"
#include "ui/uRecentFiles.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The entries of the "Recent files" menu as shown (the menu filled as the File menu opens).
std::vector<std::string> RecentEntries(TfrmToolBar* strip, QMenu* file) {
    OpenMenu(file);
    std::vector<std::string> entries;
    for (QAction* a : strip->mnuRecent->actions())
        entries.push_back(a->text().toStdString());
    return entries;
}

QMenu* FileMenu(QWidget* window) {
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("&File"))
            return menu;
    return nullptr;
}

// A main window with its editors on a folder of its own, as the program starts it.
class Desktop : public TMainWindowFixture {
protected:
    TFileDialogScript dialogs;
    TfrmGeneral* general = nullptr;

    void SetUp() override {
        // Each test starts with no recent files of its own.
        for (const char* kind : {"gen", "mtf", "udc", "pat", "str", "sch"})
            for (const QString& f : TRecentFiles(QString::fromUtf8(kind)).Files())
                TRecentFiles(QString::fromUtf8(kind)).Remove(f);
        TMainWindowFixture::SetUp();
        InstallHelpKey();
        general = main.findChild<TfrmGeneral*>();
        ASSERT_TRUE(general);
    }

    // n general data files, written by the general editor's record.
    std::vector<std::string> GeneralFiles(int n) {
        std::vector<std::string> files;
        for (int i = 1; i <= n; ++i) {
            TGeneral g;
            g.Country = "Country " + std::to_string(i);
            files.push_back(dir.File("site" + std::to_string(i) + ".gen"));
            g.Save(files.back());
        }
        return files;
    }

    void OpenWithDialog(TEditorBase* editor, const std::string& file) {
        dialogs.Answer(file);
        editor->ToolBar()->FileOpen1->trigger();
    }

    static std::string Entry(int n, const std::string& file) {
        return "&" + std::to_string(n) + " " + file;
    }
};

} // namespace

TEST_F(Desktop, RecentFilesAreTheLastEightOpenedOrSavedNewestFirst) {
    const auto files = GeneralFiles(10);
    general->ShowEditor();
    QMenu* file = FileMenu(general);
    ASSERT_TRUE(file);
    EXPECT_FALSE(general->ToolBar()->mnuRecent->isEnabled()); // nothing yet
    for (const std::string& f : files)
        OpenWithDialog(general, f);
    std::vector<std::string> expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back(Entry(i + 1, files[9 - i]));
    EXPECT_EQ(RecentEntries(general->ToolBar(), file), expected);
    EXPECT_TRUE(general->ToolBar()->mnuRecent->isEnabled());

    // Opening one again moves it to the top, once; a Save As adds the new name first.
    OpenWithDialog(general, files[5]);
    auto entries = RecentEntries(general->ToolBar(), file);
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries[0], Entry(1, files[5]));
    EXPECT_EQ(entries[1], Entry(2, files[9]));
    ReplaceText(general->edtCountry, QStringLiteral("Peru"));
    dialogs.Answer(dir.File("saved-as.gen"));
    ASSERT_TRUE(general->SaveAs());
    entries = RecentEntries(general->ToolBar(), file);
    EXPECT_EQ(entries[0], Entry(1, dir.File("saved-as.gen")));
    EXPECT_EQ(entries[1], Entry(2, files[5]));
    EXPECT_EQ(entries.size(), 8u);

    // Kept in the user's settings: another window of the same kind sees the same list, the
    // meteo editor its own.
    EXPECT_EQ(TRecentFiles(QStringLiteral("gen")).Files().front().toStdString(),
              dir.File("saved-as.gen"));
    EXPECT_TRUE(TRecentFiles(QStringLiteral("mtf")).Files().isEmpty());
    // The only question was the one about saving the files' empty areas (answered Yes).
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind("Out of range: Size of gross command area", 0), 0u);
}

TEST_F(Desktop, ChoosingARecentFileOpensItAndAMissingOneIsTakenOffWithAMessage) {
    const auto files = GeneralFiles(3);
    general->ShowEditor();
    for (const std::string& f : files)
        OpenWithDialog(general, f);
    QMenu* file = FileMenu(general);
    ASSERT_EQ(RecentEntries(general->ToolBar(), file).size(), 3u);

    // The third entry is the first file.
    general->ToolBar()->mnuRecent->actions()[2]->trigger();
    EXPECT_EQ(data.General.FileName, files[0]);
    EXPECT_EQ(general->edtCountry->text().toStdString(), "Country 1");

    // An entry whose file has gone: a message, the entry taken off, the record unchanged.
    fs::remove(files[1]);
    RecentEntries(general->ToolBar(), file);
    general->ToolBar()->mnuRecent->actions()[2]->trigger();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Texts()[0], "The file " + files[1] +
                                       " is no longer there. It has been taken off the recent "
                                       "files.");
    EXPECT_EQ(RecentEntries(general->ToolBar(), file),
              (std::vector<std::string>{Entry(1, files[0]), Entry(2, files[2])}));
    EXPECT_EQ(data.General.FileName, files[0]);

    // With unsaved changes the usual question comes first; Cancel keeps them.
    ReplaceText(general->edtCountry, QStringLiteral("Changed"));
    messages.Answer(TMessageAnswer::Cancel);
    general->ToolBar()->mnuRecent->actions()[1]->trigger();
    EXPECT_EQ(messages.Texts().back(), "Save changes to file?");
    EXPECT_EQ(data.General.FileName, files[0]);
    EXPECT_EQ(data.General.Country, "Changed");
}

TEST_F(Desktop, CloseIsCtrlWAndAsksLikeTheWindowFrame) {
    general->ShowEditor();
    ASSERT_TRUE(QTest::qWaitForWindowActive(general));
    QMenu* file = FileMenu(general);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->actions().contains(general->ToolBar()->FileClose1));
    EXPECT_EQ(general->ToolBar()->FileClose1->text().toStdString(), "&Close");
    QTest::keyClick(general, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(general->isVisible());
    EXPECT_TRUE(messages.Messages().empty());

    general->ShowEditor();
    ASSERT_TRUE(QTest::qWaitForWindowActive(general));
    ReplaceText(general->edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    QTest::keyClick(general, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes to file?"});
    EXPECT_TRUE(general->isVisible());
    messages.Answer(TMessageAnswer::No); // as the frame: the values stay in the record
    general->ToolBar()->FileClose1->trigger();
    EXPECT_FALSE(general->isVisible());
    EXPECT_EQ(data.General.Country, "Chile");
}

TEST_F(Desktop, CommandsCarryTheUsualShortcuts) {
    TfrmToolBar* strip = general->ToolBar();
    const std::vector<std::pair<QAction*, QKeySequence>> keys = {
        {strip->FileNew1, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {strip->FileOpen1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {strip->FileSave1, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {strip->FileSaveAs1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {strip->FileClose1, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {main.actExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {main.actUserGuide, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [action, key] : keys) {
        EXPECT_EQ(action->shortcut(), key) << action->text().toStdString();
        // The platform's own keys for the command are there too.
        for (QKeySequence::StandardKey standard :
             {QKeySequence::New, QKeySequence::Open, QKeySequence::Save, QKeySequence::SaveAs,
              QKeySequence::Close, QKeySequence::Quit, QKeySequence::HelpContents})
            if (QKeySequence::keyBindings(standard).contains(key)) {
                for (const QKeySequence& k : QKeySequence::keyBindings(standard))
                    EXPECT_TRUE(action->shortcuts().contains(k)) << k.toString().toStdString();
            }
    }
    // Ctrl+Q is Exit: an editor with unsaved changes is asked first.
    general->ShowEditor();
    ReplaceText(general->edtCountry, QStringLiteral("Chile"));
    messages.Answer(TMessageAnswer::Cancel);
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Save changes to file?"});
    EXPECT_TRUE(main.isVisible());
}

// ---- the user guide ----

TEST_F(Desktop, TheUserGuideOpensFromTheHelpMenuWithItsTablesAndPictures) {
    EXPECT_TRUE(main.mnuHelp->actions().contains(main.actUserGuide));
    EXPECT_EQ(main.actUserGuide->text().toStdString(), "&User guide");
    main.actUserGuide->trigger();
    auto* help = VisibleWindow<TfrmHelp>();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->windowTitle().toStdString(), "Quelta user guide");
    EXPECT_EQ(help->SectionShown().toStdString(), "");
    EXPECT_EQ(help->brwGuide->verticalScrollBar()->value(), 0);
    QTextDocument* guide = help->brwGuide->document();
    EXPECT_EQ(guide->begin().text().toStdString(), "Quelta user guide");
    // The tables are tables and the pictures load from inside the program.
    int tables = 0;
    for (QTextBlock b = guide->begin(); b.isValid(); b = b.next())
        if (auto* table = qobject_cast<QTextTable*>(QTextCursor(b).currentTable());
            table && table->cellAt(0, 0).firstPosition() == b.position())
            ++tables;
    EXPECT_GE(tables, 5);
    for (const char* picture : {"images/main.png", "images/report-iwr.png", "images/meteo.png"}) {
        const QVariant image =
            guide->resource(QTextDocument::ImageResource,
                            QUrl(UserGuideSource()).resolved(QUrl(QString::fromUtf8(picture))));
        EXPECT_FALSE(image.isNull()) << picture;
    }
    help->close();
}

// Every window's section: F1 there opens the guide at its heading, which the guide has.
TEST_F(Desktop, F1InAWindowOpensItsSection) {
    auto sectionAfterF1 = [](QWidget* window) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, Qt::Key_F1);
        auto* help = VisibleWindow<TfrmHelp>();
        if (!help)
            return std::string("no guide");
        const std::string shown = help->SectionShown().toStdString();
        help->close();
        return shown;
    };
    ASSERT_TRUE(LoadSevilleExample(data, std::string(QUELTA_BINARY_DIR) + "/app"));
    struct TCase {
        QWidget* Window;
        std::string Section;
    };
    for (const TCase& c : std::vector<TCase>{
             {general, "General data"},
             {main.findChild<TfrmMeteo*>(), "Meteo data"},
             {main.findChild<TfrmCropFactor*>(), "Crop factors"},
             {main.findChild<TfrmCropPattern*>(), "The cropping pattern"},
         }) {
        static_cast<TEditorBase*>(c.Window)->ShowEditor();
        EXPECT_EQ(sectionAfterF1(c.Window), c.Section) << c.Section;
        c.Window->hide();
    }
    // The modal windows: the guide comes up over them and can be used while they are open.
    std::string reportSection, textSection, settingsSection, strategySection;
    bool guideUsable = false;
    RunModal<TfrmReportData>([&] { main.actReport->trigger(); },
                             [&](TfrmReportData& report) {
                                 reportSection = sectionAfterF1(&report);
                                 RunModal<TfrmReportCWR>(
                                     [&] { report.ShowTextReport(); },
                                     [&](TfrmReportCWR& text) {
                                         textSection = sectionAfterF1(&text);
                                         QTest::keyClick(text.redReport, Qt::Key_F1);
                                         auto* help = VisibleWindow<TfrmHelp>();
                                         guideUsable = help && help->parentWidget() == &text &&
                                                       help->isEnabled();
                                         if (help)
                                             help->close();
                                     });
                             });
    EXPECT_EQ(reportSection, "The water requirements report");
    EXPECT_EQ(textSection, "The text report");
    EXPECT_TRUE(guideUsable);
    RunModal<TfrmStrategy>([&] { main.actStrategy->trigger(); },
                           [&](TfrmStrategy& w) { strategySection = sectionAfterF1(&w); });
    EXPECT_EQ(strategySection, "The water balance strategy");
    RunModal<TfrmSettings>([&] { main.actSettings->trigger(); },
                           [&](TfrmSettings& w) { settingsSection = sectionAfterF1(&w); });
    EXPECT_EQ(settingsSection, "Units");
    TfrmChart chart(data.GuiSettings, &main);
    chart.show();
    EXPECT_EQ(sectionAfterF1(&chart), "Charts");
    chart.hide();
    // The main window's F1 is the guide's start.
    EXPECT_EQ(sectionAfterF1(&main), "");
}

// On a usual screen the guide opens wide enough that no picture needs the horizontal scroll bar;
// on a small one it stays on the screen.
TEST(UserGuide, OpensWideEnoughForItsPicturesWithinTheScreenAndEscapeClosesIt) {
    int widest = 0;
    for (const QFileInfo& picture : QDir(QStringLiteral(":/guide/images")).entryInfoList())
        widest = std::max(widest, QImage(picture.filePath()).width());
    EXPECT_GE(widest, 1200); // the schedule window's pictures

    TfrmHelp help(nullptr);
    help.resize(HelpWindowSize(QSize(1920, 1040)));
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    DeliverPostedEvents();
    EXPECT_EQ(help.brwGuide->horizontalScrollBar()->maximum(), 0);
    // Escape closes it, from the find field too.
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    help.edtFind->setFocus();
    QTest::keyClick(help.edtFind, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());

    const QSize small = HelpWindowSize(QSize(1024, 740));
    EXPECT_LE(small.width(), 1024);
    EXPECT_LE(small.height(), 740);
}

TEST(UserGuide, EveryWindowsSectionIsAHeadingOfTheGuide) {
    TfrmHelp help(nullptr);
    help.show();
    for (const char* heading :
         {"General data", "Meteo data", "Meteo data from a daily climate record", "Crop factors",
          "The cropping pattern", "The water requirements report", "Charts", "The text report",
          "The water balance strategy", "Irrigation scheduling", "Units"}) {
        EXPECT_TRUE(help.ShowSection(QString::fromUtf8(heading))) << heading;
        EXPECT_EQ(help.SectionShown().toStdString(), heading);
    }
    EXPECT_FALSE(help.ShowSection(QStringLiteral("No such heading")));
    EXPECT_EQ(help.SectionShown().toStdString(), "");
}

TEST(UserGuide, TheFindFieldGoesFromPlaceToPlaceAndRoundTheEnd) {
    TfrmHelp help(nullptr);
    help.show();
    TypeText(help.edtFind, QStringLiteral("Hargreaves"));
    QTest::keyClick(help.edtFind, Qt::Key_Return);
    const int first = help.brwGuide->textCursor().position();
    EXPECT_EQ(help.brwGuide->textCursor().selectedText().toStdString(), "Hargreaves");
    QTest::mouseClick(help.btnNext, Qt::LeftButton);
    const int second = help.brwGuide->textCursor().position();
    EXPECT_GT(second, first);
    QTest::mouseClick(help.btnPrevious, Qt::LeftButton);
    EXPECT_EQ(help.brwGuide->textCursor().position(), first);
    // Round the end: as many Next as there are places come back to the first.
    int places = 0;
    do {
        QTest::mouseClick(help.btnNext, Qt::LeftButton);
        ++places;
    } while (help.brwGuide->textCursor().position() != first && places < 500);
    EXPECT_GT(places, 2);
    EXPECT_LT(places, 500);
    EXPECT_TRUE(help.lblNotFound->text().isEmpty());
    help.edtFind->clear();
    TypeText(help.edtFind, QStringLiteral("no such words in the guide"));
    QTest::keyClick(help.edtFind, Qt::Key_Return);
    EXPECT_EQ(help.lblNotFound->text().toStdString(), "Not found");
}

TEST(UserGuide, ItsContentsLinksLeadToTheirSections) {
    TfrmHelp help(nullptr);
    help.show();
    for (const auto& [link, heading] : std::vector<std::pair<const char*, const char*>>{
             {"#meteo-data", "Meteo data"},
             {"#meteo-data-from-a-daily-climate-record", "Meteo data from a daily climate record"},
             {"#where-quelta-keeps-its-files", "Where Quelta keeps its files"},
             {"#keyboard", "Keyboard"}}) { // the last one too, at the top
        emit help.brwGuide->anchorClicked(QUrl(QString::fromUtf8(link)));
        EXPECT_EQ(help.SectionShown().toStdString(), heading) << link;
    }
    // The validation notes are a page of their own inside the program.
    emit help.brwGuide->anchorClicked(QUrl(QStringLiteral("validation.md")));
    EXPECT_TRUE(help.brwGuide->source().toString().endsWith(QStringLiteral("validation.md")));
    EXPECT_FALSE(help.brwGuide->document()->toPlainText().isEmpty());
    QTest::mouseClick(help.btnContents, Qt::LeftButton);
}

// ---- the report tables as CSV ----

TEST(ReportCsv, TheTableShownIsExportedAsTheWindowShowsItWithDecimalPoints) {
    TTempDir dir;
    TMessageRecorder messages;
    TFileDialogScript dialogs;
    TAllData data;
    data.GuiSettings.ReportFolder = dir.Path();
    Site(data, "Month");
    AddCrop(data, "Maize.crp", 60, 152, {10, 10, 10, 10}, 0.5, 1.0, 0.5);
    SetDecimalSeparator(','); // a locale that writes decimal commas
    TfrmReportCWR text(data.GuiSettings, nullptr);
    TfrmReportData window(data, text, nullptr);
    window.Open();
    ClickTab(window.tabTables, static_cast<int>(TReportTableKind::WaterRequirements));
    EXPECT_TRUE(window.mnuFile->actions().contains(window.actExportCsv));
    dialogs.Answer(dir.File("requirements"));
    window.actExportCsv->trigger();
    SetDecimalSeparator('.');
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].Folder, dir.Path());
    const std::string csv = ReadBytes(dir.File("requirements.csv"));

    // Line by line: the heading, then every row of the grid, then the totals; every cell as
    // shown, with its comma as a point.
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(csv.substr(at, end - at));
    const TReportGridView* grid = window.grdTable;
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(1 + grid->rowCount() + 1));
    for (int r = 0; r < grid->rowCount(); ++r) {
        std::string expected;
        for (int c = 0; c < grid->columnCount(); ++c) {
            std::string cell = grid->CellText(r, c).toStdString();
            if (!cell.empty() &&
                (std::isdigit(static_cast<unsigned char>(cell[0])) || cell[0] == '-'))
                for (char& ch : cell)
                    ch = ch == ',' ? '.' : ch;
            expected +=
                (c ? "," : "") + (cell.find(',') != std::string::npos ? "\"" + cell + "\"" : cell);
        }
        EXPECT_EQ(lines[1 + r], expected) << r;
    }
    EXPECT_NE(lines[1 + 7].find('.'), std::string::npos) << lines[1 + 7]; // July has numbers
    EXPECT_EQ(lines.back().rfind("Total:", 0), 0u) << lines.back();
    EXPECT_TRUE(messages.Messages().empty());
}
