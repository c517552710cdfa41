#include "ui/fReportCWR.h"

#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "ui/platform/pFileDialogs.h"
#include "ui/platform/pPrintDialogs.h"
#include "ui/uReportPrint.h"
#include "ui/uStandardKeys.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

TfrmReportCWR::TfrmReportCWR(const TGuiSettings& settings, QWidget* owner)
    : QDialog(owner), settings(settings) {
    setObjectName(QStringLiteral("frmReportCWR"));
    setWindowTitle(QStringLiteral("Report Crop Water Requirements"));

    actSaveAs = new QAction(QStringLiteral("&SaveAs"), this);
    actSaveAs->setObjectName(QStringLiteral("actSaveAs"));
    actSaveAs->setToolTip(QStringLiteral("Save report"));
    actSaveAs->setStatusTip(actSaveAs->toolTip());
    actSaveAs->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(actSaveAs, &QAction::triggered, this, &TfrmReportCWR::SaveReportAs);
    actPrint = new QAction(QStringLiteral("&Print..."), this);
    actPrint->setObjectName(QStringLiteral("actPrint"));
    actPrint->setToolTip(QStringLiteral("Print report"));
    actPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    SetStandardShortcut(actPrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(actPrint, &QAction::triggered, this, &TfrmReportCWR::PrintReport);
    actExportPdf = new QAction(QStringLiteral("&Export PDF..."), this);
    actExportPdf->setObjectName(QStringLiteral("actExportPdf"));
    actExportPdf->setToolTip(QStringLiteral("Save the report as a PDF file"));
    connect(actExportPdf, &QAction::triggered, this, &TfrmReportCWR::ExportPdf);
    actExit = new QAction(QStringLiteral("E&xit"), this);
    actExit->setObjectName(QStringLiteral("actExit"));
    connect(actExit, &QAction::triggered, this, &QDialog::close);

    mnuMain = new QMenuBar(this);
    mnuFile = mnuMain->addMenu(QStringLiteral("&File"));
    mnuFile->addAction(actSaveAs);
    mnuFile->addAction(actPrint);
    mnuFile->addAction(actExportPdf);
    mnuFile->addSeparator();
    mnuFile->addAction(actExit);
    tlbReport = new QToolBar(this);
    tlbReport->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tlbReport->addAction(actSaveAs);
    tlbReport->addAction(actPrint);

    redReport = new QTextEdit;
    redReport->setObjectName(QStringLiteral("redReport"));
    redReport->setReadOnly(true);
    redReport->setLineWrapMode(QTextEdit::NoWrap);
    redReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The reports line their columns up with blanks.
    redReport->document()->setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mnuMain);
    layout->addWidget(tlbReport);
    layout->addWidget(redReport, 1);
    resize(820, 640);
}

void TfrmReportCWR::Clear() {
    report.Clear();
    redReport->clear();
}

void TfrmReportCWR::AddLine(const std::string& text) {
    const std::size_t first = report.Lines().size();
    report.AddLine(text);
    QTextCursor cursor(redReport->document());
    cursor.movePosition(QTextCursor::End);
    for (std::size_t i = first; i < report.Lines().size(); ++i) {
        const TReportLine& line = report.Lines()[i];
        QTextCharFormat format;
        format.setFontWeight(line.Bold ? QFont::Bold : QFont::Normal);
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), format);
        else
            cursor.setBlockCharFormat(format);
        cursor.insertText(QString::fromStdString(line.Text), format);
    }
}

void TfrmReportCWR::SetBold() {
    report.SetBold();
}

void TfrmReportCWR::ShowWindow() {
    // Centred on the screen rather than over the window that wrote the report.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    redReport->moveCursor(QTextCursor::Start);
    exec();
}

void TfrmReportCWR::SetReport(const TReportText& lines) {
    Clear();
    for (const TReportLine& line : lines) {
        if (line.Bold)
            SetBold();
        AddLine(line.Text);
    }
}

void TfrmReportCWR::ShowReport(const TReportText& lines, const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    SetReport(lines);
    ShowWindow();
}

void TfrmReportCWR::SaveReportAs() {
    SaveReportFile("rtf-files (*.rtf)|*.rtf|", ".rtf", savedName,
                   [this] { return ReportToRtf(report.Lines()); });
}

void TfrmReportCWR::SaveReportFile(const char* filter, const char* extension, std::string& lastName,
                                   const std::function<std::string()>& bytes) {
    std::string name = FileDialogs().SaveFileName(this, settings.ReportFolder, filter,
                                                  ChangeFileExt(lastName, ""));
    if (name.empty())
        return;
    if (FileExtension(name).empty())
        name += extension;
    try {
        SaveFileAtomically(name, bytes());
        lastName = name;
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfrmReportCWR::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, report.Lines(), windowTitle());
    if (!PrintDialogs().SetUpPrinter(this, printer))
        return;
    try {
        ::PrintReport(report.Lines(), printer, windowTitle());
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfrmReportCWR::ExportPdf() {
    SaveReportFile("PDF files (*.pdf)|*.pdf|", ".pdf", exportedName,
                   [this] { return ReportPdfBytes(report.Lines(), windowTitle()); });
}
