#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QSize;
class QLineEdit;
class QTextBlock;
class QTextBrowser;
class QToolButton;
class QUrl;

// The user guide, read inside the program: the guide's Markdown with its tables and pictures,
// built into the program, and a find field. Its headings carry no anchors, so a section is found
// by its heading's text; the guide's own links between sections are followed the same way.
class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* owner);

    // Scrolls the section under heading to the top; false (and the guide's start shown) when the
    // guide has no such heading. "" shows the start.
    bool ShowSection(const QString& heading);
    // The next (or previous) place that holds text, from the cursor, going round at the end;
    // false when the guide holds it nowhere.
    bool Find(const QString& text, bool backward = false);
    // The heading of the section shown at the top, "" above the first.
    QString SectionShown() const;

    QTextBrowser* brwGuide;
    QLineEdit* edtFind;
    QToolButton* btnPrevious;
    QToolButton* btnNext;
    QToolButton* btnContents;
    QLabel* lblNotFound;

private:
    void FollowLink(const QUrl& url);
    QTextBlock HeadingBlock(const QString& heading, bool bySlug) const;
    void ScrollTo(const QTextBlock& block);
};

// The guide's source, built into the program.
QString UserGuideSource();

// The guide window's size on a screen of the given free area: wide enough for the guide's widest
// picture (a window 1,205 pixels wide) beside the scroll bar, never more than 90 % of the screen.
QSize HelpWindowSize(const QSize& available);

// The heading of the guide's section on window (by its kind), "" for the guide's start.
QString HelpSectionOf(const QWidget* window);

// Opens the guide at heading, on top of from: the guide window belongs to from's window (or to
// the modal window open, which would otherwise block it). Returns the guide window.
TfrmHelp* ShowUserGuide(QWidget* from, const QString& heading);

// F1 in any window opens the guide at that window's section. Installed once on the application.
void InstallHelpKey();
