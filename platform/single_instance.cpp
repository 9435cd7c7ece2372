// A local socket named after the user and the device root: whoever listens on it is the first copy.
#include "platform/single_instance.h"

#include "platform/device_root.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QString>
#include <unistd.h>

namespace {

const QByteArray raiseRequest = "raise\n";
constexpr int waitMs = 500;

} // namespace

std::string SingleInstance::defaultKey() {
    std::error_code error;
    std::filesystem::path root = std::filesystem::weakly_canonical(deviceRoot(), error);
    if (error)
        root = deviceRoot();
    const QByteArray identity =
        QByteArray::number(qulonglong(getuid())) + '\n' + QByteArray::fromStdString(root.string());
    const QByteArray digest = QCryptographicHash::hash(identity, QCryptographicHash::Sha1);
    return "zorvagon-" + std::to_string(getuid()) + "-" + digest.toHex().left(16).toStdString();
}

SingleInstance::SingleInstance(std::string key) : key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::setRaiseRequestHandler(std::function<void()> handler) {
    onRaise_ = std::move(handler);
}

bool SingleInstance::claim() {
    if (server_)
        return true;
    if (askRunningCopy())
        return false;
    const QString name = QString::fromStdString(key_);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // Nobody answered, so the socket was left behind by a copy that died: take it over.
        QLocalServer::removeServer(name);
        if (!server->listen(name))
            return true; // The check cannot be made; running twice beats not running at all.
    }
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            answer(socket);
    });
    server_ = std::move(server);
    return true;
}

bool SingleInstance::askRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(key_));
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(raiseRequest);
    socket.waitForBytesWritten(waitMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::answer(QLocalSocket* socket) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        // Only the one short request is understood; anything longer is dropped unread.
        if (socket->bytesAvailable() > raiseRequest.size()) {
            socket->abort();
            return;
        }
        if (!socket->canReadLine())
            return;
        if (socket->readLine() == raiseRequest && onRaise_)
            onRaise_();
        socket->disconnectFromServer();
    });
}
