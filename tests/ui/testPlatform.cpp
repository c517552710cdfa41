#include "UiTestSupport.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "support/TestSupport.h"
#include "ui/platform/pDesktop.h"
#include "ui/platform/pFileDialogs.h"
#include "ui/platform/pSingleInstance.h"
#include "ui/platform/pWindowMessages.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

namespace {
QString UniqueName() {
    return QStringLiteral("Quelta test ") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds) {
    const QString name = UniqueName();
    TSingleInstance first(name);
    ASSERT_EQ(first.Start(), TSingleInstance::TStart::First);
    QSignalSpy raised(&first, &TSingleInstance::RaiseRequested);
    first.ReleaseLock();

    TSingleInstance second(name);
    EXPECT_EQ(second.Start(), TSingleInstance::TStart::Forwarded);
    EXPECT_TRUE(raised.wait(2000));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstance, AStartWaitsForTheLockAndGivesUpSilently) {
    const QString name = UniqueName();
    TSingleInstance first(name);
    ASSERT_EQ(first.Start(), TSingleInstance::TStart::First); // still holds the lock
    TSingleInstance second(name, 300);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(second.Start(), TSingleInstance::TStart::TimedOut);
    EXPECT_GE(clock.elapsed(), 250);
}

TEST(SingleInstance, AfterTheFirstEndsTheNextStartRunsItself) {
    const QString name = UniqueName();
    {
        TSingleInstance first(name);
        ASSERT_EQ(first.Start(), TSingleInstance::TStart::First);
    }
    TSingleInstance next(name);
    EXPECT_EQ(next.Start(), TSingleInstance::TStart::First);
}

TEST(WindowMessages, ArePostedToEveryWindowAndArriveOnlyAfterTheSenderReturns) {
    TWindowMessageLog a;
    TWindowMessageLog b;
    BroadCastBoodschap(WM_REFRESH_METEO);
    BroadCastBoodschap(WM_REFRESH_MAIN);
    EXPECT_TRUE(a.Received.empty()); // nothing is delivered inside the sender's handler
    DeliverPostedEvents();
    EXPECT_EQ(a.Received, (std::vector<int>{WM_REFRESH_METEO, WM_REFRESH_MAIN}));
    EXPECT_EQ(b.Received, (std::vector<int>{WM_REFRESH_METEO, WM_REFRESH_MAIN}));
}

TEST(FileDialogs, FiltersAreTranslatedForQt) {
    EXPECT_EQ(QtFileFilter("General files (*.gen)|*.gen|All files (*.*)|*.*"),
              "General files (*.gen);;All files (*)");
    EXPECT_EQ(QtFileFilter("User defined Cropfactor files (*.udc)|*.udc|Pre defined Cropfactor "
                           "files (*.crp)|*.crp|All files (*.*)|*.*"),
              "User defined Cropfactor files (*.udc);;Pre defined Cropfactor files "
              "(*.crp);;All files (*)");
    EXPECT_EQ(QtFileFilter("All Files (*.*)|*.*"), "All Files (*)");
    EXPECT_EQ(QtFileFilter("rtf-files (*.rtf)|*.rtf|"), "rtf-files (*.rtf)"); // a closing bar
    // Qt finds the patterns only inside the description's parentheses.
    EXPECT_EQ(QtFileFilter("wmf-files|*.wmf|bmp-files|*.bmp|"),
              "wmf-files (*.wmf);;bmp-files (*.bmp)");
}

TEST(NumberEntry, FieldsTakeOnlyTheCharactersOfTheirKind) {
    SetDecimalSeparator(',');
    EXPECT_TRUE(AcceptsTypedCharacter(TNumberEntry::Decimal, U',', "12"));
    EXPECT_FALSE(AcceptsTypedCharacter(TNumberEntry::Decimal, U',', "1,2"));
    EXPECT_FALSE(AcceptsTypedCharacter(TNumberEntry::Decimal, U'.', "12"));
    SetDecimalSeparator('.');
    EXPECT_TRUE(AcceptsTypedCharacter(TNumberEntry::Decimal, U'7', "1.5"));
    EXPECT_TRUE(AcceptsTypedCharacter(TNumberEntry::Decimal, U'\b', "1.5"));
    EXPECT_FALSE(AcceptsTypedCharacter(TNumberEntry::Decimal, U'-', ""));
    EXPECT_TRUE(AcceptsTypedCharacter(TNumberEntry::SignedDecimal, U'-', ""));
    EXPECT_FALSE(AcceptsTypedCharacter(TNumberEntry::WholeNumber, U'.', "5"));
    EXPECT_FALSE(AcceptsTypedCharacter(TNumberEntry::Decimal, U'e', "5"));
}

TEST(ProgramFolder, AnUnwritableFolderFallsBackToTheUserFolderAndSaysSoOnce) {
    TTempDir dir;
    WriteBytes(dir.File("plain-file"), "x"); // nothing can be made below a plain file
    const std::string program = dir.File("plain-file/quelta");
    const std::string fallback = dir.File("user");
    TMessageRecorder messages;
    TGuiSettings first;
    OpenSettingsFolder(first, program, program + "/quelta.INI", fallback);
    EXPECT_EQ(first.GeneralFolder, fallback + "/General");
    EXPECT_EQ(first.SettingsFileName, fallback + "/quelta.INI");
    EXPECT_TRUE(FileExists(fallback + "/quelta.INI"));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Information);

    TGuiSettings again;
    OpenSettingsFolder(again, program, program + "/quelta.INI", fallback);
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(ProgramFolder, AWritableFolderKeepsSettingsBesideTheProgram) {
    TTempDir dir;
    TMessageRecorder messages;
    TGuiSettings settings;
    OpenSettingsFolder(settings, dir.Path(), dir.File("quelta.INI"), dir.File("user"));
    EXPECT_EQ(settings.SettingsFileName, dir.File("quelta.INI"));
    EXPECT_TRUE(messages.Messages().empty());
}
