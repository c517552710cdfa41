#include "ui/platform/pFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

// The proposed name in the start folder, or the folder alone.
QString StartPath(const std::string& folder, const std::string& proposed) {
    const QString start = QString::fromStdString(folder);
    if (proposed.empty())
        return start;
    const QString name = QString::fromStdString(proposed);
    return QFileInfo(name).isAbsolute() ? name : QDir(start).filePath(name);
}

// "bmp-files (*.bmp)" -> "bmp"; "" for "All files (*)".
QString SuffixOf(const QString& nameFilter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(nameFilter).captured(1);
}

class TQtFileDialogs : public TFileDialogs {
public:
    std::string OpenFileName(QWidget* parent, const std::string& folder,
                             const std::string& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString::fromStdString(folder),
                                            QString::fromStdString(QtFileFilter(filter)))
            .toStdString();
    }

    std::string SaveFileName(QWidget* parent, const std::string& folder, const std::string& filter,
                             const std::string& proposed) override {
        // QFileDialog asks before overwriting unless told otherwise.
        return QFileDialog::getSaveFileName(parent, QString(), StartPath(folder, proposed),
                                            QString::fromStdString(QtFileFilter(filter)))
            .toStdString();
    }

    TSaveChoice SaveFileChoice(QWidget* parent, const std::string& folder,
                               const std::string& filter, const std::string& proposed) override {
        QFileDialog dialog(parent, QString(), StartPath(folder, proposed));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList filters =
            QString::fromStdString(QtFileFilter(filter)).split(QStringLiteral(";;"));
        dialog.setNameFilters(filters);
        // The chosen filter's extension goes onto a name typed without one before the dialog
        // asks about overwriting, so it asks about the file that will be written.
        dialog.setDefaultSuffix(SuffixOf(filters.value(0)));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& chosen) { dialog.setDefaultSuffix(SuffixOf(chosen)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return {dialog.selectedFiles().first().toStdString(),
                static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
    }
};

TFileDialogs* installed = nullptr;

} // namespace

TFileDialogs& FileDialogs() {
    static TQtFileDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void SetFileDialogs(TFileDialogs* dialogs) {
    installed = dialogs;
}

std::string QtFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::string result;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        std::string description = parts[i];
        if (description.empty()) // a filter list may end in '|'
            continue;
        const std::size_t all = description.find("(*.*)");
        if (all != std::string::npos)
            description.replace(all, 5, "(*)");
        // Qt reads the patterns from the parentheses of a description.
        if (description.find('(') == std::string::npos && i + 1 < parts.size()) {
            std::string patterns = parts[i + 1];
            std::replace(patterns.begin(), patterns.end(), ';', ' ');
            description += " (" + (patterns == "*.*" ? std::string("*") : patterns) + ")";
        }
        if (!result.empty())
            result += ";;";
        result += description;
    }
    return result;
}
