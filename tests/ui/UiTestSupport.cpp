#include "UiTestSupport.h"

#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <cstdlib>

TFileDialogScript::TFileDialogScript() {
    SetFileDialogs(this);
}

TFileDialogScript::~TFileDialogScript() {
    SetFileDialogs(nullptr);
}

TFileDialogs::TSaveChoice TFileDialogScript::Next() {
    if (answers.empty())
        return {};
    TSaveChoice answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string TFileDialogScript::OpenFileName(QWidget*, const std::string& folder,
                                            const std::string& filter) {
    asked.push_back({false, folder, filter, ""});
    return Next().FileName;
}

std::string TFileDialogScript::SaveFileName(QWidget*, const std::string& folder,
                                            const std::string& filter,
                                            const std::string& proposed) {
    asked.push_back({true, folder, filter, proposed});
    return Next().FileName;
}

TFileDialogs::TSaveChoice TFileDialogScript::SaveFileChoice(QWidget*, const std::string& folder,
                                                            const std::string& filter,
                                                            const std::string& proposed) {
    asked.push_back({true, folder, filter, proposed});
    return Next();
}

bool TWindowMessageLog::event(QEvent* event) {
    const int type = event->type();
    if (type >= WM_REFRESH_MAIN && type <= WM_REFRESH_STRATEGY) {
        Received.push_back(type);
        return true;
    }
    return QWidget::event(event);
}

void DeliverPostedEvents() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void OpenMenu(QMenu* menu) {
    menu->popup(QPoint(10, 10));
    DeliverPostedEvents();
    menu->hide();
    DeliverPostedEvents();
}

void X11Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString text;
    if (modifiers & Qt::ControlModifier)
        text = QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1)));
    else if (key == Qt::Key_Delete)
        text = QStringLiteral("\x7f");
    else if (key == Qt::Key_Backspace)
        text = QStringLiteral("\b");
    QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
}

void TypeText(QWidget* widget, const QString& text) {
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

void ReplaceText(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void WhenShown(QWidget* window, std::function<void()> check) {
    // The timer belongs to the window, so it goes with it; it fires inside the modal loop.
    auto* timer = new QTimer(window);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, check = std::move(check)] {
        if (!window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        check();
        window->close();
    });
    timer->start();
}

bool LibreOfficeInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

std::string ConvertWithLibreOffice(const std::string& file, const std::string& format,
                                   const std::string& outFolder) {
    const QString out = QString::fromStdString(outFolder);
    // A profile of its own, so a running office or another test does not hold its lock.
    const QString profile = QUrl::fromLocalFile(out + QStringLiteral("/lo-profile")).toString();
    QProcess office;
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                  QStringLiteral("--convert-to"), QString::fromStdString(format),
                  QStringLiteral("--outdir"), out, QString::fromStdString(file)});
    if (!office.waitForFinished(180000) || office.exitCode() != 0)
        return {};
    const QFileInfo source(QString::fromStdString(file));
    const QString extension = QString::fromStdString(format).section(QLatin1Char(':'), 0, 0);
    const QString converted =
        out + QLatin1Char('/') + source.completeBaseName() + QLatin1Char('.') + extension;
    return QFileInfo::exists(converted) ? converted.toStdString() : std::string();
}

namespace {

std::string RunPoppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    const bool ran = process.waitForFinished(60000) &&
                     process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    EXPECT_TRUE(ran) << tool.toStdString() << " could not read the file (poppler-utils)";
    return ran ? process.readAllStandardOutput().toStdString() : std::string();
}

} // namespace

std::string PdfText(const std::string& pdfFile) {
    return RunPoppler(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdfFile), QStringLiteral("-")});
}

int PdfPages(const std::string& pdfFile) {
    const std::string info =
        RunPoppler(QStringLiteral("pdfinfo"), {QString::fromStdString(pdfFile)});
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

TPrintDialogScript::TPrintDialogScript() {
    SetPrintDialogs(this);
}

TPrintDialogScript::~TPrintDialogScript() {
    SetPrintDialogs(nullptr);
}

bool TPrintDialogScript::SetUpPrinter(QWidget*, QPrinter& printer) {
    ++asked;
    const std::string file = answers.empty() ? std::string() : answers.front();
    if (!answers.empty())
        answers.pop_front();
    if (file.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
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

void ClickTab(QTabBar* tabs, int index) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    ASSERT_EQ(tabs->currentIndex(), index);
}

void ClickTab(QTabWidget* pages, int index) {
    ClickTab(pages->tabBar(), index);
}
