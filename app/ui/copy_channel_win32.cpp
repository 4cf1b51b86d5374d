#include <QLocalServer>
#include <QLocalSocket>

#include "app/ui/copy_channel.h"
#include "app/ui/qt_text.h"

namespace kestrum {

// Windows has no socket files: Qt's local server is a named pipe that only
// this user can open.
struct CopyChannel::Listener {
    QLocalServer server;
};

CopyChannel::CopyChannel(int messageSize) : messageSize_(messageSize) {}

CopyChannel::~CopyChannel() = default;

std::string CopyChannel::Listen(const std::string& name) {
    auto listener = std::make_unique<Listener>();
    QLocalServer& server = listener->server;
    QLocalServer::removeServer(ToQString(name));
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(ToQString(name))) {
        return ToStdString(server.errorString());
    }
    connect(&server, &QLocalServer::newConnection, this, [this, &server] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            const auto receive = [this, socket] {
                if (socket->bytesAvailable() < messageSize_) {
                    return;
                }
                const QByteArray message = socket->read(messageSize_);
                socket->disconnectFromServer();
                emit Received(message);
            };
            connect(socket, &QLocalSocket::readyRead, this, receive);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            receive();
        }
    });
    listener_ = std::move(listener);
    return {};
}

bool CopyChannel::Send(const std::string& name, const QByteArray& message,
                       std::chrono::milliseconds wait) {
    QLocalSocket socket;
    socket.connectToServer(ToQString(name));
    if (!socket.waitForConnected(static_cast<int>(wait.count()))) {
        return false;
    }
    socket.write(message);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace kestrum
