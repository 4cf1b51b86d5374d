#include "convert/engine_harness.h"

#include <sstream>

#include "app/core/error.h"

namespace kestrum::test {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

EngineHarness::EngineHarness() : process(std::make_unique<TConvertProcess>(calls, prompts)) {}

std::string EngineHarness::Script(const std::string& name, const std::string& lines) {
    WriteFile(folder / name, lines);
    return folder / name;
}

void EngineHarness::Prepare(const std::string& name, const std::string& script) {
    process->InputFile = Script(name + ".txt", script);
    process->OutputFile = folder / (name + ".out");
    process->NotifyWindow = &sink;
    process->Arguments = "-f fake ";
    process->AnotherFFmpeg = KESTRUM_FAKE_ENCODER;
    process->NotUseAnotherFFmpeg = false;
    process->Running = true;
}

void EngineHarness::StartScript(const std::string& name, const std::string& script) {
    Prepare(name, script);
    process->Start();
}

std::string EngineHarness::StartError(const std::string& program) {
    Prepare("job", "exit 0\n");
    process->AnotherFFmpeg = program;
    try {
        process->Start();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

bool EngineHarness::PumpUntilFinished(std::chrono::milliseconds timeout) {
    const auto deadline = MainThreadQueue::Clock::now() + timeout;
    while (Finish() == nullptr) {
        if (!queue.WaitAndRun(deadline)) {
            return false;
        }
    }
    return true;
}

void EngineHarness::PumpFor(std::chrono::milliseconds time) {
    const auto deadline = MainThreadQueue::Clock::now() + time;
    while (queue.WaitAndRun(deadline)) {
    }
}

std::vector<TProcessInfo> EngineHarness::Progress() const {
    std::vector<TProcessInfo> progress;
    for (const TProcessInfo& notice : notices) {
        if (notice.Percent != kFinishPercent) {
            progress.push_back(notice);
        }
    }
    return progress;
}

const TProcessInfo* EngineHarness::Finish() const {
    for (const TProcessInfo& notice : notices) {
        if (notice.Percent == kFinishPercent) {
            return &notice;
        }
    }
    return nullptr;
}

}  // namespace kestrum::test
