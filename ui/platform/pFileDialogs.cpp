#include "ui/platform/pFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

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
        QString start = QString::fromStdString(folder);
        if (!proposed.empty())
            start = QFileInfo(QString::fromStdString(proposed)).isAbsolute()
                        ? QString::fromStdString(proposed)
                        : QDir(start).filePath(QString::fromStdString(proposed));
        // QFileDialog asks before overwriting unless told otherwise.
        return QFileDialog::getSaveFileName(parent, QString(), start,
                                            QString::fromStdString(QtFileFilter(filter)))
            .toStdString();
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
    std::string result;
    std::size_t start = 0;
    int index = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::string part =
            filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (index % 2 == 0 &&
            !part.empty()) { // descriptions; the patterns after them repeat what they say
            std::string description = part;
            const std::size_t all = description.find("(*.*)");
            if (all != std::string::npos)
                description.replace(all, 5, "(*)");
            if (!result.empty())
                result += ";;";
            result += description;
        }
        if (bar == std::string::npos)
            break;
        start = bar + 1;
        ++index;
    }
    return result;
}
