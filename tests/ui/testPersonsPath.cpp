// A person's road through the program, mistakes included: every menu item and every command of
// the editors in every state of the data, pastes of any shape into every grid, keys as an X11
// keyboard sends them, Cancel at every question, Exit with unsaved changes. The real main
// window, the real start-up code and the example files; nothing is stubbed. After every step the
// program still runs and the data a user typed are as they were.

#include "ProgramFixture.h"

#include "core/cNumberFormat.h"
#include "core/cValueStream.h"
#include "data/cCropPattern.h"
#include "data/cGeneral.h"
#include "data/cMeteo.h"
#include "data/cStrategyRatios.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPatternLine.h"
#include "ui/fReportData.h"
#include "ui/fReportGrid.h"
#include "ui/fSettings.h"
#include "ui/fStrategy.h"
#include "ui/fStrategyGrid.h"
#include "ui/platform/pWindowMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>

#include <functional>
#include <map>
#include <stdexcept>

namespace {

enum class TDataState { Nothing, General, GeneralMeteo, Everything, OutOfRange };

const char* StateName(TDataState state) {
    switch (state) {
    case TDataState::Nothing:
        return "nothing loaded";
    case TDataState::General:
        return "general data only";
    case TDataState::GeneralMeteo:
        return "general and meteo data";
    case TDataState::Everything:
        return "general, meteo and pattern";
    case TDataState::OutOfRange:
        return "a meteo value out of range";
    }
    return "";
}

// What a user has opened: the records that come from a file, as their files would hold them.
// The meteo estimates the calculation writes (RHmax and wind ratio) are left out: they are the
// program's. A digest keeps a failure short enough to read.
std::string Held(const TAllData& data) {
    std::string held;
    auto digest = [&held](const std::string& name, const TValueWriter& writer) {
        held += name + ": " + std::to_string(std::hash<std::string>{}(writer.Bytes())) + "; ";
    };
    if (!data.General.FileName.empty()) {
        TValueWriter writer;
        data.General.WriteData(writer);
        digest(data.General.FileName, writer);
    }
    if (!data.CropPattern.FileName.empty()) {
        TValueWriter writer;
        data.CropPattern.WriteData(writer);
        digest(data.CropPattern.FileName, writer);
    }
    if (!data.Meteo.FileName.empty()) {
        TValueWriter writer;
        for (const TYearData* series : std::initializer_list<const TYearData*>{
                 &data.Meteo.Tmin, &data.Meteo.Tmax, &data.Meteo.Precipitation,
                 &data.Meteo.Sunshine, &data.Meteo.RHmean, &data.Meteo.WindSpeed})
            for (int day = 1; day <= 365; ++day)
                writer.WriteFloat(series->GetDay(day));
        writer.WriteFloat(data.Meteo.WindHeight);
        digest(data.Meteo.FileName, writer);
    }
    return held;
}

// Closes every modal window that comes up while run runs (the report, the strategy, the
// settings, the about box), as a user would close it; returns the class names of those seen.
std::vector<std::string> RunClosingModals(const std::function<void()>& run) {
    std::vector<std::string> seen;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            seen.push_back(modal->metaObject()->className());
            modal->close();
        }
    });
    timer.start();
    run();
    timer.stop();
    return seen;
}

class PersonsPath : public TProgramFixture {
protected:
    void Enter(TDataState state) {
        if (state == TDataState::Nothing)
            return;
        OpenInEditor(main.actGeneral, general, File("General/Seville.gen"));
        if (state == TDataState::General)
            return;
        OpenInEditor(main.actMeteo, meteo, File("Meteo/Seville.mtf"));
        if (state == TDataState::GeneralMeteo)
            return;
        if (state == TDataState::OutOfRange) {
            // RHmean 120 % in January, typed into the grid as a user would.
            meteo->grdMeteo->setFocus();
            meteo->grdMeteo->setCurrentCell(0, 5);
            QTest::keyClicks(meteo->grdMeteo, QStringLiteral("120"));
            QTest::keyClick(meteo->grdMeteo, Qt::Key_Return);
            return;
        }
        OpenInEditor(main.actCropPattern, pattern, File("Pattern/Seville.pat"));
    }
    std::vector<QMenu*> MainMenus() const {
        return {main.mnuFile, main.mnuStrategy, main.mnuReports, main.mnuOptions, main.mnuHelp};
    }
};

} // namespace

// ---- every menu item in every data state ----

class EveryMenuItem : public PersonsPath, public ::testing::WithParamInterface<TDataState> {};

TEST_P(EveryMenuItem, SaysWhatIsMissingOrOpensItsWindowAndChangesNoData) {
    const TDataState state = GetParam();
    Enter(state);
    ASSERT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
    const std::string before = Held(data);
    for (QMenu* menu : MainMenus())
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible() || item == main.actExit)
                continue;
            const std::string name = StateName(state) + std::string(", ") +
                                     menu->title().toStdString() + " > " +
                                     item->text().toStdString();
            messages.Clear();
            OpenMenu(menu); // the checks of the menu run as it opens
            const std::vector<std::string> onOpening = messages.Texts();
            if (!item->isEnabled())
                continue;
            const std::vector<std::string> windows = RunClosingModals([&] { item->trigger(); });
            DeliverPostedEvents();
            EXPECT_TRUE(main.isVisible()) << name;
            EXPECT_EQ(Held(data), before) << name;
            const bool checked = item == main.actReport || item == main.actStrategy;
            if (checked && !onOpening.empty()) {
                // A failed check: choosing the item says the same again and opens nothing.
                EXPECT_TRUE(windows.empty()) << name;
                ASSERT_EQ(messages.Texts().size(), 2 * onOpening.size()) << name;
                EXPECT_EQ(messages.Texts().back(), onOpening.back()) << name;
            } else if (checked) {
                EXPECT_EQ(windows.size(), 1u) << name;
            }
        }
    // The editors opened on the way are shown, and none holds a change nobody made.
    for (TEditorBase* editor : std::initializer_list<TEditorBase*>{general, meteo, pattern}) {
        if (state != TDataState::OutOfRange || editor != meteo) {
            EXPECT_FALSE(editor->Modified()) << editor->windowTitle().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(States, EveryMenuItem,
                         ::testing::Values(TDataState::Nothing, TDataState::General,
                                           TDataState::GeneralMeteo, TDataState::Everything,
                                           TDataState::OutOfRange));

// ---- every command of every editor, Cancel at every question ----

class EveryCommand : public PersonsPath, public ::testing::WithParamInterface<TDataState> {};

TEST_P(EveryCommand, WithAChangeUnsavedCancelKeepsTheChangeAndNothingEnds) {
    const TDataState state = GetParam();
    Enter(state);
    auto* cropFactor = main.findChild<TfrmCropFactor*>();
    ASSERT_TRUE(cropFactor);
    struct TEditorCase {
        TEditorBase* Editor;
        QAction* MenuItem;
        QLineEdit* Field; // a field the user changes first
    };
    const TEditorCase editors[] = {
        {general, main.actGeneral, general->edtCountry},
        {meteo, main.actMeteo, meteo->edtWHeigth},
        {cropFactor, main.actCropFactor, cropFactor->edtDescription},
        {pattern, main.actCropPattern, pattern->edtKcFallow},
    };
    for (const TEditorCase& e : editors) {
        if (e.Editor == pattern && state != TDataState::Everything)
            continue; // the pattern editor opens only on loaded, valid general and meteo data
        OpenFromMenu(e.MenuItem, e.Editor);
        TfrmToolBar* strip = e.Editor->ToolBar();
        for (QAction* command :
             {strip->FileNew1, strip->FileOpen1, strip->FileSave1, strip->FileSaveAs1,
              strip->CopyToClipboard, strip->actChart, strip->PatternLineAdd,
              strip->PatternLineEdit, strip->PatternLineDelete}) {
            if (!command->isVisible() || command == strip->FileExit1)
                continue;
            const std::string name = std::string(StateName(state)) + ", " +
                                     e.Editor->windowTitle().toStdString() + ", " +
                                     command->text().toStdString();
            e.Field->setFocus();
            e.Field->end(false);
            QTest::keyClicks(e.Field, QStringLiteral("1"));
            const QString typed = e.Field->text();
            ASSERT_TRUE(e.Editor->Modified()) << name;
            messages.Clear();
            for (int i = 0; i < 4; ++i)
                messages.Answer(TMessageAnswer::Cancel); // every question, if any
            if (!command->isEnabled()) {
                messages.ForgetAnswers();
                continue;
            }
            RunClosingModals([&] { command->trigger(); }); // dialogs: cancelled
            DeliverPostedEvents();
            messages.ForgetAnswers();
            EXPECT_TRUE(main.isVisible()) << name;
            EXPECT_TRUE(e.Editor->isVisible()) << name;
            if (command == strip->FileSave1 || command == strip->FileSaveAs1 ||
                command == strip->CopyToClipboard || command == strip->PatternLineAdd ||
                command == strip->PatternLineEdit || command == strip->PatternLineDelete)
                continue; // a save can go through on a file; the crop commands are the pattern's
            EXPECT_EQ(e.Field->text(), typed) << name;
            EXPECT_TRUE(e.Editor->Modified()) << name;
        }
        // Closed by its frame with the change unsaved, Cancel keeps the window and the change.
        const QString typed = e.Field->text();
        messages.Clear();
        messages.Answer(TMessageAnswer::Cancel);
        e.Editor->close();
        EXPECT_TRUE(e.Editor->isVisible());
        EXPECT_EQ(e.Field->text(), typed);
        messages.Answer(TMessageAnswer::No);
        e.Editor->close();
        EXPECT_FALSE(e.Editor->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(States, EveryCommand,
                         ::testing::Values(TDataState::Nothing, TDataState::GeneralMeteo,
                                           TDataState::Everything, TDataState::OutOfRange));

// ---- Exit with an unsaved change ----

TEST_F(PersonsPath, ExitAsksEveryEditorFirstAndCancelClosesNothing) {
    Enter(TDataState::Everything);
    struct TChange {
        TEditorBase* Editor;
        QLineEdit* Field;
    };
    const TChange changes[] = {{general, general->edtRegion},
                               {meteo, meteo->edtWHeigth},
                               {pattern, pattern->edtKcPermanent}};
    for (const TChange& change : changes) {
        change.Field->setFocus();
        change.Field->end(false);
        QTest::keyClicks(change.Field, QStringLiteral("5"));
    }
    const std::string region = data.General.Region;
    // Each of the three is asked; Cancel at the second keeps everything open and as it was.
    messages.Answer(TMessageAnswer::No);
    messages.Answer(TMessageAnswer::Cancel);
    main.actExit->trigger();
    DeliverPostedEvents();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, "Save changes to file?"));
    EXPECT_TRUE(main.isVisible());
    for (const TChange& change : changes)
        EXPECT_TRUE(change.Editor->isVisible()) << change.Editor->windowTitle().toStdString();
    EXPECT_TRUE(meteo->Modified());
    EXPECT_TRUE(pattern->Modified());
    EXPECT_EQ(data.General.Region, region);
    // Cancel by Escape, the same answer: the question does not come back of itself.
    messages.Clear();
    messages.Answer(TMessageAnswer::Cancel);
    main.actExit->trigger();
    DeliverPostedEvents();
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(main.isVisible());
    // No to both that are left: the program closes, main window and editors together.
    messages.Clear();
    messages.Answer(TMessageAnswer::No);
    messages.Answer(TMessageAnswer::No);
    main.actExit->trigger();
    DeliverPostedEvents();
    EXPECT_EQ(messages.Texts().size(), 2u);
    EXPECT_FALSE(main.isVisible());
    for (const TChange& change : changes)
        EXPECT_FALSE(change.Editor->isVisible());
}

TEST_F(PersonsPath, AFailedSaveAtExitClosesNothing) {
    Enter(TDataState::General);
    QTest::keyClicks(general->edtRegion, QStringLiteral("x"));
    data.General.FileName = File("no-such-folder/site.gen");
    messages.Answer(TMessageAnswer::Yes); // save
    messages.Answer(TMessageAnswer::Yes); // and the values out of range too, if any
    main.actExit->trigger();
    DeliverPostedEvents();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(general->isVisible());
    EXPECT_TRUE(general->Modified());
}

// ---- keys as an X11 display sends them ----

TEST_F(PersonsPath, DeleteBackspaceAndCtrlAWorkInEveryNumberField) {
    Enter(TDataState::Everything);
    auto* cropFactor = main.findChild<TfrmCropFactor*>();
    OpenFromMenu(main.actCropFactor, cropFactor);
    OpenFromMenu(main.actCropPattern, pattern);
    std::vector<QLineEdit*> fields = {
        general->edtAlti,          general->edtTot_Area,        general->edtS_Area,
        general->edtDm_of_watappl, general->edtLatiDegrees,     meteo->edtWHeigth,
        cropFactor->edtKc3,        cropFactor->edtRootingDepth, cropFactor->edtStage1,
        pattern->edtKcFallow,      pattern->edtKcPermanent};
    for (QLineEdit* field : fields) {
        const std::string name = field->objectName().toStdString();
        field->setFocus();
        field->setText(QStringLiteral("123"));
        field->setCursorPosition(1);
        X11Key(field, Qt::Key_Delete);
        EXPECT_EQ(field->text(), QStringLiteral("13")) << name;
        X11Key(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), QStringLiteral("3")) << name;
        X11Key(field, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(field->selectedText(), QStringLiteral("3")) << name;
        QTest::keyClicks(field, QStringLiteral("45"));
        EXPECT_EQ(field->text(), QStringLiteral("45")) << name;
    }
    // The crop dialog's area, in the dialog the pattern editor opens.
    pattern->grdCropPattern->setCurrentCell(0, 0);
    RunModal<TfrmCropPatternLine>([&] { pattern->ToolBar()->PatternLineEdit->trigger(); },
                                  [](TfrmCropPatternLine& dialog) {
                                      dialog.edtArea->setFocus();
                                      dialog.edtArea->setText(QStringLiteral("250"));
                                      dialog.edtArea->setCursorPosition(0);
                                      X11Key(dialog.edtArea, Qt::Key_Delete);
                                      EXPECT_EQ(dialog.edtArea->text(), QStringLiteral("50"));
                                      X11Key(dialog.edtArea, Qt::Key_A, Qt::ControlModifier);
                                      EXPECT_EQ(dialog.edtArea->selectedText(),
                                                QStringLiteral("50"));
                                  });
}

TEST_F(PersonsPath, APasteIntoANumberFieldStaysOnlyWhenItIsANumber) {
    Enter(TDataState::General);
    struct TCase {
        QLineEdit* Field;
        const char* Clip;
        const char* After;
        bool Invalid;
    };
    const TCase cases[] = {
        {general->edtAlti, "-12.5\n", "-12.5", false}, // a spreadsheet cell with its line end
        {general->edtAlti, "1-2", "", true},
        {general->edtTot_Area, "1500", "1500", false},
        {general->edtTot_Area, "abc", "", true},
        {general->edtLatiDegrees, "37.5", "", true},
        {meteo->edtWHeigth, "2.0", "2.0", false},
    };
    for (const TCase& c : cases) {
        c.Field->setFocus();
        c.Field->clear();
        messages.Clear();
        QApplication::clipboard()->setText(QString::fromUtf8(c.Clip));
        X11Key(c.Field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.Field->text().toStdString(), c.After) << c.Clip;
        EXPECT_EQ(messages.Texts(), c.Invalid ? std::vector<std::string>{"Invalid value"}
                                              : std::vector<std::string>{})
            << c.Clip;
    }
}

// ---- pastes of any shape into every grid ----

namespace {

struct TPaste {
    const char* Name;
    QString Text;
};

std::vector<TPaste> Pastes() {
    QString tenThousand;
    for (int i = 0; i < 10000; ++i)
        tenThousand += QStringLiteral("0.4\n");
    return {
        {"LF column",
         QStringLiteral("0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n0.5\n")},
        {"CRLF block", QStringLiteral("0.2\t1\r\n0.3\t2\r\n")},
        {"CR lines", QStringLiteral("0.2\r0.3\r")},
        {"text", QStringLiteral("abc")},
        {"empty", QString()},
        {"10,000 lines", tenThousand},
        {"wider than the grid",
         QStringLiteral("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n")},
    };
}

} // namespace

TEST_F(PersonsPath, EveryPasteIntoTheMeteoGridLandsOrIsRefusedAndNothingEnds) {
    Enter(TDataState::GeneralMeteo);
    for (const TPaste& paste : Pastes())
        for (bool editing : {false, true}) {
            const std::string name = paste.Name + std::string(editing ? ", cell open" : "");
            messages.Clear();
            meteo->grdMeteo->setFocus();
            meteo->grdMeteo->setCurrentCell(2, 5);
            if (editing)
                meteo->grdMeteo->editItem(meteo->grdMeteo->item(2, 5));
            QApplication::clipboard()->setText(paste.Text);
            // The window's own focus: offscreen, no window need be the active one.
            QWidget* target = meteo->focusWidget();
            ASSERT_TRUE(target) << name;
            X11Key(target, Qt::Key_V, Qt::ControlModifier);
            DeliverPostedEvents();
            EXPECT_TRUE(meteo->isVisible()) << name;
            EXPECT_LE(messages.Texts().size(), 1u) << name;
            for (const std::string& text : messages.Texts())
                EXPECT_EQ(text, "Invalid value") << name;
            QTest::keyClick(meteo->grdMeteo, Qt::Key_Escape);
        }
    // The 10,000 lines filled the column to December; the wider block the row across, and no
    // more than the grid holds.
    auto cell = [this](int row, int column) {
        return meteo->grdMeteo->item(row, column)->text().toStdString();
    };
    EXPECT_EQ(cell(11, 5), "0.4");
    EXPECT_EQ(cell(2, 5), "1");
    EXPECT_EQ(cell(2, 8), "4");
    EXPECT_EQ(cell(3, 8), "4");
    EXPECT_EQ(meteo->grdMeteo->rowCount(), 12);
}

TEST_F(PersonsPath, EveryPasteIntoEveryStrategyGridLandsOrIsRefusedAndNothingEnds) {
    Enter(TDataState::Everything);
    data.Strategy.FileName.clear();
    RunModal<TfrmStrategy>(
        [&] { main.actStrategy->trigger(); },
        [&](TfrmStrategy& window) {
            struct TGridCase {
                TStrategyGridView* Grid;
                QTabWidget* Pages;
                int Page;
                int Column;
            };
            const TGridCase grids[] = {
                {window.grdDataInput, window.pgcWaterBalance, 1, DataInputColumn::ChangeGWTable},
                {window.grdStrategy, window.pgcWaterBalance, 2, StrategyColumn::DFUser},
                {window.grdInputETa, window.pgcWaterRequirement, 0, InputETaColumn::ETa},
                {window.grdComparison, window.pgcComparison, 0, ComparisonColumn::VcDF},
            };
            for (const TGridCase& g : grids)
                for (const TPaste& paste : Pastes()) {
                    const std::string name =
                        paste.Name + std::string(" into ") + g.Grid->objectName().toStdString();
                    ClickTab(window.pgcTracks, g.Pages == window.pgcWaterBalance       ? 0
                                               : g.Pages == window.pgcWaterRequirement ? 1
                                                                                       : 2);
                    ClickTab(g.Pages, g.Page);
                    messages.Clear();
                    g.Grid->setFocus();
                    g.Grid->setCurrentCell(TStrategyGridView::RowOfMonth(1), g.Column);
                    QApplication::clipboard()->setText(paste.Text);
                    X11Key(window.focusWidget(), Qt::Key_V, Qt::ControlModifier);
                    DeliverPostedEvents();
                    EXPECT_TRUE(window.isVisible()) << name;
                    for (const std::string& text : messages.Texts())
                        EXPECT_TRUE(text == "Invalid value" ||
                                    text == "Depleted fraction must be <= 1")
                            << name << ": " << text;
                }
            // The 10,000 lines went into every month of the user DF column; the wider block only
            // into the first two.
            EXPECT_EQ(window.grdStrategy->item(12, StrategyColumn::DFUser)->text().toStdString(),
                      "0.4");
            messages.Answer(TMessageAnswer::No); // closing: the strategy is not saved
        });
    EXPECT_TRUE(main.isVisible());
}

// ---- questions that tell the truth ----

TEST_F(PersonsPath, NothingChangedMeansNoQuestion) {
    // Ctrl+O in fresh, empty editors: the open dialog, no "Save changes to file?".
    for (TEditorBase* editor : std::initializer_list<TEditorBase*>{general, meteo}) {
        OpenFromMenu(editor == general ? main.actGeneral : main.actMeteo, editor);
        editor->activateWindow();
        QWidget* field = editor == general ? static_cast<QWidget*>(general->edtCountry)
                                           : static_cast<QWidget*>(meteo->edtWHeigth);
        field->setFocus();
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_Control, QString(), Qt::NoModifier);
        X11Key(field, Qt::Key_O, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_Control, QString(), Qt::ControlModifier);
        EXPECT_FALSE(editor->Modified()) << editor->windowTitle().toStdString();
    }
    EXPECT_TRUE(messages.Messages().empty());

    // The unchanged Seville meteo file opened again after a report: no question either.
    Enter(TDataState::Everything);
    RunClosingModals([&] { main.actReport->trigger(); });
    DeliverPostedEvents();
    messages.Clear();
    dialogs.Answer(File("Meteo/Seville.mtf"));
    meteo->ToolBar()->FileOpen1->trigger();
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
}

TEST_F(PersonsPath, TheUnchangedExampleStrategyOpensWithoutAQuestion) {
    Enter(TDataState::Everything);
    for (const char* name :
         {"Strategy/Seville-field-data.str", "Strategy/Seville-no-field-data.str"}) {
        data.Strategy.FileName = File(name);
        messages.Clear();
        RunModal<TfrmStrategy>(
            [&] { main.actStrategy->trigger(); },
            [&](TfrmStrategy& window) {
                for (QTabWidget* pages :
                     {window.pgcWaterBalance, window.pgcWaterRequirement, window.pgcComparison}) {
                    ClickTab(window.pgcTracks, pages == window.pgcWaterBalance       ? 0
                                               : pages == window.pgcWaterRequirement ? 1
                                                                                     : 2);
                    for (int page = 0; page < pages->count(); ++page)
                        if (pages->isTabVisible(page))
                            ClickTab(pages, page);
                }
                EXPECT_FALSE(window.Modified()) << name;
            });
        EXPECT_TRUE(messages.Messages().empty()) << name << ": " << messages.Texts()[0];
    }
}

TEST_F(PersonsPath, AFileOfTheWrongKindIsNamedWithTheKindExpected) {
    OpenFromMenu(main.actGeneral, general);
    dialogs.Answer(File("Meteo/Seville.mtf"));
    general->ToolBar()->FileOpen1->trigger();
    ASSERT_EQ(messages.Texts().size(), 1u);
    const std::string text = messages.Texts()[0];
    EXPECT_EQ(text.rfind("Error in procedure ReadData: ", 0), 0u) << text;
    EXPECT_NE(text.find("File: " + File("Meteo/Seville.mtf")), std::string::npos) << text;
    EXPECT_NE(text.find("Expected: General files (*.gen)"), std::string::npos) << text;
    EXPECT_EQ(data.General.FileName, "");
}

// ---- the report and the strategy window: checks again, calculation errors ----

TEST_F(PersonsPath, AReportThatCannotBeCalculatedSaysWhyAndOpensNothing) {
    Enter(TDataState::Everything);
    // A pattern file with a crop planted on day 400 (made by another program, say).
    data.CropPattern.GetCropLine(1).PlantingDay = 400;
    const std::vector<std::string> windows = RunClosingModals([&] { main.actReport->trigger(); });
    EXPECT_TRUE(windows.empty());
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind("Error in procedure OpenReport: ", 0), 0u)
        << messages.Texts()[0];
    EXPECT_TRUE(main.isVisible());
}

namespace {

// A person who, while the check's message stands, presses Escape on the menu bar, then answers
// the message; it notes whether a menu still held the keyboard when the message came.
class TPersonAtTheMessage : public TMessageRecorder {
public:
    explicit TPersonAtTheMessage(QWidget* menuBar) : menuBar(menuBar) {}
    TMessageAnswer Show(TMessageKind kind, const std::string& text,
                        TMessageButtons buttons) override {
        menuOpenAtMessage = menuOpenAtMessage || QApplication::activePopupWidget() != nullptr;
        QTest::keyClick(menuBar, Qt::Key_Escape);
        return TMessageRecorder::Show(kind, text, buttons);
    }
    bool menuOpenAtMessage = false;

private:
    QWidget* menuBar;
};

} // namespace

TEST_F(PersonsPath, AKeyPressedWhileTheMenusCheckSpeaksEndsNothing) {
    // With no data loaded, each way of opening a checked menu: Alt+R, Left from the menu beside
    // it, and the mouse. The message comes once the menu is open and closes it first, so the
    // person's Escape meets a quiet menu bar and the message has the keyboard.
    QMenuBar* bar = main.menuBar();
    auto clickMenu = [bar](QMenu* menu) {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        DeliverPostedEvents();
    };
    TPersonAtTheMessage person(bar);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_R, Qt::AltModifier);
    DeliverPostedEvents();
    ASSERT_EQ(
        person.Texts(),
        std::vector<std::string>{"Load a General data file or save a new General data file first"});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    clickMenu(main.mnuOptions);
    ASSERT_EQ(QApplication::activePopupWidget(), main.mnuOptions);
    QTest::keyClick(main.mnuOptions, Qt::Key_Left); // to the reports menu
    DeliverPostedEvents();
    EXPECT_EQ(person.Texts().size(), 2u);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    clickMenu(main.mnuStrategy);
    EXPECT_EQ(person.Texts().size(), 3u);
    EXPECT_FALSE(person.menuOpenAtMessage);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(main.isVisible());
}

// ---- the net under every handler ----

namespace {

class TThrowingWidget : public QWidget {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("boom");
        return QWidget::event(e);
    }
};

} // namespace

TEST_F(PersonsPath, AnExceptionOutOfAHandlerIsShownAndTheProgramGoesOn) {
    Enter(TDataState::GeneralMeteo);
    QTest::keyClicks(general->edtRegion, QStringLiteral("typed"));
    const std::string before = Held(data);
    TThrowingWidget widget;
    QCoreApplication::postEvent(&widget, new QEvent(QEvent::User));
    DeliverPostedEvents();
    QEvent direct(QEvent::User);
    QApplication::sendEvent(&widget, &direct);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, "Error: boom"));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(Held(data), before);
    EXPECT_TRUE(general->Modified());
    EXPECT_EQ(general->edtRegion->text().right(5), QStringLiteral("typed"));
}

// ---- what the windows show ----

TEST_F(PersonsPath, TheHintFollowsTheFocusAndTheUnits) {
    Enter(TDataState::GeneralMeteo);
    general->edtAlti->setFocus();
    general->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(general->RangeHint()->text().toStdString(), "Range: -500 <= Altitude <= 4500 m");
    // A choice list or a check box has no range: the line is emptied.
    for (QWidget* other :
         std::initializer_list<QWidget*>{static_cast<QWidget*>(general->cbxCalcPer),
                                         static_cast<QWidget*>(general->ckbxFixedPercent)}) {
        other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(general->RangeHint()->text(), QString()) << other->objectName().toStdString();
        general->edtAlti->setFocus();
        QApplication::processEvents();
    }
    // Feet chosen in the settings: the wind height's hint in the meteo editor says feet at once.
    meteo->edtWHeigth->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(meteo->RangeHint()->text().toStdString(),
              "Range: 0.5 < Height windspeed measurement <= 15 m");
    RunModal<TfrmSettings>([&] { main.actSettings->trigger(); },
                           [](TfrmSettings& settings) {
                               Choose(settings.cbxLengthHeigth,
                                      settings.cbxLengthHeigth->itemText(1));
                               settings.Save();
                           });
    DeliverPostedEvents();
    EXPECT_EQ(meteo->RangeHint()->text().toStdString(),
              "Range: 1.64 < Height windspeed measurement <= 49.21 ft");
    EXPECT_EQ(general->RangeHint()->text().toStdString(), "Range: -1640 <= Altitude <= 14763 ft");
}

TEST_F(PersonsPath, ANewStrategyShowsItsFlowRegimeWithItsRatio) {
    Enter(TDataState::Everything);
    data.Strategy.FileName.clear();
    RunModal<TfrmStrategy>(
        [&] { main.actStrategy->trigger(); },
        [&](TfrmStrategy& window) {
            ClickTab(window.pgcTracks, 1);
            ClickTab(window.pgcWaterRequirement, 1);
            ASSERT_EQ(window.cbxFlowRegime->currentText().toStdString(), "Continuous");
            EXPECT_EQ(window.edtConveyRatio->text().toStdString(),
                      FormatFixed(ConveyanceRatioOf(0, data.General.IrrigableArea), 2));
            EXPECT_NE(window.edtConveyRatio->text().toStdString(), "0.00");
            EXPECT_FALSE(window.Modified());
        });
    EXPECT_TRUE(messages.Messages().empty());
}

// The grids nobody types in (the cropping pattern's list of crops, the report's tables) take a
// paste of any shape without a change or a word.
TEST_F(PersonsPath, PastesIntoTheGridsNobodyTypesInChangeNothing) {
    Enter(TDataState::Everything);
    const std::string before = Held(data);
    const auto pasteAll = [&](QWidget* grid) {
        for (const TPaste& paste : Pastes()) {
            QApplication::clipboard()->setText(paste.Text);
            X11Key(grid, Qt::Key_V, Qt::ControlModifier);
            DeliverPostedEvents();
        }
    };
    OpenFromMenu(main.actCropPattern, pattern);
    pattern->grdCropPattern->setCurrentCell(0, 1);
    pasteAll(pattern->grdCropPattern);
    EXPECT_FALSE(pattern->Modified());
    RunModal<TfrmReportData>([&] { main.actReport->trigger(); },
                             [&](TfrmReportData& report) {
                                 for (int table = 0; table < report.tabTables->count(); ++table) {
                                     ClickTab(report.tabTables, table);
                                     pasteAll(report.grdTable);
                                 }
                                 EXPECT_TRUE(report.isVisible());
                             });
    EXPECT_EQ(Held(data), before);
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts()[0];
}
