#include "ui/fReportText.h"

#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "ui/platform/pFileDialogs.h"

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTextEdit>
#include <QVBoxLayout>

QString ReportToHtml(const TReportText& report) {
    QString html = QStringLiteral("<pre style=\"font-family: monospace\">");
    for (const TReportLine& line : report) {
        const QString text = QString::fromStdString(line.Text).toHtmlEscaped();
        html += line.Bold ? QStringLiteral("<b>") + text + QStringLiteral("</b>") : text;
        html += QLatin1Char('\n');
    }
    return html + QStringLiteral("</pre>");
}

void ShowReportText(const TReportText& report, const std::string& title, QWidget* owner) {
    QDialog window(owner);
    window.setObjectName(QStringLiteral("frmReportText"));
    window.setWindowTitle(QString::fromStdString(title));
    auto* text = new QTextEdit;
    text->setObjectName(QStringLiteral("redReport"));
    text->setReadOnly(true);
    text->setLineWrapMode(QTextEdit::NoWrap);
    text->setHtml(ReportToHtml(report));
    auto* save = new QPushButton(QStringLiteral("Save as ..."));
    QObject::connect(save, &QPushButton::clicked, &window, [&window, &report] {
        const std::string name = FileDialogs().SaveFileName(
            &window, "", "Rich text files (*.rtf)|*.rtf|All files (*.*)|*.*", "");
        if (name.empty())
            return;
        try {
            SaveFileAtomically(ChangeFileExt(name, ".rtf"), ReportToRtf(report));
        } catch (const std::exception& e) {
            ShowError(e.what());
        }
    });
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text, 1);
    layout->addWidget(save, 0, Qt::AlignRight);
    window.resize(760, 600);
    window.exec();
}
