#include <algorithm>
#include <memory>

#include "app/core/settings_store.h"
#include "cli/adapter_notes.h"
#include "cli/batch_settings.h"
#include "cli/console_front_end.h"
#include "cli/modes.h"
#include "cli/stop_signals.h"
#include "cli/terminal.h"
#include "convert/core/convert_batch.h"
#include "convert/core/convert_process.h"
#include "convert/core/dispatched_notice_sink.h"
#include "convert/core/encoder_probe_ahead.h"
#include "convert/core/main_thread_queue.h"

namespace kestrum::cli {

namespace {

constexpr int kAllConverted = 0;
constexpr int kSomeFailed = 1;
constexpr int kNotStarted = 2;
constexpr int kStopped = 130;

// Runs the batch on this thread's queue until it is over or stopped, with
// `jobs` runners, each with its own worker, converting at once.
BatchState RunBatch(MainThreadQueue& queue, StopSignals& signals, ConsoleFrontEnd& console,
                    const std::vector<std::string>& files, const BatchChoices& choices, int jobs,
                    std::string& finalMessage) {
    std::unique_ptr<ConvertBatch> batch;
    std::vector<std::unique_ptr<DispatchedNoticeSink>> sinks;
    // Declared after the sinks and the batch's pointer, so they go first:
    // their end kills and collects stopped encoders before we report anything.
    std::vector<std::unique_ptr<TConvertProcess>> processes;
    std::vector<BatchRunner> runners;
    const std::size_t count = std::min(static_cast<std::size_t>(jobs), files.size());
    for (std::size_t place = 0; place < count; ++place) {
        sinks.push_back(std::make_unique<DispatchedNoticeSink>(
            queue, [&batch, place](std::unique_ptr<TProcessInfo> notice) {
                batch->HandleNotice(place, std::move(notice));
            }));
        processes.push_back(std::make_unique<TConvertProcess>(queue, console));
        runners.push_back({*processes.back(), *sinks.back()});
    }
    batch = std::make_unique<ConvertBatch>(std::move(runners), console, console, files, choices);

    // The first files start once the encoder has said what it is; asked on a
    // thread of its own, so that a stop signal is heard meanwhile.
    EncoderProbeAhead probes(SharedEncoderProbe(), queue);
    const EncoderProbeAhead::Ticket answer =
        probes.Ask(EncoderProgram(choices.NotUseAnotherFFmpeg, choices.AnotherFFmpeg),
                   [&batch](const EncoderCapabilities& encoder) { batch->Begin(encoder); });
    while (batch->State() == BatchState::Running) {
        if (signals.Requested()) {
            batch->Stop();
            break;
        }
        queue.WaitAndRun();
    }
    finalMessage = batch->FinalMessage();
    return batch->State();
}

}  // namespace

int ConvertFiles(const Options& options) {
    MainThreadQueue queue;
    StopSignals signals([&queue] { queue.Post([] {}); });

    const BatchChoices choices = ResolveBatchChoices(options, SettingsStore().Read());
    // Without a terminal to ask on, Ask keeps existing outputs.
    const OverwriteAnswer overwrite = options.overwrite.value_or(OverwriteAnswer::Ask);
    ConsoleFrontEnd console(overwrite, choices.OutputFolder, signals.WakeHandle());

    const BatchCheck check = CheckBeforeBatch(choices, console);
    if (signals.Requested()) {
        return kStopped;
    }
    if (check == BatchCheck::FolderNotCreated) {
        WriteLine(stderr,
                  "kestrum-convert: cannot create the output folder " + choices.OutputFolder);
    }
    if (check != BatchCheck::Ready) {
        return kNotStarted;
    }
    // Once for the batch: every file runs with the same adapted arguments.
    WriteAdapterNotes(stderr, AdapterNotes(choices));
    std::string finalMessage;
    if (RunBatch(queue, signals, console, options.files, choices, JobsToRun(options),
                 finalMessage) == BatchState::Stopped) {
        return kStopped;
    }
    if (finalMessage.empty()) {
        return kAllConverted;
    }
    WriteLine(stderr, finalMessage);
    return kSomeFailed;
}

}  // namespace kestrum::cli
