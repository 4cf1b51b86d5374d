#pragma once

#include <QLockFile>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/running_copy_place.h"
#include "app/ui/copy_channel.h"

namespace kestrum {

// The message a second copy sends to wake the running one; both of its
// parameters are 0.
inline constexpr std::uint32_t WM_ACTIVATE_INSTANCE = 0x1703;

// What start-up found.
enum class StartRole {
    FirstCopy,          // this copy holds the place and answers later copies
    WokeRunningCopy,    // another copy runs and has been woken: end at once
    SilentRunningCopy,  // another copy holds the place but never answered: end too
    Unguarded,          // there is no private place or lock file: run anyway
};

// The one running copy per user and desktop session. The first copy wins
// the lock file (a lock left by a copy that died counts as free), removes a
// socket such a copy may have left, and listens on the copy channel; a later
// copy, finding the lock held, connects (retrying while the first is still
// starting) and sends WM_ACTIVATE_INSTANCE. A copy that holds the lock is
// running even when it does not answer, so a later copy never opens a
// second window.
class RunningCopy : public QObject {
    Q_OBJECT

public:
    explicit RunningCopy(std::optional<RunningCopyPlace> place = FindRunningCopyPlace());
    ~RunningCopy() override;

    StartRole Start(std::chrono::milliseconds patience = std::chrono::seconds(3));

    // Why a start that found a SilentRunningCopy ends: one line of text.
    std::string SilentCopyText() const;

signals:
    // A later copy asked this one to come to the front.
    void ActivateInstance();

private:
    void Listen();
    bool WakeRunningCopy();

    std::optional<RunningCopyPlace> place_;
    std::unique_ptr<QLockFile> lock_;
    CopyChannel channel_;
};

}  // namespace kestrum
