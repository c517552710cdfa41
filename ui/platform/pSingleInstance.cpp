#include "ui/platform/pSingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

QString UserName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& name, int wait, QObject* parent)
    : QObject(parent), waitMilliseconds(wait) {
    QString id = name + QLatin1Char('-') + UserName();
    id.replace(QLatin1Char(' '), QLatin1Char('_'));
    serverName = id;
    lockPath = QDir(QDir::tempPath()).filePath(id + QStringLiteral(".lock"));
}

TSingleInstance::~TSingleInstance() {
    ReleaseLock();
}

TSingleInstance::TStart TSingleInstance::Start() {
    lock = std::make_unique<QLockFile>(lockPath);
    // Only a lock whose process has died counts as stale, however slow a start is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(waitMilliseconds)) {
        lock.reset();
        return TStart::TimedOut;
    }
    if (AskRunningInstance()) {
        ReleaseLock();
        return TStart::Forwarded;
    }
    Listen();
    return TStart::First;
}

void TSingleInstance::ReleaseLock() {
    if (lock)
        lock->unlock();
    lock.reset();
}

bool TSingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000))
        return false;
    // The connection itself is the request; the byte only keeps the exchange explicit.
    socket.write("r", 1);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

void TSingleInstance::Listen() {
    server = new QLocalServer(this);
    // Nobody answered, so a socket left by a crashed instance is ours to remove.
    QLocalServer::removeServer(serverName);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    server->listen(serverName);
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit RaiseRequested();
        }
    });
}
