#include "app/ui/running_copy.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>
#include <cstdio>

#include "app/ui/qt_text.h"

namespace kestrum {
namespace {

// A message on the wire: message number, wParam, lParam, each 32 bits,
// little-endian.
constexpr int kMessageSize = 12;

QByteArray EncodeMessage(std::uint32_t message) {
    QByteArray bytes(kMessageSize, '\0');
    qToLittleEndian<std::uint32_t>(message, bytes.data());
    return bytes;
}

bool IsActivateMessage(const QByteArray& bytes) {
    return bytes.size() == kMessageSize &&
           qFromLittleEndian<std::uint32_t>(bytes.constData()) == WM_ACTIVATE_INSTANCE &&
           qFromLittleEndian<std::uint32_t>(bytes.constData() + 4) == 0 &&
           qFromLittleEndian<std::uint32_t>(bytes.constData() + 8) == 0;
}

}  // namespace

RunningCopy::RunningCopy(std::optional<RunningCopyPlace> place)
    : place_(std::move(place)), channel_(kMessageSize) {
    if (place_) {
        lock_ = std::make_unique<QLockFile>(ToQString(place_->lockFile));
        // Held for the whole run: only a dead holder makes the lock stale.
        lock_->setStaleLockTime(0);
    }
    connect(&channel_, &CopyChannel::Received, this, [this](const QByteArray& message) {
        if (IsActivateMessage(message)) {
            emit ActivateInstance();
        }
    });
}

RunningCopy::~RunningCopy() = default;

StartRole RunningCopy::Start(std::chrono::milliseconds patience) {
    if (!lock_) {
        return StartRole::Unguarded;
    }
    const QDeadlineTimer deadline(patience);
    for (;;) {
        if (lock_->tryLock(0)) {
            Listen();
            return StartRole::FirstCopy;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            return StartRole::Unguarded;  // the lock file cannot be made at all
        }
        if (WakeRunningCopy()) {
            return StartRole::WokeRunningCopy;
        }
        if (deadline.hasExpired()) {
            return StartRole::SilentRunningCopy;
        }
        QThread::msleep(50);
    }
}

std::string RunningCopy::SilentCopyText() const {
    qint64 pid = 0;
    QString host;
    QString program;
    const std::string holder = lock_ != nullptr && lock_->getLockInfo(&pid, &host, &program)
                                   ? "another copy (process " + std::to_string(pid) + ")"
                                   : std::string("another copy");
    return holder + " holds " + place_->lockFile + " but does not answer at " + place_->serverName +
           "; not starting a second one";
}

void RunningCopy::Listen() {
    // Only the holder of the lock gets here, so a socket left behind is stale.
    if (const std::string error = channel_.Listen(place_->serverName); !error.empty()) {
        std::fprintf(stderr, "later starts cannot wake this copy: %s\n", error.c_str());
    }
}

bool RunningCopy::WakeRunningCopy() {
    LetRunningCopyComeForward();
    return CopyChannel::Send(place_->serverName, EncodeMessage(WM_ACTIVATE_INSTANCE),
                             std::chrono::milliseconds(250));
}

}  // namespace kestrum
