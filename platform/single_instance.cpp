// A local socket named after the user and the device root: whoever listens on it is the first copy.
#include "platform/single_instance.h"

#include "platform/device_root.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QString>
#include <algorithm>
#include <unistd.h>

namespace {

// A request is "raise", a space and the starter's activation token when it has one, and a line
// end. The token lets the desktop bring the first copy forward for the player's new start.
const QByteArray raiseWord = "raise";
constexpr qsizetype maxTokenLength = 255;
constexpr qsizetype maxRequestLength = 5 + 1 + maxTokenLength + 1;
constexpr int waitMs = 500;

// A token as desktops make them: printable ASCII without spaces, of a bounded length.
bool isActivationToken(const QByteArray& token) {
    return !token.isEmpty() && token.size() <= maxTokenLength &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}

// The token the desktop gave this start, on Wayland or X11.
QByteArray ownActivationToken() {
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const QByteArray token = qgetenv(name);
        if (isActivationToken(token))
            return token;
    }
    return {};
}

QByteArray raiseRequest() {
    const QByteArray token = ownActivationToken();
    return (token.isEmpty() ? raiseWord : raiseWord + ' ' + token) + '\n';
}

// The toolkit's Wayland plugin presents the window with the token found in the environment
// when it is next activated; elsewhere the variable is never read.
void offerActivationToken(const QByteArray& token) {
    if (isActivationToken(token))
        qputenv("XDG_ACTIVATION_TOKEN", token);
}

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
    socket.write(raiseRequest());
    socket.waitForBytesWritten(waitMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::answer(QLocalSocket* socket) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        // Only the one short request is understood; anything longer is dropped unread.
        if (socket->bytesAvailable() > maxRequestLength) {
            socket->abort();
            return;
        }
        if (!socket->canReadLine())
            return;
        const QByteArray line = socket->readLine().chopped(1);
        const qsizetype space = line.indexOf(' ');
        const QByteArray word = space < 0 ? line : line.first(space);
        if (word == raiseWord && onRaise_) {
            if (line.size() > word.size())
                offerActivationToken(line.mid(word.size() + 1));
            onRaise_();
        }
        socket->disconnectFromServer();
    });
}
