#include "ui/uRecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QSettings UserSettings() {
    return QSettings(QStringLiteral("Quelta"), QStringLiteral("Quelta"));
}

} // namespace

TRecentFiles::TRecentFiles(const QString& kind) : key(QStringLiteral("RecentFiles/") + kind) {}

QStringList TRecentFiles::Files() const {
    QStringList files = UserSettings().value(key).toStringList();
    files.removeAll(QString());
    return files.mid(0, Limit);
}

void TRecentFiles::Add(const QString& file) {
    if (file.isEmpty())
        return;
    const QString name = QFileInfo(file).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(name);
    files.prepend(name);
    Store(files.mid(0, Limit));
}

void TRecentFiles::Remove(const QString& file) {
    QStringList files = Files();
    files.removeAll(QFileInfo(file).absoluteFilePath());
    Store(files);
}

void TRecentFiles::Store(const QStringList& files) {
    QSettings settings = UserSettings();
    settings.setValue(key, files);
}
