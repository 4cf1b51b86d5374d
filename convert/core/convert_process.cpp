#include "convert/core/convert_process.h"

#include <system_error>

#include "app/core/error.h"
#include "app/core/global.h"
#include "app/core/string_table.h"
#include "convert/core/encoder_probe.h"
#include "platform/file_system.h"
#include "platform/pipe.h"
#include "platform/system_error.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"

namespace kestrum {

TConvertProcess::TConvertProcess(MainThreadDispatcher& dispatcher, UserPrompts& prompts)
    : dispatcher_(dispatcher), prompts_(prompts) {}

TConvertProcess::~TConvertProcess() {
    Running = false;
    EndJob(0);
    retired_.clear();  // each waits for its worker to leave
}

void TConvertProcess::Start() {
    EndJob(0);  // nothing when the last job is over, as it should be
    std::erase_if(retired_, [](const auto& worker) { return worker->Finished(); });
    Progress.ProgressSeen = false;
    converted_ = false;
    failureCode_ = 0;
    partialFile_.clear();
    stdOutLines_ = LineJoiner();
    stdErrLines_ = LineJoiner();

    // The encoder would overwrite the file it reads; no answer makes that right.
    if (OutputIsInput(InputFile, OutputFile)) {
        PostFinished(FinishStatus::OutputIsInput);
        return;
    }
    // The catalogue's arguments were written for encoder builds of about
    // 2010; a modern build gets them in today's spelling. A job this build
    // cannot do at all ends here, before anyone is asked anything.
    const std::string program = EncoderProgram(NotUseAnotherFFmpeg, AnotherFFmpeg);
    const AdaptedArguments adapted = AdaptArguments(Arguments, Extension, Encoder);
    if (adapted.outcome == AdaptOutcome::NeedsLibx264) {
        PostFinished(FinishStatus::EncoderLacksH264);
        return;
    }
    const bool replace = platform::FileExists(OutputFile);
    if (replace) {
        if (!prompts_.AskYesNo(Question::Overwrite,
                               OutputFile + std::string(texts::kOverwriteQuestion))) {
            PostFinished(FinishStatus::Done);
            return;
        }
        if (!Running) {
            return;  // stopped while the question was open: the batch is over
        }
        if (IsFileInUse(OutputFile)) {
            PostFinished(FinishStatus::OutputInUse);
            return;
        }
    }
    job_ = std::make_shared<ConvertJob>(dispatcher_);
    failureCode_ = job_->Partial.Create(OutputFile, replace);
    partialFile_ = job_->Partial.Path();
    if (failureCode_ != 0) {
        job_.reset();
        PostFinished(FinishStatus::PartialNotCreated);
        return;
    }
    try {
        CreatePipes();
        StartEncoder(program, adapted.arguments);
    } catch (...) {
        ClosePipes();  // and a child already started is killed and collected
        throw;
    }
}

void TConvertProcess::StartEncoder(const std::string& program, const std::string& arguments) {
    // The encoder writes the file that is to become the output. It exists
    // already (we made it), so the encoder is always told to overwrite; the
    // user's answer about the output itself was taken above.
    const CommandPieces pieces{NotUseAnotherFFmpeg, AnotherFFmpeg, true,
                               InputFile,           arguments,     job_->Partial.Path()};
    Progress.TotalSeconds = 0;
    const platform::ChildCommand command{BuildArgv(pieces, program), ComposeCommandLine(pieces)};
    if (!platform::StartChildProcess(
            command, {job_->StdInRead, job_->StdOutWrite, job_->StdErrWrite}, job_->ChildProcess)) {
        RaiseLastError(texts::kProcessCreationFailed);
    }
    // The child has its own copies now. Nothing is ever written to its
    // standard input, so closing our end at once lets it read end of file
    // instead of waiting for an answer ("Overwrite? [y/N]") that never comes.
    job_->CloseRunnerEnds();
    try {
        Thread = std::make_unique<TConvertThread>(*this, job_);
    } catch (const std::system_error& e) {
        platform::SetLastSystemError(e.code().value());
        RaiseLastError(texts::kProcessCreationFailed);
    }
}

void TConvertProcess::Stop(std::uint32_t exitCode) {
    if (!Running) {
        return;
    }
    Running = false;
    EndJob(exitCode);
}

void TConvertProcess::EndJob(std::uint32_t exitCode) {
    RetireThread();
    if (job_) {
        job_->Calls.Cancel();
        platform::TerminateChild(job_->ChildProcess, exitCode);
        ClosePipes();
    }
}

void TConvertProcess::ReadStdOut() {
    ReadPipe(job_->StdOutRead, stdOutLines_, texts::kStdOutPipeRead);
}

void TConvertProcess::ReadStdErr() {
    ReadPipe(job_->StdErrRead, stdErrLines_, texts::kStdErrPipeRead);
}

void TConvertProcess::ReadPipe(platform::NativeHandle pipe, LineJoiner& lines,
                               std::string_view failureText) {
    std::string chunk(job_->BytesAvailable, '\0');
    std::uint32_t done = 0;
    if (!platform::ReadPipe(pipe, chunk.data(), job_->BytesAvailable, done)) {
        const int error = platform::LastSystemError();
        RetireThread();
        platform::SetLastSystemError(error);
        RaiseLastError(failureText);
    }
    chunk.resize(done);
    ParseAndPost(lines.Take(chunk));
}

void TConvertProcess::ParseAndPost(std::string_view text) {
    if (text.empty()) {
        return;
    }
    for (TProcessInfo& notice : ParseOutput(text, Progress, ProgressClockNow())) {
        if (NotifyWindow != nullptr) {
            NotifyWindow->Post(std::make_unique<TProcessInfo>(std::move(notice)));
        }
    }
}

void TConvertProcess::ProcessFinished() {
    RetireThread();
    const platform::ChildExit exit = platform::CollectChild(job_->ChildProcess);
    // A last line without a break (say, the encoder's final word) still counts.
    ParseAndPost(stdOutLines_.Flush());
    ParseAndPost(stdErrLines_.Flush());
    // Converted only when the encoder showed progress and also said it
    // succeeded: one that fails (or dies) after its first position line has
    // not converted the file. Only then does the output change, in one step.
    FinishStatus status = FinishStatus::Done;
    if (Progress.ProgressSeen && exit.exited && exit.code == 0) {
        failureCode_ = job_->Partial.Commit();
        converted_ = failureCode_ == 0;
        if (!converted_) {
            status = FinishStatus::OutputNotReplaced;
        }
    } else {
        job_->Partial.Discard();
    }
    ClosePipes();
    PostFinished(status);
}

void TConvertProcess::PostFinished(FinishStatus status) {
    auto notice = std::make_unique<TProcessInfo>();
    notice->Percent = kFinishPercent;
    notice->Status = static_cast<std::int32_t>(status);
    if (converted_) {
        notice->ElapsedText = "some";
    }
    if (NotifyWindow != nullptr) {
        NotifyWindow->Post(std::move(notice));
    }
}

void TConvertProcess::CreatePipes() {
    // Each pipe is stored as soon as it exists, so that a later failing step
    // leaves nothing that ClosePipes would not close.
    platform::PipeEnds in, out, err;
    if (!platform::CreatePipe(in)) {
        RaiseLastError(texts::kStdInPipeCreation);
    }
    job_->StdInRead = in.read;
    job_->StdInWrite = in.write;
    if (!platform::HandOverChildEnd(job_->StdInRead, job_->StdInWrite)) {
        RaiseLastError(texts::kStdInPipeDuplication);
    }
    if (!platform::CreatePipe(out)) {
        RaiseLastError(texts::kStdOutPipeCreation);
    }
    job_->StdOutRead = out.read;
    job_->StdOutWrite = out.write;
    if (!platform::HandOverChildEnd(job_->StdOutWrite, job_->StdOutRead)) {
        RaiseLastError(texts::kStdOutPipeDuplication);
    }
    if (!platform::CreatePipe(err)) {
        RaiseLastError(texts::kStdErrPipeCreation);
    }
    job_->StdErrRead = err.read;
    job_->StdErrWrite = err.write;
    if (!platform::HandOverChildEnd(job_->StdErrWrite, job_->StdErrRead)) {
        RaiseLastError(texts::kStdErrPipeDuplication);
    }
}

// Lets go of the job's pipes and child. The ends only we use close here; the
// worker's ends and the child go when the worker lets go too (ConvertJob).
void TConvertProcess::ClosePipes() {
    if (job_) {
        job_->CloseRunnerEnds();
        job_.reset();
    }
}

void TConvertProcess::RaiseLastError(std::string_view message) {
    throw Error(std::string(message) + std::to_string(platform::LastSystemError()));
}

// The terminate request, and the worker is no longer this job's.
void TConvertProcess::RetireThread() {
    if (Thread) {
        Thread->Terminate();
        retired_.push_back(std::move(Thread));
    }
}

std::uint32_t TConvertProcess::ChildProcessId() const {
    return job_ ? job_->ChildProcess.processId : 0;
}

}  // namespace kestrum
