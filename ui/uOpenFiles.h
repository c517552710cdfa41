#pragma once

#include <QObject>
#include <QStringList>

#include <string>

class TfrmQueltaMain;

// The kinds of data file a file manager or a command line may hand the program.
enum class TFileKind { General, Meteo, CropFactor, CropPattern, Strategy, Unknown };
// By extension, in any case (files from Windows are often upper case).
TFileKind FileKindOf(const std::string& fileName);

// Opens files named from outside the windows (the command line, a second start, a file
// manager): each in its editor by kind, in the order given. A file that cannot be read gives the
// editor's usual message and the next one still opens. Files that arrive while a modal window
// (the report, the strategy window, a message) is open wait until it has closed; a file for an
// editor with unsaved changes goes through that editor's save question first.
class TFileOpener : public QObject {
    Q_OBJECT
public:
    explicit TFileOpener(TfrmQueltaMain& main);
    ~TFileOpener() override;

    // Absolute names, or names relative to the working folder.
    void Open(const QStringList& files);
    // Files still waiting for a modal window to close.
    int Waiting() const { return static_cast<int>(queue.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TfrmQueltaMain& main;
    QStringList queue;
    bool opening = false;

    void OpenQueued();
    void OpenOne(const std::string& fileName);
    void OpenStrategy(const std::string& fileName);
};
