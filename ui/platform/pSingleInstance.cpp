#include "ui/platform/pSingleInstance.h"

#include <QDataStream>
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

constexpr quint32 kHandOverMagic = 0x51554c31; // "QUL1"
// More than any list of file names a desktop hands over; a larger message is not ours.
constexpr qint64 kHandOverLimit = 16 * 1024 * 1024;

} // namespace

QByteArray HandOverMessage(const QStringList& files) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kHandOverMagic << files;
    return bytes;
}

bool ReadHandOverMessage(const QByteArray& bytes, QStringList& files) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    // Every name takes at least its four-byte length. The list is read name by name, since
    // Qt's own list reading reserves room for whatever count the bytes claim first.
    if (in.status() != QDataStream::Ok || magic != kHandOverMagic ||
        count > (bytes.size() - 2 * sizeof(quint32)) / sizeof(quint32))
        return false;
    QStringList read;
    read.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        QString file;
        in >> file;
        if (in.status() != QDataStream::Ok)
            return false;
        read.append(file);
    }
    if (!in.atEnd())
        return false;
    files = read;
    return true;
}

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

TSingleInstance::TStart TSingleInstance::Start(const QStringList& files) {
    lock = std::make_unique<QLockFile>(lockPath);
    // Only a lock whose process has died counts as stale, however slow a start is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(waitMilliseconds)) {
        lock.reset();
        return TStart::TimedOut;
    }
    if (AskRunningInstance(files)) {
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

bool TSingleInstance::AskRunningInstance(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000))
        return false;
    // The message ends where the connection ends.
    socket.write(HandOverMessage(files));
    socket.waitForBytesWritten(5000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(5000);
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
            auto* received = new QByteArray;
            connect(socket, &QLocalSocket::readyRead, socket, [socket, received] {
                received->append(socket->readAll());
                if (received->size() > kHandOverLimit)
                    socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
                received->append(socket->readAll());
                QStringList files;
                const bool read = ReadHandOverMessage(*received, files);
                delete received;
                socket->deleteLater();
                // Any connection asks the window forward, as a start of an older version did;
                // the windows its files open come up over it.
                emit RaiseRequested();
                if (read && !files.isEmpty())
                    emit FilesReceived(files);
            });
        }
    });
}
