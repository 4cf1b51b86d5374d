#include "engine_job.h"

#include <atomic>
#include <memory>
#include <thread>

#include "convert/core/convert_batch.h"
#include "convert/core/dispatched_notice_sink.h"
#include "convert/core/encoder_probe.h"
#include "convert/core/main_thread_queue.h"
#include "platform/program_search.h"
#include "support/scripted_prompts.h"

namespace kestrum::test {

namespace {

// Counts what a progress window would show.
class CountingView final : public BatchView {
public:
    void JobStarted(const BatchJob&) override {}
    void JobProgress(const BatchJob&, const TProcessInfo&) override { ++result.progressNotices; }
    void JobFinished(const BatchJob&, bool converted) override { result.converted = converted; }
    void BatchFinished() override {}

    JobResult result;
};

}  // namespace

const EncoderCapabilities& InstalledEncoder() {
    static const EncoderCapabilities answer = [] {
        EncoderProbe probe("");
        return probe.Probe(platform::FindProgram("ffmpeg")).value_or(EncoderCapabilities{});
    }();
    return answer;
}

JobResult RunThroughEngine(std::string_view caption, const std::string& input,
                           const std::string& outputFolder) {
    MainThreadQueue queue;
    ScriptedPrompts prompts;
    TConvertProcess process(queue, prompts);
    CountingView view;
    std::unique_ptr<ConvertBatch> batch;
    DispatchedNoticeSink sink(queue, [&](std::unique_ptr<TProcessInfo> notice) {
        batch->HandleNotice(0, std::move(notice));
    });
    BatchChoices choices;
    choices.OutputFolder = outputFolder;
    choices.Profile = std::string(caption);
    batch = std::make_unique<ConvertBatch>(std::vector<BatchRunner>{{process, sink}}, prompts, view,
                                           std::vector<std::string>{input}, choices);
    batch->Begin(InstalledEncoder());
    const auto deadline = MainThreadQueue::Clock::now() + std::chrono::minutes(2);
    while (batch->State() == BatchState::Running && queue.WaitAndRun(deadline)) {
    }
    for (const std::string& shown : prompts.shown) {
        view.result.messages += shown + "\n";
    }
    return view.result;
}

std::vector<std::string> ConvertInPairs(std::size_t count,
                                        const std::function<std::string(std::size_t)>& convert) {
    std::vector<std::string> answers(count);
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            answers[i] = convert(i);
        }
    };
    std::thread second(worker);
    worker();
    second.join();
    return answers;
}

}  // namespace kestrum::test
