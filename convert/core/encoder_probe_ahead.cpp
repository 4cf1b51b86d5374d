#include "convert/core/encoder_probe_ahead.h"

namespace kestrum {

EncoderProbeAhead::EncoderProbeAhead(EncoderProbe& probe, MainThreadDispatcher& dispatcher)
    : probe_(probe), dispatcher_(dispatcher) {}

EncoderProbeAhead::~EncoderProbeAhead() {
    // Moved out first: an answer already queued finds no question open.
    OpenQuestions open = std::move(*open_);
    open_->clear();
    for (auto& [path, question] : open) {
        question.thread.request_stop();
    }
    // Each thread is joined as its question goes.
}

EncoderProbeAhead::Ticket EncoderProbeAhead::Ask(const std::string& programPath,
                                                 Answered answered) {
    if (const std::optional<EncoderCapabilities> known = probe_.Known(programPath)) {
        if (answered) {
            answered(*known);
        }
        return nullptr;
    }
    auto waiter = std::make_shared<Waiter>(Waiter{std::move(answered)});
    Question& question = (*open_)[programPath];
    question.waiters.push_back(waiter);
    if (!question.thread.joinable()) {
        question.thread = std::jthread([&probe = probe_, &dispatcher = dispatcher_, open = open_,
                                        programPath](std::stop_token stop) {
            const std::optional<EncoderCapabilities> answer = probe.Probe(programPath, stop);
            if (answer) {
                dispatcher.Post(
                    [open, programPath, answer = *answer] { Deliver(*open, programPath, answer); });
            }
        });
    }
    return waiter;
}

void EncoderProbeAhead::Prepare(const std::string& programPath) {
    // Nobody waits: the ticket goes at once, the question stays open.
    (void)Ask(programPath, {});
}

void EncoderProbeAhead::Deliver(OpenQuestions& open, const std::string& programPath,
                                const EncoderCapabilities& answer) {
    const auto found = open.find(programPath);
    if (found == open.end()) {
        return;
    }
    // Its thread has posted its last word and is ending; the waiters may ask
    // again from their calls, so the question is closed before they run.
    Question question = std::move(found->second);
    open.erase(found);
    question.thread.join();
    for (const std::weak_ptr<Waiter>& entry : question.waiters) {
        if (const std::shared_ptr<Waiter> waiter = entry.lock(); waiter && waiter->answered) {
            waiter->answered(answer);
        }
    }
}

}  // namespace kestrum
