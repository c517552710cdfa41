#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running program per user. A start takes a lock file, waiting while another start is still
// between taking it and releasing it; then either asks the instance that already runs to bring
// its main window forward (through a local socket), or becomes that instance itself.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class TStart { First, Forwarded, TimedOut };

    // name identifies the program; the user's name is added so users do not meet.
    explicit TSingleInstance(const QString& name, int waitMilliseconds = 10000,
                             QObject* parent = nullptr);
    ~TSingleInstance() override;

    TStart Start();
    // Lets the next start go on; the first instance keeps listening for raise requests.
    void ReleaseLock();

signals:
    void RaiseRequested();

private:
    QString serverName;
    QString lockPath;
    int waitMilliseconds;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;

    bool AskRunningInstance();
    void Listen();
};
