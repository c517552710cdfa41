#pragma once

#include <QString>
#include <QStringList>

// The files last opened or saved in one kind of editor, newest first, each once, at most Limit;
// kept in the user's settings (QSettings), so they outlive the run.
class TRecentFiles {
public:
    static constexpr int Limit = 8;

    // kind names the editor ("gen", "mtf", ...): each kind keeps its own list.
    explicit TRecentFiles(const QString& kind);

    QStringList Files() const;
    // Puts file (made absolute) first.
    void Add(const QString& file);
    void Remove(const QString& file);

private:
    QString key;
    void Store(const QStringList& files);
};
