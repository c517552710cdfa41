#include "ui/fHelp.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A heading's anchor as the guide's table of contents writes it (GitHub's rule): lower case,
// punctuation dropped, blanks as hyphens.
QString Slug(const QString& heading) {
    QString slug = heading.trimmed().toLower();
    slug.remove(QRegularExpression(QStringLiteral("[^\\w\\- ]")));
    slug.replace(QLatin1Char(' '), QLatin1Char('-'));
    return slug;
}

} // namespace

QString UserGuideSource() {
    return QStringLiteral("qrc:/guide/user-guide.md");
}

QSize HelpWindowSize(const QSize& available) {
    const QSize wanted(1280, 880);
    if (available.isEmpty())
        return wanted;
    return wanted.boundedTo(available * 0.9);
}

TfrmHelp::TfrmHelp(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("TfrmHelp"));
    setWindowTitle(QStringLiteral("Quelta user guide"));

    brwGuide = new QTextBrowser;
    brwGuide->setObjectName(QStringLiteral("brwGuide"));
    brwGuide->setOpenLinks(false);
    connect(brwGuide, &QTextBrowser::anchorClicked, this, &TfrmHelp::FollowLink);
    brwGuide->setSource(QUrl(UserGuideSource()), QTextDocument::MarkdownResource);

    btnContents = new QToolButton;
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnContents->setText(QStringLiteral("Contents"));
    connect(btnContents, &QToolButton::clicked, this, [this] { ShowSection(QString()); });
    edtFind = new QLineEdit;
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setPlaceholderText(QStringLiteral("Find in the guide"));
    edtFind->setClearButtonEnabled(true);
    btnPrevious = new QToolButton;
    btnPrevious->setObjectName(QStringLiteral("btnPrevious"));
    btnPrevious->setText(QStringLiteral("Previous"));
    btnNext = new QToolButton;
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setText(QStringLiteral("Next"));
    lblNotFound = new QLabel;
    lblNotFound->setObjectName(QStringLiteral("lblNotFound"));
    connect(edtFind, &QLineEdit::returnPressed, this, [this] {
        const bool backward = QApplication::keyboardModifiers() & Qt::ShiftModifier;
        Find(edtFind->text(), backward);
    });
    connect(btnNext, &QToolButton::clicked, this, [this] { Find(edtFind->text()); });
    connect(btnPrevious, &QToolButton::clicked, this, [this] { Find(edtFind->text(), true); });
    auto* findKey = new QAction(this);
    findKey->setShortcuts(QKeySequence::Find);
    connect(findKey, &QAction::triggered, this, [this] {
        edtFind->setFocus();
        edtFind->selectAll();
    });
    addAction(findKey);
    // Closed from the keyboard like the program's other reading windows.
    auto* closeKey = new QAction(this);
    closeKey->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    connect(closeKey, &QAction::triggered, this, &QWidget::close);
    addAction(closeKey);

    auto* bar = new QHBoxLayout;
    bar->addWidget(btnContents);
    bar->addSpacing(12);
    bar->addWidget(edtFind, 1);
    bar->addWidget(btnPrevious);
    bar->addWidget(btnNext);
    bar->addWidget(lblNotFound);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(brwGuide, 1);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(HelpWindowSize(screen ? screen->availableGeometry().size() : QSize()));
}

QTextBlock TfrmHelp::HeadingBlock(const QString& heading, bool bySlug) const {
    const QString wanted = bySlug ? heading : heading.trimmed();
    for (QTextBlock block = brwGuide->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QString text = block.text().trimmed();
        if (bySlug ? Slug(text) == wanted : text == wanted)
            return block;
    }
    return {};
}

void TfrmHelp::ScrollTo(const QTextBlock& block) {
    // Room below the end, so that the last sections too can stand at the top.
    QTextFrameFormat frame = brwGuide->document()->rootFrame()->frameFormat();
    const int room = brwGuide->viewport()->height();
    if (frame.bottomMargin() < room) {
        frame.setBottomMargin(room);
        brwGuide->document()->rootFrame()->setFrameFormat(frame);
    }
    // Through the document's end first, so that the heading ends up at the top, not the bottom.
    QTextCursor cursor(brwGuide->document());
    cursor.movePosition(QTextCursor::End);
    brwGuide->setTextCursor(cursor);
    brwGuide->ensureCursorVisible();
    cursor.setPosition(block.position());
    brwGuide->setTextCursor(cursor);
    const QRectF box = brwGuide->document()->documentLayout()->blockBoundingRect(block);
    brwGuide->verticalScrollBar()->setValue(static_cast<int>(box.top()));
}

bool TfrmHelp::ShowSection(const QString& heading) {
    // The sections are the guide's, whatever page a link led to.
    if (brwGuide->source() != QUrl(UserGuideSource()))
        brwGuide->setSource(QUrl(UserGuideSource()), QTextDocument::MarkdownResource);
    const QTextBlock block = heading.isEmpty() ? QTextBlock() : HeadingBlock(heading, false);
    if (!block.isValid()) {
        brwGuide->moveCursor(QTextCursor::Start);
        brwGuide->verticalScrollBar()->setValue(0);
        return heading.isEmpty();
    }
    ScrollTo(block);
    return true;
}

QString TfrmHelp::SectionShown() const {
    const int top = brwGuide->verticalScrollBar()->value();
    QString shown;
    for (QTextBlock block = brwGuide->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QRectF box = brwGuide->document()->documentLayout()->blockBoundingRect(block);
        if (box.top() > top + 1)
            break;
        shown = block.text().trimmed();
    }
    return shown;
}

bool TfrmHelp::Find(const QString& text, bool backward) {
    if (text.isEmpty()) {
        lblNotFound->clear();
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = brwGuide->find(text, flags);
    if (!found) {
        // Round the end (or the start) and once more.
        QTextCursor cursor = brwGuide->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        brwGuide->setTextCursor(cursor);
        found = brwGuide->find(text, flags);
    }
    lblNotFound->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}

void TfrmHelp::FollowLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
        scheme == QStringLiteral("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QUrl target = brwGuide->source().resolved(url);
    if (target.adjusted(QUrl::RemoveFragment) != brwGuide->source().adjusted(QUrl::RemoveFragment))
        brwGuide->setSource(target.adjusted(QUrl::RemoveFragment), QTextDocument::MarkdownResource);
    const QTextBlock block = url.hasFragment() ? HeadingBlock(url.fragment(), true) : QTextBlock();
    if (block.isValid()) {
        ScrollTo(block);
    } else {
        brwGuide->moveCursor(QTextCursor::Start);
        brwGuide->verticalScrollBar()->setValue(0);
    }
}

QString HelpSectionOf(const QWidget* window) {
    if (!window)
        return {};
    const QString kind = QString::fromUtf8(window->metaObject()->className());
    if (kind == QStringLiteral("TfrmReportCWR")) {
        // One window shows every text report; its caption says which.
        const QString caption = window->windowTitle();
        if (caption.contains(QStringLiteral("Strategy"), Qt::CaseInsensitive))
            return QStringLiteral("The water balance strategy");
        if (caption.contains(QStringLiteral("schedule"), Qt::CaseInsensitive))
            return QStringLiteral("Irrigation scheduling");
        return QStringLiteral("The text report");
    }
    if (window->inherits("TChartWindow"))
        return QStringLiteral("Charts");
    static const std::pair<const char*, const char*> sections[] = {
        {"TfrmGeneral", "General data"},
        {"TfrmMeteo", "Meteo data"},
        {"TfrmClimateImport", "Meteo data from a daily climate record"},
        {"TfrmCropFactor", "Crop factors"},
        {"TfrmCropPattern", "The cropping pattern"},
        {"TfrmCropPatternLine", "The cropping pattern"},
        {"TfrmReportData", "The water requirements report"},
        {"TfrmStrategy", "The water balance strategy"},
        {"TfrmSchedule", "Irrigation scheduling"},
        {"TfrmSettings", "Units"},
    };
    for (const auto& [name, heading] : sections)
        if (kind == QLatin1String(name))
            return QString::fromUtf8(heading);
    return {};
}

TfrmHelp* ShowUserGuide(QWidget* from, const QString& heading) {
    static QPointer<TfrmHelp> help;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = from ? from->window() : nullptr;
    if (!help) {
        help = new TfrmHelp(owner);
    } else if (help->parentWidget() != owner) {
        const QRect geometry = help->geometry();
        help->setParent(owner, Qt::Window);
        help->setGeometry(geometry);
    }
    help->show();
    help->raise();
    help->activateWindow();
    help->ShowSection(heading);
    return help;
}

namespace {

class THelpKey : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
            return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (qobject_cast<TfrmHelp*>(window))
            return true;
        ShowUserGuide(window, HelpSectionOf(window));
        return true;
    }
};

} // namespace

void InstallHelpKey() {
    static THelpKey* key = nullptr;
    if (key)
        return;
    key = new THelpKey;
    key->setParent(qApp);
    qApp->installEventFilter(key);
}
