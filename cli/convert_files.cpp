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
#include "convert/core/main_thread_queue.h"

namespace kestrum::cli {

namespace {

constexpr int kAllConverted = 0;
constexpr int kSomeFailed = 1;
constexpr int kNotStarted = 2;
constexpr int kStopped = 130;

// Runs the batch on this thread's queue until it is over or stopped.
BatchState RunBatch(MainThreadQueue& queue, StopSignals& signals, ConsoleFrontEnd& console,
                    const std::vector<std::string>& files, const BatchChoices& choices,
                    std::string& finalMessage) {
    std::unique_ptr<ConvertBatch> batch;
    DispatchedNoticeSink notices(queue, [&batch](std::unique_ptr<TProcessInfo> notice) {
        batch->HandleNotice(std::move(notice));
    });
    // Declared after the sink and the batch's pointer, so it goes first: its
    // end kills and collects a stopped encoder before we report anything.
    TConvertProcess process(queue, console);
    batch = std::make_unique<ConvertBatch>(process, notices, console, console, files, choices);
    batch->Begin();
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
    if (RunBatch(queue, signals, console, options.files, choices, finalMessage) ==
        BatchState::Stopped) {
        return kStopped;
    }
    if (finalMessage.empty()) {
        return kAllConverted;
    }
    WriteLine(stderr, finalMessage);
    return kSomeFailed;
}

}  // namespace kestrum::cli
