#include <errno.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstring>
#include <list>
#include <thread>

#include "app/ui/copy_channel.h"

namespace kestrum {
namespace {

// A socket address for `name`, or false when the path does not fit one.
bool SocketAddress(const std::string& name, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (name.empty() || name.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

}  // namespace

// One connection being read: its socket and what came so far.
struct Connection {
    int fd = -1;
    QByteArray received;
    std::unique_ptr<QSocketNotifier> notifier;
};

struct CopyChannel::Listener {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::list<Connection> connections;

    ~Listener() {
        for (Connection& connection : connections) {
            connection.notifier.reset();
            ::close(connection.fd);
        }
        notifier.reset();
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

CopyChannel::CopyChannel(int messageSize) : messageSize_(messageSize) {}

CopyChannel::~CopyChannel() = default;

std::string CopyChannel::Listen(const std::string& name) {
    sockaddr_un address{};
    if (!SocketAddress(name, address)) {
        return "the socket path is too long: " + name;
    }
    ::unlink(name.c_str());
    auto listener = std::make_unique<Listener>();
    listener->fd = NewSocket();
    if (listener->fd < 0 ||
        ::bind(listener->fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(name.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(listener->fd, 8) != 0) {
        return name + ": " + std::strerror(errno);
    }
    listener->notifier = std::make_unique<QSocketNotifier>(listener->fd, QSocketNotifier::Read);
    Listener* const raw = listener.get();
    connect(raw->notifier.get(), &QSocketNotifier::activated, this, [this, raw] {
        for (int client;
             (client = ::accept4(raw->fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
            Connection& connection = raw->connections.emplace_back();
            connection.fd = client;
            connection.notifier = std::make_unique<QSocketNotifier>(client, QSocketNotifier::Read);
            const auto at = std::prev(raw->connections.end());
            connect(connection.notifier.get(), &QSocketNotifier::activated, this, [this, raw, at] {
                char buffer[64];
                const auto wanted = static_cast<std::size_t>(messageSize_ - at->received.size());
                const ssize_t count = ::read(at->fd, buffer, std::min(sizeof(buffer), wanted));
                if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
                    return;
                }
                if (count > 0) {
                    at->received.append(buffer, count);
                    if (at->received.size() < messageSize_) {
                        return;
                    }
                }
                const QByteArray message = at->received;
                ::close(at->fd);
                // The notifier that called us goes later, once its signal is done.
                at->notifier->setEnabled(false);
                at->notifier.release()->deleteLater();
                raw->connections.erase(at);
                if (message.size() == messageSize_) {
                    emit Received(message);
                }
            });
        }
    });
    listener_ = std::move(listener);
    return {};
}

bool CopyChannel::Send(const std::string& name, const QByteArray& message,
                       std::chrono::milliseconds wait) {
    sockaddr_un address{};
    if (!SocketAddress(name, address)) {
        return false;
    }
    const int fd = NewSocket();
    if (fd < 0) {
        return false;
    }
    // A listener that is busy has a full queue: try again until `wait` is up.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool connected = false;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
            connected = true;
            break;
        }
        if ((errno != EAGAIN && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool sent =
        connected && ::send(fd, message.constData(), static_cast<std::size_t>(message.size()),
                            MSG_NOSIGNAL) == message.size();
    ::close(fd);
    return sent;
}

}  // namespace kestrum
