#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

constexpr int connectTimeoutMs = 2000;

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

} // namespace

SingleInstance::SingleInstance(QString instanceName) : name(std::move(instanceName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    QString overridden = qEnvironmentVariable("TESSALY_INSTANCE_NAME");
    if (!overridden.isEmpty()) {
        return overridden;
    }
    return QStringLiteral("tessaly-%1").arg(::getuid());
}

bool SingleInstance::claim() {
    lock = std::make_unique<QLockFile>(runtimeFolder() + QLatin1Char('/') + name +
                                       QStringLiteral(".lock"));
    // A lock left by a crashed process is taken over; a live process keeps it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        lock.reset();
        return false;
    }
    QLocalServer::removeServer(name);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    server->listen(name);
    return true;
}

bool SingleInstance::activateFirst(const QString& arguments) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        return false;
    }
    socket.write(arguments.toUtf8() + '\n');
    socket.waitForBytesWritten(connectTimeoutMs);
    // The first process answers once it has come forward.
    const bool answered = socket.waitForReadyRead(connectTimeoutMs);
    socket.disconnectFromServer();
    return answered;
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QString arguments = QString::fromUtf8(socket->readLine()).trimmed();
            Q_EMIT activationRequested(arguments);
            socket->write("ok\n");
            socket->flush();
        });
    }
}
