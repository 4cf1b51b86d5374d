#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "convert/core/encoder_probe.h"
#include "convert/core/main_thread_dispatcher.h"

namespace kestrum {

// Asks encoder programs what they are on threads of their own, so that the
// main thread never waits for one, however long it takes to answer: the
// answer lands in the probe (and its cache), and whoever asked hears it on
// the main thread through the dispatcher. Used from the main thread only.
class EncoderProbeAhead {
public:
    using Answered = std::function<void(const EncoderCapabilities&)>;
    // Keeps an Ask's answer wanted; dropping it cancels the call.
    using Ticket = std::shared_ptr<void>;

    // `probe` and `dispatcher` must outlive this.
    EncoderProbeAhead(EncoderProbe& probe, MainThreadDispatcher& dispatcher);
    // Stops the questions still open (their programs are killed and
    // collected) and waits for their threads; no answer is delivered later.
    ~EncoderProbeAhead();
    EncoderProbeAhead(const EncoderProbeAhead&) = delete;
    EncoderProbeAhead& operator=(const EncoderProbeAhead&) = delete;

    // Calls `answered` with what the program is: before returning when that
    // is known, otherwise from the main thread's loop once the program has
    // answered, as long as the ticket is kept. A program already being asked
    // is not asked again.
    [[nodiscard]] Ticket Ask(const std::string& programPath, Answered answered);
    // Asks ahead, so that a later Ask finds the answer known.
    void Prepare(const std::string& programPath);

private:
    struct Waiter {
        Answered answered;
    };
    struct Question {
        std::vector<std::weak_ptr<Waiter>> waiters;
        std::jthread thread;
    };
    // The open questions by program path; main thread only. Shared with the
    // answers on their way through the dispatcher, which may arrive after
    // this object has gone and then find nothing to answer.
    using OpenQuestions = std::map<std::string, Question>;

    static void Deliver(OpenQuestions& open, const std::string& programPath,
                        const EncoderCapabilities& answer);

    EncoderProbe& probe_;
    MainThreadDispatcher& dispatcher_;
    std::shared_ptr<OpenQuestions> open_ = std::make_shared<OpenQuestions>();
};

}  // namespace kestrum
