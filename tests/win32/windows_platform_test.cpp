#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "app/core/global.h"
#include "app/core/settings_store.h"
#include "platform/capture_output.h"
#include "platform/child_process.h"
#include "platform/file_system.h"
#include "platform/pipe.h"
#include "platform/quote_command_line.h"
#include "platform/system_error.h"
#include "platform/user_folders.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

bool Inheritable(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
}

// The test encoder playing `script` from a file in `folder`.
std::string FakeEncoderCommand(const test::TempFolder& folder, const std::string& script) {
    test::WriteFile(folder / "script.txt", script);
    return platform::QuoteCommandLine({KESTRUM_FAKE_ENCODER, "-i", folder / "script.txt", "out"});
}

TEST(WindowsPipes, ChildEndInheritableOwnEndNot) {
    platform::PipeEnds ends;
    ASSERT_TRUE(platform::CreatePipe(ends));
    EXPECT_TRUE(Inheritable(ends.read));
    EXPECT_TRUE(Inheritable(ends.write));
    ASSERT_TRUE(platform::HandOverChildEnd(ends.write, ends.read));
    EXPECT_TRUE(Inheritable(ends.write));
    EXPECT_FALSE(Inheritable(ends.read));

    // Two writes wait as one count; a read of part of it leaves the rest.
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(ends.write, "time=", 5, &written, nullptr));
    ASSERT_TRUE(::WriteFile(ends.write, "1.00\n", 5, &written, nullptr));
    std::uint32_t count = 0;
    char buffer[16];
    std::uint32_t done = 0;
    std::string read;
    for (const std::uint32_t want : {10U, 4U, 0U}) {
        EXPECT_TRUE(platform::BytesInPipe(ends.read, count));
        EXPECT_EQ(count, want);
        if (count > 0) {
            EXPECT_TRUE(platform::ReadPipe(ends.read, buffer, std::min(count, 6U), done));
            read.append(buffer, done);
        }
    }
    EXPECT_EQ(read, "time=1.00\n");
    // No writer left: the poll fails, and so does a read.
    platform::CloseNativeHandle(ends.write);
    EXPECT_FALSE(platform::BytesInPipe(ends.read, count));
    EXPECT_FALSE(platform::ReadPipe(ends.read, buffer, 1, done));
    EXPECT_EQ(platform::LastSystemError(), ERROR_BROKEN_PIPE);
    platform::CloseNativeHandle(ends.read);

    // A failed duplication loses the child's end: it is no longer held.
    platform::NativeHandle bogus = reinterpret_cast<HANDLE>(0x7ff0);
    EXPECT_FALSE(platform::HandOverChildEnd(bogus, nullptr));
    EXPECT_FALSE(platform::IsHeld(bogus));
}

struct StartCase {
    const char* name;
    std::string script;
    bool terminate;
    int exitCode;
};

// A child runs hidden with our pipe as its output, is waited on with a time
// limit, and reports its exit code; a terminated child reports the code it
// was terminated with.
TEST(WindowsChildProcess, RunsWaitsAndReportsItsExitCode) {
    const StartCase cases[] = {
        {"own exit code", "err x\nexit 7\n", false, 7},
        {"terminated", "ignore-signals\nsleep 30000\n", true, 5},
        {"crashed", "crash\n", false, 3},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        platform::PipeEnds out;
        ASSERT_TRUE(platform::CreatePipe(out));
        ASSERT_TRUE(platform::HandOverChildEnd(out.write, out.read));
        platform::ChildProcess child;
        ASSERT_TRUE(platform::StartChildProcess({{}, FakeEncoderCommand(folder, c.script)},
                                                {nullptr, out.write, out.write}, child));
        platform::CloseNativeHandle(out.write);
        EXPECT_TRUE(platform::IsHeld(child));
        EXPECT_NE(child.thread, nullptr);
        if (c.terminate) {
            const auto start = Clock::now();
            EXPECT_EQ(platform::WaitForChild(child, {}, 100ms), platform::WaitResult::TimedOut);
            EXPECT_GE(Clock::now() - start, 90ms);
            platform::TerminateChild(child, static_cast<std::uint32_t>(c.exitCode));
        }
        EXPECT_EQ(platform::WaitForChild(child, {}, 10s), platform::WaitResult::ChildEnded);
        const platform::ChildExit exit = platform::CollectChild(child);
        EXPECT_TRUE(exit.exited);
        EXPECT_EQ(exit.code, c.exitCode);
        EXPECT_FALSE(platform::IsHeld(child));
        EXPECT_EQ(child.process, nullptr);
        platform::CloseNativeHandle(out.read);
    }
}

// What cannot start reports the system's code: 2 for a missing program, and
// 193 (not a valid Windows program) for a file of another system, which Wine
// would otherwise start detached from our pipes.
TEST(WindowsChildProcess, WhatCannotStartSaysWhy) {
    test::TempFolder folder;
    test::WriteFile(folder / "script", "#!/bin/sh\nexit 0\n");
    test::WriteFile(folder / "elf", std::string("\x7f"
                                                "ELF\x01\x01\x01",
                                                7));
    const std::pair<std::string, int> cases[] = {
        {"\"" + folder / "missing.exe" + "\" -i x", ERROR_FILE_NOT_FOUND},
        {"\"" + folder / "script" + "\" -i x", ERROR_BAD_EXE_FORMAT},
        {"\"" + folder / "elf" + "\" -i x", ERROR_BAD_EXE_FORMAT},
    };
    for (const auto& [line, code] : cases) {
        platform::ChildProcess child;
        EXPECT_FALSE(platform::StartChildProcess({{}, line}, {}, child)) << line;
        EXPECT_EQ(platform::LastSystemError(), code) << line;
        EXPECT_FALSE(platform::IsHeld(child));
    }
    EXPECT_EQ(platform::CaptureOutput({folder / "elf", "-version"}, 1s).outcome,
              platform::CaptureOutcome::NotStarted);
}

TEST(WindowsCaptureOutput, CollectsBothStreamsAndEndsAHang) {
    test::TempFolder folder;
    test::WriteFile(folder / "answer", "out ffmpeg version 6.0\\n\nerr warning\\n\nexit 4\n");
    test::WriteFile(folder / "hang", "sleep 30000\n");
    const platform::CapturedOutput answer =
        platform::CaptureOutput({KESTRUM_FAKE_ENCODER, "-i", folder / "answer", "x"}, 10s);
    EXPECT_EQ(answer.outcome, platform::CaptureOutcome::Exited);
    EXPECT_EQ(answer.exitCode, 4);
    EXPECT_EQ(answer.out, "ffmpeg version 6.0\n");
    EXPECT_EQ(answer.err, "warning\n");
    const auto start = Clock::now();
    EXPECT_EQ(
        platform::CaptureOutput({KESTRUM_FAKE_ENCODER, "-i", folder / "hang", "x"}, 300ms).outcome,
        platform::CaptureOutcome::TimedOut);
    EXPECT_LT(Clock::now() - start, 10s);
}

// The exclusive open: a file that another handle holds (with sharing or
// without), or that is read-only, is in use.
TEST(WindowsFiles, InUseMeansTheExclusiveOpenFails) {
    test::TempFolder folder;
    const std::string file = folder / "out.wav";
    EXPECT_FALSE(IsFileInUse(file)) << "missing";
    test::WriteFile(file, "x");
    EXPECT_FALSE(IsFileInUse(file));
    EXPECT_FALSE(IsFileInUse(folder.Path())) << "a folder is no file";
    struct Holder {
        DWORD share;
        bool inUse;
    };
    for (const Holder holder :
         {Holder{0, true}, Holder{FILE_SHARE_READ | FILE_SHARE_WRITE, true}}) {
        const HANDLE held = ::CreateFileA(file.c_str(), GENERIC_READ, holder.share, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(IsFileInUse(file), holder.inUse) << holder.share;
        ::CloseHandle(held);
    }
    EXPECT_FALSE(IsFileInUse(file)) << "let go again";
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(IsFileInUse(file));
}

TEST(WindowsFiles, FoldersAndTheSettingsFolder) {
    test::TempFolder folder;
    const std::string nested = folder.Path() + "a b\\c.d\\e";
    EXPECT_TRUE(platform::ForceDirectories(nested));
    EXPECT_TRUE(platform::DirectoryExists(nested));
    EXPECT_TRUE(platform::ForceDirectories(nested + "\\"));
    EXPECT_TRUE(platform::ForceDirectories("C:\\"));
    test::WriteFile(nested + "\\f", "x");
    EXPECT_FALSE(platform::ForceDirectories(nested + "\\f\\g")) << "a file is in the way";
    EXPECT_TRUE(platform::FileExists(nested + "\\f"));
    EXPECT_FALSE(platform::DirectoryExists(nested + "\\f"));

    const std::string appData = GetAppDataFolder();
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData.back(), '\\');
    EXPECT_TRUE(platform::DirectoryExists(appData));
    const std::string settings = SettingsStore::SettingsFolder();
    EXPECT_EQ(settings, appData + "Kestrum\\Video Converter\\");
    EXPECT_TRUE(platform::DirectoryExists(settings));
    EXPECT_EQ(SettingsStore::SettingsFile(), settings + "settings.ini");
    EXPECT_EQ(platform::ExecutableFolder().back(), '\\');

    // The cache stays on this machine: the local application data, not the roaming one.
    const std::string cache = platform::ProgramCacheFolder();
    ASSERT_GT(cache.size(), 8U);
    EXPECT_EQ(cache.substr(cache.size() - 8), "Kestrum\\");
    EXPECT_NE(cache.substr(0, appData.size()), appData);
}

// Paths are 8-bit text in the ANSI code page, for every file function.
TEST(WindowsFiles, AnsiPaths) {
    test::TempFolder folder;
    const std::string latin1 = folder.Path() + "caf\xe9 \xbd\\clip \xe9.wav";
    ASSERT_TRUE(platform::ForceDirectories(latin1.substr(0, latin1.rfind('\\'))));
    test::WriteFile(latin1, "RIFF");
    EXPECT_TRUE(platform::FileExists(latin1));
    platform::FileIdentity identity;
    EXPECT_TRUE(platform::IdentifyFile(latin1, identity));
    EXPECT_EQ(identity.path, latin1);
    EXPECT_EQ(identity.size, 4U);
    EXPECT_NE(identity.modified, 0);
    EXPECT_FALSE(platform::IdentifyFile(folder.Path(), identity)) << "a folder";
    EXPECT_FALSE(IsFileInUse(latin1));
    std::string content;
    EXPECT_TRUE(platform::ReadWholeFile(latin1, content));
    EXPECT_EQ(content, "RIFF");
    EXPECT_FALSE(platform::ReadWholeFile(latin1, content, 3)) << "longer than the limit";
    EXPECT_EQ(platform::ReplaceFileContent(latin1, "RIFF2"), 0);
    EXPECT_EQ(test::ReadFile(latin1), "RIFF2");

    // Another file at the same path is another identity.
    platform::FileIdentity replaced;
    const std::string other = folder.Path() + "other.wav";
    test::WriteFile(other, "RIFF3");
    ASSERT_TRUE(platform::IdentifyFile(latin1, identity));
    ASSERT_TRUE(::MoveFileExA(other.c_str(), latin1.c_str(), MOVEFILE_REPLACE_EXISTING));
    ASSERT_TRUE(platform::IdentifyFile(latin1, replaced));
    EXPECT_NE(replaced.file, identity.file);

    // Two spellings of one place, whether or not a file is there.
    EXPECT_TRUE(platform::SameFilePlace(latin1, folder.Path() + "caf\xe9 \xbd\\.\\clip \xe9.wav"));
    EXPECT_TRUE(platform::SameFilePlace(folder.Path() + "caf\xe9 \xbd\\new.mp3",
                                        folder.Path() + "CAF\xe9 \xbd\\NEW.mp3"));
    EXPECT_FALSE(platform::SameFilePlace(latin1, folder.Path() + "caf\xe9 \xbd\\other.wav"));
}

}  // namespace
}  // namespace kestrum
