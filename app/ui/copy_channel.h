#pragma once

#include <QByteArray>
#include <QObject>
#include <chrono>
#include <memory>
#include <string>

namespace kestrum {

// Where later copies of the program reach the running one: a local socket
// (a named pipe on Windows) that only this user can open, on which each
// connection carries one message of a fixed size. On POSIX it is a plain
// socket watched by the event loop, so the program needs no network library.
class CopyChannel : public QObject {
    Q_OBJECT

public:
    explicit CopyChannel(int messageSize);
    ~CopyChannel() override;

    // Listens at `name`, first removing what a copy that died left there
    // (call it only while holding the lock that elects the listener). The
    // reason on failure, else the empty string.
    std::string Listen(const std::string& name);

    // Sends `message` to the copy listening at `name`; false when nobody
    // takes the connection within `wait`.
    static bool Send(const std::string& name, const QByteArray& message,
                     std::chrono::milliseconds wait);

signals:
    // A connection's whole message; shorter ones are dropped.
    void Received(const QByteArray& message);

private:
    struct Listener;
    const int messageSize_;
    std::unique_ptr<Listener> listener_;
};

}  // namespace kestrum
