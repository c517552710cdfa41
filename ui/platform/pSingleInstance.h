#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLockFile;

// One running program per user. A start takes a lock file, waiting while another start is still
// between taking it and releasing it; then either hands its files to the instance that already
// runs and asks it to bring its main window forward (through a local socket only this user may
// open), or becomes that instance itself.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class TStart { First, Forwarded, TimedOut };

    // name identifies the program; the user's name is added so users do not meet.
    explicit TSingleInstance(const QString& name, int waitMilliseconds = 10000,
                             QObject* parent = nullptr);
    ~TSingleInstance() override;

    // files: absolute names, handed to the running instance when there is one.
    TStart Start(const QStringList& files = {});
    // Lets the next start go on; the first instance keeps listening for raise requests.
    void ReleaseLock();

signals:
    // A second start's request to come forward, then its files (if it had any).
    void RaiseRequested();
    void FilesReceived(const QStringList& files);

private:
    QString serverName;
    QString lockPath;
    int waitMilliseconds;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;

    bool AskRunningInstance(const QStringList& files);
    void Listen();
};

// The bytes a second start sends, and their reading: false for bytes that are not such a message
// (a message from an older or foreign program is ignored).
QByteArray HandOverMessage(const QStringList& files);
bool ReadHandOverMessage(const QByteArray& bytes, QStringList& files);
