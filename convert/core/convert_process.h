#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "convert/core/convert_job.h"
#include "convert/core/convert_thread.h"
#include "convert/core/line_joiner.h"
#include "convert/core/main_thread_dispatcher.h"
#include "convert/core/notice_sink.h"
#include "convert/core/process_info.h"
#include "convert/core/progress_parser.h"
#include "convert/core/user_prompts.h"
#include "profiles/core/argument_adapter.h"

namespace kestrum {

// Runs one encoder job at a time: checks the output file, starts the encoder
// as a hidden child with three pipes, and has a worker (TConvertThread) watch
// it. Reading and parsing the pipes happens here, on the main thread, when the
// worker asks; notices go to NotifyWindow. The encoder writes a file of its
// own beside the output (PartialOutput), which takes the output's name only
// when the job converted; a failed, stopped or abandoned job leaves neither a
// partial output nor a changed old one. Every operation is called on the
// main thread. One instance serves every job of the program's life.
class TConvertProcess {
public:
    TConvertProcess(MainThreadDispatcher& dispatcher, UserPrompts& prompts);
    // Ends a running job (its encoder and its group are killed and collected)
    // and waits for the workers to leave, so nothing touches this afterwards.
    virtual ~TConvertProcess();
    TConvertProcess(const TConvertProcess&) = delete;
    TConvertProcess& operator=(const TConvertProcess&) = delete;

    // Starts the job the fields below describe. Either a finish notice comes
    // later or an Error leaves here ("Error while creating convert process!"
    // and the system's error code, or a pipe text and the code).
    void Start();
    // Ends the running job at once, without a finish notice. Does nothing
    // when not Running; clears Running.
    void Stop(std::uint32_t exitCode);

    // Called by the worker through RunOnMainThread.
    void ReadStdOut();
    void ReadStdErr();
    void ProcessFinished();

    void PostFinished(FinishStatus status);

    // The job, set by the caller before each Start.
    NoticeSink* NotifyWindow = nullptr;
    std::string InputFile;
    std::string OutputFile;
    bool Running = false;  // set by the caller before Start, cleared by Stop
    std::string Arguments;
    std::string Extension;       // the output extension, for adapting the arguments
    std::string ProfileCaption;  // for the message when the encoder cannot do the profile
    std::string AnotherFFmpeg;
    bool NotUseAnotherFFmpeg = true;
    // What the probe said of the encoder that runs; the arguments are adapted
    // to it. Asked for ahead (EncoderProbeAhead), so that Start never waits
    // for an encoder's answer.
    EncoderCapabilities Encoder;

    // TotalSeconds, StartTime and ProgressSeen of the current job.
    ProgressJobState Progress;

    // The running encoder's process id; 0 when none is held.
    std::uint32_t ChildProcessId() const;
    // The file the current (or last) job's encoder writes until it is whole
    // and takes OutputFile's name; and the system's error code when making
    // or renaming it failed (0 otherwise). For the finish message.
    const std::string& PartialFile() const { return partialFile_; }
    int FailureCode() const { return failureCode_; }

private:
    void CreatePipes();
    void ClosePipes();
    [[noreturn]] void RaiseLastError(std::string_view message);
    void StartEncoder(const std::string& program, const std::string& arguments);
    void ReadPipe(platform::NativeHandle pipe, LineJoiner& lines, std::string_view failureText);
    void ParseAndPost(std::string_view text);
    void EndJob(std::uint32_t exitCode);
    void RetireThread();

    MainThreadDispatcher& dispatcher_;
    UserPrompts& prompts_;
    std::shared_ptr<ConvertJob> job_;
    std::unique_ptr<TConvertThread> Thread;
    // Workers whose job is over, joined once they have left their loop.
    std::vector<std::unique_ptr<TConvertThread>> retired_;
    // The job's output is in place: the encoder showed progress, ended on
    // its own with exit status 0, and its file took the output's name.
    bool converted_ = false;
    std::string partialFile_;
    int failureCode_ = 0;
    LineJoiner stdOutLines_;
    LineJoiner stdErrLines_;
};

}  // namespace kestrum
